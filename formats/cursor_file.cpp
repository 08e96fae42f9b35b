#include "formats/cursor_file.h"

#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/xcursor.h"

namespace pixmint::formats {

CursorFileKind SniffCursorFile(std::span<const std::uint8_t> bytes) {
  if (LooksLikeAni(bytes)) return CursorFileKind::kAnimatedCursor;
  if (LooksLikeXcursor(bytes)) return CursorFileKind::kXcursor;
  return CursorFileKind::kIconOrCursor;
}

std::optional<AnimatedCursor> ReadAnyCursorMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                                  const document::ErrorCallback& onError,
                                                  std::vector<std::string>* notes) {
  switch (SniffCursorFile(bytes)) {
    case CursorFileKind::kAnimatedCursor:
      return ReadAniMemory(bytes, name, onError, notes);
    case CursorFileKind::kXcursor:
      return ReadXcursorMemory(bytes, name, onError, notes);
    case CursorFileKind::kIconOrCursor:
      break;
  }
  auto icon = std::make_unique<document::TKvIcon>();
  bool reported = false;
  icon->SetErrorCallback([&](std::string_view message, std::string_view caption) {
    reported = true;
    if (onError) onError(message, caption);
  });
  const bool loaded = icon->LoadFromMemory(bytes, name);
  icon->SetErrorCallback({});
  if (!loaded) {
    if (!reported && onError) onError("Not an icon, cursor, animated cursor or Xcursor file", name);
    return std::nullopt;
  }
  icon->SetIcon(icon->FileType() != document::kTypeCursor);
  return FromSingleFrame(std::move(icon));
}

std::optional<AnimatedCursor> ReadAnyCursorFile(const std::string& fileName, const document::ErrorCallback& onError,
                                                std::vector<std::string>* notes) {
  const auto bytes = document::ReadWholeFile(fileName);
  if (!bytes) {
    if (onError) onError(document::kErrorOpening, fileName);
    return std::nullopt;
  }
  return ReadAnyCursorMemory(*bytes, fileName, onError, notes);
}

}  // namespace pixmint::formats
