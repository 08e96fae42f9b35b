#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/image_rgba.h"
#include "cli/program_support.h"
#include "document/file_io.h"
#include "document/png_codec.h"
#include "formats/cursor_argb.h"
#include "formats/xcursor_codec.h"

namespace pixmint::cli {
namespace {

namespace fs = std::filesystem;

// Made only once the input has been read, so a bad input leaves no folder.
bool MakeFolder(const fs::path& outDir) {
  std::error_code ec;
  fs::create_directories(outDir, ec);
  return fs::is_directory(outDir);
}

int NoFolder(const fs::path& outDir) {
  return Fail(kExitFailure, "cannot create folder " + outDir.string());
}

// Writes image i of icon as out; answers an empty string or the reason.
std::string WriteImage(const document::TKvIcon& icon, std::uint32_t i, const fs::path& out) {
  const document::ImageSurface* colour = icon.XorBitmap(i);
  if (colour == nullptr || icon.AndBitmap(i) == nullptr) return "image " + std::to_string(i) + " is missing";
  const auto png =
      document::EncodePng32(colour->Width(), colour->Height(), ImageRgba(icon, i), document::ChannelOrder::kRgba);
  if (!png || !document::WriteFileAtomically(out, *png)) return "cannot write " + out.string();
  return {};
}

int ExtractIcon(const std::string& path, const fs::path& outDir, const std::string& stem) {
  document::TKvIcon icon;
  std::string error;
  if (!LoadDocument(path, icon, error)) return Fail(kExitFailure, error);
  if (!MakeFolder(outDir)) return NoFolder(outDir);
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const std::string why = WriteImage(icon, i, outDir / (stem + "-" + std::to_string(i) + ".png"));
    if (!why.empty()) return Fail(kExitFailure, icon.XorBitmap(i) == nullptr ? path + ": " + why : why);
  }
  return kExitOk;
}

// STEM-F.png per frame; STEM-F-I.png per image when a frame has several.
int ExtractAnimated(const std::string& path, const fs::path& outDir, const std::string& stem) {
  std::string error;
  const auto cursor = LoadAnimated(path, error);
  if (!cursor) return Fail(kExitFailure, error);
  if (!MakeFolder(outDir)) return NoFolder(outDir);
  bool single = true;
  for (const auto& frame : cursor->frames) single = single && frame->ImageCount() == 1;
  for (std::size_t f = 0; f < cursor->frames.size(); ++f) {
    const document::TKvIcon& frame = *cursor->frames[f];
    for (std::uint32_t i = 0; i < frame.ImageCount(); ++i) {
      std::string name = stem + "-" + std::to_string(f);
      if (!single) name += "-" + std::to_string(i);
      const std::string why = WriteImage(frame, i, outDir / (name + ".png"));
      if (!why.empty()) return Fail(kExitFailure, why);
    }
  }
  return kExitOk;
}

// STEM-I.png per image, in the file's order.
int ExtractXcursor(const std::string& path, const fs::path& outDir, const std::string& stem) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return Fail(kExitFailure, path + ": cannot read the file");
  std::string why;
  const auto images = formats::DecodeXcursor(*bytes, why);
  if (!images) return Fail(kExitFailure, path + ": " + why);
  if (!MakeFolder(outDir)) return NoFolder(outDir);
  for (std::size_t i = 0; i < images->size(); ++i) {
    const formats::ArgbImage& image = (*images)[i].image;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(image.pixels.size() * 4);
    for (std::uint32_t p : image.pixels) {
      const std::uint32_t argb = formats::Unpremultiply(p);
      for (int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<std::uint8_t>(argb >> shift));
    }
    const fs::path out = outDir / (stem + "-" + std::to_string(i) + ".png");
    const auto png = document::EncodePng32(image.width, image.height, rgba, document::ChannelOrder::kRgba);
    if (!png || !document::WriteFileAtomically(out, *png)) return Fail(kExitFailure, "cannot write " + out.string());
  }
  return kExitOk;
}

}  // namespace

int RunExtract(std::span<const std::string> args) {
  if (args.size() != 2) return Fail(kExitUsage, "usage: pixmint-cli extract FILE OUTDIR");
  const std::string& path = args[0];
  if (IsProgramFile(path)) return ExtractProgram(path, args[1]);
  const fs::path outDir = args[1];
  const std::string stem = fs::path(path).stem().string();
  switch (KindOf(path)) {
    case InputKind::kAnimatedCursor:
      return ExtractAnimated(path, outDir, stem);
    case InputKind::kXcursor:
      return ExtractXcursor(path, outDir, stem);
    case InputKind::kIconOrCursor:
      break;
  }
  return ExtractIcon(path, outDir, stem);
}

}  // namespace pixmint::cli
