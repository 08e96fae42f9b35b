#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pixmint::doctor {

enum class Severity { kNote, kWarning, kError };

// "note", "warning", "error".
[[nodiscard]] std::string_view SeverityName(Severity severity);

// One kind of finding: its stable code, its severity and what it means.
struct CodeInfo {
  std::string_view code;
  Severity severity;
  std::string_view meaning;
};

// Every code the doctor reports, in the order the manual lists them.
[[nodiscard]] std::span<const CodeInfo> AllCodes();
// The code's entry; the first one (never used) for an unknown code.
[[nodiscard]] const CodeInfo& Code(std::string_view code);

// One thing wrong with a file, or worth knowing. part names a document
// inside the file ("frame2", "icon:MAINICON"), empty for the file itself;
// entry is the image (directory entry) it is about, -1 for none.
struct Finding {
  std::string part;
  int entry = -1;
  std::string code;
  std::string message;

  [[nodiscard]] Severity severity() const { return Code(code).severity; }
};

// "FILE[:part][#entry]".
[[nodiscard]] std::string Where(std::string_view file, const Finding& finding);
// "FILE[:part][#entry]: CODE severity: message".
[[nodiscard]] std::string FormatFinding(std::string_view file, const Finding& finding);

// 0 when nothing is wrong, 1 for warnings when strict, 2 for any error.
[[nodiscard]] int ExitStatus(const std::vector<Finding>& findings, bool strict);

// Appends a finding.
void Add(std::vector<Finding>& out, std::string_view part, int entry, std::string_view code, std::string message);

}  // namespace pixmint::doctor
