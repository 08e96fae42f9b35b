#pragma once

// Every text the window shows, in one place, so that a translation touches
// nothing but this file.
namespace pixmint::app::texts {

inline constexpr const char* kAppTitle = "Kavoltrix Pixmint";
inline constexpr const char* kCaption = "Kavoltrix Pixmint 3.0";
inline constexpr const char* kUntitledIcon = "无标题(图标)";
inline constexpr const char* kDepthLine1 = "Pixmint 必须工作在真彩色的显示模式下.";
inline constexpr const char* kDepthLine2 = "请设置显示模式为 16 位真彩或更高并重启 Pixmint.";
inline constexpr const char* kOk = "确定";
inline constexpr const char* kYes = "是(&Y)";
inline constexpr const char* kNo = "否(&N)";
inline constexpr const char* kCancel = "取消";
inline constexpr const char* kConfirm = "确认";
inline constexpr const char* kError = "错误";
inline constexpr const char* kSaveQuestionPrefix = "保存 ";
inline constexpr const char* kSaveQuestionSuffix = " ?";

// Tool bar hints (the trailing blank of the delete hint is intended).
inline constexpr const char* kHintNew = "新建图标 (Ctrl + N)";
inline constexpr const char* kHintOpen = "打开图标 (Ctrl + O)";
inline constexpr const char* kHintSave = "保存图标 (Ctrl + S)";
inline constexpr const char* kHintUndo = "撤销 (Ctrl + Z)";
inline constexpr const char* kHintRedo = "重做 (Ctrl + Y)";
inline constexpr const char* kHintCut = "剪切 (Ctrl + X)";
inline constexpr const char* kHintCopy = "复制 (Ctrl + C)";
inline constexpr const char* kHintPaste = "粘贴 (Ctrl + V)";
inline constexpr const char* kHintClear = "删除选择区 (Del) ";
inline constexpr const char* kHintRoomIn = "放大 (Num +)";
inline constexpr const char* kHintRoomAuto = "自动缩放 (Num *)";
inline constexpr const char* kHintRoomOut = "缩小 (Num -)";
inline constexpr const char* kHintModeRgb = "RGB 模式";
inline constexpr const char* kHintModeAlpha = "Alpha 模式 (适合 32 位图标)";
inline constexpr const char* kHintExeDll = "提取/替换 EXE 图标";
inline constexpr const char* kHintPicToIco = "转换图像为图标";
inline constexpr const char* kHintHelp = "帮助 (F1)";
inline constexpr const char* kHintWebsite = "Pixmint 在 Web";

// Menus.
inline constexpr const char* kMenuFile = "文件(&F)";
inline constexpr const char* kMenuEdit = "编辑(&E)";
inline constexpr const char* kMenuView = "视图(&V)";
inline constexpr const char* kMenuImage = "图像(&I)";
inline constexpr const char* kMenuEffects = "特效(&C)";
inline constexpr const char* kMenuTools = "工具(&T)";
inline constexpr const char* kMenuHelp = "帮助(&H)";
inline constexpr const char* kFileNew = "新建...";
inline constexpr const char* kFileNewIcon = "图标";
inline constexpr const char* kFileNewCursor = "指针";
inline constexpr const char* kFileOpen = "打开";
inline constexpr const char* kFileSave = "保存";
inline constexpr const char* kFileSaveAs = "另存为...";
inline constexpr const char* kSettings = "设置...";
inline constexpr const char* kFileExit = "退出(&X)";
inline constexpr const char* kEditUndo = "撤销";
inline constexpr const char* kEditRedo = "重做";
inline constexpr const char* kEditCopy = "复制";
inline constexpr const char* kEditCut = "剪切";
inline constexpr const char* kEditPaste = "粘贴";
inline constexpr const char* kEditDel = "删除选择区";
inline constexpr const char* kEditSelectAll = "全选";
inline constexpr const char* kViewRoomIn = "放大";
inline constexpr const char* kViewRoomOut = "缩小";
inline constexpr const char* kViewRoomAuto = "自动缩放";
inline constexpr const char* kImageNew = "新的图像";
inline constexpr const char* kImageDel = "删除图像";
inline constexpr const char* kImageDup = "复制图像";
inline constexpr const char* kImageConv = "转换图像格式";
inline constexpr const char* kImageAlpha = "Alpha 模式 (针对 32 位)";
inline constexpr const char* kImageRgb = "RGB 模式";
inline constexpr const char* kEffectFlipHor = "水平翻转";
inline constexpr const char* kEffectFlipVer = "垂直翻转";
inline constexpr const char* kEffectRotateArb = "任意旋转";
inline constexpr const char* kEffectRotate90 = "向右旋转 90 度";
inline constexpr const char* kEffectRotate270 = "向左旋转 90 度";
inline constexpr const char* kEffectRotate180 = "旋转 180 度";
inline constexpr const char* kToolExtract = "提取/替换 EXE 图标";
inline constexpr const char* kToolPicToIco = "转换图片为图标";
inline constexpr const char* kToolHotSpot = "设置指针热点";
inline constexpr const char* kHelpCont = "内容";
inline constexpr const char* kHelpWeb = "Pixmint 在 Web";
inline constexpr const char* kHelpEmail = "写信给我们";
inline constexpr const char* kHelpAbout = "关于";

// Canvas and image-list pop-up menus.
inline constexpr const char* kPmuCut = "剪切";
inline constexpr const char* kPmuCopy = "复制";
inline constexpr const char* kPmuPaste = "粘贴";
inline constexpr const char* kPmuDelete = "删除";
inline constexpr const char* kPmuSelectAll = "全选";
inline constexpr const char* kPmuMerge = "合并向下";
inline constexpr const char* kPmuImageAdd = "添加图像";
inline constexpr const char* kPmuImageDel = "删除图像";
inline constexpr const char* kPmuImageConv = "转换图像格式";
inline constexpr const char* kPmuImageDup = "复制图像";

// The angle box of the free rotation.
inline constexpr const char* kRotateCaption = "任意旋转";
inline constexpr const char* kRotatePrompt = "度数 (0-360)";
inline constexpr const char* kRotateInitial = "45";

// Tool palette.
inline constexpr const char* kHintToolOption = "工具选项";
inline constexpr const char* kHintOpacity = "不透明";
inline constexpr const char* kOpacityLabel = "不透明:";

// Colour panel.
inline constexpr const char* kHintFore = "前景颜色";
inline constexpr const char* kHintBack = "背景颜色";
inline constexpr const char* kHintClrDefault = "默认前景/背景颜色";
inline constexpr const char* kHintClrInvert = "反向颜色 (针对指针)";
inline constexpr const char* kHintClrTrans = "透明颜色";

// Image panel.
inline constexpr const char* kPreviewLabel = "当前图像预览:";
inline constexpr const char* kImageCountInitial = "分支图像数量:";
inline constexpr const char* kImageCountPrefix = "分支图像的数量:  ";
inline constexpr const char* kHintImageAdd = "添加新的图像";
inline constexpr const char* kHintImageDel = "删除图像";
inline constexpr const char* kHintChangeFmt = "转换图像格式";
inline constexpr const char* kHintDuplicate = "复制图像";
inline constexpr const char* kDepthSuffix = " 位 ";

// The new-image dialog.
inline constexpr const char* kNewSizeGroup = "大小 ";
inline constexpr const char* kSiz16 = "16 x 16 (小图标)";
inline constexpr const char* kSiz24 = "24 x 24 (小图标)";
inline constexpr const char* kSiz32 = "32 x 32 (标准图标)";
inline constexpr const char* kSiz48 = "48 x 48 (标准 XP 图标)";
inline constexpr const char* kSizCustom = "定制 ";
inline constexpr const char* kCustomGroup = "定制大小 ";
inline constexpr const char* kWidth = "宽";
inline constexpr const char* kHeight = "高";
inline constexpr const char* kQuadrate = "正方形";
inline constexpr const char* kColourGroup = "色彩 ";
inline constexpr const char* kClr1 = "单色 (2 色)";
inline constexpr const char* kClr4 = "4 位 (16 色)";
inline constexpr const char* kClr8 = "8 位 (256 色)";
inline constexpr const char* kClr16 = "16 位 (高彩色)";
inline constexpr const char* kClr24 = "24 位 (真彩色)";
inline constexpr const char* kClr32 = "32 位 (使用 Alpha 通道真彩色)";
inline constexpr const char* kSetDefault = "设为默认值(&S)";
inline constexpr const char* kNewOk = "确定(&O)";
inline constexpr const char* kNewCancel = "取消(&C)";

}  // namespace pixmint::app::texts
