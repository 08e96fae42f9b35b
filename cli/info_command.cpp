#include <algorithm>
#include <iostream>
#include <unordered_set>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/program_support.h"
#include "document/file_io.h"
#include "formats/xcursor_codec.h"

namespace pixmint::cli {
namespace {

int InfoIcon(const std::string& path, const formats::FileFormat* format) {
  document::TKvIcon icon;
  std::string error;
  if (!LoadDocument(path, format, icon, error)) return Fail(kExitFailure, error);
  const std::uint32_t count = icon.ImageCount();
  for (std::uint32_t i = 0; i < count; ++i) {
    if (icon.XorBitmap(i) == nullptr) return Fail(kExitFailure, path + ": image " + std::to_string(i) + " is missing");
  }
  std::cout << path << ": " << (icon.FileType() == document::kTypeCursor ? "cursor" : "icon") << ", " << count
            << " images" << '\n';
  PrintImages(std::cout, icon, "");
  return kExitOk;
}

int InfoAnimated(const std::string& path) {
  std::string error;
  const auto cursor = LoadAnimated(path, error);
  if (!cursor) return Fail(kExitFailure, error);
  std::cout << path << ": animated cursor, " << cursor->frames.size() << " frames, " << cursor->steps.size()
            << " steps\n";
  if (!cursor->title.empty()) std::cout << "title: " << Escaped(cursor->title) << '\n';
  if (!cursor->author.empty()) std::cout << "author: " << Escaped(cursor->author) << '\n';
  for (std::size_t f = 0; f < cursor->frames.size(); ++f) {
    std::cout << "frame " << f << ": " << cursor->frames[f]->ImageCount() << " images\n";
    PrintImages(std::cout, *cursor->frames[f], "  ");
  }
  std::cout << "sequence:";
  for (const formats::AnimationStep& s : cursor->steps) std::cout << ' ' << s.frame;
  std::cout << "\nrates:";
  for (const formats::AnimationStep& s : cursor->steps) std::cout << ' ' << s.jiffies;
  std::cout << " (jiffies)\n";
  return kExitOk;
}

int InfoXcursor(const std::string& path) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return Fail(kExitFailure, path + ": cannot read the file");
  const auto images = formats::DecodeXcursor(*bytes);
  if (!images) return Fail(kExitFailure, path + ": " + texts::EnglishMessage(images.error()));
  std::unordered_set<std::uint32_t> sizes;
  for (const formats::XcursorImage& x : *images) sizes.insert(x.nominalSize);
  std::cout << path << ": xcursor, " << images->size() << " images, " << sizes.size() << " sizes\n";
  for (std::size_t i = 0; i < images->size(); ++i) {
    const formats::XcursorImage& x = (*images)[i];
    std::cout << i << ": size " << x.nominalSize << ' ' << x.image.width << 'x' << x.image.height << " hotspot "
              << x.image.hotSpot.x << ',' << x.image.hotSpot.y << " delay " << x.delayMs << "ms\n";
  }
  return kExitOk;
}

}  // namespace

int RunInfo(std::span<const std::string> args) {
  if (args.size() != 1) return Fail(kExitUsage, "usage: pixmint-cli info FILE");
  const std::string& path = args[0];
  const formats::FileFormat* format = InputFormat(path);
  const formats::Holds holds = format != nullptr ? format->holds : formats::Holds::kIcon;
  if (holds == formats::Holds::kIconGroups) return InfoProgram(path);
  int code = kExitOk;
  if (holds != formats::Holds::kAnimation) {
    code = InfoIcon(path, format);
  } else if (format->kind == formats::FileKind::kXcursor) {
    code = InfoXcursor(path);
  } else {
    code = InfoAnimated(path);
  }
  if (code != kExitOk) return code;
  return std::cout.flush() ? kExitOk : Fail(kExitFailure, "cannot write the output");
}

}  // namespace pixmint::cli
