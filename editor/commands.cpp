#include "editor/commands.h"

#include <array>

#include "editor/colour_state.h"
#include "editor/document_history.h"
#include "editor/effect_commands.h"
#include "editor/image_commands.h"
#include "editor/selection_commands.h"
#include "editor/view_commands.h"
#include "editor/workspace.h"
#include "raster/transform.h"
#include "texts/ui_texts.h"

// The one list of commands: every menu, button, pop-up item, shortcut and
// script verb of the window is read from here, and every trigger passes
// Workspace::Run, which keeps the rules written in needs and effects.

namespace pixmint::editor {
namespace {

using enum CommandId;
namespace t = texts;

constexpr MenuId kInFile = MenuId::kFile;
constexpr MenuId kInFileNew = MenuId::kFileNew;
constexpr MenuId kInEdit = MenuId::kEdit;
constexpr MenuId kInView = MenuId::kView;
constexpr MenuId kInImage = MenuId::kImage;
constexpr MenuId kInEffects = MenuId::kEffects;
constexpr MenuId kInTools = MenuId::kTools;
constexpr MenuId kInHelp = MenuId::kHelp;

constexpr Need kDoc = Need::kDocument;
constexpr Need kImg = Need::kDocument | Need::kImage;
constexpr Need kRgbImg = kImg | Need::kRgbMode;
constexpr Need kSel = kRgbImg | Need::kSelection;
constexpr Need kFree = Need::kFreeCanvas;
// The file dialog's answer: a path, or cancelled when none is given.
constexpr VerbArgument kPathOrCancel = VerbArgument::kOptionalAnswer;
constexpr Effect kStep = Effect::kUndoStep;
constexpr Effect kDocStep = Effect::kChangesDocument | Effect::kDocumentStep;
constexpr Effect kChangeStep = Effect::kChangesDocument | Effect::kUndoStep;

// An effect on the selection, or on the whole image when nothing is selected.
template <void (*Transform)(raster::Picture&)>
bool ApplyEffect(Workspace& ws) {
  return ws.Effects().Apply(Transform);
}

constexpr std::array kCommands{
    // File
    CommandInfo{.id = kNewIcon,
                .menuItem = "mnuFileNewIcon",
                .button = "tbtnNew",
                .caption = t::kFileNewIcon,
                .hint = t::kHintNew,
                .icon = "new",
                .shortcuts = "Ctrl+N",
                .menu = kInFileNew,
                .action = [](Workspace& ws) { return ws.Documents().NewIcon(); }},
    CommandInfo{.id = kNewCursor,
                .menuItem = "mnuFileNewCursor",
                .caption = t::kFileNewCursor,
                .menu = kInFileNew,
                .action = [](Workspace& ws) { return ws.Documents().NewCursor(); }},
    CommandInfo{.id = kOpen,
                .menuItem = "mnuFileOpen",
                .button = "tbtnOpen",
                .caption = t::kFileOpen,
                .hint = t::kHintOpen,
                .icon = "open",
                .shortcuts = "Ctrl+O",
                .menu = kInFile,
                .action = [](Workspace& ws) { return ws.Documents().Open(); }},
    CommandInfo{.id = kSave,
                .menuItem = "mnuFileSave",
                .button = "tbtnSave",
                .verb = "save",
                .verbArgument = kPathOrCancel,
                .caption = t::kFileSave,
                .hint = t::kHintSave,
                .icon = "save",
                .shortcuts = "Ctrl+S",
                .menu = kInFile,
                .needs = kDoc | Need::kChanges,
                .action = [](Workspace& ws) { return ws.Documents().Save(); }},
    CommandInfo{.id = kSaveAs,
                .menuItem = "mnuFileSaveAs",
                .verb = "save-as",
                .verbArgument = kPathOrCancel,
                .caption = t::kFileSaveAs,
                .shortcuts = "Ctrl+Shift+S",
                .menu = kInFile,
                .needs = kDoc,
                .action = [](Workspace& ws) { return ws.Documents().SaveAs(); }},
    CommandInfo{.id = kExportXcursor,
                .menuItem = "mnuFileExportXcursor",
                .verb = "export-xcursor",
                .verbArgument = kPathOrCancel,
                .caption = t::kFileExportXcursor,
                .menu = kInFile,
                .separatorAfter = true,
                .needs = kDoc | Need::kCursor,
                .action = [](Workspace& ws) { return ws.Documents().ExportXcursor(); }},
    CommandInfo{
        .id = kSettings, .menuItem = "mnuSettings", .caption = t::kSettings, .menu = kInFile, .separatorAfter = true},
    CommandInfo{
        .id = kExit, .menuItem = "mnuFileExit", .caption = t::kFileExit, .shortcuts = "Alt+F4", .menu = kInFile},
    // Edit
    CommandInfo{.id = kUndo,
                .menuItem = "mnuEditUndo",
                .button = "tbtnUndo",
                .verb = "undo",
                .caption = t::kEditUndo,
                .hint = t::kHintUndo,
                .icon = "undo",
                .shortcuts = "Ctrl+Z",
                .menu = kInEdit,
                .needs = kImg | Need::kUndo,
                .action =
                    [](Workspace& ws) {
                      ws.DocHistory().Undo();
                      return true;
                    }},
    CommandInfo{.id = kRedo,
                .menuItem = "mnuEditRedo",
                .button = "tbtnRedo",
                .verb = "redo",
                .caption = t::kEditRedo,
                .hint = t::kHintRedo,
                .icon = "redo",
                .shortcuts = "Ctrl+Y",
                .menu = kInEdit,
                .separatorAfter = true,
                .needs = kImg | Need::kRedo,
                .action =
                    [](Workspace& ws) {
                      ws.DocHistory().Redo();
                      return true;
                    }},
    CommandInfo{.id = kCopy,
                .menuItem = "mnuEditCopy",
                .button = "tbtnCopy",
                .popupItem = "pmuCopy",
                .verb = "copy",
                .caption = t::kEditCopy,
                .popupCaption = t::kPmuCopy,
                .hint = t::kHintCopy,
                .icon = "copy",
                .shortcuts = "Ctrl+C",
                .menu = kInEdit,
                .needs = kSel,
                .action = [](Workspace& ws) { return ws.Selection().Copy(); }},
    CommandInfo{.id = kCut,
                .menuItem = "mnuEditCut",
                .button = "tbtnCut",
                .popupItem = "pmuCut",
                .verb = "cut",
                .caption = t::kEditCut,
                .popupCaption = t::kPmuCut,
                .hint = t::kHintCut,
                .icon = "cut",
                .shortcuts = "Ctrl+X",
                .menu = kInEdit,
                .needs = kSel,
                .effects = kStep,
                .action = [](Workspace& ws) { return ws.Selection().Cut(); }},
    CommandInfo{.id = kPaste,
                .menuItem = "mnuEditPaste",
                .button = "tbtnPaste",
                .popupItem = "pmuPaste",
                .verb = "paste",
                .caption = t::kEditPaste,
                .popupCaption = t::kPmuPaste,
                .hint = t::kHintPaste,
                .icon = "paste",
                .shortcuts = "Ctrl+V",
                .menu = kInEdit,
                .needs = kRgbImg | Need::kClipboard | kFree,
                .action = [](Workspace& ws) { return ws.Selection().Paste(); }},
    CommandInfo{.id = kDelete,
                .menuItem = "mnuEditDel",
                .button = "tbtnClear",
                .popupItem = "pmuDelete",
                .verb = "delete-selection",
                .caption = t::kEditDel,
                .popupCaption = t::kPmuDelete,
                .hint = t::kHintClear,
                .icon = "clear",
                .shortcuts = "Del",
                .menu = kInEdit,
                .separatorAfter = true,
                .needs = kSel,
                .effects = kStep,
                .action = [](Workspace& ws) { return ws.Selection().Delete(); }},
    CommandInfo{.id = kSelectAll,
                .menuItem = "mnuEditSelectAll",
                .popupItem = "pmuSelectAll",
                .verb = "select-all",
                .caption = t::kEditSelectAll,
                .popupCaption = t::kPmuSelectAll,
                .shortcuts = "Ctrl+A",
                .menu = kInEdit,
                .needs = kRgbImg | kFree,
                .action = [](Workspace& ws) { return ws.Selection().SelectAll(); }},
    CommandInfo{.id = kMerge,
                .popupItem = "pmuMerge",
                .verb = "merge",
                .popupCaption = t::kPmuMerge,
                .needs = kSel,
                .action = [](Workspace& ws) { return ws.Selection().Merge(); }},
    // View
    CommandInfo{.id = kZoomIn,
                .menuItem = "mnuViewRoomIn",
                .button = "tbtnRoomIn",
                .verb = "zoom in",
                .caption = t::kViewRoomIn,
                .hint = t::kHintRoomIn,
                .icon = "zoom_in",
                .shortcuts = "Num++;Ctrl++;Ctrl+=",
                .menu = kInView,
                .needs = kDoc,
                .action = [](Workspace& ws) { return ws.View().ZoomIn(); }},
    CommandInfo{.id = kZoomOut,
                .menuItem = "mnuViewRoomOut",
                .button = "tbtnRoomOut",
                .verb = "zoom out",
                .caption = t::kViewRoomOut,
                .hint = t::kHintRoomOut,
                .icon = "zoom_out",
                .shortcuts = "Num+-;Ctrl+-",
                .menu = kInView,
                .separatorAfter = true,
                .needs = kDoc,
                .action = [](Workspace& ws) { return ws.View().ZoomOut(); }},
    CommandInfo{.id = kZoomAuto,
                .menuItem = "mnuViewRoomAuto",
                .button = "tbtnRoomAuto",
                .verb = "zoom auto",
                .caption = t::kViewRoomAuto,
                .hint = t::kHintRoomAuto,
                .icon = "zoom_auto",
                .shortcuts = "Num+*;J",
                .menu = kInView,
                .needs = kDoc,
                .action = [](Workspace& ws) { return ws.View().ZoomAuto(); }},
    // Image
    CommandInfo{.id = kAddImage,
                .menuItem = "mnuImageNew",
                .button = "btnImageAdd",
                .popupItem = "pmuImgAdd",
                .caption = t::kImageNew,
                .popupCaption = t::kPmuImageAdd,
                .hint = t::kHintImageAdd,
                .icon = "image_add",
                .shortcuts = "Ctrl+Ins",
                .menu = kInImage,
                .needs = kDoc | Need::kRgbMode | kFree,
                .effects = kDocStep,
                .action = [](Workspace& ws) { return ws.Images().Add(); }},
    CommandInfo{.id = kDeleteImage,
                .menuItem = "mnuImageDel",
                .button = "btnImageDel",
                .popupItem = "pmuImgDel",
                .verb = "delete-image",
                .caption = t::kImageDel,
                .popupCaption = t::kPmuImageDel,
                .hint = t::kHintImageDel,
                .icon = "image_del",
                .shortcuts = "Ctrl+Del",
                .menu = kInImage,
                .needs = kRgbImg | kFree,
                .effects = kDocStep,
                .action = [](Workspace& ws) { return ws.Images().Delete(); }},
    CommandInfo{.id = kDuplicateImage,
                .menuItem = "mnuImageDup",
                .button = "btnDuplicate",
                .popupItem = "pmuImgDup",
                .verb = "duplicate",
                .caption = t::kImageDup,
                .popupCaption = t::kPmuImageDup,
                .hint = t::kHintDuplicate,
                .icon = "image_dup",
                .menu = kInImage,
                .needs = kRgbImg | kFree,
                .effects = kDocStep,
                .action = [](Workspace& ws) { return ws.Images().Duplicate(); }},
    CommandInfo{.id = kChangeFormat,
                .menuItem = "mnuImageConv",
                .button = "btnChangeFmt",
                .popupItem = "pmuImgConv",
                .caption = t::kImageConv,
                .popupCaption = t::kPmuImageConv,
                .hint = t::kHintChangeFmt,
                .icon = "image_conv",
                .menu = kInImage,
                .separatorAfter = true,
                .needs = kRgbImg | kFree,
                .effects = kDocStep,
                .action = [](Workspace& ws) { return ws.Images().ChangeFormat(); }},
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuImageSizes",
                .caption = t::kImageSizes,
                .menu = kInImage,
                .separatorAfter = true,
                .needs = kRgbImg | Need::kCursor | kFree,
                .effects = kDocStep,
                .action = [](Workspace& ws) { return ws.Images().MakeCursorSizes(); }},
    CommandInfo{.id = kModeAlpha,
                .menuItem = "mnuImageAlpha",
                .button = "tbtnModeAlpha",
                .verb = "alpha",
                .caption = t::kImageAlpha,
                .hint = t::kHintModeAlpha,
                .icon = "mode_alpha",
                .menu = kInImage,
                .needs = kImg | Need::kAlphaImage | kFree,
                .action = [](Workspace& ws) { return ws.Colours().ModeAlpha(); }},
    CommandInfo{.id = kModeRgb,
                .menuItem = "mnuImageRGB",
                .button = "tbtnModeRGB",
                .verb = "rgb",
                .caption = t::kImageRgb,
                .hint = t::kHintModeRgb,
                .icon = "mode_rgb",
                .menu = kInImage,
                .needs = kDoc,
                .action = [](Workspace& ws) { return ws.Colours().ModeRgb(); }},
    // Effects
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuEffectFilpHor",
                .verb = "flip-h",
                .caption = t::kEffectFlipHor,
                .menu = kInEffects,
                .needs = kRgbImg,
                .effects = kStep,
                .action = ApplyEffect<raster::FlipHorizontal>},
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuEffectFilpVer",
                .verb = "flip-v",
                .caption = t::kEffectFlipVer,
                .menu = kInEffects,
                .separatorAfter = true,
                .needs = kRgbImg,
                .effects = kStep,
                .action = ApplyEffect<raster::FlipVertical>},
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuEffectRotateArb",
                .verb = "rotate",
                .verbArgument = VerbArgument::kAnswer,
                .caption = t::kEffectRotateArb,
                .menu = kInEffects,
                .needs = kRgbImg,
                .effects = kStep,
                .action = [](Workspace& ws) { return ws.Effects().RotateArbitrary(); }},
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuEffectRotate90",
                .verb = "rotate-right",
                .caption = t::kEffectRotate90,
                .menu = kInEffects,
                .needs = kRgbImg,
                .effects = kStep,
                .action = ApplyEffect<raster::Rotate90>},
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuEffectRotate270",
                .verb = "rotate-left",
                .caption = t::kEffectRotate270,
                .menu = kInEffects,
                .needs = kRgbImg,
                .effects = kStep,
                .action = ApplyEffect<raster::Rotate270>},
    CommandInfo{.id = kUnnamed,
                .menuItem = "mnuEffectRotate180",
                .verb = "rotate-180",
                .caption = t::kEffectRotate180,
                .menu = kInEffects,
                .needs = kRgbImg,
                .effects = kStep,
                .action = ApplyEffect<raster::Rotate180>},
    // Tools (the window's own dialogs and programs)
    CommandInfo{.id = kCheck,
                .menuItem = "mnuToolCheck",
                .caption = t::kToolCheck,
                .menu = kInTools,
                .separatorAfter = true,
                .needs = kImg | kFree},
    CommandInfo{.id = kExtract,
                .menuItem = "mnuToolExtract",
                .button = "tbtnExeDll",
                .caption = t::kToolExtract,
                .hint = t::kHintExeDll,
                .icon = "exe_dll",
                .menu = kInTools},
    CommandInfo{.id = kPicToIco,
                .menuItem = "mnuToolPicToIco",
                .button = "tbtnPicToIco",
                .caption = t::kToolPicToIco,
                .hint = t::kHintPicToIco,
                .icon = "pic_to_ico",
                .menu = kInTools,
                .separatorAfter = true},
    // A hot spot and the animation's steps are steps of the image's own
    // history: its strokes stay steps of their own, and Alpha mode stays.
    // The hot-spot dialog leaves the canvas alone, and what floats with it.
    CommandInfo{.id = kHotSpot,
                .menuItem = "mnuToolHotSpot",
                .caption = t::kToolHotSpot,
                .menu = kInTools,
                .needs = kImg | Need::kCursor,
                .effects = kChangeStep},
    CommandInfo{.id = kAnimation,
                .menuItem = "mnuToolAnimation",
                .verb = "animation",
                .caption = t::kToolAnimation,
                .menu = kInTools,
                .needs = kImg | Need::kCursor | kFree,
                .effects = kChangeStep,
                .action = [](Workspace& ws) { return ws.Documents().EditAnimation(); }},
    // Help
    CommandInfo{.id = kHelp,
                .menuItem = "mnuHelpCont",
                .button = "tbtnHelp",
                .caption = t::kHelpCont,
                .hint = t::kHintHelp,
                .icon = "help",
                .shortcuts = "F1",
                .menu = kInHelp,
                .separatorAfter = true},
    CommandInfo{.id = kWebsite,
                .menuItem = "mnuHelpWeb",
                .button = "tbtnWebsite",
                .caption = t::kHelpWeb,
                .hint = t::kHintWebsite,
                .icon = "website",
                .menu = kInHelp},
    CommandInfo{
        .id = kMail, .menuItem = "mnuHelpEmail", .caption = t::kHelpEmail, .menu = kInHelp, .separatorAfter = true},
    CommandInfo{.id = kAbout, .menuItem = "mnuHelpAbout", .caption = t::kHelpAbout, .menu = kInHelp},
    // Colour panel
    CommandInfo{.id = kForeColour,
                .button = "panFrgrd",
                .extra = "PaintBox4",
                .hint = t::kHintFore,
                .action = [](Workspace& ws) { return ws.Colours().ChooseFore(); }},
    CommandInfo{.id = kBackColour,
                .button = "panBkgrd",
                .hint = t::kHintBack,
                .action = [](Workspace& ws) { return ws.Colours().ChooseBack(); }},
    CommandInfo{.id = kDefaultColours,
                .button = "btnClrDefault",
                .verb = "colours default",
                .hint = t::kHintClrDefault,
                .icon = "clr_default",
                .action = [](Workspace& ws) { return ws.Colours().Defaults(); }},
    CommandInfo{.id = kInvertColour,
                .button = "btnClrInvert",
                .verb = "fore invert",
                .hint = t::kHintClrInvert,
                .icon = "clr_invert",
                .needs = kImg | Need::kInvertible,
                .action = [](Workspace& ws) { return ws.Colours().Invert(); }},
    CommandInfo{.id = kTransColour,
                .button = "btnClrTrans",
                .verb = "fore trans",
                .hint = t::kHintClrTrans,
                .icon = "clr_trans",
                .action = [](Workspace& ws) { return ws.Colours().Trans(); }},
};

