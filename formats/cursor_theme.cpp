#include "formats/cursor_theme.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "document/file_io.h"
#include "formats/cursor_file.h"
#include "formats/install_inf.h"
#include "formats/xcursor.h"

namespace pixmint::formats {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The folder's regular files by lowered name, in name order.
std::map<std::string, fs::path> FolderFiles(const fs::path& folder, std::string& why) {
  std::map<std::string, fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) files.emplace(Lower(it->path().filename().string()), it->path());
  }
  if (ec) why = "cannot read the folder " + folder.string() + ": " + ec.message();
  return files;
}

// install.inf, or the only .inf file of the folder.
std::optional<fs::path> FindInf(const std::map<std::string, fs::path>& files) {
  if (const auto it = files.find("install.inf"); it != files.end()) return it->second;
  std::optional<fs::path> only;
  for (const auto& [name, path] : files) {
    if (fs::path(name).extension() != ".inf") continue;
    if (only) return std::nullopt;
    only = path;
  }
  return only;
}

bool SourcesFromInf(const fs::path& inf, const std::map<std::string, fs::path>& files, ThemeSources& out,
                    std::string& why) {
  const auto bytes = document::ReadWholeFile(inf, 1 << 20);
  if (!bytes) {
    why = "cannot read " + inf.string();
    return false;
  }
  const auto scheme = ParseInstallInf(*bytes, why);
  if (!scheme) {
    why = inf.string() + ": " + why;
    return false;
  }
  out.schemeName = scheme->name;
  for (const auto& [role, file] : scheme->files) {
    const auto it = files.find(Lower(file));
    if (it == files.end()) {
      out.notes.push_back(std::string(role->windowsName) + ": " + file + ", named by " + inf.filename().string() +
                          ", is not in the folder");
    } else {
      out.roles.push_back({role, it->second});
    }
  }
  return true;
}

void SourcesByName(const std::map<std::string, fs::path>& files, ThemeSources& out) {
  for (const auto& [name, path] : files) {
    const std::string ext = fs::path(name).extension().string();
    if (ext != ".cur" && ext != ".ani") continue;
    const CursorRole* role = RoleByName(path.stem().string());
    const auto taken =
        std::find_if(out.roles.begin(), out.roles.end(), [role](const RoleSource& s) { return s.role == role; });
    if (role == nullptr) {
      out.notes.push_back(path.filename().string() + ": no pointer role has this name; left out");
    } else if (taken != out.roles.end()) {
      out.notes.push_back(path.filename().string() + ": " + std::string(role->windowsName) + " is already " +
                          taken->file.filename().string() + "; left out");
    } else {
      out.roles.push_back({role, path});
    }
  }
}

// One converted cursor, ready to be written.
struct ThemeCursor {
  const CursorRole* role = nullptr;
  std::vector<std::uint8_t> bytes;
  std::string line;
};

std::optional<ThemeCursor> Convert(const RoleSource& source, ThemeReport& report, std::string& why) {
  const std::string label = std::string(source.role->windowsName) + " (" + source.file.filename().string() + ")";
  std::string message;
  std::vector<std::string> notes;
  auto cursor = ReadAnyCursorFile(
      source.file.string(), [&message](std::string_view m, std::string_view) { message = m; }, &notes);
  std::optional<std::vector<XcursorImage>> images;
  if (cursor) images = XcursorImagesOf(*cursor, notes, message);
  std::optional<std::vector<std::uint8_t>> bytes;
  if (images) bytes = EncodeXcursor(*images);
  if (!bytes) {
    why = label + ": " + (message.empty() ? std::string("cannot be converted") : message);
    return std::nullopt;
  }
  for (const std::string& n : notes) report.notes.push_back(label + ": " + n);
  std::vector<std::uint32_t> sizes;
  for (const XcursorImage& x : *images) {
    if (std::find(sizes.begin(), sizes.end(), x.nominalSize) == sizes.end()) sizes.push_back(x.nominalSize);
  }
  std::string line = label + " -> " + std::string(source.role->xNames.front()) + ", size";
  for (std::size_t k = 0; k < sizes.size(); ++k) line += (k == 0 ? " " : ", ") + std::to_string(sizes[k]);
  line += ", " + std::to_string(images->size() / sizes.size()) + " frames, " +
          std::to_string(source.role->xNames.size() - 1) + " links";
  return ThemeCursor{source.role, std::move(*bytes), std::move(line)};
}

