#include "formats/cursor_theme.h"

#include <algorithm>
#include <map>
#include <set>

#include "document/file_io.h"
#include "formats/cursor_sizes.h"
#include "formats/file_kinds.h"
#include "formats/xcursor.h"

namespace pixmint::formats {
namespace {

namespace fs = std::filesystem;

// One converted cursor, ready to be written.
struct ThemeCursor {
  std::vector<std::uint8_t> bytes;
  RoleReport report;
};

std::vector<std::uint32_t> SizesOf(const std::vector<XcursorImage>& images) {
  std::vector<std::uint32_t> sizes;
  for (const XcursorImage& x : images) {
    if (std::find(sizes.begin(), sizes.end(), x.nominalSize) == sizes.end()) sizes.push_back(x.nominalSize);
  }
  return sizes;
}

// The sizes some frame has as an image of its own.
std::set<std::uint32_t> SourceSizes(const AnimatedCursor& cursor) {
  std::set<std::uint32_t> sizes;
  for (const auto& frame : cursor.frames) {
    for (std::uint32_t i = 0; i < frame->ImageCount(); ++i) {
      const auto* s = frame->XorBitmap(i);
      sizes.insert(static_cast<std::uint32_t>(std::max(s->Width(), s->Height())));
    }
  }
  return sizes;
}

texts::Result<ThemeCursor> Convert(const RoleSource& source, const ThemeOptions& options, ThemeReport& report) {
  using texts::Fail;
  const std::vector<std::string> label = {std::string(source.role->windowsName), source.file.filename().string()};
  std::vector<texts::Failure> notes;
  auto cursor = ReadAnyCursorFile(source.file.string(), &notes);
  std::optional<texts::Failure> failure;
  if (!cursor) failure = cursor.error();
  std::optional<std::vector<XcursorImage>> images;
  if (cursor) {
    auto made =
        options.sizes.empty() ? XcursorImagesOf(*cursor, notes) : XcursorImagesAtSizes(*cursor, options.sizes, notes);
    if (made) {
      images = std::move(*made);
    } else {
      failure = made.error();
    }
  }
  std::optional<std::vector<std::uint8_t>> bytes;
  if (images) bytes = EncodeXcursor(*images);
  if (!bytes)
    return texts::Within(Fail::kRoleSource, label, failure.value_or(texts::Failure{Fail::kCannotBeConverted}));
  for (texts::Failure& n : notes) report.notes.push_back(texts::Within(Fail::kRoleSource, label, std::move(n)));
  ThemeCursor out{std::move(*bytes), {}};
  out.report.role = source.role;
  out.report.source = source.file;
  out.report.sizes = SizesOf(*images);
  const std::set<std::uint32_t> had = SourceSizes(*cursor);
  for (std::uint32_t s : out.report.sizes) {
    if (had.count(s) == 0) out.report.made.push_back(s);
  }
  out.report.frames = images->size() / out.report.sizes.size();
  return out;
}

std::string List(const std::vector<std::uint32_t>& values) {
  std::string out;
  for (std::size_t k = 0; k < values.size(); ++k) out += (k == 0 ? "" : ", ") + std::to_string(values[k]);
  return out;
}

std::string Line(const RoleReport& r) {
  const std::string role(r.role->windowsName);
  if (r.source.empty()) {
    if (r.file.empty()) return role + " (" + std::string(r.role->caption) + "): missing";
    return role + " (" + std::string(r.role->caption) + "): missing, " + std::to_string(r.links) + " links to " +
           r.file + " (" + std::string(r.sharedWith->windowsName) + ")";
  }
  const std::string label = role + " (" + r.source.filename().string() + ") -> ";
  if (r.sharedWith != nullptr) {
    return label + "the same cursor as " + std::string(r.sharedWith->windowsName) + ", " + std::to_string(r.links) +
           " links to " + r.file;
  }
  std::string line = label + r.file + ", size " + List(r.sizes);
  if (!r.made.empty()) line += " (made " + List(r.made) + ")";
  return line + ", " + std::to_string(r.frames) + " frames, " + std::to_string(r.links) + " links";
}

std::string CleanName(const std::string& name) {
  std::string out;
  for (char c : name) out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
  return out;
}

// Replaces whatever is at link (but not a folder) by a relative link to target.
texts::Result<void> Link(const fs::path& link, const std::string& target) {
  std::error_code ec;
  const auto status = fs::symlink_status(link, ec);
  if (fs::exists(status) && fs::is_directory(status))
    return texts::Failure{texts::Fail::kLinkIsFolder, {link.string()}};
  if (fs::exists(status) || fs::is_symlink(status)) fs::remove(link, ec);
  fs::create_symlink(target, link, ec);
  if (ec) {
    return texts::Within(texts::Fail::kCannotLink, {link.string()},
                         texts::Failure{texts::Fail::kSystem, {ec.message()}});
  }
  return {};
}

// What each name of the theme becomes: a file's bytes or a link's target.
struct Plan {
  std::vector<std::pair<std::string, const std::vector<std::uint8_t>*>> files;
  std::vector<std::pair<std::string, std::string>> links;
};

// One file per distinct cursor, shared by identical ones; roles without a
// cursor take their fallback's.
Plan MakePlan(const std::vector<ThemeCursor>& cursors, ThemeReport& report) {
  Plan plan;
  std::map<const CursorRole*, RoleReport> byRole;
  // By content, without copying it.
  const auto less = [](const std::vector<std::uint8_t>* a, const std::vector<std::uint8_t>* b) {
    const auto view = [](const std::vector<std::uint8_t>* v) {
      return std::string_view(reinterpret_cast<const char*>(v->data()), v->size());
    };
    return view(a) < view(b);
  };
  std::map<const std::vector<std::uint8_t>*, std::pair<std::string, const CursorRole*>, decltype(less)> written(less);
  for (const ThemeCursor& c : cursors) {
    RoleReport r = c.report;
    const auto [it, isNew] = written.try_emplace(&c.bytes, std::string(r.role->xNames.front()), r.role);
    r.file = it->second.first;
    if (isNew) {
      plan.files.emplace_back(r.file, &c.bytes);
    } else {
      r.sharedWith = it->second.second;
    }
    byRole[r.role] = r;
  }
  std::vector<std::string> missing;  // their lines come after the cursors'
  for (const CursorRole& role : CursorRoles()) {
    RoleReport r;
    if (const auto it = byRole.find(&role); it != byRole.end()) {
      r = it->second;
    } else {
      r.role = &role;
      // Follow the fallbacks to a role that has a cursor, then Arrow. Busy and
      // Working in Background fall back to each other, so the walk is bounded.
      const CursorRole* f = RoleByWindowsName(role.fallback);
      for (std::size_t step = 0; f != nullptr && step < CursorRoles().size(); ++step) {
        if (byRole.contains(f)) break;
        f = RoleByWindowsName(f->fallback);
      }
      if (!role.fallback.empty() && (f == nullptr || !byRole.contains(f))) f = &CursorRoles().front();
      if (const auto found = f == nullptr ? byRole.end() : byRole.find(f); found != byRole.end()) {
        r.file = found->second.file;
        r.sharedWith = f;
      }
    }
    for (std::string_view n : role.xNames) {
      if (!r.file.empty() && n != r.file) {
        plan.links.emplace_back(std::string(n), r.file);
        ++r.links;
      }
    }
    (r.source.empty() ? missing : report.lines).push_back(Line(r));
    report.roles.push_back(std::move(r));
  }
  report.lines.insert(report.lines.end(), missing.begin(), missing.end());
  report.files = plan.files.size();
  report.links = plan.links.size();
  return plan;
}

// The theme's cursors folder, made a real folder: a link planted there
// would send every cursor outside the theme.
texts::Result<void> MakeCursorsFolder(const fs::path& cursors) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(cursors, ec))) fs::remove(cursors, ec);
  fs::create_directories(cursors, ec);
  if (fs::is_symlink(fs::symlink_status(cursors, ec)) || !fs::is_directory(fs::symlink_status(cursors, ec))) {
    return texts::Failure{texts::Fail::kCannotCreate, {cursors.string()}};
  }
  return {};
}

