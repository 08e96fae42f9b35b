#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "doctor/findings.h"

namespace pixmint::doctor {

// One directory entry and what its data holds.
struct EntryInfo {
  int index = 0;
  // The directory's fields; width and height with 0 read as 256. For a
  // cursor, planes and bits hold the hot spot.
  int dirWidth = 0, dirHeight = 0, dirColours = 0, dirReserved = 0, dirPlanes = 0, dirBits = 0;
  std::uint32_t size = 0, offset = 0;
  bool inFile = false;    // the entry's bytes lie inside the file
  bool png = false;       // a PNG stream, not a bitmap
  bool readable = false;  // its data decodes
  // A bitmap header whose compression field is not 0; a PNG stream reads
  // as one to loaders that look for a bitmap header.
  bool compressedHeader = false;
  int width = 0, height = 0, bits = 0;  // from the data
  int pngDepth = 0, pngColourType = 0;  // bits per channel and colour type of a PNG
  std::uint64_t dataLength = 0;         // bytes the data needs: the PNG stream, the bitmap with its mask
};

// The directory of an icon or cursor file as the doctor saw it.
struct IconFileCheck {
  bool cursor = false;
  std::vector<EntryInfo> entries;
};

// Sizes an icon should have: an application's (Windows' guidance for its
// app icons) or a web site's.
enum class Profile { kApplication, kFavicon };

struct CheckOptions {
  Profile profile = Profile::kApplication;
  // Report missing recommended sizes (off for the later frames of an
  // animated cursor, which follow the first).
  bool sizes = true;
  // Pixels that PNG images may still decode to; past it their headers are
  // trusted (a hostile file of many tiny compressed frames must not cost
  // gigabytes). Examine sets it for a file; null: no limit.
  std::uint64_t* pixelBudget = nullptr;
};

// The sizes of a profile: those it must have and those for other display
// scales; cursors have their own.
[[nodiscard]] std::vector<int> RequiredSizes(Profile profile, bool cursor);
[[nodiscard]] std::vector<int> ScaleSizes(Profile profile, bool cursor);

// Checks an icon or cursor file, appending findings under part. The
// directory comes back for the picks (empty when the header is unusable).
[[nodiscard]] IconFileCheck CheckIconFile(std::span<const std::uint8_t> file, const CheckOptions& options,
                                          std::string_view part, std::vector<Finding>& out);

// Hot spots of one cursor's images (width, height, hot spot) that do not sit
// within one pixel of the largest image's, scaled: hotspot-outside and
// hotspot-mismatch findings with entry numbers from index.
struct HotSpotImage {
  int index = 0;
  int width = 0, height = 0;
  int x = 0, y = 0;
};
void CheckHotSpots(std::span<const HotSpotImage> images, std::string_view part, std::vector<Finding>& out);

}  // namespace pixmint::doctor
