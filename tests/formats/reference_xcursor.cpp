#include "reference_xcursor.h"

#include <X11/Xcursor/Xcursor.h>

#include <memory>

namespace pixmint::test {
namespace {

struct ImagesDeleter {
  void operator()(XcursorImages* images) const { XcursorImagesDestroy(images); }
};
using LoadedImages = std::unique_ptr<XcursorImages, ImagesDeleter>;

std::vector<formats::XcursorImage> Convert(const LoadedImages& loaded) {
  std::vector<formats::XcursorImage> out;
  for (int k = 0; loaded && k < loaded->nimage; ++k) {
    const ::XcursorImage& x = *loaded->images[k];
    formats::XcursorImage ours;
    ours.nominalSize = x.size;
    ours.delayMs = x.delay;
    ours.image.width = static_cast<int>(x.width);
    ours.image.height = static_cast<int>(x.height);
    ours.image.hotSpot = {static_cast<int>(x.xhot), static_cast<int>(x.yhot)};
    ours.image.pixels.assign(x.pixels, x.pixels + std::size_t{x.width} * x.height);
    out.push_back(std::move(ours));
  }
  return out;
}

}  // namespace

std::vector<formats::XcursorImage> ReferenceRead(const std::filesystem::path& file, int size) {
  return Convert(LoadedImages(size == 0 ? XcursorFilenameLoadAllImages(file.c_str())
                                        : XcursorFilenameLoadImages(file.c_str(), size)));
}

}  // namespace pixmint::test
