#pragma once

#include <QImage>

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

// Image i of the document as it shows over a plain background (alpha blended,
// transparent and inverting pixels as Windows draws them); a larger image is
// shrunk whole to fit maxWidth x maxHeight. Null when there is no image i.
[[nodiscard]] QImage IconOverBackground(const document::TKvIcon& icon, int i, QColor background, int maxWidth,
                                        int maxHeight);

}  // namespace pixmint::app