std::string CleanName(const std::string& name) {
  std::string out;
  for (char c : name) out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
  return out;
}

// Replaces whatever is at link (but not a folder) by a relative link to target.
bool Link(const fs::path& link, const std::string& target, std::string& why) {
  std::error_code ec;
  const auto status = fs::symlink_status(link, ec);
  if (fs::exists(status) && fs::is_directory(status)) {
    why = link.string() + " is a folder";
    return false;
  }
  if (fs::exists(status) || fs::is_symlink(status)) fs::remove(link, ec);
  fs::create_symlink(target, link, ec);
  if (ec) why = "cannot link " + link.string() + ": " + ec.message();
  return !ec;
}

// The theme's cursors folder, made a real folder: a link planted there
// would send every cursor outside the theme.
bool MakeCursorsFolder(const fs::path& cursors, std::string& why) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(cursors, ec))) fs::remove(cursors, ec);
  fs::create_directories(cursors, ec);
  if (fs::is_symlink(fs::symlink_status(cursors, ec)) || !fs::is_directory(fs::symlink_status(cursors, ec))) {
    why = "cannot create " + cursors.string();
    return false;
  }
  return true;
}

bool WriteTheme(const std::vector<ThemeCursor>& cursors, const fs::path& outDir, const std::string& name,
                std::string& why) {
  if (!MakeCursorsFolder(outDir / "cursors", why)) return false;
  const std::string index =
      "[Icon Theme]\nName=" + CleanName(name) + "\nComment=Cursor theme made by Pixmint from Windows cursors\n";
  const std::vector<std::uint8_t> indexBytes(index.begin(), index.end());
  // Links of any kind found at the theme's own names (left by an earlier
  // build or planted) are replaced, never written through.
  const document::WriteOptions replace{.flush = true, .replaceName = true};
  if (const auto written = document::WriteFileAtomically(outDir / "index.theme", indexBytes, replace); !written) {
    why = "cannot write " + (outDir / "index.theme").string() + ": " + written.Reason();
    return false;
  }
  for (const ThemeCursor& c : cursors) {
    const std::string file(c.role->xNames.front());
    const fs::path path = outDir / "cursors" / file;
    if (const auto written = document::WriteFileAtomically(path, c.bytes, replace); !written) {
      why = "cannot write " + path.string() + ": " + written.Reason();
      return false;
    }
    for (std::size_t k = 1; k < c.role->xNames.size(); ++k) {
      if (!Link(outDir / "cursors" / std::string(c.role->xNames[k]), file, why)) return false;
    }
  }
  return true;
}

}  // namespace

std::optional<ThemeSources> FindThemeSources(const fs::path& folder, std::string& why) {
  why.clear();
  const auto files = FolderFiles(folder, why);
  if (!why.empty()) return std::nullopt;
  ThemeSources sources;
  if (const auto inf = FindInf(files)) {
    if (!SourcesFromInf(*inf, files, sources, why)) return std::nullopt;
  } else {
    SourcesByName(files, sources);
  }
  if (sources.roles.empty()) {
    why = "no cursor in " + folder.string() + " plays a pointer role (by its name or by an install.inf)";
    return std::nullopt;
  }
  return sources;
}

bool BuildCursorTheme(const ThemeSources& sources, const fs::path& outDir, const std::string& name, ThemeReport& report,
                      std::string& why) {
  std::vector<ThemeCursor> cursors;
  for (const RoleSource& source : sources.roles) {
    auto cursor = Convert(source, report, why);
    if (!cursor) return false;
    report.lines.push_back(cursor->line);
    cursors.push_back(std::move(*cursor));
  }
  return WriteTheme(cursors, outDir, name, why);
}

}  // namespace pixmint::formats
