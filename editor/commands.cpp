#include <array>

#include "editor/workspace.h"
#include "editor/workspace_parts.h"

// Commands by the object names of their controls.

namespace pixmint::editor {
namespace {

using Handler = void (Workspace::*)();

struct Command {
  std::string_view control;
  Handler handler;
};

constexpr std::array kCommands{
    Command{"tbtnNew", &Workspace::NewIcon},
    Command{"mnuFileNewIcon", &Workspace::NewIcon},
    Command{"mnuFileNewCursor", &Workspace::NewCursor},
    Command{"tbtnOpen", &Workspace::Open},
    Command{"mnuFileOpen", &Workspace::Open},
    Command{"tbtnSave", &Workspace::Save},
    Command{"mnuFileSave", &Workspace::Save},
    Command{"mnuFileSaveAs", &Workspace::SaveAs},
    Command{"tbtnUndo", &Workspace::Undo},
    Command{"mnuEditUndo", &Workspace::Undo},
    Command{"tbtnRedo", &Workspace::Redo},
    Command{"mnuEditRedo", &Workspace::Redo},
    Command{"tbtnCut", &Workspace::Cut},
    Command{"mnuEditCut", &Workspace::Cut},
    Command{"pmuCut", &Workspace::Cut},
    Command{"tbtnCopy", &Workspace::Copy},
    Command{"mnuEditCopy", &Workspace::Copy},
    Command{"pmuCopy", &Workspace::Copy},
    Command{"tbtnPaste", &Workspace::Paste},
    Command{"mnuEditPaste", &Workspace::Paste},
    Command{"pmuPaste", &Workspace::Paste},
    Command{"tbtnClear", &Workspace::DeleteSelection},
    Command{"mnuEditDel", &Workspace::DeleteSelection},
    Command{"pmuDelete", &Workspace::DeleteSelection},
    Command{"mnuEditSelectAll", &Workspace::SelectAll},
    Command{"pmuSelectAll", &Workspace::SelectAll},
    Command{"pmuMerge", &Workspace::Merge},
    Command{"mnuEffectFilpHor", &Workspace::FlipHorizontal},
    Command{"mnuEffectFilpVer", &Workspace::FlipVertical},
    Command{"mnuEffectRotate90", &Workspace::RotateRight},
    Command{"mnuEffectRotate270", &Workspace::RotateLeft},
    Command{"mnuEffectRotate180", &Workspace::Rotate180},
    Command{"mnuEffectRotateArb", &Workspace::RotateArbitrary},
    Command{"btnImageAdd", &Workspace::AddImage},
    Command{"mnuImageNew", &Workspace::AddImage},
    Command{"pmuImgAdd", &Workspace::AddImage},
    Command{"btnImageDel", &Workspace::DeleteImage},
    Command{"mnuImageDel", &Workspace::DeleteImage},
    Command{"pmuImgDel", &Workspace::DeleteImage},
    Command{"btnChangeFmt", &Workspace::ChangeFormat},
    Command{"mnuImageConv", &Workspace::ChangeFormat},
    Command{"pmuImgConv", &Workspace::ChangeFormat},
    Command{"btnDuplicate", &Workspace::DuplicateImage},
    Command{"mnuImageDup", &Workspace::DuplicateImage},
    Command{"pmuImgDup", &Workspace::DuplicateImage},
    Command{"tbtnRoomIn", &Workspace::ZoomIn},
    Command{"mnuViewRoomIn", &Workspace::ZoomIn},
    Command{"tbtnRoomOut", &Workspace::ZoomOut},
    Command{"mnuViewRoomOut", &Workspace::ZoomOut},
    Command{"tbtnRoomAuto", &Workspace::ZoomAuto},
    Command{"mnuViewRoomAuto", &Workspace::ZoomAuto},
    Command{"tbtnModeRGB", &Workspace::ModeRgb},
    Command{"mnuImageRGB", &Workspace::ModeRgb},
    Command{"tbtnModeAlpha", &Workspace::ModeAlpha},
    Command{"mnuImageAlpha", &Workspace::ModeAlpha},
    Command{"panFrgrd", &Workspace::ChooseForeColour},
    Command{"PaintBox4", &Workspace::ChooseForeColour},
    Command{"panBkgrd", &Workspace::ChooseBackColour},
    Command{"btnClrDefault", &Workspace::DefaultColours},
    Command{"btnClrInvert", &Workspace::InvertColour},
    Command{"btnClrTrans", &Workspace::TransColour},
};

}  // namespace

bool Workspace::RunCommand(std::string_view control) {
  if (!IsEnabled(control)) return false;
  for (const Command& command : kCommands) {
    if (command.control == control) {
      (this->*command.handler)();
      return true;
    }
  }
  if (const tools::ToolInfo* tool = tools::FindToolByButton(control)) {
    ChooseTool(tool->id);
    return true;
  }
  return false;
}

bool Workspace::IsEnabled(std::string_view control) const {
  // The canvas menu's merge item is offered exactly while a selection floats.
  if (control == "pmuMerge") return state_.HasFloat;
  return parts_->controls.IsEnabled(control);
}

}  // namespace pixmint::editor
