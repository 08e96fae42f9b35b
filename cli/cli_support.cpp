#include "cli/cli_support.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <iostream>
#include <thread>

#include "cli/cli_command.h"
#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/file_kinds.h"
#include "texts/numbers.h"

namespace pixmint::cli {
namespace {

// The line for a file that cannot be read: its name and why, in English.
std::string LoadError(const std::string& path, const texts::Failure& failure) {
  return path + ": " + texts::EnglishMessage(failure);
}

std::vector<std::string> InEnglish(const std::vector<texts::Failure>& notes) {
  std::vector<std::string> lines;
  for (const texts::Failure& note : notes) lines.push_back(texts::EnglishMessage(note));
  return lines;
}

}  // namespace

namespace {
// The command whose help a usage error points to; empty before one is chosen.
std::string usageCommand;
}  // namespace

void SetUsageCommand(std::string_view command) {
  usageCommand = command;
}

std::string UsageHint() {
  return "try 'pixmint-cli " + (usageCommand.empty() ? std::string() : usageCommand + " ") + "--help'";
}

int Fail(int code, std::string_view text) {
  std::cerr << "pixmint-cli: " << text;
  if (code == kExitUsage) std::cerr << "; " << UsageHint();
  std::cerr << '\n';
  return code;
}

bool HasExtension(std::string_view path, std::string_view ext) {
  if (path.size() < ext.size()) return false;
  return std::equal(ext.begin(), ext.end(), path.end() - static_cast<std::ptrdiff_t>(ext.size()), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

bool LoadDocument(const std::string& path, const formats::FileFormat* format, document::TKvIcon& icon,
                  std::string& error, std::vector<std::uint8_t>* fileBytes) {
  const bool imported = format != nullptr && format->read != nullptr && !format->savedBack &&
                        (format->holds == formats::Holds::kIcon || format->holds == formats::Holds::kCursor);
  if (imported) {
    const auto read = formats::ReadFileAs(format, path);
    icon.SetIcon(format->holds == formats::Holds::kIcon);
    if (!read) {
      error = LoadError(path, read.error());
      return false;
    }
    const document::TKvIcon* frame = !read->frames.empty() ? read->frames.front().get() : nullptr;
    bool loaded = frame != nullptr;
    for (std::uint32_t i = 0; loaded && i < frame->ImageCount(); ++i) loaded = icon.AppendImage(*frame, i);
    if (!loaded) error = LoadError(path, texts::Fail::kNotIconOrCursor);
    return loaded;
  }
  icon.SetIcon(!HasExtension(path, ".cur"));
  std::optional<std::vector<std::uint8_t>> bytes;
  if (fileBytes != nullptr) bytes = document::ReadWholeFile(path);
  const texts::Result<void> loaded = bytes ? icon.LoadFromMemory(*bytes, path) : icon.LoadFromFile(path);
  if (loaded && bytes) *fileBytes = std::move(*bytes);
  if (loaded) return true;
  error = LoadError(path, loaded.error());
  return false;
}

const formats::FileFormat* InputFormat(const std::string& path) {
  const formats::FileFormat* content = formats::FormatByContent(formats::ReadHead(path));
  if (content != nullptr && content->holds == formats::Holds::kIconGroups) return content;
  if (const formats::FileFormat* named = formats::FormatByName(path)) return named;
  return content;
}

std::optional<formats::AnimatedCursor> LoadAnimated(const std::string& path, std::string& error) {
  std::vector<texts::Failure> warnings;
  auto cursor = formats::ReadAniFile(path, &warnings);
  PrintNotes(InEnglish(warnings));
  if (!cursor) {
    error = LoadError(path, cursor.error());
    return std::nullopt;
  }
  return std::move(*cursor);
}

std::optional<formats::AnimatedCursor> LoadAnyCursor(const std::string& path, std::vector<std::string>& notes,
                                                     std::string& error) {
  std::vector<texts::Failure> read;
  auto cursor = formats::ReadAnyCursorFile(path, &read);
  const std::vector<std::string> lines = InEnglish(read);
  notes.insert(notes.end(), lines.begin(), lines.end());
  if (!cursor) {
    error = LoadError(path, cursor.error());
    return std::nullopt;
  }
  return std::move(*cursor);
}

void PrintNotes(const std::vector<std::string>& notes) {
  for (const std::string& note : notes) std::cerr << "pixmint-cli: note: " << Escaped(note) << '\n';
}

std::string Escaped(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  auto hex = [&out](unsigned char c) {
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 15];
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1) {
      hex(c);
      hex(static_cast<unsigned char>(text[++i]));
    } else if (c < 0x20 || c == 0x7F) {
      hex(c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

void LimitTime(int seconds, const std::string& what) {
  const std::string message =
      "pixmint-cli: " + what + " took longer than " + std::to_string(seconds) + " s (the limit)\n";
  std::thread([seconds, message] {
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    // The main thread may be anywhere: write and leave without running
    // anything of its own.
    (void)!::write(STDERR_FILENO, message.data(), message.size());
    std::_Exit(kExitFailure);
  }).detach();
}

std::optional<int> ParseNumber(std::string_view s) {
  const auto value = texts::ParseWhole<int>(s);
  return value && *value >= 0 ? value : std::nullopt;
}

}  // namespace pixmint::cli
