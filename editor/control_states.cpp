#include "editor/control_states.h"

namespace pixmint::editor {

ControlStates::ControlStates(EditorHost& host) : host_(host) {}

void ControlStates::SetEnabled(std::string_view control, bool enabled) {
  const auto found = enabled_.find(control);
  if (found != enabled_.end() && found->second == enabled) return;
  enabled_[std::string(control)] = enabled;
  host_.SetEnabled(control, enabled);
}

void ControlStates::SetChecked(std::string_view control, bool checked) {
  const auto found = checked_.find(control);
  if (found != checked_.end() && found->second == checked) return;
  checked_[std::string(control)] = checked;
  host_.SetChecked(control, checked);
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
