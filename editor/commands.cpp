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
constexpr MenuId kNoMenu = MenuId::kNone;

constexpr Need kDoc = Need::kDocument;
constexpr Need kImg = Need::kDocument | Need::kImage;
constexpr Need kRgbImg = kImg | Need::kRgbMode;
constexpr Need kSel = kRgbImg | Need::kSelection;
constexpr Need kFree = Need::kFreeCanvas;
constexpr Effect kNoEffect = Effect::kNone;
constexpr Effect kChanges = Effect::kChangesDocument;
constexpr Effect kStep = Effect::kUndoStep;
constexpr Effect kDocStep = Effect::kChangesDocument | Effect::kDocumentStep;
constexpr Effect kChangeStep = Effect::kChangesDocument | Effect::kUndoStep;

// An effect on the selection, or on the whole image when nothing is selected.
template <void (*Transform)(raster::Picture&)>
bool ApplyEffect(Workspace& ws) {
  return ws.Effects().Apply(Transform);
}

// Shorter lines in the table below.
constexpr CommandInfo Cmd(CommandId id, std::string_view menuItem, std::string_view button, std::string_view popupItem,
                          std::string_view verb, const char* caption, const char* popupCaption, const char* hint,
                          std::string_view icon, std::string_view keys, MenuId menu, bool gap, Need needs,
                          Effect effects, CommandAction action) {
  return {id,   menuItem, button, popupItem, {},  verb,  caption, popupCaption,
          hint, icon,     keys,   menu,      gap, needs, effects, action};
}

