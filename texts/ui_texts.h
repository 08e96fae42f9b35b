#pragma once

#include "texts/texts.h"

// Every text the user sees, in one place: the window, the dialogs and the
// editor's messages (a tool's hint sits in its row of tools/tool_table.cpp). Each is the source text a translation is
// keyed by (show it through Tr()); placeholders %1, %2 are filled in by Format().
namespace pixmint::texts {

inline constexpr const char* kAppTitle = "Kavoltrix Pixmint";
inline constexpr const char* kCaption = "Kavoltrix Pixmint 3.0";
inline constexpr const char* kUntitledIcon = QT_TRANSLATE_NOOP("pixmint", "无标题(图标)");
inline constexpr const char* kDepthLine1 = QT_TRANSLATE_NOOP("pixmint", "Pixmint 必须工作在真彩色的显示模式下.");
inline constexpr const char* kDepthLine2 =
    QT_TRANSLATE_NOOP("pixmint", "请设置显示模式为 16 位真彩或更高并重启 Pixmint.");
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("pixmint", "确定");
inline constexpr const char* kYes = QT_TRANSLATE_NOOP("pixmint", "是(&Y)");
inline constexpr const char* kNo = QT_TRANSLATE_NOOP("pixmint", "否(&N)");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("pixmint", "取消");
inline constexpr const char* kConfirm = QT_TRANSLATE_NOOP("pixmint", "确认");
inline constexpr const char* kError = QT_TRANSLATE_NOOP("pixmint", "错误");

// Tool bar hints (the trailing blank of the delete hint is intended).
inline constexpr const char* kHintNew = QT_TRANSLATE_NOOP("pixmint", "新建图标 (Ctrl + N)");
inline constexpr const char* kHintOpen = QT_TRANSLATE_NOOP("pixmint", "打开图标 (Ctrl + O)");
inline constexpr const char* kHintSave = QT_TRANSLATE_NOOP("pixmint", "保存图标 (Ctrl + S)");
inline constexpr const char* kHintUndo = QT_TRANSLATE_NOOP("pixmint", "撤销 (Ctrl + Z)");
inline constexpr const char* kHintRedo = QT_TRANSLATE_NOOP("pixmint", "重做 (Ctrl + Y)");
inline constexpr const char* kHintCut = QT_TRANSLATE_NOOP("pixmint", "剪切 (Ctrl + X)");
inline constexpr const char* kHintCopy = QT_TRANSLATE_NOOP("pixmint", "复制 (Ctrl + C)");
inline constexpr const char* kHintPaste = QT_TRANSLATE_NOOP("pixmint", "粘贴 (Ctrl + V)");
inline constexpr const char* kHintClear = QT_TRANSLATE_NOOP("pixmint", "删除选择区 (Del) ");
inline constexpr const char* kHintRoomIn = QT_TRANSLATE_NOOP("pixmint", "放大 (Num +)");
inline constexpr const char* kHintRoomAuto = QT_TRANSLATE_NOOP("pixmint", "自动缩放 (Num *)");
inline constexpr const char* kHintRoomOut = QT_TRANSLATE_NOOP("pixmint", "缩小 (Num -)");
inline constexpr const char* kHintModeRgb = QT_TRANSLATE_NOOP("pixmint", "RGB 模式");
inline constexpr const char* kHintModeAlpha = QT_TRANSLATE_NOOP("pixmint", "Alpha 模式 (适合 32 位图标)");
inline constexpr const char* kHintExeDll = QT_TRANSLATE_NOOP("pixmint", "提取/替换 EXE 图标");
inline constexpr const char* kHintPicToIco = QT_TRANSLATE_NOOP("pixmint", "转换图像为图标");
inline constexpr const char* kHintHelp = QT_TRANSLATE_NOOP("pixmint", "帮助 (F1)");
inline constexpr const char* kHintWebsite = QT_TRANSLATE_NOOP("pixmint", "Pixmint 在 Web");

// Menus.
inline constexpr const char* kMenuFile = QT_TRANSLATE_NOOP("pixmint", "文件(&F)");
inline constexpr const char* kMenuEdit = QT_TRANSLATE_NOOP("pixmint", "编辑(&E)");
inline constexpr const char* kMenuView = QT_TRANSLATE_NOOP("pixmint", "视图(&V)");
inline constexpr const char* kMenuImage = QT_TRANSLATE_NOOP("pixmint", "图像(&I)");
inline constexpr const char* kMenuEffects = QT_TRANSLATE_NOOP("pixmint", "特效(&C)");
inline constexpr const char* kMenuTools = QT_TRANSLATE_NOOP("pixmint", "工具(&T)");
inline constexpr const char* kMenuHelp = QT_TRANSLATE_NOOP("pixmint", "帮助(&H)");
inline constexpr const char* kFileNew = QT_TRANSLATE_NOOP("pixmint", "新建...");
inline constexpr const char* kFileNewIcon = QT_TRANSLATE_NOOP("pixmint", "图标");
inline constexpr const char* kFileNewCursor = QT_TRANSLATE_NOOP("pixmint", "指针");
inline constexpr const char* kFileOpen = QT_TRANSLATE_NOOP("pixmint", "打开");
inline constexpr const char* kFileSave = QT_TRANSLATE_NOOP("pixmint", "保存");
inline constexpr const char* kFileSaveAs = QT_TRANSLATE_NOOP("pixmint", "另存为...");
inline constexpr const char* kSettings = QT_TRANSLATE_NOOP("pixmint", "设置...");
inline constexpr const char* kFileExit = QT_TRANSLATE_NOOP("pixmint", "退出(&X)");
inline constexpr const char* kEditUndo = QT_TRANSLATE_NOOP("pixmint", "撤销");
inline constexpr const char* kEditRedo = QT_TRANSLATE_NOOP("pixmint", "重做");
inline constexpr const char* kEditCopy = QT_TRANSLATE_NOOP("pixmint", "复制");
inline constexpr const char* kEditCut = QT_TRANSLATE_NOOP("pixmint", "剪切");
inline constexpr const char* kEditPaste = QT_TRANSLATE_NOOP("pixmint", "粘贴");
inline constexpr const char* kEditDel = QT_TRANSLATE_NOOP("pixmint", "删除选择区");
inline constexpr const char* kEditSelectAll = QT_TRANSLATE_NOOP("pixmint", "全选");
inline constexpr const char* kViewRoomIn = QT_TRANSLATE_NOOP("pixmint", "放大");
inline constexpr const char* kViewRoomOut = QT_TRANSLATE_NOOP("pixmint", "缩小");
inline constexpr const char* kViewRoomAuto = QT_TRANSLATE_NOOP("pixmint", "自动缩放");
inline constexpr const char* kImageNew = QT_TRANSLATE_NOOP("pixmint", "新的图像");
inline constexpr const char* kImageDel = QT_TRANSLATE_NOOP("pixmint", "删除图像");
inline constexpr const char* kImageDup = QT_TRANSLATE_NOOP("pixmint", "复制图像");
inline constexpr const char* kImageConv = QT_TRANSLATE_NOOP("pixmint", "转换图像格式");
inline constexpr const char* kImageSizes = QT_TRANSLATE_NOOP("pixmint", "生成尺寸...");
inline constexpr const char* kImageAlpha = QT_TRANSLATE_NOOP("pixmint", "Alpha 模式 (针对 32 位)");
inline constexpr const char* kImageRgb = QT_TRANSLATE_NOOP("pixmint", "RGB 模式");
inline constexpr const char* kEffectFlipHor = QT_TRANSLATE_NOOP("pixmint", "水平翻转");
inline constexpr const char* kEffectFlipVer = QT_TRANSLATE_NOOP("pixmint", "垂直翻转");
inline constexpr const char* kEffectRotateArb = QT_TRANSLATE_NOOP("pixmint", "任意旋转");
inline constexpr const char* kEffectRotate90 = QT_TRANSLATE_NOOP("pixmint", "向右旋转 90 度");
inline constexpr const char* kEffectRotate270 = QT_TRANSLATE_NOOP("pixmint", "向左旋转 90 度");
inline constexpr const char* kEffectRotate180 = QT_TRANSLATE_NOOP("pixmint", "旋转 180 度");
inline constexpr const char* kToolExtract = QT_TRANSLATE_NOOP("pixmint", "提取/替换 EXE 图标");
inline constexpr const char* kToolPicToIco = QT_TRANSLATE_NOOP("pixmint", "转换图片为图标");
inline constexpr const char* kToolHotSpot = QT_TRANSLATE_NOOP("pixmint", "设置指针热点");
inline constexpr const char* kToolAnimation = QT_TRANSLATE_NOOP("pixmint", "动画...");
inline constexpr const char* kFileExportXcursor = QT_TRANSLATE_NOOP("pixmint", "导出为 Xcursor...");
inline constexpr const char* kHelpCont = QT_TRANSLATE_NOOP("pixmint", "内容");
inline constexpr const char* kHelpWeb = QT_TRANSLATE_NOOP("pixmint", "Pixmint 在 Web");
inline constexpr const char* kHelpEmail = QT_TRANSLATE_NOOP("pixmint", "写信给我们");
inline constexpr const char* kHelpAbout = QT_TRANSLATE_NOOP("pixmint", "关于");

// Canvas and image-list pop-up menus.
inline constexpr const char* kPmuCut = QT_TRANSLATE_NOOP("pixmint", "剪切");
inline constexpr const char* kPmuCopy = QT_TRANSLATE_NOOP("pixmint", "复制");
inline constexpr const char* kPmuPaste = QT_TRANSLATE_NOOP("pixmint", "粘贴");
inline constexpr const char* kPmuDelete = QT_TRANSLATE_NOOP("pixmint", "删除");
inline constexpr const char* kPmuSelectAll = QT_TRANSLATE_NOOP("pixmint", "全选");
inline constexpr const char* kPmuMerge = QT_TRANSLATE_NOOP("pixmint", "合并向下");
inline constexpr const char* kPmuImageAdd = QT_TRANSLATE_NOOP("pixmint", "添加图像");
inline constexpr const char* kPmuImageDel = QT_TRANSLATE_NOOP("pixmint", "删除图像");
inline constexpr const char* kPmuImageConv = QT_TRANSLATE_NOOP("pixmint", "转换图像格式");
inline constexpr const char* kPmuImageDup = QT_TRANSLATE_NOOP("pixmint", "复制图像");

// The angle box of the free rotation.
inline constexpr const char* kRotateCaption = QT_TRANSLATE_NOOP("pixmint", "任意旋转");
inline constexpr const char* kRotatePrompt = QT_TRANSLATE_NOOP("pixmint", "度数 (0-360)");
inline constexpr const char* kRotateInitial = "45";

// Tool palette.
inline constexpr const char* kHintToolOption = QT_TRANSLATE_NOOP("pixmint", "工具选项");
inline constexpr const char* kHintOpacity = QT_TRANSLATE_NOOP("pixmint", "不透明");
inline constexpr const char* kOpacityLabel = QT_TRANSLATE_NOOP("pixmint", "不透明:");

// Colour panel.
inline constexpr const char* kHintFore = QT_TRANSLATE_NOOP("pixmint", "前景颜色");
inline constexpr const char* kHintBack = QT_TRANSLATE_NOOP("pixmint", "背景颜色");
inline constexpr const char* kHintClrDefault = QT_TRANSLATE_NOOP("pixmint", "默认前景/背景颜色");
inline constexpr const char* kHintClrInvert = QT_TRANSLATE_NOOP("pixmint", "反向颜色 (针对 1 至 24 位的指针图像)");
inline constexpr const char* kHintClrTrans = QT_TRANSLATE_NOOP("pixmint", "透明颜色");

// Image panel.
inline constexpr const char* kPreviewLabel = QT_TRANSLATE_NOOP("pixmint", "当前图像预览:");
inline constexpr const char* kImageCountInitial = QT_TRANSLATE_NOOP("pixmint", "分支图像数量:");
// %1: how many images the document has.
inline constexpr const char* kImageCount = QT_TRANSLATE_NOOP("pixmint", "分支图像的数量:  %1");
inline constexpr const char* kHintImageAdd = QT_TRANSLATE_NOOP("pixmint", "添加新的图像");
inline constexpr const char* kHintImageDel = QT_TRANSLATE_NOOP("pixmint", "删除图像");
inline constexpr const char* kHintChangeFmt = QT_TRANSLATE_NOOP("pixmint", "转换图像格式");
inline constexpr const char* kHintDuplicate = QT_TRANSLATE_NOOP("pixmint", "复制图像");
// An image list entry's second line; %1: the image's bits per pixel.
inline constexpr const char* kImageDepth = QT_TRANSLATE_NOOP("pixmint", "%1 位 ");

// The new-image dialog.
inline constexpr const char* kNewSizeGroup = QT_TRANSLATE_NOOP("pixmint", "大小 ");
inline constexpr const char* kSiz16 = QT_TRANSLATE_NOOP("pixmint", "16 x 16 (小图标)");
inline constexpr const char* kSiz24 = QT_TRANSLATE_NOOP("pixmint", "24 x 24 (小图标)");
inline constexpr const char* kSiz32 = QT_TRANSLATE_NOOP("pixmint", "32 x 32 (标准图标)");
inline constexpr const char* kSiz48 = QT_TRANSLATE_NOOP("pixmint", "48 x 48 (标准 XP 图标)");
inline constexpr const char* kSizCustom = QT_TRANSLATE_NOOP("pixmint", "定制 ");
inline constexpr const char* kCustomGroup = QT_TRANSLATE_NOOP("pixmint", "定制大小 ");
inline constexpr const char* kWidth = QT_TRANSLATE_NOOP("pixmint", "宽");
inline constexpr const char* kHeight = QT_TRANSLATE_NOOP("pixmint", "高");
inline constexpr const char* kQuadrate = QT_TRANSLATE_NOOP("pixmint", "正方形");
inline constexpr const char* kColourGroup = QT_TRANSLATE_NOOP("pixmint", "色彩 ");
inline constexpr const char* kClr1 = QT_TRANSLATE_NOOP("pixmint", "单色 (2 色)");
inline constexpr const char* kClr4 = QT_TRANSLATE_NOOP("pixmint", "4 位 (16 色)");
inline constexpr const char* kClr8 = QT_TRANSLATE_NOOP("pixmint", "8 位 (256 色)");
inline constexpr const char* kClr16 = QT_TRANSLATE_NOOP("pixmint", "16 位 (高彩色)");
inline constexpr const char* kClr24 = QT_TRANSLATE_NOOP("pixmint", "24 位 (真彩色)");
inline constexpr const char* kClr32 = QT_TRANSLATE_NOOP("pixmint", "32 位 (使用 Alpha 通道真彩色)");
inline constexpr const char* kSetDefault = QT_TRANSLATE_NOOP("pixmint", "设为默认值(&S)");
inline constexpr const char* kNewOk = QT_TRANSLATE_NOOP("pixmint", "确定(&O)");
inline constexpr const char* kNewCancel = QT_TRANSLATE_NOOP("pixmint", "取消(&C)");

// Dialogs.
// Hot spot and cursor test.
inline constexpr const char* kCurTestCaption = QT_TRANSLATE_NOOP("pixmint", "测试指针热点");
inline constexpr const char* kCurTestHotSpot = QT_TRANSLATE_NOOP("pixmint", "指针热点:");
inline constexpr const char* kCurTestX = "X:";
inline constexpr const char* kCurTestY = "Y:";
inline constexpr const char* kCurTestTry = QT_TRANSLATE_NOOP("pixmint", "测试(&T)");
inline constexpr const char* kCurTestClose = QT_TRANSLATE_NOOP("pixmint", "确定(&O)");
inline constexpr const char* kCurTestHint = QT_TRANSLATE_NOOP("pixmint", "当拖曳或鼠标在画布上移动时点击 \"测试\".");

// Animation steps.
inline constexpr const char* kAniCaption = QT_TRANSLATE_NOOP("pixmint", "动画");
inline constexpr const char* kAniSteps = QT_TRANSLATE_NOOP("pixmint", "播放顺序:");
// %1: the step's number, %2: its frame's number, %3: its time in jiffies, %4: in milliseconds.
inline constexpr const char* kAniStepEntry = QT_TRANSLATE_NOOP("pixmint", "%1. 帧 %2 - %3/60 秒 (%4 毫秒)");
inline constexpr const char* kAniFrame = QT_TRANSLATE_NOOP("pixmint", "帧:");
inline constexpr const char* kAniJiffies = QT_TRANSLATE_NOOP("pixmint", "时间 (1/60 秒):");
inline constexpr const char* kAniUp = QT_TRANSLATE_NOOP("pixmint", "上移(&U)");
inline constexpr const char* kAniDown = QT_TRANSLATE_NOOP("pixmint", "下移(&D)");
inline constexpr const char* kAniAdd = QT_TRANSLATE_NOOP("pixmint", "添加(&A)");
inline constexpr const char* kAniRemove = QT_TRANSLATE_NOOP("pixmint", "删除(&R)");
inline constexpr const char* kAniAllRates = QT_TRANSLATE_NOOP("pixmint", "全部使用此时间(&L)");
inline constexpr const char* kAniInOrder = QT_TRANSLATE_NOOP("pixmint", "按帧顺序(&F)");
inline constexpr const char* kAniPreview = QT_TRANSLATE_NOOP("pixmint", "预览");
inline constexpr const char* kAniOk = QT_TRANSLATE_NOOP("pixmint", "确定(&O)");
inline constexpr const char* kAniCancel = QT_TRANSLATE_NOOP("pixmint", "取消(&C)");

// Paste placement.
inline constexpr const char* kPasteCaption = QT_TRANSLATE_NOOP("pixmint", "在剪切板选择图片的一部份");
inline constexpr const char* kPasteGroup = QT_TRANSLATE_NOOP("pixmint", "选择区");
inline constexpr const char* kPasteLeft = QT_TRANSLATE_NOOP("pixmint", "左:");
inline constexpr const char* kPasteTop = QT_TRANSLATE_NOOP("pixmint", "上:");
inline constexpr const char* kPasteWidth = QT_TRANSLATE_NOOP("pixmint", "宽:");
inline constexpr const char* kPasteHeight = QT_TRANSLATE_NOOP("pixmint", "高:");
inline constexpr const char* kPasteSelectAll = QT_TRANSLATE_NOOP("pixmint", "全选");
inline constexpr const char* kPasteStretch = QT_TRANSLATE_NOOP("pixmint", "伸展");
inline constexpr const char* kPasteOk = QT_TRANSLATE_NOOP("pixmint", "确定(&O)");
inline constexpr const char* kPasteCancel = QT_TRANSLATE_NOOP("pixmint", "取消(&C)");

// Text tool.
inline constexpr const char* kTextCaption = QT_TRANSLATE_NOOP("pixmint", "添加文字");
inline constexpr const char* kTextLabel = QT_TRANSLATE_NOOP("pixmint", "文字:");
inline constexpr const char* kTextFont = QT_TRANSLATE_NOOP("pixmint", "字体(&F)...");
inline constexpr const char* kTextPreview = QT_TRANSLATE_NOOP("pixmint", "预览:");
inline constexpr const char* kTextOk = QT_TRANSLATE_NOOP("pixmint", "&OK");
inline constexpr const char* kTextCancel = QT_TRANSLATE_NOOP("pixmint", "&Cancel");
inline constexpr const char* kTextDesignFace = "宋体";

// Settings.
inline constexpr const char* kConfigCaption = QT_TRANSLATE_NOOP("pixmint", "设置");
inline constexpr const char* kConfigTrans = QT_TRANSLATE_NOOP("pixmint", "背景颜色:");
inline constexpr const char* kConfigInvert = QT_TRANSLATE_NOOP("pixmint", "反向颜色:");
inline constexpr const char* kConfigCustom = QT_TRANSLATE_NOOP("pixmint", "定制...");
inline constexpr const char* kConfigSize = QT_TRANSLATE_NOOP("pixmint", "默认新图标大小:");
inline constexpr const char* kConfigBpp = QT_TRANSLATE_NOOP("pixmint", "默认新图标色度:");
inline constexpr const char* kConfigDefault = QT_TRANSLATE_NOOP("pixmint", "默认(&D)");
inline constexpr const char* kConfigSave = QT_TRANSLATE_NOOP("pixmint", "保存(&S)");
inline constexpr const char* kConfigCancel = QT_TRANSLATE_NOOP("pixmint", "取消(&C)");
inline constexpr const char* kConfigLanguage = QT_TRANSLATE_NOOP("pixmint", "语言:");
inline constexpr const char* kConfigSwatch = "|            |";
inline constexpr const char* kConfigSaved = QT_TRANSLATE_NOOP("pixmint", "所有设置将在下次启动时生效.");
inline constexpr const char* kConfigDefaulted = QT_TRANSLATE_NOOP("pixmint", "所有设置在下次启动时生效.");
inline constexpr const char* kConfigBppItems[] = {
    QT_TRANSLATE_NOOP("pixmint", " 1 位 (2 色)"),   QT_TRANSLATE_NOOP("pixmint", " 4 位 (16 色)"),
    QT_TRANSLATE_NOOP("pixmint", " 8 位 (256 色)"), QT_TRANSLATE_NOOP("pixmint", "16 位 (高彩色)"),
    QT_TRANSLATE_NOOP("pixmint", "24 位 (真彩色)"), QT_TRANSLATE_NOOP("pixmint", "32 位 (真彩色)")};

// About.
inline constexpr const char* kAboutCaption = QT_TRANSLATE_NOOP("pixmint", "关于 Kavoltrix Pixmint");
inline constexpr const char* kAboutName = "Kavoltrix Pixmint";
inline constexpr const char* kAboutVersion = QT_TRANSLATE_NOOP("pixmint", "版本: 3.0");

// Document commands.
inline constexpr const char* kUntitledCursor = QT_TRANSLATE_NOOP("pixmint", "无标题(指针)");
inline constexpr const char* kSaved = QT_TRANSLATE_NOOP("pixmint", "保存文件成功.");
inline constexpr const char* kSaveFailed = QT_TRANSLATE_NOOP("pixmint", "保存文件失败.");
// %1: why (permission denied, no space left, ...).
inline constexpr const char* kSaveFailedBecause =
    QT_TRANSLATE_NOOP("pixmint", "保存文件失败: %1. 用“另存为”可以把它保存到别的地方.");
inline constexpr const char* kLoadFailed = QT_TRANSLATE_NOOP("pixmint", "从文件载入图标失败.");
// %1: the file's name.
inline constexpr const char* kSaveRestored =
    QT_TRANSLATE_NOOP("pixmint", "%1 的上次保存没有完成, 已恢复保存之前的内容.");
// %1: the file's name, %2: where its old content is, %3: why it could not be put back.
inline constexpr const char* kSaveBackupKept =
    QT_TRANSLATE_NOOP("pixmint", "%1 的上次保存没有完成, 保存之前的内容在 %2 (%3).");
inline constexpr const char* kCreateFailed = QT_TRANSLATE_NOOP("pixmint", "创建新的图标失败.");
inline constexpr const char* kFilterOpen =
    QT_TRANSLATE_NOOP("pixmint",
                      "图标和指针文件(*.ico;*.cur;*.ani)|*.ico;*.cur;*.ani|程序文件(*.exe;*.dll;*.cpl;*.ocx;*.scr;*."
                      "mun)|*.exe;*.dll;*.cpl;*.ocx;*.scr;*.mun|所有文件(*)|*");
inline constexpr const char* kFilterSaveIcon = QT_TRANSLATE_NOOP("pixmint", "图标文件(*.ico)|*.ico");
inline constexpr const char* kFilterSaveCursor = QT_TRANSLATE_NOOP("pixmint", "指针文件(*.cur)|*.cur");
inline constexpr const char* kFilterSaveAs =
    QT_TRANSLATE_NOOP("pixmint",
                      "图标文件(*.ico)|*.ico|指针文件(*.cur)|*.cur|动画指针文件(*.ani)|*.ani|位图文件(*.bmp)|*.bmp|"
                      "Jpeg 文件(*.jpg)|*.jpg");
inline constexpr const char* kFilterSaveAni = QT_TRANSLATE_NOOP("pixmint", "动画指针文件(*.ani)|*.ani");
inline constexpr const char* kFilterXcursor = QT_TRANSLATE_NOOP("pixmint", "Xcursor 文件(*)|*");
inline constexpr const char* kNote = QT_TRANSLATE_NOOP("pixmint", "提示");
inline constexpr const char* kTooManyFrames =
    QT_TRANSLATE_NOOP("pixmint", "这个动画指针的帧超过 32 个, 不能作为一个文件编辑.");
// The sizes dialog of a cursor.
inline constexpr const char* kSizesCaption = QT_TRANSLATE_NOOP("pixmint", "生成尺寸");
inline constexpr const char* kSizesPrompt = QT_TRANSLATE_NOOP("pixmint", "为每一帧添加以下尺寸的图像:");
// %1: a size in pixels the cursor already has.
inline constexpr const char* kSizesHave = QT_TRANSLATE_NOOP("pixmint", "%1 (已有)");
inline constexpr const char* kSizesHint =
    QT_TRANSLATE_NOOP("pixmint", "整数倍放大保持像素清晰, 其他尺寸由最接近的图像缩放. 热点随之移动.");
// %1: why the sizes could not be made.
inline constexpr const char* kSizesFailed = QT_TRANSLATE_NOOP("pixmint", "无法生成这些尺寸: %1");
// The title of the file dialog of "导出为 Xcursor...".
inline constexpr const char* kXcursorDialogTitle = QT_TRANSLATE_NOOP("pixmint", "导出为 Xcursor 文件");
// Help without a program that shows web pages; %1: the manual's file.
inline constexpr const char* kHelpNoBrowser = QT_TRANSLATE_NOOP("pixmint", "没有可以显示手册的浏览器. 手册在: %1");
inline constexpr const char* kHelpNoManual = QT_TRANSLATE_NOOP("pixmint", "没有找到手册.");
// %1: the document's name.
inline constexpr const char* kSaveQuestion = QT_TRANSLATE_NOOP("pixmint", "保存 %1 ?");

// Image commands.
inline constexpr const char* kAddImageCaption = QT_TRANSLATE_NOOP("pixmint", "添加新的图像");
inline constexpr const char* kAddImageFailed = QT_TRANSLATE_NOOP("pixmint", "添加新图像失败.");
inline constexpr const char* kDeleteImageFailed = QT_TRANSLATE_NOOP("pixmint", "删除当前图像失败.");
// %1 x %2: the image's size, %3: its bits per pixel.
inline constexpr const char* kChangeFormatCaption =
    QT_TRANSLATE_NOOP("pixmint", "改变图像的格式 (原始:          %1x%2 %3位 )");
inline constexpr const char* kChangeFormatFailed = QT_TRANSLATE_NOOP("pixmint", "改变图像的格式 失败.");
inline constexpr const char* kDuplicateFailed = QT_TRANSLATE_NOOP("pixmint", "复制图像失败.");
inline constexpr const char* kDocumentFull = QT_TRANSLATE_NOOP("pixmint", "一个文件最多只能有 32 个图像.");

// Clipboard and effects.
inline constexpr const char* kBadAngle = QT_TRANSLATE_NOOP("pixmint", "无效的度数.");

// Undo.
inline constexpr const char* kUndoWriteFailed = QT_TRANSLATE_NOOP("pixmint", "无法保存撤销记录, 这一步不能撤销.");
inline constexpr const char* kUndoReadFailed = QT_TRANSLATE_NOOP("pixmint", "无法读取撤销记录.");

// Picture to icon converter.
inline constexpr const char* kPicToIcoCaption = QT_TRANSLATE_NOOP("pixmint", "转换图片为图标");
inline constexpr const char* kPicToIcoMasters = QT_TRANSLATE_NOOP("pixmint", "图片:");
inline constexpr const char* kPicToIcoAdd = QT_TRANSLATE_NOOP("pixmint", "添加(&A)...");
inline constexpr const char* kPicToIcoRemove = QT_TRANSLATE_NOOP("pixmint", "移除(&R)");
inline constexpr const char* kPicToIcoIcon = QT_TRANSLATE_NOOP("pixmint", "图标");
inline constexpr const char* kPicToIcoCursor = QT_TRANSLATE_NOOP("pixmint", "指针");
inline constexpr const char* kPicToIcoSizes = QT_TRANSLATE_NOOP("pixmint", "大小:");
inline constexpr const char* kPicToIcoMoreSizes = QT_TRANSLATE_NOOP("pixmint", "其他大小:");
inline constexpr const char* kPicToIcoDepths = QT_TRANSLATE_NOOP("pixmint", "色度:");
inline constexpr const char* kPicToIcoDepth32 = QT_TRANSLATE_NOOP("pixmint", "32 位 (真彩色)");
inline constexpr const char* kPicToIcoDepth8 = QT_TRANSLATE_NOOP("pixmint", "8 位 (256 色)");
inline constexpr const char* kPicToIcoDepth4 = QT_TRANSLATE_NOOP("pixmint", "4 位 (16 色)");
inline constexpr const char* kPicToIcoThreshold = QT_TRANSLATE_NOOP("pixmint", "透明阈值:");
inline constexpr const char* kPicToIcoDither = QT_TRANSLATE_NOOP("pixmint", "抖动");
inline constexpr const char* kPicToIcoHotSpot = QT_TRANSLATE_NOOP("pixmint", "指针热点 (第一张图片):");
inline constexpr const char* kPicToIcoSave = QT_TRANSLATE_NOOP("pixmint", "保存(&S)...");
inline constexpr const char* kPicToIcoOpen = QT_TRANSLATE_NOOP("pixmint", "在编辑器中打开(&E)");
inline constexpr const char* kPicToIcoClose = QT_TRANSLATE_NOOP("pixmint", "关闭(&C)");
inline constexpr const char* kPicToIcoFilter =
    QT_TRANSLATE_NOOP("pixmint", "图片 (*.png *.jpg *.jpeg *.bmp *.svg *.svgz)");
inline constexpr const char* kPicToIcoEnlarged = QT_TRANSLATE_NOOP("pixmint", "%1 x %1 由 %2 放大.");
// A preview's caption; %1 x %2: the image's size, %3: its bits per pixel.
inline constexpr const char* kPreviewCaption = QT_TRANSLATE_NOOP("pixmint", "%1 x %2, %3 位");
inline constexpr const char* kPicToIcoSaved = QT_TRANSLATE_NOOP("pixmint", "已保存: %1");
inline constexpr const char* kPicToIcoSaveFailed = QT_TRANSLATE_NOOP("pixmint", "无法保存 %1");

// Icon extractor and replacer.
inline constexpr const char* kExtractCaption = QT_TRANSLATE_NOOP("pixmint", "提取/替换 EXE 图标");
inline constexpr const char* kExtractOpen = QT_TRANSLATE_NOOP("pixmint", "打开程序(&O)...");
inline constexpr const char* kExtractProgram = QT_TRANSLATE_NOOP("pixmint", "程序:");
inline constexpr const char* kExtractGroups = QT_TRANSLATE_NOOP("pixmint", "图标和指针:");
inline constexpr const char* kExtractSave = QT_TRANSLATE_NOOP("pixmint", "保存(&S)...");
inline constexpr const char* kExtractOpenGroup = QT_TRANSLATE_NOOP("pixmint", "在编辑器中打开(&E)");
inline constexpr const char* kExtractReplace = QT_TRANSLATE_NOOP("pixmint", "替换(&R)...");
inline constexpr const char* kExtractClose = QT_TRANSLATE_NOOP("pixmint", "关闭(&C)");
inline constexpr const char* kExtractFilter =
    QT_TRANSLATE_NOOP("pixmint", "程序文件 (*.exe *.dll *.cpl *.ocx *.scr *.mun);;所有文件 (*)");
inline constexpr const char* kExtractIconGroup = QT_TRANSLATE_NOOP("pixmint", "图标 %1 (语言 %2), %3 个图像");
inline constexpr const char* kExtractCursorGroup = QT_TRANSLATE_NOOP("pixmint", "指针 %1 (语言 %2), %3 个图像");
inline constexpr const char* kExtractUnreadable = QT_TRANSLATE_NOOP("pixmint", "%1 (无法读取: %2)");
inline constexpr const char* kExtractNoGroups = QT_TRANSLATE_NOOP("pixmint", "此程序没有图标或指针.");
inline constexpr const char* kExtractSameFile = QT_TRANSLATE_NOOP("pixmint", "原程序不会被修改, 请选择另一个文件名.");
inline constexpr const char* kExtractWritten = QT_TRANSLATE_NOOP("pixmint", "已写入新程序: %1");
inline constexpr const char* kExtractKindMismatch = QT_TRANSLATE_NOOP("pixmint", "当前文档与所选组的类型不同.");

// The icon doctor's dialog (Tools → 检查...).
inline constexpr const char* kToolCheck = QT_TRANSLATE_NOOP("pixmint", "检查...");
inline constexpr const char* kCheckTitle = QT_TRANSLATE_NOOP("pixmint", "检查");
inline constexpr const char* kCheckFindings = QT_TRANSLATE_NOOP("pixmint", "问题");
inline constexpr const char* kCheckPicks = QT_TRANSLATE_NOOP("pixmint", "各程序显示的图像");
inline constexpr const char* kCheckNothing = QT_TRANSLATE_NOOP("pixmint", "没有发现问题");
inline constexpr const char* kCheckWhere = QT_TRANSLATE_NOOP("pixmint", "位置");
inline constexpr const char* kCheckCode = QT_TRANSLATE_NOOP("pixmint", "代码");
inline constexpr const char* kCheckSeverity = QT_TRANSLATE_NOOP("pixmint", "严重性");
inline constexpr const char* kCheckMessage = QT_TRANSLATE_NOOP("pixmint", "说明");
inline constexpr const char* kCheckWarning = QT_TRANSLATE_NOOP("pixmint", "警告");
inline constexpr const char* kCheckProgram = QT_TRANSLATE_NOOP("pixmint", "程序");
inline constexpr const char* kCheckView = QT_TRANSLATE_NOOP("pixmint", "视图");
inline constexpr const char* kCheckScale = QT_TRANSLATE_NOOP("pixmint", "缩放");
inline constexpr const char* kCheckShownSize = QT_TRANSLATE_NOOP("pixmint", "显示大小");
inline constexpr const char* kCheckImage = QT_TRANSLATE_NOOP("pixmint", "图像");
inline constexpr const char* kCheckScaling = QT_TRANSLATE_NOOP("pixmint", "比例");
inline constexpr const char* kCheckShown = QT_TRANSLATE_NOOP("pixmint", "显示");
inline constexpr const char* kCheckExact = QT_TRANSLATE_NOOP("pixmint", "原样");
inline constexpr const char* kCheckDown = QT_TRANSLATE_NOOP("pixmint", "缩小 ×%1");
inline constexpr const char* kCheckUp = QT_TRANSLATE_NOOP("pixmint", "放大 ×%1");
inline constexpr const char* kCheckNone = QT_TRANSLATE_NOOP("pixmint", "不显示");
inline constexpr const char* kCheckFix = QT_TRANSLATE_NOOP("pixmint", "修复");
inline constexpr const char* kCheckClose = QT_TRANSLATE_NOOP("pixmint", "关闭");
inline constexpr const char* kCheckFixed = QT_TRANSLATE_NOOP("pixmint", "已修复 %1 项, 未修复 %2 项.");
inline constexpr const char* kCheckFixNothing = QT_TRANSLATE_NOOP("pixmint", "没有可以安全修复的问题.");
inline constexpr const char* kCheckWindowsCursor = QT_TRANSLATE_NOOP("pixmint", "Windows 指针");
inline constexpr const char* kCheckBrowser = QT_TRANSLATE_NOOP("pixmint", "浏览器");
inline constexpr const char* kCheckSmallIcons = QT_TRANSLATE_NOOP("pixmint", "标题栏和小图标");
inline constexpr const char* kCheckTaskbar = QT_TRANSLATE_NOOP("pixmint", "任务栏");
inline constexpr const char* kCheckLargeIcons = QT_TRANSLATE_NOOP("pixmint", "大图标");
inline constexpr const char* kCheckExtraLargeIcons = QT_TRANSLATE_NOOP("pixmint", "超大图标");
inline constexpr const char* kCheckPointer = QT_TRANSLATE_NOOP("pixmint", "鼠标指针");
inline constexpr const char* kCheckTab = QT_TRANSLATE_NOOP("pixmint", "标签页");
inline constexpr const char* kCheckFileIcon = QT_TRANSLATE_NOOP("pixmint", "文件图标");

}  // namespace pixmint::texts
