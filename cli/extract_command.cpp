#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "document/file_io.h"
#include "document/png_codec.h"

namespace pixmint::cli {

namespace {

// Image i as 8-bit RGBA, rows top-down. Transparent and screen-inverting
// pixels become (0, 0, 0, 0); a 32-bit image whose alpha bytes are not all
// 0 shows its own alpha, otherwise every opaque pixel has alpha 255.
std::vector<std::uint8_t> ImageRgba(const document::TKvIcon& icon, std::uint32_t i) {
  const document::ImageSurface& colour = *icon.XorBitmap(i);
  const document::MaskSurface& mask = *icon.AndBitmap(i);
  const bool alphaDecides = colour.BitCount() == 32 && document::HasAlpha(colour);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(colour.Width()) * colour.Height() * 4, 0);
  std::uint8_t* p = out.data();
  for (int y = 0; y < colour.Height(); ++y) {
    for (int x = 0; x < colour.Width(); ++x, p += 4) {
      const std::uint8_t alpha = alphaDecides ? colour.Alpha(x, y) : (mask.Get(x, y) ? 0 : 255);
      if (alpha == 0) continue;
      const raster::Colour c = colour.GetPixel(x, y);
      p[0] = raster::Red(c);
      p[1] = raster::Green(c);
      p[2] = raster::Blue(c);
      p[3] = alpha;
    }
  }
  return out;
}

}  // namespace

int RunExtract(std::span<const std::string> args) {
  if (args.size() != 2) return Fail(kExitUsage, "usage: pixmint-cli extract FILE OUTDIR");
  const std::string& path = args[0];
  const std::filesystem::path outDir = args[1];
  document::TKvIcon icon;
  std::string error;
  if (!LoadDocument(path, icon, error)) return Fail(kExitFailure, error);
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (!std::filesystem::is_directory(outDir)) return Fail(kExitFailure, "cannot create folder " + outDir.string());
  const std::string stem = std::filesystem::path(path).stem().string();
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    if (icon.XorBitmap(i) == nullptr || icon.AndBitmap(i) == nullptr) {
      return Fail(kExitFailure, path + ": image " + std::to_string(i) + " is missing");
    }
    const document::ImageSurface& colour = *icon.XorBitmap(i);
    const auto png =
        document::EncodePng32(colour.Width(), colour.Height(), ImageRgba(icon, i), document::ChannelOrder::kRgba);
    const std::filesystem::path out = outDir / (stem + "-" + std::to_string(i) + ".png");
    if (!png || !document::WriteFileAtomically(out, *png)) return Fail(kExitFailure, "cannot write " + out.string());
  }
  return kExitOk;
}

}  // namespace pixmint::cli