constexpr std::array kCommands{
    // File
    Cmd(kNewIcon, "mnuFileNewIcon", "tbtnNew", "", "", t::kFileNewIcon, nullptr, t::kHintNew, "new", "Ctrl+N",
        kInFileNew, false, Need::kNone, kNoEffect, [](Workspace& ws) { return ws.Files().NewIcon(); }),
    Cmd(kNewCursor, "mnuFileNewCursor", "", "", "", t::kFileNewCursor, nullptr, nullptr, "", "", kInFileNew, false,
        Need::kNone, kNoEffect, [](Workspace& ws) { return ws.Files().NewCursor(); }),
    Cmd(kOpen, "mnuFileOpen", "tbtnOpen", "", "", t::kFileOpen, nullptr, t::kHintOpen, "open", "Ctrl+O", kInFile, false,
        Need::kNone, kNoEffect, [](Workspace& ws) { return ws.Files().Open(); }),
    Cmd(kSave, "mnuFileSave", "tbtnSave", "", "", t::kFileSave, nullptr, t::kHintSave, "save", "Ctrl+S", kInFile, false,
        kDoc | Need::kChanges, kNoEffect, [](Workspace& ws) { return ws.Files().Save(); }),
    Cmd(kSaveAs, "mnuFileSaveAs", "", "", "", t::kFileSaveAs, nullptr, nullptr, "", "Ctrl+Shift+S", kInFile, false,
        kDoc, kNoEffect, [](Workspace& ws) { return ws.Files().SaveAs(); }),
    Cmd(kExportXcursor, "mnuFileExportXcursor", "", "", "export-xcursor", t::kFileExportXcursor, nullptr, nullptr, "",
        "", kInFile, true, kDoc | Need::kCursor, kNoEffect, [](Workspace& ws) { return ws.Files().ExportXcursor(); }),
    Cmd(kSettings, "mnuSettings", "", "", "", t::kSettings, nullptr, nullptr, "", "", kInFile, true, Need::kNone,
        kNoEffect, nullptr),
    Cmd(kExit, "mnuFileExit", "", "", "", t::kFileExit, nullptr, nullptr, "", "Alt+F4", kInFile, false, Need::kNone,
        kNoEffect, nullptr),
    // Edit
    Cmd(kUndo, "mnuEditUndo", "tbtnUndo", "", "undo", t::kEditUndo, nullptr, t::kHintUndo, "undo", "Ctrl+Z", kInEdit,
        false, kImg | Need::kUndo, kNoEffect,
        [](Workspace& ws) {
          ws.History().Undo();
          return true;
        }),
    Cmd(kRedo, "mnuEditRedo", "tbtnRedo", "", "redo", t::kEditRedo, nullptr, t::kHintRedo, "redo", "Ctrl+Y", kInEdit,
        true, kImg | Need::kRedo, kNoEffect,
        [](Workspace& ws) {
          ws.History().Redo();
          return true;
        }),
    Cmd(kCopy, "mnuEditCopy", "tbtnCopy", "pmuCopy", "copy", t::kEditCopy, t::kPmuCopy, t::kHintCopy, "copy", "Ctrl+C",
        kInEdit, false, kSel, kNoEffect, [](Workspace& ws) { return ws.Edit().Copy(); }),
    Cmd(kCut, "mnuEditCut", "tbtnCut", "pmuCut", "cut", t::kEditCut, t::kPmuCut, t::kHintCut, "cut", "Ctrl+X", kInEdit,
        false, kSel, kStep, [](Workspace& ws) { return ws.Edit().Cut(); }),
    Cmd(kPaste, "mnuEditPaste", "tbtnPaste", "pmuPaste", "paste", t::kEditPaste, t::kPmuPaste, t::kHintPaste, "paste",
        "Ctrl+V", kInEdit, false, kRgbImg | Need::kClipboard | kFree, kNoEffect,
        [](Workspace& ws) { return ws.Edit().Paste(); }),
    Cmd(kDelete, "mnuEditDel", "tbtnClear", "pmuDelete", "delete-selection", t::kEditDel, t::kPmuDelete, t::kHintClear,
        "clear", "Del", kInEdit, true, kSel, kStep, [](Workspace& ws) { return ws.Edit().Delete(); }),
    Cmd(kSelectAll, "mnuEditSelectAll", "", "pmuSelectAll", "select-all", t::kEditSelectAll, t::kPmuSelectAll, nullptr,
        "", "Ctrl+A", kInEdit, false, kRgbImg | kFree, kNoEffect, [](Workspace& ws) { return ws.Edit().SelectAll(); }),
    Cmd(kMerge, "", "", "pmuMerge", "merge", nullptr, t::kPmuMerge, nullptr, "", "", kNoMenu, false, kSel, kNoEffect,
        [](Workspace& ws) { return ws.Edit().Merge(); }),
    // View
    Cmd(kZoomIn, "mnuViewRoomIn", "tbtnRoomIn", "", "", t::kViewRoomIn, nullptr, t::kHintRoomIn, "zoom_in",
        "Num++;Ctrl++;Ctrl+=", kInView, false, kDoc, kNoEffect, [](Workspace& ws) { return ws.Zoom().ZoomIn(); }),
    Cmd(kZoomOut, "mnuViewRoomOut", "tbtnRoomOut", "", "", t::kViewRoomOut, nullptr, t::kHintRoomOut, "zoom_out",
        "Num+-;Ctrl+-", kInView, true, kDoc, kNoEffect, [](Workspace& ws) { return ws.Zoom().ZoomOut(); }),
    Cmd(kZoomAuto, "mnuViewRoomAuto", "tbtnRoomAuto", "", "", t::kViewRoomAuto, nullptr, t::kHintRoomAuto, "zoom_auto",
        "Num+*;J", kInView, false, kDoc, kNoEffect, [](Workspace& ws) { return ws.Zoom().ZoomAuto(); }),
    // Image
    Cmd(kAddImage, "mnuImageNew", "btnImageAdd", "pmuImgAdd", "", t::kImageNew, t::kPmuImageAdd, t::kHintImageAdd,
        "image_add", "Ctrl+Ins", kInImage, false, kDoc | Need::kRgbMode | kFree, kDocStep,
        [](Workspace& ws) { return ws.Images().Add(); }),
    Cmd(kDeleteImage, "mnuImageDel", "btnImageDel", "pmuImgDel", "delete-image", t::kImageDel, t::kPmuImageDel,
        t::kHintImageDel, "image_del", "Ctrl+Del", kInImage, false, kRgbImg | kFree, kDocStep,
        [](Workspace& ws) { return ws.Images().Delete(); }),
    Cmd(kDuplicateImage, "mnuImageDup", "btnDuplicate", "pmuImgDup", "duplicate", t::kImageDup, t::kPmuImageDup,
        t::kHintDuplicate, "image_dup", "", kInImage, false, kRgbImg | kFree, kDocStep,
        [](Workspace& ws) { return ws.Images().Duplicate(); }),
    Cmd(kChangeFormat, "mnuImageConv", "btnChangeFmt", "pmuImgConv", "", t::kImageConv, t::kPmuImageConv,
        t::kHintChangeFmt, "image_conv", "", kInImage, true, kRgbImg | kFree, kDocStep,
        [](Workspace& ws) { return ws.Images().ChangeFormat(); }),
    Cmd(kUnnamed, "mnuImageSizes", "", "", "", t::kImageSizes, nullptr, nullptr, "", "", kInImage, true,
        kRgbImg | Need::kCursor | kFree, kDocStep, [](Workspace& ws) { return ws.Images().MakeCursorSizes(); }),
    Cmd(kModeAlpha, "mnuImageAlpha", "tbtnModeAlpha", "", "alpha", t::kImageAlpha, nullptr, t::kHintModeAlpha,
        "mode_alpha", "", kInImage, false, kImg | Need::kAlphaImage | kFree, kNoEffect,
        [](Workspace& ws) { return ws.Colours().ModeAlpha(); }),
    Cmd(kModeRgb, "mnuImageRGB", "tbtnModeRGB", "", "rgb", t::kImageRgb, nullptr, t::kHintModeRgb, "mode_rgb", "",
        kInImage, false, kDoc, kNoEffect, [](Workspace& ws) { return ws.Colours().ModeRgb(); }),
    // Effects
    Cmd(kUnnamed, "mnuEffectFilpHor", "", "", "flip-h", t::kEffectFlipHor, nullptr, nullptr, "", "", kInEffects, false,
        kRgbImg, kStep, ApplyEffect<raster::FlipHorizontal>),
    Cmd(kUnnamed, "mnuEffectFilpVer", "", "", "flip-v", t::kEffectFlipVer, nullptr, nullptr, "", "", kInEffects, true,
        kRgbImg, kStep, ApplyEffect<raster::FlipVertical>),
    Cmd(kUnnamed, "mnuEffectRotateArb", "", "", "", t::kEffectRotateArb, nullptr, nullptr, "", "", kInEffects, false,
        kRgbImg, kStep, [](Workspace& ws) { return ws.Effects().RotateArbitrary(); }),
    Cmd(kUnnamed, "mnuEffectRotate90", "", "", "rotate-right", t::kEffectRotate90, nullptr, nullptr, "", "", kInEffects,
        false, kRgbImg, kStep, ApplyEffect<raster::Rotate90>),
    Cmd(kUnnamed, "mnuEffectRotate270", "", "", "rotate-left", t::kEffectRotate270, nullptr, nullptr, "", "",
        kInEffects, false, kRgbImg, kStep, ApplyEffect<raster::Rotate270>),
    Cmd(kUnnamed, "mnuEffectRotate180", "", "", "rotate-180", t::kEffectRotate180, nullptr, nullptr, "", "", kInEffects,
        false, kRgbImg, kStep, ApplyEffect<raster::Rotate180>),
    // Tools (the window's own dialogs and programs)
    Cmd(kCheck, "mnuToolCheck", "", "", "", t::kToolCheck, nullptr, nullptr, "", "", kInTools, true, kImg | kFree,
        kNoEffect, nullptr),
    Cmd(kExtract, "mnuToolExtract", "tbtnExeDll", "", "", t::kToolExtract, nullptr, t::kHintExeDll, "exe_dll", "",
        kInTools, false, Need::kNone, kNoEffect, nullptr),
    Cmd(kPicToIco, "mnuToolPicToIco", "tbtnPicToIco", "", "", t::kToolPicToIco, nullptr, t::kHintPicToIco, "pic_to_ico",
        "", kInTools, true, Need::kNone, kNoEffect, nullptr),
    // A hot spot and the animation's steps are steps of the image's own
    // history: its strokes stay steps of their own, and Alpha mode stays.
    // The hot-spot dialog leaves the canvas alone, and what floats with it.
    Cmd(kHotSpot, "mnuToolHotSpot", "", "", "", t::kToolHotSpot, nullptr, nullptr, "", "", kInTools, false,
        kImg | Need::kCursor, kChangeStep, nullptr),
    Cmd(kAnimation, "mnuToolAnimation", "", "", "animation", t::kToolAnimation, nullptr, nullptr, "", "", kInTools,
        false, kImg | Need::kCursor | kFree, kChangeStep, [](Workspace& ws) { return ws.Files().EditAnimation(); }),
    // Help
    Cmd(kHelp, "mnuHelpCont", "tbtnHelp", "", "", t::kHelpCont, nullptr, t::kHintHelp, "help", "F1", kInHelp, true,
        Need::kNone, kNoEffect, nullptr),
    Cmd(kWebsite, "mnuHelpWeb", "tbtnWebsite", "", "", t::kHelpWeb, nullptr, t::kHintWebsite, "website", "", kInHelp,
        false, Need::kNone, kNoEffect, nullptr),
    Cmd(kMail, "mnuHelpEmail", "", "", "", t::kHelpEmail, nullptr, nullptr, "", "", kInHelp, true, Need::kNone,
        kNoEffect, nullptr),
    Cmd(kAbout, "mnuHelpAbout", "", "", "", t::kHelpAbout, nullptr, nullptr, "", "", kInHelp, false, Need::kNone,
        kNoEffect, nullptr),
    // Colour panel
    CommandInfo{kForeColour, "", "panFrgrd", "", "PaintBox4", "", nullptr, nullptr, t::kHintFore, "", "", MenuId::kNone,
                false, Need::kNone, kNoEffect, [](Workspace& ws) { return ws.Colours().ChooseFore(); }},
    Cmd(kBackColour, "", "panBkgrd", "", "", nullptr, nullptr, t::kHintBack, "", "", kNoMenu, false, Need::kNone,
        kNoEffect, [](Workspace& ws) { return ws.Colours().ChooseBack(); }),
    Cmd(kDefaultColours, "", "btnClrDefault", "", "", nullptr, nullptr, t::kHintClrDefault, "clr_default", "", kNoMenu,
        false, Need::kNone, kNoEffect, [](Workspace& ws) { return ws.Colours().Defaults(); }),
    Cmd(kInvertColour, "", "btnClrInvert", "", "", nullptr, nullptr, t::kHintClrInvert, "clr_invert", "", kNoMenu,
        false, kImg | Need::kInvertible, kNoEffect, [](Workspace& ws) { return ws.Colours().Invert(); }),
    Cmd(kTransColour, "", "btnClrTrans", "", "", nullptr, nullptr, t::kHintClrTrans, "clr_trans", "", kNoMenu, false,
        Need::kNone, kNoEffect, [](Workspace& ws) { return ws.Colours().Trans(); }),
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
