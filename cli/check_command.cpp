// pixmint-cli check: what is wrong with icon and cursor files, which image
// each program shows, and the fix that changes no existing image.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "doctor/doctor.h"
#include "doctor/fix.h"
#include "doctor/picks.h"
#include "document/file_io.h"
#include "formats/ani_file.h"

namespace pixmint::cli {
namespace {

struct CheckArgs {
  bool json = false, strict = false, picks = false, fix = false, favicon = false;
  std::string out;
  std::vector<std::string> files;
};

std::optional<CheckArgs> ParseArgs(std::span<const std::string> args) {
  CheckArgs parsed;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "--json") {
      parsed.json = true;
    } else if (a == "--strict") {
      parsed.strict = true;
    } else if (a == "--picks") {
      parsed.picks = true;
    } else if (a == "--fix") {
      parsed.fix = true;
    } else if (a == "--favicon") {
      parsed.favicon = true;
    } else if (a == "-o" && k + 1 < args.size()) {
      parsed.out = args[++k];
    } else if (a.starts_with("-")) {
      return std::nullopt;
    } else {
      parsed.files.push_back(a);
    }
  }
  if (parsed.files.empty() || (parsed.fix && (parsed.out.empty() || parsed.files.size() != 1))) return std::nullopt;
  if (!parsed.fix && !parsed.out.empty()) return std::nullopt;
  return parsed;
}

std::string Json(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\u%04x", c);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

doctor::CheckOptions OptionsFor(const CheckArgs& args, const std::string& path) {
  doctor::CheckOptions options;
  const std::string name = std::filesystem::path(path).filename().string();
  if (args.favicon || name.starts_with("favicon")) options.profile = doctor::Profile::kFavicon;
  return options;
}

std::string_view KindName(std::optional<formats::FileKind> kind) {
  return kind ? formats::Format(*kind).name : "unknown";
}

// What check prints for one file, and in --json the object of it.
struct FileReport {
  std::string path;
  doctor::Examination exam;
  std::vector<std::pair<std::string, doctor::FixLine>> fixes;  // part, line
};

void PrintText(const FileReport& r, bool picks) {
  // Group names come from the file: escaped, so that they cannot drive the terminal.
  for (const doctor::Finding& f : r.exam.findings) std::cout << Escaped(doctor::FormatFinding(r.path, f)) << '\n';
  for (const auto& [part, line] : r.fixes) {
    const doctor::Finding where{part, line.entry, line.code, ""};
    std::cout << Escaped(doctor::Where(r.path, where) + ": " + line.code + (line.done ? " fixed: " : " not fixed: ") +
                         line.message)
              << '\n';
  }
  if (!picks) return;
  for (const doctor::Directory& d : r.exam.directories) {
    for (const doctor::Pick& p : doctor::PickEntries(d.check)) {
      std::cout << Escaped(r.path + (d.part.empty() ? "" : ":" + d.part) + ": " + doctor::FormatPick(p)) << '\n';
    }
  }
}

std::string JsonReport(const FileReport& r, bool picks) {
  std::ostringstream o;
  o << "{\"file\":" << Json(r.path) << ",\"kind\":" << Json(KindName(r.exam.kind)) << ",\"findings\":[";
  for (std::size_t k = 0; k < r.exam.findings.size(); ++k) {
    const doctor::Finding& f = r.exam.findings[k];
    o << (k ? "," : "") << "{\"part\":" << Json(f.part) << ",\"entry\":" << f.entry << ",\"code\":" << Json(f.code)
      << ",\"severity\":" << Json(doctor::SeverityName(f.severity())) << ",\"message\":" << Json(f.message) << "}";
  }
  o << "]";
  if (!r.fixes.empty()) {
    o << ",\"fixes\":[";
    for (std::size_t k = 0; k < r.fixes.size(); ++k) {
      const auto& [part, line] = r.fixes[k];
      o << (k ? "," : "") << "{\"part\":" << Json(part) << ",\"entry\":" << line.entry
        << ",\"code\":" << Json(line.code) << ",\"done\":" << (line.done ? "true" : "false")
        << ",\"message\":" << Json(line.message) << "}";
    }
    o << "]";
  }
  if (picks) {
    o << ",\"picks\":[";
    bool first = true;
    for (const doctor::Directory& d : r.exam.directories) {
      for (const doctor::Pick& p : doctor::PickEntries(d.check)) {
        o << (first ? "" : ",") << "{\"part\":" << Json(d.part)
          << ",\"program\":" << Json(doctor::ProgramName(p.program)) << ",\"view\":" << Json(doctor::ViewName(p.view))
          << ",\"scale\":" << p.scalePercent << ",\"size\":" << p.shownSize << ",\"entry\":" << p.entry
          << ",\"width\":" << p.width << ",\"height\":" << p.height << ",\"scaling\":" << p.Scaling() << "}";
        first = false;
      }
    }
    o << "]";
  }
  o << "}";
  return o.str();
}

// Fixes one icon or cursor document read from bytes; lines go to fixes.
bool FixOne(document::TKvIcon& icon, std::span<const std::uint8_t> bytes, const doctor::CheckOptions& options,
            const std::string& part, std::vector<std::pair<std::string, doctor::FixLine>>& fixes) {
  std::vector<doctor::Finding> found;
  const doctor::IconFileCheck check = doctor::CheckIconFile(bytes, options, "", found);
  for (const doctor::FixLine& line : doctor::FixDocument(icon, found, check, options)) fixes.emplace_back(part, line);
  return true;
}

// --fix: the fixed file written to out; false with error set when it cannot be.
bool Fix(const CheckArgs& args, const std::vector<std::uint8_t>& bytes, FileReport& report, std::string& error) {
  const doctor::CheckOptions options = OptionsFor(args, report.path);
  if (report.exam.kind == formats::FileKind::kAnimatedCursor) {
    auto cursor = formats::ReadAniMemory(bytes, report.path);
    if (!cursor) {
      error = texts::EnglishMessage(cursor.error());
      return false;
    }
    for (std::size_t k = 0; k < cursor->frames.size(); ++k) {
      const auto frame = cursor->frames[k]->SaveToMemory();
      if (!frame) return false;
      FixOne(*cursor->frames[k], *frame, options, "frame" + std::to_string(k), report.fixes);
    }
    const auto written = formats::WriteAniFile(*cursor, args.out);
    if (written) return true;
    error = texts::EnglishMessage(written.error());
    return false;
  }
  if (report.exam.kind != formats::FileKind::kIcon && report.exam.kind != formats::FileKind::kCursor) {
    error = "--fix takes icon, cursor and animated cursor files";
    return false;
  }
  document::TKvIcon icon;
  if (const auto loaded = icon.LoadFromMemory(bytes, report.path); !loaded) {
    error = texts::EnglishMessage(loaded.error());
    return false;
  }
  icon.SetIcon(report.exam.kind == formats::FileKind::kIcon);
  FixOne(icon, bytes, options, "", report.fixes);
  const texts::Result<void> saved = icon.SaveToFile(args.out);
  if (saved) return true;
  error = texts::EnglishMessage(saved.error());
  return false;
}

}  // namespace

