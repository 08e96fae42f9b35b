#include <algorithm>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/ani_lenient.h"
#include "formats/riff.h"

namespace pixmint::formats {
namespace {

using document::GetU32;
using texts::Fail;
using texts::Failure;

constexpr std::size_t kRiffHeaderBytes = 12;
// The header's fields up to the rate; the flags after it are not needed.
constexpr std::size_t kAnihFieldBytes = 32;

// The fields of "anih" that reading uses.
struct AniHeader {
  std::uint32_t frames = 0;
  std::uint32_t steps = 0;
  std::uint32_t jiffies = 0;
};

// The chunks of the file that matter, found in any order; the first of each
// kind counts.
struct AniChunks {
  const RiffChunk* anih = nullptr;
  const RiffChunk* rate = nullptr;
  const RiffChunk* seq = nullptr;
  std::optional<RiffChunk> fram;  // the body of LIST "fram"
  std::optional<RiffChunk> info;  // the body of LIST "INFO"
};

Failure Converting(Failure why) {
  return texts::Within(Fail::kCannotConvert, {}, std::move(why));
}

AniChunks FindChunks(const std::vector<RiffChunk>& chunks) {
  AniChunks found;
  for (const RiffChunk& c : chunks) {
    if (c.id == "anih" && found.anih == nullptr) found.anih = &c;
    if (c.id == "rate" && found.rate == nullptr) found.rate = &c;
    if (c.id == "seq " && found.seq == nullptr) found.seq = &c;
    // The list body starts 12 bytes into the chunk (header and list type).
    if (auto body = ListBody(c, "fram"); body && !found.fram) found.fram = RiffChunk{"fram", *body, c.offset + 12};
    if (auto body = ListBody(c, "INFO"); body && !found.info) found.info = RiffChunk{"INFO", *body, c.offset + 12};
  }
  return found;
}

texts::Result<AniHeader> ParseHeader(const RiffChunk* anih, std::vector<Failure>& notes) {
  if (anih == nullptr) return Failure{Fail::kNoAnih};
  if (anih->data.size() < kAnihFieldBytes) return Failure{Fail::kAnihTooShort, {std::to_string(anih->data.size())}};
  NoteAnihSize(*anih, notes);
  AniHeader h{GetU32(anih->data, 4), GetU32(anih->data, 8), GetU32(anih->data, 28)};
  // Without a sequence a step count of 0 means one step per frame.
  if (h.steps == 0) h.steps = h.frames;
  if (h.frames == 0 || h.frames > kMaxFrames) {
    return Failure{Fail::kAnihFrames, {std::to_string(h.frames), std::to_string(kMaxFrames)}};
  }
  if (h.steps > kMaxSteps) return Failure{Fail::kAnihSteps, {std::to_string(h.steps), std::to_string(kMaxSteps)}};
  return h;
}

texts::Result<std::vector<AnimationStep>> BuildSteps(const AniHeader& h, const AniChunks& c,
                                                     std::vector<Failure>& notes) {
  std::vector<AnimationStep> steps(h.steps);
  for (std::uint32_t k = 0; k < h.steps; ++k) steps[k] = {k % h.frames, h.jiffies};
  if (c.seq != nullptr) {
    const std::vector<std::uint32_t> seq = StepValuesLeniently(*c.seq, h.steps, std::nullopt, notes);
    if (!seq.empty()) steps.resize(seq.size());
    for (std::size_t k = 0; k < seq.size(); ++k) {
      if (seq[k] >= h.frames) {
        return Failure{Fail::kStepShowsNoFrame, {std::to_string(k), std::to_string(seq[k]), std::to_string(h.frames)}};
      }
      steps[k].frame = seq[k];
    }
  }
  if (c.rate != nullptr) {
    const std::vector<std::uint32_t> rate = StepValuesLeniently(*c.rate, steps.size(), h.jiffies, notes);
    for (std::size_t k = 0; k < steps.size(); ++k) steps[k].jiffies = rate[k];
  }
  return steps;
}

// The text of an INFO entry: up to its first zero byte.
std::string InfoText(std::span<const std::uint8_t> data) {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

void ReadInfo(const AniChunks& c, AnimatedCursor& cursor) {
  if (!c.info) return;
  // A damaged INFO list costs the title, never the cursor.
  const auto entries = ReadRiffChunks(c.info->data, c.info->offset);
  if (!entries) return;
  for (const RiffChunk& e : *entries) {
    if (e.id == "INAM" && cursor.title.empty()) cursor.title = InfoText(e.data);
    if (e.id == "IART" && cursor.author.empty()) cursor.author = InfoText(e.data);
  }
}

// Reads every frame within one budget for the whole file, so that frames
// of tiny compressed images cannot together claim gigabytes; the failure
// names the frame and holds its reader's. Frames from required on that
// cannot be read end the list instead (chunks beyond the count the header
// declares).
texts::Result<void> ReadFrames(const std::vector<const RiffChunk*>& icons, std::size_t required,
                               const std::string& name, AnimatedCursor& cursor) {
  document::ReadBudget budget;
  if (auto taken = budget.TakeEntries(icons.size()); !taken) return Converting(taken.error());
  for (std::size_t i = 0; i < icons.size(); ++i) {
    auto frame = std::make_unique<document::TKvIcon>();
    const texts::Result<void> loaded = frame->LoadFromMemory(icons[i]->data, name, &budget);
    if (!loaded && i >= required) break;
    if (!loaded) {
      return texts::Within(Fail::kFrameAtOffset, {std::to_string(i), std::to_string(icons[i]->offset)}, loaded.error());
    }
    frame->SetIcon(frame->FileType() != document::kTypeCursor);
    cursor.frames.push_back(std::move(frame));
  }
  return {};
}

}  // namespace

bool LooksLikeAni(std::span<const std::uint8_t> bytes) {
  static constexpr std::uint8_t kRiff[] = {'R', 'I', 'F', 'F'};
  static constexpr std::uint8_t kAcon[] = {'A', 'C', 'O', 'N'};
  return bytes.size() >= kRiffHeaderBytes && std::equal(kRiff, kRiff + 4, bytes.begin()) &&
         std::equal(kAcon, kAcon + 4, bytes.begin() + 8);
}

texts::Result<AnimatedCursor> ReadAniMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                            std::vector<Failure>* warnings) {
  std::vector<Failure> notes;
  if (!LooksLikeAni(bytes)) return Failure{Fail::kNotAnimatedCursor};
  // A RIFF size beyond the file is cut to the file; chunks must still fit.
  const std::uint64_t end = std::min<std::uint64_t>(8 + std::uint64_t{GetU32(bytes, 4)}, bytes.size());
  const auto body = bytes.subspan(kRiffHeaderBytes, static_cast<std::size_t>(std::max<std::uint64_t>(end, 12) - 12));
  const auto chunks = ReadChunksLeniently(body, kRiffHeaderBytes, notes);
  if (!chunks) return texts::Within(Fail::kCannotReadFileBecause, {}, chunks.error());
  const AniChunks found = FindChunks(*chunks);
  auto header = ParseHeader(found.anih, notes);
  if (!header) return Converting(header.error());
  if (!found.fram) return Converting(Fail::kNoFramList);
  const auto frameChunks = ReadChunksLeniently(found.fram->data, found.fram->offset, notes);
  if (!frameChunks) return texts::Within(Fail::kCannotReadFileBecause, {}, frameChunks.error());
  std::vector<const RiffChunk*> icons;
  for (const RiffChunk& c : *frameChunks) {
    if (c.id == "icon" && icons.size() < kMaxFrames) icons.push_back(&c);
  }
  if (icons.empty()) return Converting(Fail::kFramListEmpty);
  AnimatedCursor cursor;
  if (auto read = ReadFrames(icons, std::min<std::size_t>(icons.size(), header->frames), name, cursor); !read) {
    return read.error();
  }
  // The frames present count, whatever the header says.
  if (cursor.frames.size() != header->frames) {
    notes.push_back({Fail::kFramesPresentUsed, {std::to_string(header->frames), std::to_string(cursor.frames.size())}});
    if (header->steps == header->frames) header->steps = static_cast<std::uint32_t>(cursor.frames.size());
    header->frames = static_cast<std::uint32_t>(cursor.frames.size());
  }
  auto steps = BuildSteps(*header, found, notes);
  if (!steps) return Converting(steps.error());
  cursor.steps = std::move(*steps);
  ReadInfo(found, cursor);
  if (warnings != nullptr) warnings->insert(warnings->end(), notes.begin(), notes.end());
  return cursor;
}

texts::Result<AnimatedCursor> ReadAniFile(const std::string& fileName, std::vector<Failure>* warnings) {
  const auto bytes = document::ReadWholeFile(fileName);
  if (!bytes) return Failure{Fail::kCannotOpenFile};
  return ReadAniMemory(*bytes, fileName, warnings);
}

}  // namespace pixmint::formats
