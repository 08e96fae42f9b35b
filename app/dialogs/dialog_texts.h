#pragma once

// Every text the dialogs show, in one place so that a translation can be added
// without touching the dialogs' logic. Sources are UTF-8.
namespace pixmint::app::dialog_texts {

inline constexpr const char* kAppTitle = "Kavoltrix Pixmint";
inline constexpr const char* kOk = "确定";

// Hot spot and cursor test.
inline constexpr const char* kCurTestCaption = "测试指针热点";
inline constexpr const char* kCurTestHotSpot = "指针热点:";
inline constexpr const char* kCurTestX = "X:";
inline constexpr const char* kCurTestY = "Y:";
inline constexpr const char* kCurTestTry = "测试(&T)";
inline constexpr const char* kCurTestClose = "确定(&O)";
inline constexpr const char* kCurTestHint = "当拖曳或鼠标在画布上移动时点击 \"测试\".";

// Paste placement.
inline constexpr const char* kPasteCaption = "在剪切板选择图片的一部份";
inline constexpr const char* kPasteGroup = "选择区";
inline constexpr const char* kPasteLeft = "左:";
inline constexpr const char* kPasteTop = "上:";
inline constexpr const char* kPasteWidth = "宽:";
inline constexpr const char* kPasteHeight = "高:";
inline constexpr const char* kPasteSelectAll = "全选";
inline constexpr const char* kPasteStretch = "伸展";
inline constexpr const char* kPasteOk = "确定(&O)";
inline constexpr const char* kPasteCancel = "取消(&C)";

// Text tool.
inline constexpr const char* kTextCaption = "添加文字";
inline constexpr const char* kTextLabel = "文字:";
inline constexpr const char* kTextFont = "字体(&F)...";
inline constexpr const char* kTextPreview = "预览:";
inline constexpr const char* kTextOk = "&OK";
inline constexpr const char* kTextCancel = "&Cancel";
inline constexpr const char* kTextDesignFace = "宋体";

// Settings.
inline constexpr const char* kConfigCaption = "设置";
inline constexpr const char* kConfigTrans = "背景颜色:";
inline constexpr const char* kConfigInvert = "反向颜色:";
inline constexpr const char* kConfigCustom = "定制...";
inline constexpr const char* kConfigSize = "默认新图标大小:";
inline constexpr const char* kConfigBpp = "默认新图标色度:";
inline constexpr const char* kConfigDefault = "默认(&D)";
inline constexpr const char* kConfigSave = "保存(&S)";
inline constexpr const char* kConfigCancel = "取消(&C)";
inline constexpr const char* kConfigSwatch = "|            |";
inline constexpr const char* kConfigSaved = "所有设置将在下次启动时生效.";
inline constexpr const char* kConfigDefaulted = "所有设置在下次启动时生效.";
inline constexpr const char* kConfigBppItems[] = {" 1 位 (2 色)",   " 4 位 (16 色)",  " 8 位 (256 色)",
                                                  "16 位 (高彩色)", "24 位 (真彩色)", "32 位 (真彩色)"};

// About.
inline constexpr const char* kAboutCaption = "关于 Kavoltrix Pixmint";
inline constexpr const char* kAboutName = "Kavoltrix Pixmint";
inline constexpr const char* kAboutVersion = "版本: 3.0";

// Picture to icon converter.
inline constexpr const char* kPicToIcoCaption = "转换图片为图标";
inline constexpr const char* kPicToIcoMasters = "图片:";
inline constexpr const char* kPicToIcoAdd = "添加(&A)...";
inline constexpr const char* kPicToIcoRemove = "移除(&R)";
inline constexpr const char* kPicToIcoIcon = "图标";
inline constexpr const char* kPicToIcoCursor = "指针";
inline constexpr const char* kPicToIcoSizes = "大小:";
inline constexpr const char* kPicToIcoMoreSizes = "其他大小:";
inline constexpr const char* kPicToIcoDepths = "色度:";
inline constexpr const char* kPicToIcoDepth32 = "32 位 (真彩色)";
inline constexpr const char* kPicToIcoDepth8 = "8 位 (256 色)";
inline constexpr const char* kPicToIcoDepth4 = "4 位 (16 色)";
inline constexpr const char* kPicToIcoThreshold = "透明阈值:";
inline constexpr const char* kPicToIcoDither = "抖动";
inline constexpr const char* kPicToIcoHotSpot = "指针热点 (第一张图片):";
inline constexpr const char* kPicToIcoSave = "保存(&S)...";
inline constexpr const char* kPicToIcoOpen = "在编辑器中打开(&E)";
inline constexpr const char* kPicToIcoClose = "关闭(&C)";
inline constexpr const char* kPicToIcoFilter = "图片 (*.png *.jpg *.jpeg *.bmp *.svg *.svgz)";
inline constexpr const char* kPicToIcoEnlarged = "%1 x %1 由 %2 放大.";
inline constexpr const char* kBitsUnit = "位";
inline constexpr const char* kSaved = "已保存: %1";
inline constexpr const char* kSaveFailed = "无法保存 %1";

// Icon extractor and replacer.
inline constexpr const char* kExtractCaption = "提取/替换 EXE 图标";
inline constexpr const char* kExtractOpen = "打开程序(&O)...";
inline constexpr const char* kExtractProgram = "程序:";
inline constexpr const char* kExtractGroups = "图标和指针:";
inline constexpr const char* kExtractSave = "保存(&S)...";
inline constexpr const char* kExtractOpenGroup = "在编辑器中打开(&E)";
inline constexpr const char* kExtractReplace = "替换(&R)...";
inline constexpr const char* kExtractClose = "关闭(&C)";
inline constexpr const char* kExtractFilter = "程序文件 (*.exe *.dll *.cpl *.ocx *.scr *.mun);;所有文件 (*)";
inline constexpr const char* kExtractIconGroup = "图标 %1 (语言 %2), %3 个图像";
inline constexpr const char* kExtractCursorGroup = "指针 %1 (语言 %2), %3 个图像";
inline constexpr const char* kExtractUnreadable = "%1 (无法读取: %2)";
inline constexpr const char* kExtractNoGroups = "此程序没有图标或指针.";
inline constexpr const char* kExtractSameFile = "原程序不会被修改, 请选择另一个文件名.";
inline constexpr const char* kExtractWritten = "已写入新程序: %1";
inline constexpr const char* kExtractKindMismatch = "当前文档与所选组的类型不同.";

}  // namespace pixmint::app::dialog_texts