texts::Result<void> WriteTheme(const Plan& plan, const fs::path& outDir, const std::string& name) {
  using texts::Fail;
  std::error_code ec;
  const fs::path dir = outDir / "cursors";
  if (auto made = MakeCursorsFolder(dir); !made) return made;
  const std::string index =
      "[Icon Theme]\nName=" + CleanName(name) + "\nComment=Cursor theme made by Pixmint from Windows cursors\n";
  const std::vector<std::uint8_t> indexBytes(index.begin(), index.end());
  // Each file is renamed into place whole, and links of any kind found at
  // the theme's own names (left by an earlier build or planted) are replaced,
  // never written through; the folders are flushed once at the end rather
  // than every file on its own.
  const document::WriteOptions replace{.flush = false, .replaceName = true};
  if (const auto written = document::WriteFileAtomically(outDir / "index.theme", indexBytes, replace); !written) {
    return texts::Within(Fail::kCannotWriteBecause, {(outDir / "index.theme").string()}, written.error());
  }
  std::set<std::string> written;
  for (const auto& [file, bytes] : plan.files) {
    const fs::path path = dir / file;
    if (const auto done = document::WriteFileAtomically(path, *bytes, replace); !done) {
      return texts::Within(Fail::kCannotWriteBecause, {path.string()}, done.error());
    }
    written.insert(file);
  }
  for (const auto& [link, target] : plan.links) {
    if (auto linked = Link(dir / link, target); !linked) return linked;
    written.insert(link);
  }
  // Names an earlier build wrote that this one does not (a role the set no
  // longer has) would show a cursor from the old set.
  for (const CursorRole& role : CursorRoles()) {
    for (std::string_view n : role.xNames) {
      const fs::path path = dir / std::string(n);
      const auto status = fs::symlink_status(path, ec);
      if (written.count(std::string(n)) == 0 && (fs::is_symlink(status) || fs::is_regular_file(status))) {
        fs::remove(path, ec);
      }
    }
  }
  if (!document::SyncFolder(dir) || !document::SyncFolder(outDir)) {
    return texts::Failure{Fail::kCannotFlush, {dir.string()}};
  }
  return {};
}

