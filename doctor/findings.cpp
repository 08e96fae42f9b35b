#include "doctor/findings.h"

#include <algorithm>
#include <array>

namespace pixmint::doctor {
namespace {

using enum Severity;

// Codes are part of the command's interface: scripts match on them, so a
// code once given never changes its meaning.
constexpr std::array kCodes = {
    CodeInfo{"unknown", kError, "a finding without a code"},
    CodeInfo{"bad-header", kError, "not an icon or cursor header, or the directory does not fit the file"},
    CodeInfo{"no-images", kError, "the directory lists no image"},
    CodeInfo{"outside-file", kError, "an entry's data lies outside the file"},
    CodeInfo{"overlap", kError, "an entry's data overlaps another entry or the directory"},
    CodeInfo{"trailing-data", kWarning, "bytes after the end of the last entry"},
    CodeInfo{"unreadable", kError, "an image, frame or group that cannot be decoded"},
    CodeInfo{"dir-width", kError, "directory width differs from the image's (0 means 256)"},
    CodeInfo{"dir-height", kError, "directory height differs from the image's (0 means 256)"},
    CodeInfo{"dir-bits", kWarning, "directory bit count differs from the image's"},
    CodeInfo{"dir-bits-zero", kNote, "directory bit count 0: Windows guesses the depth from the colour count"},
    CodeInfo{"dir-planes", kWarning, "directory planes neither 0 nor 1"},
    CodeInfo{"dir-colours", kWarning, "directory colour count differs from the image's (0 from 8 bits up)"},
    CodeInfo{"dir-reserved", kNote, "directory reserved byte not 0"},
    CodeInfo{"dir-size", kError, "directory byte count smaller than the image's data"},
    CodeInfo{"extra-bytes", kWarning, "directory byte count larger than the image's data"},
    CodeInfo{"bmp-height", kError, "bitmap header height not twice the image height"},
    CodeInfo{"mask-missing", kWarning, "32-bit bitmap without its AND mask"},
    CodeInfo{"mask-short", kError, "AND mask shorter than the image needs"},
    CodeInfo{"bmp-256", kWarning, "256-pixel image stored as a bitmap (about four times a PNG's size)"},
    CodeInfo{"png-not-rgba", kWarning, "PNG image that is not 8-bit RGBA"},
    CodeInfo{"png-small", kWarning, "PNG image below 256 pixels (older readers and GNOME's loader skip it)"},
    CodeInfo{"duplicate", kWarning, "two images of the same size and depth"},
    CodeInfo{"missing-size", kWarning, "a size the icon should have is missing"},
    CodeInfo{"missing-scale-size", kNote, "a size for other display scales is missing"},
    CodeInfo{"hotspot-outside", kError, "cursor hot spot outside its image"},
    CodeInfo{"hotspot-mismatch", kWarning, "hot spots of one cursor that do not match across sizes"},
    CodeInfo{"ani-structure", kError, "animated cursor that cannot be read"},
    CodeInfo{"ani-frames", kError, "frame count of the header differs from the frames stored"},
    CodeInfo{"ani-steps", kError, "step count, sequence and frames disagree"},
    CodeInfo{"ani-rates", kWarning, "step times missing, zero or of another count than the steps"},
    CodeInfo{"ani-flags", kWarning, "header flags do not say the frames are icons"},
    CodeInfo{"ani-frame-sizes", kWarning, "frames with different sets of image sizes"},
    CodeInfo{"xcur-nominal", kWarning, "Xcursor image whose nominal size is not its size"},
    CodeInfo{"xcur-frames", kWarning, "Xcursor sizes with different frame counts"},
};

}  // namespace

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case kNote:
      return "note";
    case kWarning:
      return "warning";
    case kError:
      return "error";
  }
  return "error";
}

std::span<const CodeInfo> AllCodes() {
  return std::span<const CodeInfo>(kCodes).subspan(1);
}

const CodeInfo& Code(std::string_view code) {
  const auto found = std::ranges::find(kCodes, code, &CodeInfo::code);
  return found != kCodes.end() ? *found : kCodes.front();
}

std::string Where(std::string_view file, const Finding& finding) {
  std::string where(file);
  if (!finding.part.empty()) where += ":" + finding.part;
  if (finding.entry >= 0) where += "#" + std::to_string(finding.entry);
  return where;
}

std::string FormatFinding(std::string_view file, const Finding& finding) {
  return Where(file, finding) + ": " + finding.code + " " + std::string(SeverityName(finding.severity())) + ": " +
         finding.message;
}

int ExitStatus(const std::vector<Finding>& findings, bool strict) {
  int status = 0;
  for (const Finding& f : findings) {
    if (f.severity() == kError) return 2;
    if (f.severity() == kWarning && strict) status = 1;
  }
  return status;
}

void Add(std::vector<Finding>& out, std::string_view part, int entry, std::string_view code, std::string message) {
  out.push_back(Finding{std::string(part), entry, std::string(code), std::move(message)});
}

}  // namespace pixmint::doctor
