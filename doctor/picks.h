#pragma once

#include <string_view>
#include <vector>

#include "doctor/icon_checks.h"

namespace pixmint::doctor {

// Where an icon or cursor is shown. Each program's rule for choosing an
// image is written in the manual with where it comes from.
enum class Program { kWindows, kWindowsCursor, kBrowser, kGnome, kQt };
enum class View { kSmallIcons, kTaskbar, kAltTab, kLargeIcons, kExtraLargeIcons, kPointer, kTab, kFileIcon, kIcon };

// The entry a program loads for one view, and at which size it is shown.
struct Pick {
  Program program = Program::kWindows;
  View view = View::kSmallIcons;
  int scalePercent = 100;  // display scale; a browser's 1x and 2x are 100 and 200
  int shownSize = 0;       // in device pixels
  int entry = -1;          // -1: nothing is shown
  int width = 0, height = 0;

  // shownSize / width: 1 when the image is shown as it is.
  [[nodiscard]] double Scaling() const { return width > 0 ? static_cast<double>(shownSize) / width : 0; }
};

// English names, for pixmint-cli.
[[nodiscard]] std::string_view ProgramName(Program program);
[[nodiscard]] std::string_view ViewName(View view);

// Every view of the kind of file (icon views for icons, pointer sizes for
// cursors, the rest for both) with the entry each program picks.
[[nodiscard]] std::vector<Pick> PickEntries(const IconFileCheck& file);

// "Windows, taskbar, 150%: 36 px <- #3 48x48, scaled down x0.75".
[[nodiscard]] std::string FormatPick(const Pick& pick);

}  // namespace pixmint::doctor
