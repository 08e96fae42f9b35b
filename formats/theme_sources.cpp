// Which file of a Windows cursor pack plays which pointer role.
#include <algorithm>
#include <cctype>
#include <map>

#include "document/file_io.h"
#include "formats/cursor_theme.h"
#include "formats/install_inf.h"

namespace pixmint::formats {
namespace {

namespace fs = std::filesystem;
using texts::Fail;
using texts::Failure;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The pack's regular files, shallowest first and then by path, each with
// its depth below the folder.
struct PackFile {
  fs::path path;
  std::string lowerName;
  int depth = 0;
};

texts::Result<std::vector<PackFile>> PackFiles(const fs::path& folder) {
  std::vector<PackFile> files;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::none, ec), end;
  std::size_t seen = 0;
  for (; !ec && it != end; it.increment(ec)) {
    if (++seen > kMaxSourceEntries) {
      return Failure{Fail::kFolderTooLarge, {folder.string(), std::to_string(kMaxSourceEntries)}};
    }
    if (it.depth() >= kMaxSourceDepth) it.disable_recursion_pending();
    if (it->is_regular_file(ec)) files.push_back({it->path(), Lower(it->path().filename().string()), it.depth()});
  }
  if (ec) return texts::Within(Fail::kCannotReadFolder, {folder.string()}, Failure{Fail::kSystem, {ec.message()}});
  std::sort(files.begin(), files.end(),
            [](const PackFile& a, const PackFile& b) { return std::tie(a.depth, a.path) < std::tie(b.depth, b.path); });
  return files;
}

// install.inf, or the only .inf file, nearest the top.
const PackFile* FindInf(const std::vector<PackFile>& files) {
  const PackFile* only = nullptr;
  int infs = 0;
  for (const PackFile& f : files) {
    if (f.lowerName == "install.inf") return &f;
    if (fs::path(f.lowerName).extension() == ".inf" && infs++ == 0) only = &f;
  }
  return infs == 1 ? only : nullptr;
}

// A file by name: in the .inf's own folder first, then the shallowest.
const PackFile* FindByName(const std::vector<PackFile>& files, const std::string& name, const fs::path& near) {
  const std::string lower = Lower(name);
  const PackFile* found = nullptr;
  for (const PackFile& f : files) {
    if (f.lowerName != lower) continue;
    if (f.path.parent_path() == near) return &f;
    if (found == nullptr) found = &f;
  }
  return found;
}

texts::Result<void> SourcesFromInf(const PackFile& inf, const std::vector<PackFile>& files, ThemeSources& out) {
  const auto bytes = document::ReadWholeFile(inf.path, 1 << 20);
  if (!bytes) return Failure{Fail::kCannotRead, {inf.path.string()}};
  const auto scheme = ParseInstallInf(*bytes);
  if (!scheme) return texts::Within(Fail::kInFile, {inf.path.string()}, scheme.error());
  out.schemeName = scheme->name;
  for (const auto& [role, file] : scheme->files) {
    if (const PackFile* f = FindByName(files, file, inf.path.parent_path())) {
      out.roles.push_back({role, f->path});
    } else {
      out.notes.push_back(
          {Fail::kInfFileMissing, {std::string(role->windowsName), file, inf.path.filename().string()}});
    }
  }
  return {};
}

void SourcesByName(const std::vector<PackFile>& files, const fs::path& folder, ThemeSources& out) {
  for (const PackFile& f : files) {
    const std::string ext = fs::path(f.lowerName).extension().string();
    if (ext != ".cur" && ext != ".ani") continue;
    const std::string shown = f.path.lexically_relative(folder).string();
    const CursorRole* role = RoleByName(f.path.stem().string());
    const auto taken =
        std::find_if(out.roles.begin(), out.roles.end(), [role](const RoleSource& s) { return s.role == role; });
    if (role == nullptr) {
      out.notes.push_back({Fail::kNoRoleHasName, {shown}});
    } else if (taken != out.roles.end()) {
      out.notes.push_back(
          {Fail::kRoleTaken, {shown, std::string(role->windowsName), taken->file.lexically_relative(folder).string()}});
    } else {
      out.roles.push_back({role, f.path});
    }
  }
}

texts::Result<void> ApplyOverrides(std::span<const RoleSource> overrides, const fs::path& folder, ThemeSources& out) {
  for (const RoleSource& o : overrides) {
    const fs::path file = o.file.is_absolute() ? o.file : folder / o.file;
    std::error_code ec;
    if (o.role == nullptr || !fs::is_regular_file(file, ec)) {
      if (o.role == nullptr) return Failure{Fail::kNoOverrideFile, {file.string()}};
      return Failure{Fail::kNoOverrideFileForRole, {file.string(), std::string(o.role->windowsName)}};
    }
    const auto it =
        std::find_if(out.roles.begin(), out.roles.end(), [&](const RoleSource& s) { return s.role == o.role; });
    if (it != out.roles.end()) {
      it->file = file;
    } else {
      out.roles.push_back({o.role, file});
    }
  }
  // Role order, so that the report and the shared files do not depend on how
  // the roles were found.
  const auto roles = CursorRoles();
  std::stable_sort(out.roles.begin(), out.roles.end(), [&](const RoleSource& a, const RoleSource& b) {
    return a.role - roles.data() < b.role - roles.data();
  });
  return {};
}

}  // namespace

texts::Result<ThemeSources> FindThemeSources(const fs::path& folder, std::span<const RoleSource> overrides) {
  const auto files = PackFiles(folder);
  if (!files) return files.error();
  ThemeSources sources;
  const PackFile* inf = FindInf(*files);
  if (inf != nullptr) {
    if (auto read = SourcesFromInf(*inf, *files, sources); !read) {
      // An .inf that names no cursor says nothing: the file names still may.
      sources.notes.push_back(texts::Within(Fail::kRolesFromNames, {}, read.error()));
      inf = nullptr;
    }
  }
  if (inf == nullptr) SourcesByName(*files, folder, sources);
  if (auto applied = ApplyOverrides(overrides, folder, sources); !applied) return applied.error();
  if (sources.roles.empty()) return Failure{Fail::kNoRoleInFolder, {folder.string()}};
  return sources;
}

}  // namespace pixmint::formats
