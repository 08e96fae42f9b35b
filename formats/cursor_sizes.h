#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "convert/cursor_scale.h"
#include "document/kv_icon.h"
#include "formats/animated_cursor.h"
#include "formats/cursor_argb.h"
#include "formats/xcursor_codec.h"

namespace pixmint::formats {

// Cursor documents at sizes they lack, made by the cursor scaler
// (convert/cursor_scale.h): an image's size is its nominal size, the larger
// side.

// The image of icon that makes side, as ChooseCursorSource picks among the
// images' sizes (of several images of one size, the deepest), and how.
struct CursorSizeSource {
  std::uint32_t image = 0;
  convert::CursorScaling scaling = convert::CursorScaling::kExact;
};
[[nodiscard]] std::optional<CursorSizeSource> FindCursorSizeSource(const document::TKvIcon& icon, int side);

// Image i of icon made at nominal size side as premultiplied ARGB (see
// ToPremultipliedArgb), its hot spot scaled by ScaleCursorHotSpot. Nothing
// when there is no image i or side is not positive.
[[nodiscard]] std::optional<ArgbConversion> ScaledCursorImage(const document::TKvIcon& icon, std::uint32_t i, int side);

struct AddedCursorSize {
  int side = 0;
  std::uint32_t source = 0;  // the image it was made from
  convert::CursorScaling scaling = convert::CursorScaling::kExact;
};

// Appends to icon an image of every side in sides that no image of it has,
// in the order given. A whole multiple of the source keeps its depth, colour
// table, mask and screen-inverting pixels (each pixel a block); any other
// size is a 32-bit image with alpha. Hot spots are scaled. Sides it already
// has are skipped. A failure, and icon as it was, when icon has no image, a
// side is outside 1 to 256, or the images would not fit.
[[nodiscard]] texts::Result<void> AddCursorSizes(document::TKvIcon& icon, std::span<const int> sides,
                                                 std::vector<AddedCursorSize>& added);

// The Xcursor images of an animated (or one-frame) cursor at exactly the
// sizes given, in that order: each size holds one image per step, delayed
// by the step's time, every frame's image made from its own best source.
// notes as XcursorImagesOf gives them. A failure when the cursor is not
// writable, sides is empty or a side is outside 1 to kMaxThemeSide.
inline constexpr int kMaxThemeSide = 512;
[[nodiscard]] texts::Result<std::vector<XcursorImage>> XcursorImagesAtSizes(const AnimatedCursor& cursor,
                                                                            std::span<const int> sides,
                                                                            std::vector<texts::Failure>& notes);

}  // namespace pixmint::formats