int RunCheck(std::span<const std::string> args) {
  const auto parsed = ParseArgs(args);
  if (!parsed) {
    return Fail(kExitUsage, "usage: check [--json] [--strict] [--picks] [--favicon] FILE... | check --fix -o OUT FILE");
  }
  std::vector<FileReport> reports;
  int status = 0;
  for (const std::string& path : parsed->files) {
    FileReport report{path, {}, {}};
    const auto bytes = document::ReadWholeFile(path);
    if (!bytes) {
      doctor::Add(report.exam.findings, "", -1, "unreadable", "cannot read the file");
    } else {
      report.exam = doctor::Examine(*bytes, OptionsFor(*parsed, path));
    }
    if (parsed->fix && bytes) {
      std::string error;
      if (!Fix(*parsed, *bytes, report, error)) return Fail(kExitUsage, path + ": not fixed: " + error);
      const auto fixed = document::ReadWholeFile(parsed->out);
      status =
          fixed ? doctor::ExitStatus(doctor::Examine(*fixed, OptionsFor(*parsed, path)).findings, parsed->strict) : 2;
    } else {
      status = std::max(status, doctor::ExitStatus(report.exam.findings, parsed->strict));
    }
    if (!parsed->json) PrintText(report, parsed->picks);
    reports.push_back(std::move(report));
  }
  if (parsed->json) {
    std::cout << "{\"status\":" << status << ",\"files\":[";
    for (std::size_t k = 0; k < reports.size(); ++k)
      std::cout << (k ? "," : "") << JsonReport(reports[k], parsed->picks);
    std::cout << "]}\n";
  }
  return status;
}

}  // namespace pixmint::cli
