#include "formats/file_kinds.h"

#include <algorithm>
#include <cctype>

#include "document/file_io.h"

namespace pixmint::formats {
namespace {

bool EndsWith(std::string_view path, std::string_view ext) {
  return !ext.empty() && path.size() >= ext.size() &&
         std::equal(ext.begin(), ext.end(), path.end() - static_cast<std::ptrdiff_t>(ext.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(b)) == a; });
}

}  // namespace

std::optional<AnimatedCursor> ReadIconOrCursorMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                                     const document::ErrorCallback& onError,
                                                     std::vector<std::string>*) {
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

const FileFormat& Format(FileKind kind) {
  return *std::find_if(std::begin(kFileFormats), std::end(kFileFormats),
                       [kind](const FileFormat& f) { return f.kind == kind; });
}

const FileFormat* FormatByContent(std::span<const std::uint8_t> head) {
  for (const FileFormat& format : kFileFormats) {
    if (format.looksLike != nullptr && format.looksLike(head)) return &format;
  }
  return nullptr;
}

const FileFormat* FormatByName(std::string_view path) {
  for (const FileFormat& format : kFileFormats) {
    if (EndsWith(path, format.extension)) return &format;
  }
  return nullptr;
}

std::vector<std::uint8_t> ReadHead(const std::string& path) {
  return document::ReadFileHead(path, kHeadBytes).value_or(std::vector<std::uint8_t>{});
}

std::optional<AnimatedCursor> ReadFileAs(const FileFormat* format, const std::string& path,
                                         const document::ErrorCallback& onError, std::vector<std::string>* notes) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) {
    if (onError) onError(document::kErrorOpening, path);
    return std::nullopt;
  }
  return format != nullptr && format->read != nullptr ? format->read(*bytes, path, onError, notes)
                                                      : ReadAnyCursorMemory(*bytes, path, onError, notes);
}

std::optional<AnimatedCursor> ReadAnyCursorMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                                  const document::ErrorCallback& onError,
                                                  std::vector<std::string>* notes) {
  const FileFormat* format = FormatByContent(bytes);
  if (format == nullptr || format->read == nullptr) format = &Format(FileKind::kIcon);
  return format->read(bytes, name, onError, notes);
}

std::optional<AnimatedCursor> ReadAnyCursorFile(const std::string& fileName, const document::ErrorCallback& onError,
                                                std::vector<std::string>* notes) {
  return ReadFileAs(nullptr, fileName, onError, notes);
}

}  // namespace pixmint::formats
