#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

// How many times an image of `side` pixels is enlarged in a preview: small
// images are shown at least about 96 pixels across.
[[nodiscard]] int PreviewZoom(int side);

// Image i as it shows (transparent where the screen shows through),
// enlarged by zoom over a grey checkerboard. Null for a missing image.
[[nodiscard]] QImage PreviewImage(const document::TKvIcon& icon, int i, int zoom);

// Every image of the document enlarged, side by side with a caption under
// each ("16 x 16, 32 位"), on one strip; `images` receives the enlarged ones.
[[nodiscard]] QImage PreviewStrip(const document::TKvIcon& icon, std::vector<QImage>* images = nullptr);

// The largest image of a document (then the deepest), or -1.
[[nodiscard]] int LargestImage(const document::TKvIcon& icon);

// "16 x 16, 32 位" of image i.
[[nodiscard]] QString ImageCaption(const document::TKvIcon& icon, int i);

}  // namespace pixmint::app
