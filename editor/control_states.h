#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "editor/editor_host.h"

namespace pixmint::editor {

// The enabled and checked state of every control the editor decides, kept
// here and reported to the host when it changes (and the first time it is
// set), plus the four status panels.
class ControlStates {
 public:
  explicit ControlStates(EditorHost& host);

  void SetEnabled(std::string_view control, bool enabled);
  void SetChecked(std::string_view control, bool checked);
  // Unknown controls are enabled and unchecked.
  [[nodiscard]] bool IsEnabled(std::string_view control) const;
  [[nodiscard]] bool IsChecked(std::string_view control) const;

  // Status bar panels 0..3; other panels are ignored.
  void SetStatus(int panel, std::string_view text);
  [[nodiscard]] std::string Status(int panel) const;

 private:
  EditorHost& host_;
  std::map<std::string, bool, std::less<>> enabled_;
  std::map<std::string, bool, std::less<>> checked_;
  std::array<std::string, 4> status_;
};

}  // namespace pixmint::editor
