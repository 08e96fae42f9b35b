#pragma once

// What reading one file may cost, whatever the file claims. The thumbnailer
// runs on every file a user downloads, so a small crafted file must never
// ask for seconds or gigabytes: each reader checks these before it
// allocates or decodes, and refuses with a message that names the limit.

#include <cstdint>
#include <string>

#include "texts/failure.h"

namespace pixmint::document {

// Decoded pixels of one document in all: every image of every frame of an
// animation, one group of a program. Sixteen images of 1024 x 1024; a file
// at the limit stays well under 256 MB.
inline constexpr std::uint64_t kMaxDecodedPixels = 16ull << 20;
// Decoded pixels of all groups of a program, read one after another: what
// bounds the time of listing them.
inline constexpr std::uint64_t kMaxProgramPixels = 64ull << 20;
// What decoding an icon image costs at least, however small: a file of many
// one-pixel images costs time for each.
inline constexpr std::uint64_t kMinImagePixels = 1024;
// Entries of one file in all: images listed by its tables, members of its
// groups, frames.
inline constexpr std::uint64_t kMaxFileEntries = 1ull << 20;
// Leaves of a program's resource tree.
inline constexpr std::uint64_t kMaxResources = 1ull << 18;
// An SVG picture as text, after an .svgz is inflated.
inline constexpr std::uint64_t kMaxSvgBytes = 16ull << 20;
// extract writes at most this many times the size of what it read, and
// never less than kMinExtractBytes in all.
inline constexpr std::uint64_t kExtractFactor = 64;
inline constexpr std::uint64_t kMinExtractBytes = 64ull << 20;

// The allowance of one file, shared by every part read from it (frames,
// images), and of a part within a larger whole (a group within its
// program): what a part takes is taken from the whole as well. Each Take
// fails, taking nothing, when the limit would be exceeded, naming it.
class ReadBudget {
 public:
  explicit ReadBudget(std::uint64_t pixels = kMaxDecodedPixels, ReadBudget* whole = nullptr)
      : maxPixels_(pixels), whole_(whole) {}

  [[nodiscard]] texts::Result<void> TakePixels(std::uint64_t pixels) {
    if (pixels > maxPixels_ - pixels_) return texts::Failure{texts::Fail::kTooManyPixels, {std::to_string(maxPixels_)}};
    if (whole_ != nullptr) {
      if (auto taken = whole_->TakePixels(pixels); !taken) return taken;
    }
    pixels_ += pixels;
    return {};
  }
  [[nodiscard]] texts::Result<void> TakeEntries(std::uint64_t entries) {
    if (entries > kMaxFileEntries - entries_) {
      return texts::Failure{texts::Fail::kTooManyEntries, {std::to_string(kMaxFileEntries)}};
    }
    if (whole_ != nullptr) {
      if (auto taken = whole_->TakeEntries(entries); !taken) return taken;
    }
    entries_ += entries;
    return {};
  }

 private:
  std::uint64_t pixels_ = 0;
  std::uint64_t entries_ = 0;
  std::uint64_t maxPixels_;
  ReadBudget* whole_;
};

}  // namespace pixmint::document