std::string Json(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xF];
      out += kHex[c & 0xF];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonList(const std::vector<std::uint32_t>& values) {
  return "[" + List(values) + "]";
}

}  // namespace

texts::Result<void> BuildCursorTheme(const ThemeSources& sources, const fs::path& outDir, const std::string& name,
                                     ThemeReport& report, const ThemeOptions& options) {
  std::vector<ThemeCursor> cursors;
  for (const RoleSource& source : sources.roles) {
    auto cursor = Convert(source, options, report);
    if (!cursor) return cursor.error();
    cursors.push_back(*std::move(cursor));
  }
  const Plan plan = MakePlan(cursors, report);
  return WriteTheme(plan, outDir, name);
}

std::string ThemeReportJson(const ThemeReport& report, const std::string& name, const fs::path& outDir) {
  std::set<std::uint32_t> sizes;
  for (const RoleReport& r : report.roles) sizes.insert(r.sizes.begin(), r.sizes.end());
  std::string out = "{\n  \"name\": " + Json(name) + ",\n  \"folder\": " + Json(outDir.string()) +
                    ",\n  \"sizes\": " + JsonList({sizes.begin(), sizes.end()}) +
                    ",\n  \"files\": " + std::to_string(report.files) +
                    ",\n  \"links\": " + std::to_string(report.links) + ",\n  \"roles\": [";
  for (std::size_t k = 0; k < report.roles.size(); ++k) {
    const RoleReport& r = report.roles[k];
    out += std::string(k == 0 ? "\n" : ",\n") + "    {\"role\": " + Json(r.role->windowsName) +
           ", \"caption\": " + Json(r.role->caption) +
           ", \"source\": " + (r.source.empty() ? "null" : Json(r.source.string())) +
           ", \"file\": " + (r.file.empty() ? "null" : Json(r.file)) +
           ", \"shared_with\": " + (r.sharedWith == nullptr ? "null" : Json(r.sharedWith->windowsName)) +
           ", \"sizes\": " + JsonList(r.sizes) + ", \"made\": " + JsonList(r.made) +
           ", \"frames\": " + std::to_string(r.frames) + ", \"links\": " + std::to_string(r.links) +
           ", \"missing\": " + (r.source.empty() ? "true" : "false") + "}";
  }
  out += "\n  ],\n  \"notes\": [";
  for (std::size_t k = 0; k < report.notes.size(); ++k) {
    out += (k == 0 ? "" : ", ") + Json(texts::EnglishMessage(report.notes[k]));
  }
  return out + "]\n}\n";
}

}  // namespace pixmint::formats
