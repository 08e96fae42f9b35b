#include "editor/control_states.h"

#include <array>
#include <span>

namespace pixmint::editor {
namespace {

struct Mirror {
  std::string_view source;
  std::array<std::string_view, 3> followers;
};

// Controls that run the same command as a tool-bar or panel button.
constexpr std::array kMirrors{
    Mirror{"tbtnSave", {"mnuFileSave", "", ""}},
    Mirror{"tbtnUndo", {"mnuEditUndo", "", ""}},
    Mirror{"tbtnRedo", {"mnuEditRedo", "", ""}},
    Mirror{"tbtnCut", {"mnuEditCut", "pmuCut", ""}},
    Mirror{"tbtnCopy", {"mnuEditCopy", "pmuCopy", ""}},
    Mirror{"tbtnPaste", {"mnuEditPaste", "pmuPaste", ""}},
    Mirror{"tbtnClear", {"mnuEditDel", "pmuDelete", ""}},
    Mirror{"tbtnRoomIn", {"mnuViewRoomIn", "", ""}},
    Mirror{"tbtnRoomOut", {"mnuViewRoomOut", "", ""}},
    Mirror{"tbtnRoomAuto", {"mnuViewRoomAuto", "", ""}},
    Mirror{"tbtnModeRGB", {"mnuImageRGB", "", ""}},
    Mirror{"tbtnModeAlpha", {"mnuImageAlpha", "", ""}},
    Mirror{"btnImageAdd", {"mnuImageNew", "pmuImgAdd", ""}},
    Mirror{"btnImageDel", {"mnuImageDel", "pmuImgDel", ""}},
    Mirror{"btnChangeFmt", {"mnuImageConv", "pmuImgConv", ""}},
    Mirror{"btnDuplicate", {"mnuImageDup", "pmuImgDup", ""}},
};

// Controls disabled in the window's design until a document or a selection
// makes them usable.
constexpr std::array<std::string_view, 17> kStartDisabled{
    "tbtnSave",    "tbtnUndo",    "tbtnRedo",     "tbtnCut",      "tbtnCopy",       "tbtnPaste",
    "tbtnClear",   "tbtnRoomIn",  "tbtnRoomOut",  "tbtnRoomAuto", "tbtnModeRGB",    "tbtnModeAlpha",
    "btnImageAdd", "btnImageDel", "btnChangeFmt", "btnDuplicate", "mnuToolHotSpot",
};

std::span<const std::string_view> FollowersOf(std::string_view control) {
  for (const Mirror& m : kMirrors) {
    if (m.source == control) return m.followers;
  }
  return {};
}

}  // namespace

ControlStates::ControlStates(EditorHost& host) : host_(host) {
  for (std::string_view name : kStartDisabled) {
    enabled_[std::string(name)] = false;
    for (std::string_view f : FollowersOf(name)) {
      if (!f.empty()) enabled_[std::string(f)] = false;
    }
  }
  enabled_["updOpacity"] = false;
  enabled_["pmuMerge"] = false;
}

void ControlStates::SetEnabled(std::string_view control, bool enabled) {
  enabled_[std::string(control)] = enabled;
  host_.SetEnabled(control, enabled);
  for (std::string_view f : FollowersOf(control)) {
    if (f.empty()) continue;
    enabled_[std::string(f)] = enabled;
    host_.SetEnabled(f, enabled);
  }
}

void ControlStates::SetChecked(std::string_view control, bool checked) {
  checked_[std::string(control)] = checked;
  host_.SetChecked(control, checked);
  for (std::string_view f : FollowersOf(control)) {
    if (f.empty()) continue;
    checked_[std::string(f)] = checked;
    host_.SetChecked(f, checked);
  }
}

bool ControlStates::IsEnabled(std::string_view control) const {
  auto it = enabled_.find(control);
  return it == enabled_.end() ? true : it->second;
}

bool ControlStates::IsChecked(std::string_view control) const {
  auto it = checked_.find(control);
  return it == checked_.end() ? false : it->second;
}

void ControlStates::SetStatus(int panel, std::string_view text) {
  if (panel < 0 || panel >= static_cast<int>(status_.size())) return;
  status_[panel] = std::string(text);
  host_.SetStatusText(panel, text);
}

std::string ControlStates::Status(int panel) const {
  if (panel < 0 || panel >= static_cast<int>(status_.size())) return {};
  return status_[panel];
}

}  // namespace pixmint::editor
