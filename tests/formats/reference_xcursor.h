#pragma once

#include <filesystem>
#include <vector>

#include "formats/xcursor_codec.h"

namespace pixmint::test {

// The Xcursor library's own reading, in our terms. Kept apart because the X
// headers define macros (None, Bool, ...) that clash with the test framework.
//
// Every image of a file, or with size those of the nominal size nearest it.
[[nodiscard]] std::vector<formats::XcursorImage> ReferenceRead(const std::filesystem::path& file, int size = 0);

}  // namespace pixmint::test
