#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "convert/resample.h"
#include "texts/failure.h"

namespace pixmint::convert {

// A vector picture that can be drawn at any size. The core draws no SVG
// itself; a renderer outside it (the Qt SVG module) implements this.
class SvgPicture {
 public:
  virtual ~SvgPicture() = default;
  // The size the picture declares for itself, at least 1 x 1.
  [[nodiscard]] virtual int Width() const = 0;
  [[nodiscard]] virtual int Height() const = 0;
  // The whole picture stretched over width x height, on transparency.
  [[nodiscard]] virtual std::optional<Rgba> Render(int width, int height) const = 0;
};

class SvgLoader {
 public:
  virtual ~SvgLoader() = default;
  // A failure when the bytes are not a usable picture.
  [[nodiscard]] virtual texts::Result<std::unique_ptr<SvgPicture>> Load(std::span<const std::uint8_t> bytes) const = 0;
};

}  // namespace pixmint::convert
