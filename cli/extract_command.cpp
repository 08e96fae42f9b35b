#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/image_rgba.h"
#include "document/file_io.h"
#include "document/png_codec.h"

namespace pixmint::cli {
namespace {

// Image i as an RGBA PNG. A PNG entry that every decoder already shows as
// we do is copied (without the chunks that would make a viewer change its
// colours), which is much faster than encoding it again.
std::optional<std::vector<std::uint8_t>> PictureOf(const document::TKvIcon& icon, std::uint32_t i,
                                                   std::span<const std::uint8_t> file) {
  const document::ImageSurface& colour = *icon.XorBitmap(i);
  const auto w = static_cast<std::uint32_t>(colour.Width()), h = static_cast<std::uint32_t>(colour.Height());
  if (icon.IsPngCompressed(i)) {
    if (const auto block = document::IconEntryBlock(file, i)) {
      if (auto plain = document::PlainRgbaPng(*block, w, h)) return plain;
    }
  }
  return document::EncodePng32(colour.Width(), colour.Height(), ImageRgba(icon, i), document::ChannelOrder::kRgba);
}

}  // namespace

int RunExtract(std::span<const std::string> args) {
  if (args.size() != 2) return Fail(kExitUsage, "usage: pixmint-cli extract FILE OUTDIR");
  const std::string& path = args[0];
  const std::filesystem::path outDir = args[1];
  document::TKvIcon icon;
  std::string error;
  std::vector<std::uint8_t> file;
  if (!LoadDocument(path, icon, error, &file)) return Fail(kExitFailure, error);
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (!std::filesystem::is_directory(outDir)) {
    const std::string why = ec ? document::ErrorReason(ec.value()) : std::string("not a folder");
    return Fail(kExitFailure, "cannot create folder " + outDir.string() + ": " + why);
  }
  const std::string stem = std::filesystem::path(path).stem().string();
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    if (icon.XorBitmap(i) == nullptr || icon.AndBitmap(i) == nullptr) {
      return Fail(kExitFailure, path + ": image " + std::to_string(i) + " is missing");
    }
    const std::filesystem::path out = outDir / (stem + "-" + std::to_string(i) + ".png");
    const auto png = PictureOf(icon, i, file);
    if (!png) return Fail(kExitFailure, "cannot encode " + out.string());
    // Each picture still appears whole or not at all; the folder is flushed
    // once for all of them.
    if (const auto written = document::WriteFileAtomically(out, *png, {.flush = false}); !written) {
      return Fail(kExitFailure, "cannot write " + out.string() + ": " + written.Reason());
    }
  }
  if (const auto synced = document::SyncFolder(outDir); !synced) {
    return Fail(kExitFailure, "cannot flush " + outDir.string() + ": " + synced.Reason());
  }
  return kExitOk;
}

}  // namespace pixmint::cli
