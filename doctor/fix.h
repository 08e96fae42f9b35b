#pragma once

#include <memory>
#include <string>
#include <vector>

#include "doctor/findings.h"
#include "doctor/icon_checks.h"
#include "document/kv_icon.h"

namespace pixmint::doctor {

// One line of the fix report: what was done about a finding, or why not.
struct FixLine {
  int entry = -1;  // entry of the file before the fix, -1 for the file
  std::string code;
  bool done = false;
  std::string message;
};

// The missing sizes made from source image i of icon, square, 32 bits, 256
// as PNG, hot spots scaled, in a new document, or why they cannot be made.
// The one place the fix scales, so a better scaler is plugged in here.
[[nodiscard]] texts::Result<std::unique_ptr<document::TKvIcon>> MakeSizes(const document::TKvIcon& icon,
                                                                          std::uint32_t source,
                                                                          const std::vector<int>& sizes);

// Fixes in place what can be fixed without changing any existing image's
// pixels: PNG below 256 becomes a bitmap, a 32-bit bitmap of 256 a PNG, a
// PNG that is not 8-bit RGBA is encoded anew, a missing mask is written,
// exact duplicates go, missing recommended sizes are made from the best
// larger image, and the directory is written anew from the data on save.
// findings and check are those of the file icon was read from (part "").
// Every finding gets a line: done, or not done and why.
[[nodiscard]] std::vector<FixLine> FixDocument(document::TKvIcon& icon, const std::vector<Finding>& findings,
                                               const IconFileCheck& check, const CheckOptions& options);

}  // namespace pixmint::doctor
