#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "convert/resample.h"
#include "convert/svg_source.h"

namespace pixmint::convert {

// Largest side of a bitmap master: four times the largest icon image.
inline constexpr int kMaxMasterSide = 4096;

// One picture an icon is made from: a bitmap (PNG, JPEG or BMP) or an SVG
// picture drawn anew at every size.
class Master {
 public:
  Master(std::string name, Rgba bitmap);
  Master(std::string name, std::shared_ptr<const SvgPicture> svg);

  [[nodiscard]] const std::string& Name() const { return name_; }
  [[nodiscard]] bool IsSvg() const { return svg_ != nullptr; }
  // The bitmap's size, or the size an SVG picture declares.
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] int Side() const { return std::max(width_, height_); }
  // The picture fitted into a square of side pixels (see FitSquare); a
  // bitmap of exactly that square size comes back unscaled. For a cursor a
  // bitmap is scaled as cursors are (ResampleRgba: crisp whole multiples,
  // area means otherwise), an SVG is drawn at the size as always.
  [[nodiscard]] std::optional<Rgba> Square(int side, bool cursor = false) const;

 private:
  std::string name_;
  std::shared_ptr<const SvgPicture> svg_;
  std::shared_ptr<const Resampler> bitmap_;
  int width_ = 0;
  int height_ = 0;
};

enum class PictureKind { kUnknown, kPng, kJpeg, kBmp, kSvg };

// What the bytes hold, by their signature; SVG by its text (or a gzip
// signature with the name ending in .svgz).
[[nodiscard]] PictureKind DetectPicture(std::span<const std::uint8_t> bytes, const std::string& name);

// Decodes a master from memory; svg may be null, and then SVG pictures are
// refused. A failure for anything unreadable or too large.
[[nodiscard]] texts::Result<Master> MasterFromBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                                    const SvgLoader* svg);
[[nodiscard]] texts::Result<Master> LoadMaster(const std::filesystem::path& path, const SvgLoader* svg);

}  // namespace pixmint::convert
