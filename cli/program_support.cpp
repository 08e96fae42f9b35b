#include "cli/program_support.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "document/file_io.h"
#include "document/limits.h"

namespace pixmint::cli {
namespace {

namespace fs = std::filesystem;

// A file name part from a group name: no folders, no control characters.
std::string SafeName(const std::string& label) {
  std::string out;
  for (const char c : label) {
    const auto u = static_cast<unsigned char>(c);
    out.push_back(u < 0x20 || c == '/' || c == '\\' || u == 0x7F ? '_' : c);
  }
  if (out.empty() || out == "." || out == "..") out = "_" + out;
  return out;
}

}  // namespace

texts::Result<void> ReadGroup(const formats::ProgramFile& program, const formats::IconGroup& group,
                              document::TKvIcon& icon, std::vector<std::uint8_t>& bytes, document::ReadBudget* budget) {
  auto file = program.GroupFile(group, budget);
  if (!file) return file.error();
  icon.SetIcon(group.kind == formats::GroupKind::kIcon);
  const texts::Result<void> loaded = icon.LoadFromMemory(*file, GroupTitle(group), budget);
  bytes = std::move(*file);
  // A group whose file has no usable header has always been "unreadable images".
  if (!loaded && loaded.error().code == texts::Fail::kNotIconOrCursor)
    return texts::Failure{texts::Fail::kUnreadableImages};
  return loaded;
}

std::optional<formats::ProgramFile> LoadProgram(const std::string& path, std::string& error) {
  auto bytes = document::ReadWholeFile(path, formats::kMaxProgramBytes);
  if (!bytes) {
    std::error_code ec;
    const texts::Fail why = fs::exists(path, ec) ? texts::Fail::kCannotReadTheFile : texts::Fail::kFileMissing;
    error = path + ": " + texts::EnglishMessage({why});
    return std::nullopt;
  }
  auto program = formats::ProgramFile::Read(std::move(*bytes));
  if (!program) {
    error = path + ": " + texts::EnglishMessage(program.error());
    return std::nullopt;
  }
  return *std::move(program);
}

void PrintImages(std::ostream& out, const document::TKvIcon& icon, std::string_view indent) {
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const document::ImageSurface* surface = icon.XorBitmap(i);
    if (surface == nullptr) continue;
    const raster::Point hot = icon.GetHotSpot(i);
    out << indent << i << ": " << surface->Width() << 'x' << surface->Height() << ' ' << icon.Colors(i) << "bpp "
        << (icon.IsPngCompressed(i) ? "png" : "bmp") << " hotspot " << hot.x << ',' << hot.y << '\n';
  }
}

std::string GroupTitle(const formats::IconGroup& group) {
  return std::string(group.kind == formats::GroupKind::kIcon ? "icon" : "cursor") + " group " +
         Escaped(formats::GroupLabel(group)) + ", language " + std::to_string(group.language);
}

int InfoProgram(const std::string& path) {
  std::string error;
  const auto program = LoadProgram(path, error);
  if (!program) return Fail(kExitFailure, error);
  std::cout << path << ": program, " << program->Groups().size() << " groups\n";
  // Each group is a document of its own, read one after another within the
  // program's budget.
  document::ReadBudget whole(document::kMaxProgramPixels);
  for (const formats::IconGroup& group : program->Groups()) {
    document::TKvIcon icon;
    std::vector<std::uint8_t> bytes;
    document::ReadBudget budget(document::kMaxDecodedPixels, &whole);
    if (const auto read = ReadGroup(*program, group, icon, bytes, &budget); !read) {
      std::cout << GroupTitle(group) << ": unreadable (" << texts::EnglishMessage(read.error()) << ")\n";
      continue;
    }
    std::cout << GroupTitle(group) << ": " << icon.ImageCount() << " images\n";
    PrintImages(std::cout, icon, "  ");
  }
  return std::cout.flush() ? kExitOk : Fail(kExitFailure, "cannot write the output");
}

int ExtractProgram(const std::string& path, const std::string& outDir) {
  std::string error;
  const auto program = LoadProgram(path, error);
  if (!program) return Fail(kExitFailure, error);
  std::error_code ec;
  fs::create_directories(outDir, ec);
  if (!fs::is_directory(outDir)) return Fail(kExitFailure, "cannot create folder " + outDir);
  // A name that occurs in several languages carries the language too.
  std::map<std::pair<formats::GroupKind, std::string>, int> uses;
  for (const auto& g : program->Groups()) ++uses[{g.kind, formats::GroupLabel(g)}];
  const std::string stem = fs::path(path).stem().string();
  std::set<std::string> taken;
  std::map<std::string, int> copies;  // numbered copies of a name so far
  int code = kExitOk;
  document::ReadBudget whole(document::kMaxProgramPixels);
  // Groups may share their images, and a file may name one group many
  // times: what is written stays a bounded multiple of what was read.
  const std::uint64_t most =
      std::max<std::uint64_t>(document::kMinExtractBytes, document::kExtractFactor * program->Bytes().size());
  std::uint64_t written = 0;
  for (const formats::IconGroup& group : program->Groups()) {
    document::TKvIcon icon;
    std::vector<std::uint8_t> bytes;
    document::ReadBudget budget(document::kMaxDecodedPixels, &whole);
    if (const auto read = ReadGroup(*program, group, icon, bytes, &budget); !read) {
      code = Fail(kExitFailure, path + ": " + GroupTitle(group) + ": " + texts::EnglishMessage(read.error()));
      continue;
    }
    if (bytes.size() > most - written) {
      return Fail(kExitFailure, path + ": stopped before " + GroupTitle(group) + ": the groups would take more than " +
                                    std::to_string(most >> 20) + " MB (" + std::to_string(document::kExtractFactor) +
                                    " times the program, at least " + std::to_string(document::kMinExtractBytes >> 20) +
                                    " MB)");
    }
    written += bytes.size();
    const std::string label = formats::GroupLabel(group);
    std::string base = stem + "-" + SafeName(label);
    if (uses[{group.kind, label}] > 1) base += "-" + std::to_string(group.language);
    const std::string ext = group.kind == formats::GroupKind::kIcon ? ".ico" : ".cur";
    std::string name = base + ext;
    for (int& n = copies[name]; !taken.insert(name).second;) name = base + "-" + std::to_string(++n + 1) + ext;
    const fs::path out = fs::path(outDir) / name;
    // Each file whole or not at all; the folder is flushed once at the end.
    if (const auto result = document::WriteFileAtomically(out, bytes, {.flush = false}); !result) {
      code = Fail(kExitFailure, "cannot write " + Escaped(out.string()) + ": " + texts::EnglishMessage(result.error()));
    }
  }
  if (const auto synced = document::FinishFolder(outDir); !synced && code == kExitOk) {
    code = Fail(kExitFailure, "cannot flush " + outDir + ": " + texts::EnglishMessage(synced.error()));
  }
  return code;
}

}  // namespace pixmint::cli
