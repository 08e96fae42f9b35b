#pragma once

#include <memory>

#include "convert/svg_source.h"

class QGuiApplication;

namespace pixmint::svg {

// Draws SVG pictures with QSvgRenderer into images, without a display.
// Drawing text needs a GUI application object; when the program has none
// (the command line), the loader makes one on the offscreen platform for as
// long as it lives. Pictures it gave out must go before it.
class QtSvgLoader : public convert::SvgLoader {
 public:
  QtSvgLoader();
  ~QtSvgLoader() override;
  QtSvgLoader(const QtSvgLoader&) = delete;
  QtSvgLoader& operator=(const QtSvgLoader&) = delete;

  [[nodiscard]] std::unique_ptr<convert::SvgPicture> Load(std::span<const std::uint8_t> bytes,
                                                          std::string& why) const override;

 private:
  void EnsureApplication() const;
  mutable std::unique_ptr<QGuiApplication> app_;
};

}  // namespace pixmint::svg
