// The files that hold icon or cursor directories: animated cursors, Xcursor
// files and programs; and the choice between them.
#include <algorithm>
#include <map>
#include <set>

#include "doctor/doctor.h"
#include "document/byte_io.h"
#include "document/limits.h"
#include "formats/ani_file.h"
#include "formats/program_file.h"
#include "formats/riff.h"
#include "formats/xcursor_codec.h"
#include "texts/failure.h"

namespace pixmint::doctor {
namespace {

using document::GetU32;

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

struct AniParts {
  std::optional<formats::RiffChunk> anih, rate, seq;
  std::vector<std::span<const std::uint8_t>> icons;
};

texts::Result<AniParts> AniChunks(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12) return texts::Failure{texts::Fail::kNotAnimatedCursor};
  const auto top = formats::ReadRiffChunks(bytes.subspan(12), 12);
  if (!top) return top.error();
  AniParts parts;
  for (const formats::RiffChunk& c : *top) {
    if (c.id == "anih" && !parts.anih) parts.anih = c;
    if (c.id == "rate" && !parts.rate) parts.rate = c;
    if (c.id == "seq " && !parts.seq) parts.seq = c;
    const auto body = formats::ListBody(c, "fram");
    if (!body || !parts.icons.empty()) continue;
    const auto icons = formats::ReadRiffChunks(*body, c.offset + 12);
    if (!icons) return icons.error();
    for (const formats::RiffChunk& icon : *icons) {
      if (icon.id == "icon") parts.icons.push_back(icon.data);
    }
  }
  return parts;
}

void CheckAniHeader(const AniParts& parts, std::vector<Finding>& out) {
  const auto& anih = parts.anih->data;
  const std::uint32_t frames = GetU32(anih, 4), steps = GetU32(anih, 8), jiffies = GetU32(anih, 28);
  const std::uint32_t flags = GetU32(anih, 32);
  if (frames != parts.icons.size()) {
    Add(out, "", -1, "ani-frames",
        "header says " + Num(frames) + " frames, " + Num(static_cast<std::int64_t>(parts.icons.size())) +
            " are stored");
  }
  if ((flags & 1) == 0)
    Add(out, "", -1, "ani-flags", "the icon flag is not set; readers take the frames for raw bitmaps");
  const std::uint32_t stepCount = steps == 0 && !parts.seq ? frames : steps;
  if (parts.seq) {
    const std::size_t entries = parts.seq->data.size() / 4;
    if (entries != stepCount) {
      Add(out, "", -1, "ani-steps",
          "header says " + Num(stepCount) + " steps, the sequence holds " + Num(static_cast<std::int64_t>(entries)));
    }
    for (std::size_t k = 0; k < entries; ++k) {
      if (GetU32(parts.seq->data, 4 * k) >= frames) {
        Add(out, "", -1, "ani-steps",
            "step " + Num(static_cast<std::int64_t>(k)) + " shows frame " + Num(GetU32(parts.seq->data, 4 * k)) +
                " of " + Num(frames));
        break;
      }
    }
  } else if (steps != 0 && steps != frames) {
    Add(out, "", -1, "ani-steps",
        "header says " + Num(steps) + " steps for " + Num(frames) + " frames and has no sequence");
  }
  if (parts.rate) {
    const std::size_t entries = parts.rate->data.size() / 4;
    if (entries != stepCount) {
      Add(out, "", -1, "ani-rates",
          Num(static_cast<std::int64_t>(entries)) + " step times for " + Num(stepCount) + " steps");
    }
    for (std::size_t k = 0; k < entries; ++k) {
      if (GetU32(parts.rate->data, 4 * k) == 0) {
        Add(out, "", -1, "ani-rates", "step " + Num(static_cast<std::int64_t>(k)) + " shows for 0 jiffies");
        break;
      }
    }
  } else if (jiffies == 0) {
    Add(out, "", -1, "ani-rates", "the header's step time is 0 and there are no step times");
  }
}

void CheckAni(std::span<const std::uint8_t> bytes, const CheckOptions& options, Examination& result) {
  const auto parts = AniChunks(bytes);
  if (!parts || !parts->anih || parts->anih->data.size() < 36) {
    // The doctor's findings are English, like the command line it prints on.
    Add(result.findings, "", -1, "ani-structure",
        parts ? "no complete 'anih' header" : texts::EnglishMessage(parts.error()));
    return;
  }
  CheckAniHeader(*parts, result.findings);
  std::set<std::set<std::pair<int, int>>> sizeSets;
  for (std::size_t k = 0; k < std::min(parts->icons.size(), formats::kMaxFrames); ++k) {
    CheckOptions frameOptions = options;
    frameOptions.sizes = k == 0;
    const std::string part = "frame" + Num(static_cast<std::int64_t>(k));
    IconFileCheck check = CheckIconFile(parts->icons[k], frameOptions, part, result.findings);
    std::set<std::pair<int, int>> sizes;
    for (const EntryInfo& e : check.entries) sizes.insert({e.width, e.height});
    sizeSets.insert(sizes);
    if (k == 0) result.directories.push_back({part, std::move(check)});
  }
  if (sizeSets.size() > 1) {
    Add(result.findings, "", -1, "ani-frame-sizes",
        "the frames hold " + Num(static_cast<std::int64_t>(sizeSets.size())) +
            " different sets of sizes; a size some frames lack plays scaled");
  }
  if (const auto read = formats::ReadAniMemory(bytes, ""); !read) {
    Add(result.findings, "", -1, "ani-structure", texts::EnglishMessage(read.error()));
  }
}

void CheckXcursor(std::span<const std::uint8_t> bytes, Examination& result) {
  const auto images = formats::DecodeXcursor(bytes);
  if (!images) {
    Add(result.findings, "", -1, "unreadable", texts::EnglishMessage(images.error()));
    return;
  }
  std::map<std::uint32_t, int> frames;
  std::vector<HotSpotImage> firsts;
  for (std::size_t k = 0; k < images->size(); ++k) {
    const formats::XcursorImage& im = (*images)[k];
    const int side = std::max(im.image.width, im.image.height);
    if (static_cast<std::uint32_t>(side) != im.nominalSize) {
      Add(result.findings, "", static_cast<int>(k), "xcur-nominal",
          "nominal size " + Num(im.nominalSize) + " for a " + Num(im.image.width) + "x" + Num(im.image.height) +
              " image");
    }
    if (frames[im.nominalSize]++ == 0) {
      firsts.push_back({static_cast<int>(k), im.image.width, im.image.height, im.image.hotSpot.x, im.image.hotSpot.y});
    }
  }
  CheckHotSpots(firsts, "", result.findings);
  const auto [low, high] = std::ranges::minmax_element(frames, {}, &std::pair<const std::uint32_t, int>::second);
  if (low->second != high->second) {
    Add(result.findings, "", -1, "xcur-frames",
        "size " + Num(low->first) + " has " + Num(low->second) + " frames, size " + Num(high->first) + " has " +
            Num(high->second));
  }
}

void CheckProgram(std::span<const std::uint8_t> bytes, const CheckOptions& options, Examination& result) {
  const auto program = formats::ProgramFile::Read(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  if (!program) {
    Add(result.findings, "", -1, "unreadable", texts::EnglishMessage(program.error()));
    return;
  }
  for (const formats::IconGroup& group : program->Groups()) {
    const bool cursor = group.kind == formats::GroupKind::kCursor;
    const std::string part = (cursor ? "cursor:" : "icon:") + formats::GroupLabel(group);
    const auto file = program->GroupFile(group);
    if (!file) {
      Add(result.findings, part, -1, "unreadable", texts::EnglishMessage(file.error()));
      continue;
    }
    // Offsets and sizes are those of the file made from the group, so only
    // the images and the group's directory fields are the program's own.
    std::vector<Finding> found;
    IconFileCheck check = CheckIconFile(*file, options, part, found);
    std::erase_if(found, [](const Finding& f) {
      return f.code == "overlap" || f.code == "trailing-data" || f.code == "outside-file";
    });
    result.findings.insert(result.findings.end(), found.begin(), found.end());
    result.directories.push_back({part, std::move(check)});
  }
}

}  // namespace

Examination Examine(std::span<const std::uint8_t> bytes, const CheckOptions& given) {
  Examination result;
  using formats::FileKind;
  const formats::FileFormat* format = formats::FormatByContent(bytes);
  // A program whose headers are broken is still checked as one: the
  // findings say what is wrong with it.
  const bool program = bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z';
  result.kind = format != nullptr ? std::optional(format->kind)
                : program         ? std::optional(FileKind::kProgram)
                                  : std::nullopt;
  // As many pixels as the editor and pixmint-cli decode from such a file:
  // past them the headers are taken at their word.
  std::uint64_t budget = result.kind == FileKind::kProgram ? document::kMaxProgramPixels : document::kMaxDecodedPixels;
  CheckOptions options = given;
  if (options.pixelBudget == nullptr) options.pixelBudget = &budget;
  if (result.kind == FileKind::kAnimatedCursor) {
    CheckAni(bytes, options, result);
  } else if (result.kind == FileKind::kXcursor) {
    CheckXcursor(bytes, result);
  } else if (result.kind == FileKind::kProgram) {
    CheckProgram(bytes, options, result);
  } else {
    IconFileCheck check = CheckIconFile(bytes, options, "", result.findings);
    if (!check.entries.empty()) result.kind = check.cursor ? FileKind::kCursor : FileKind::kIcon;
    if (!check.entries.empty()) result.directories.push_back({"", std::move(check)});
  }
  return result;
}

}  // namespace pixmint::doctor
