#include "cli/cli_support.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "document/file_io.h"

namespace pixmint::cli {

int Fail(int code, std::string_view text) {
  std::cerr << "pixmint-cli: " << text << '\n';
  return code;
}

bool HasExtension(std::string_view path, std::string_view ext) {
  if (path.size() < ext.size()) return false;
  return std::equal(ext.begin(), ext.end(), path.end() - static_cast<std::ptrdiff_t>(ext.size()), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

bool LoadDocument(const std::string& path, document::TKvIcon& icon, std::string& error,
                  std::vector<std::uint8_t>* fileBytes) {
  std::string message;
  icon.SetIcon(!HasExtension(path, ".cur"));
  icon.SetErrorCallback([&message](std::string_view text, std::string_view) {
    if (message.empty()) message = text;
  });
  std::optional<std::vector<std::uint8_t>> bytes;
  if (fileBytes != nullptr) bytes = document::ReadWholeFile(path);
  const bool loaded = bytes ? icon.LoadFromMemory(*bytes, path) : icon.LoadFromFile(path);
  if (loaded && bytes) *fileBytes = std::move(*bytes);
  icon.SetErrorCallback({});
  if (loaded) return true;
  std::error_code ec;
  if (message.empty() && !std::filesystem::exists(path, ec)) message = "no such file";
  error = path + ": " + (message.empty() ? std::string("not an icon or cursor file") : message);
  return false;
}

}  // namespace pixmint::cli
