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

texts::Result<AnimatedCursor> ReadIconOrCursorMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                                     std::vector<texts::Failure>*) {
  auto icon = std::make_unique<document::TKvIcon>();
  if (texts::Result<void> loaded = icon->LoadFromMemory(bytes, name); !loaded) {
    // Every kind's content test failed before this reader was asked.
    if (loaded.error().code == texts::Fail::kNotIconOrCursor) return texts::Failure{texts::Fail::kNotAnyCursorFile};
    return loaded.error();
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

texts::Result<AnimatedCursor> ReadFileAs(const FileFormat* format, const std::string& path,
                                         std::vector<texts::Failure>* notes) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return texts::Failure{texts::Fail::kCannotOpenFile};
  return format != nullptr && format->read != nullptr ? format->read(*bytes, path, notes)
                                                      : ReadAnyCursorMemory(*bytes, path, notes);
}

texts::Result<AnimatedCursor> ReadAnyCursorMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                                  std::vector<texts::Failure>* notes) {
  const FileFormat* format = FormatByContent(bytes);
  if (format == nullptr || format->read == nullptr) format = &Format(FileKind::kIcon);
  return format->read(bytes, name, notes);
}

texts::Result<AnimatedCursor> ReadAnyCursorFile(const std::string& fileName, std::vector<texts::Failure>* notes) {
  return ReadFileAs(nullptr, fileName, notes);
}

}  // namespace pixmint::formats
