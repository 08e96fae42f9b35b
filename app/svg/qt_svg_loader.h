#pragma once

#include <memory>

#include "convert/svg_source.h"

namespace pixmint::svg {

// Draws SVG pictures with QSvgRenderer into images, without a display.
// Drawing text needs a GUI application object; when the program has none
// (the command line), the first Load makes one on the offscreen platform.
class QtSvgLoader : public convert::SvgLoader {
 public:
  [[nodiscard]] texts::Result<std::unique_ptr<convert::SvgPicture>> Load(
      std::span<const std::uint8_t> bytes) const override;

 private:
  static void EnsureApplication();
};

}  // namespace pixmint::svg
