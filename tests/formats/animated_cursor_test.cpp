#include "formats/animated_cursor.h"

#include <gtest/gtest.h>

#include "format_samples.h"

namespace pixmint::formats {
namespace {

using test::MakeCursor;

TEST(CloneIcon, KeepsTablesFlagsAndHotSpotsOfIconsAndCursors) {
  for (bool isIcon : {true, false}) {
    auto icon = MakeCursor({{16, 4, {3, 5}}, {24, 24, {7, 1}}, {256, 32, {200, 100}}});
    ASSERT_TRUE(icon->ChangeFormat(1, 24, 24, 8));  // a table of its own
    icon->SetHotSpot(1, {7, 1});
    icon->SetPngCompressed(2, true);
    icon->SetIcon(isIcon);
    const auto copy = CloneIcon(*icon);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(test::SameIcon(*icon, *copy));
  }
  EXPECT_FALSE(CloneIcon(document::TKvIcon{}));
}

}  // namespace
}  // namespace pixmint::formats