constexpr std::array<std::optional<CommandId>, 23> kToolBar{
    kNewIcon, kOpen,      kSave,        std::nullopt, kUndo,     kRedo,     std::nullopt, kCut,
    kCopy,    kPaste,     kDelete,      std::nullopt, kZoomIn,   kZoomAuto, kZoomOut,     std::nullopt,
    kModeRgb, kModeAlpha, std::nullopt, kExtract,     kPicToIco, kHelp,     kWebsite,
};

}  // namespace

std::span<const CommandInfo> Commands() {
  return kCommands;
}

const CommandInfo& FindCommand(CommandId id) {
  for (const CommandInfo& c : kCommands) {
    if (c.id == id) return c;
  }
  return kCommands.front();  // every named id has an entry; the table test checks it
}

const CommandInfo* FindCommandByControl(std::string_view control) {
  if (control.empty()) return nullptr;
  for (const CommandInfo& c : kCommands) {
    if (c.menuItem == control || c.button == control || c.popupItem == control || c.extra == control) return &c;
  }
  return nullptr;
}

const CommandInfo* FindCommandByVerb(std::string_view verb) {
  if (verb.empty()) return nullptr;
  for (const CommandInfo& c : kCommands) {
    if (c.verb == verb) return &c;
  }
  return nullptr;
}

std::span<const std::optional<CommandId>> ToolBarLayout() {
  return kToolBar;
}

std::span<const std::optional<CommandId>> PopupLayout(PopupId popup) {
  static constexpr std::array<std::optional<CommandId>, 8> kCanvasMenu{kCut,         kCopy,      kPaste,       kDelete,
                                                                       std::nullopt, kSelectAll, std::nullopt, kMerge};
  static constexpr std::array<std::optional<CommandId>, 4> kImageListMenu{kAddImage, kDeleteImage, kChangeFormat,
                                                                          kDuplicateImage};
  if (popup == PopupId::kCanvas) return kCanvasMenu;
  if (popup == PopupId::kImageList) return kImageListMenu;
  return {};
}

}  // namespace pixmint::editor
