#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/image_rgba.h"
#include "cli/program_support.h"
#include "document/file_io.h"
#include "document/ico_reader.h"
#include "document/png_codec.h"
#include "formats/cursor_argb.h"
#include "formats/xcursor_codec.h"

namespace pixmint::cli {
namespace {

namespace fs = std::filesystem;

// Made only once the input has been read, so a bad input leaves no folder.
texts::Result<void> MakeFolder(const fs::path& outDir) {
  std::error_code ec;
  fs::create_directories(outDir, ec);
  if (fs::is_directory(outDir)) return {};
  return ec ? document::SystemFailure(ec.value()) : texts::Failure{texts::Fail::kNotAFolderHere};
}

int NoFolder(const fs::path& outDir, const texts::Failure& why) {
  return Fail(kExitFailure,
              texts::EnglishMessage(texts::Within(texts::Fail::kCannotCreateFolder, {outDir.string()}, why)));
}

// Whether a picture replaced a file of the same name.
bool replacedAny = false;

// A picture that replaces an older one changes at once from the old to the
// new, and then the folder is flushed once for all of them at the end; new
// pictures are written as a plain copy would write them.
texts::Result<void> WritePicture(const std::optional<std::vector<std::uint8_t>>& png, const fs::path& out) {
  if (!png) return texts::Failure{texts::Fail::kCannotEncodeFile, {out.string()}};
  std::error_code ec;
  replacedAny = replacedAny || fs::exists(fs::symlink_status(out, ec));
  if (const auto written = document::WriteFileAtomically(out, *png, {.flush = false}); !written) {
    return texts::Within(texts::Fail::kCannotWriteBecause, {out.string()}, written.error());
  }
  return {};
}

int Flushed(const fs::path& outDir) {
  if (!replacedAny) return kExitOk;
  if (const auto synced = document::FinishFolder(outDir); !synced) {
    return Fail(kExitFailure, "cannot flush " + outDir.string() + ": " + texts::EnglishMessage(synced.error()));
  }
  return kExitOk;
}

// Image i as an RGBA PNG. A PNG entry that every decoder already shows as
// we do is copied (without the chunks that would make a viewer change its
// colours), which is much faster than encoding it again. file may be empty.
std::optional<std::vector<std::uint8_t>> PictureOf(const document::TKvIcon& icon, std::uint32_t i,
                                                   std::span<const std::uint8_t> file) {
  const document::ImageSurface& colour = *icon.XorBitmap(i);
  const auto w = static_cast<std::uint32_t>(colour.Width()), h = static_cast<std::uint32_t>(colour.Height());
  if (icon.IsPngCompressed(i) && !file.empty()) {
    if (const auto block = document::IconEntryBlock(file, i)) {
      if (auto plain = document::PlainRgbaPng(*block, w, h)) return plain;
    }
  }
  return document::EncodePng32(colour.Width(), colour.Height(), ImageRgba(icon, i), document::ChannelOrder::kRgba);
}

// Writes image i of icon as out.
texts::Result<void> WriteImage(const document::TKvIcon& icon, std::uint32_t i, const fs::path& out,
                               std::span<const std::uint8_t> file = {}) {
  if (icon.XorBitmap(i) == nullptr || icon.AndBitmap(i) == nullptr) {
    return texts::Failure{texts::Fail::kGroupImageMissing, {std::to_string(i)}};
  }
  return WritePicture(PictureOf(icon, i, file), out);
}

int ExtractIcon(const std::string& path, const formats::FileFormat* format, const fs::path& outDir,
                const std::string& stem) {
  document::TKvIcon icon;
  std::string error;
  std::vector<std::uint8_t> file;
  if (!LoadDocument(path, format, icon, error, &file)) return Fail(kExitFailure, error);
  if (const auto made = MakeFolder(outDir); !made) return NoFolder(outDir, made.error());
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const auto written = WriteImage(icon, i, outDir / (stem + "-" + std::to_string(i) + ".png"), file);
    if (!written) {
      const std::string why = texts::EnglishMessage(written.error());
      return Fail(kExitFailure, icon.XorBitmap(i) == nullptr ? path + ": " + why : why);
    }
  }
  return Flushed(outDir);
}

// STEM-F.png per frame; STEM-F-I.png per image when a frame has several.
int ExtractAnimated(const std::string& path, const fs::path& outDir, const std::string& stem) {
  std::string error;
  const auto cursor = LoadAnimated(path, error);
  if (!cursor) return Fail(kExitFailure, error);
  if (const auto made = MakeFolder(outDir); !made) return NoFolder(outDir, made.error());
  bool single = true;
  for (const auto& frame : cursor->frames) single = single && frame->ImageCount() == 1;
  for (std::size_t f = 0; f < cursor->frames.size(); ++f) {
    const document::TKvIcon& frame = *cursor->frames[f];
    for (std::uint32_t i = 0; i < frame.ImageCount(); ++i) {
      std::string name = stem + "-" + std::to_string(f);
      if (!single) name += "-" + std::to_string(i);
      const auto written = WriteImage(frame, i, outDir / (name + ".png"));
      if (!written) return Fail(kExitFailure, texts::EnglishMessage(written.error()));
    }
  }
  return Flushed(outDir);
}

// STEM-I.png per image, in the file's order.
int ExtractXcursor(const std::string& path, const fs::path& outDir, const std::string& stem) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return Fail(kExitFailure, path + ": cannot read the file");
  const auto images = formats::DecodeXcursor(*bytes);
  if (!images) return Fail(kExitFailure, path + ": " + texts::EnglishMessage(images.error()));
  if (const auto made = MakeFolder(outDir); !made) return NoFolder(outDir, made.error());
  for (std::size_t i = 0; i < images->size(); ++i) {
    const formats::ArgbImage& image = (*images)[i].image;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(image.pixels.size() * 4);
    for (std::uint32_t p : image.pixels) {
      const std::uint32_t argb = formats::Unpremultiply(p);
      for (int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<std::uint8_t>(argb >> shift));
    }
    const fs::path out = outDir / (stem + "-" + std::to_string(i) + ".png");
    const auto written =
        WritePicture(document::EncodePng32(image.width, image.height, rgba, document::ChannelOrder::kRgba), out);
    if (!written) return Fail(kExitFailure, texts::EnglishMessage(written.error()));
  }
  return Flushed(outDir);
}

}  // namespace

int RunExtract(std::span<const std::string> args) {
  if (args.size() != 2) return Fail(kExitUsage, "usage: pixmint-cli extract FILE OUTDIR");
  const std::string& path = args[0];
  const formats::FileFormat* format = InputFormat(path);
  const formats::Holds holds = format != nullptr ? format->holds : formats::Holds::kIcon;
  if (holds == formats::Holds::kIconGroups) return ExtractProgram(path, args[1]);
  const fs::path outDir = args[1];
  const std::string stem = fs::path(path).stem().string();
  if (holds != formats::Holds::kAnimation) return ExtractIcon(path, format, outDir, stem);
  if (format->kind == formats::FileKind::kXcursor) return ExtractXcursor(path, outDir, stem);
  return ExtractAnimated(path, outDir, stem);
}

}  // namespace pixmint::cli
