#include <algorithm>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/ani_lenient.h"
#include "formats/riff.h"

namespace pixmint::formats {
namespace {

using document::GetU32;

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

std::string Converting(const std::string& why) {
  return std::string(document::kErrorConverting) + " (" + why + ")";
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

std::optional<AniHeader> ParseHeader(const RiffChunk* anih, std::string& why, std::vector<std::string>& notes) {
  if (anih == nullptr) {
    why = "no 'anih' chunk";
    return std::nullopt;
  }
  if (anih->data.size() < kAnihFieldBytes) {
    why = "the 'anih' chunk holds " + std::to_string(anih->data.size()) + " bytes, 32 are needed";
    return std::nullopt;
  }
  NoteAnihSize(*anih, notes);
  AniHeader h{GetU32(anih->data, 4), GetU32(anih->data, 8), GetU32(anih->data, 28)};
  // Without a sequence a step count of 0 means one step per frame.
  if (h.steps == 0) h.steps = h.frames;
  if (h.frames == 0 || h.frames > kMaxFrames) {
    why = "'anih' declares " + std::to_string(h.frames) + " frames (1 to " + std::to_string(kMaxFrames) + " allowed)";
    return std::nullopt;
  }
  if (h.steps > kMaxSteps) {
    why = "'anih' declares " + std::to_string(h.steps) + " steps (at most " + std::to_string(kMaxSteps) + ")";
    return std::nullopt;
  }
  return h;
}

std::optional<std::vector<AnimationStep>> BuildSteps(const AniHeader& h, const AniChunks& c, std::string& why,
                                                     std::vector<std::string>& notes) {
  std::vector<AnimationStep> steps(h.steps);
  for (std::uint32_t k = 0; k < h.steps; ++k) steps[k] = {k % h.frames, h.jiffies};
  if (c.seq != nullptr) {
    const std::vector<std::uint32_t> seq = StepValuesLeniently(*c.seq, h.steps, std::nullopt, notes);
    if (!seq.empty()) steps.resize(seq.size());
    for (std::size_t k = 0; k < seq.size(); ++k) {
      if (seq[k] >= h.frames) {
        why =
            "step " + std::to_string(k) + " shows frame " + std::to_string(seq[k]) + " of " + std::to_string(h.frames);
        return std::nullopt;
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
  std::string ignored;
  // A damaged INFO list costs the title, never the cursor.
  const auto entries = ReadRiffChunks(c.info->data, c.info->offset, ignored);
  if (!entries) return;
  for (const RiffChunk& e : *entries) {
    if (e.id == "INAM" && cursor.title.empty()) cursor.title = InfoText(e.data);
    if (e.id == "IART" && cursor.author.empty()) cursor.author = InfoText(e.data);
  }
}

// Reads every frame within one budget for the whole file, so that frames
// of tiny compressed images cannot together claim gigabytes; on failure why
// names the frame and gives its reader's message. Frames from required on
// that cannot be read end the list instead (chunks beyond the count the
// header declares).
bool ReadFrames(const std::vector<const RiffChunk*>& icons, std::size_t required, const std::string& name,
                AnimatedCursor& cursor, std::string& why) {
  document::ReadBudget budget;
  if (!budget.TakeEntries(icons.size(), why)) {
    why = Converting(why);
    return false;
  }
  for (std::size_t i = 0; i < icons.size(); ++i) {
    auto frame = std::make_unique<document::TKvIcon>();
    std::string message;
    frame->SetErrorCallback([&message](std::string_view text, std::string_view) {
      if (message.empty()) message = text;
    });
    const bool loaded = frame->LoadFromMemory(icons[i]->data, name, &budget);
    frame->SetErrorCallback({});
    if (!loaded && i >= required) break;
    if (!loaded) {
      why = "Frame " + std::to_string(i) + " (offset " + std::to_string(icons[i]->offset) +
            "): " + (message.empty() ? std::string("not an icon or cursor file") : message);
      return false;
    }
    frame->SetIcon(frame->FileType() != document::kTypeCursor);
    cursor.frames.push_back(std::move(frame));
  }
  return true;
}

}  // namespace

bool LooksLikeAni(std::span<const std::uint8_t> bytes) {
  static constexpr std::uint8_t kRiff[] = {'R', 'I', 'F', 'F'};
  static constexpr std::uint8_t kAcon[] = {'A', 'C', 'O', 'N'};
  return bytes.size() >= kRiffHeaderBytes && std::equal(kRiff, kRiff + 4, bytes.begin()) &&
         std::equal(kAcon, kAcon + 4, bytes.begin() + 8);
}

std::optional<AnimatedCursor> ReadAniMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                            const document::ErrorCallback& onError,
                                            std::vector<std::string>* warnings) {
  auto fail = [&](const std::string& message) -> std::optional<AnimatedCursor> {
    if (onError) onError(message, name);
    return std::nullopt;
  };
  std::vector<std::string> notes;
  if (!LooksLikeAni(bytes)) return fail("Not an animated cursor (no RIFF ACON header)");
  // A RIFF size beyond the file is cut to the file; chunks must still fit.
  const std::uint64_t end = std::min<std::uint64_t>(8 + std::uint64_t{GetU32(bytes, 4)}, bytes.size());
  const auto body = bytes.subspan(kRiffHeaderBytes, static_cast<std::size_t>(std::max<std::uint64_t>(end, 12) - 12));
  std::string why;
  const auto chunks = ReadChunksLeniently(body, kRiffHeaderBytes, why, notes);
  if (!chunks) return fail(std::string(document::kErrorReading) + " (" + why + ")");
  const AniChunks found = FindChunks(*chunks);
  auto header = ParseHeader(found.anih, why, notes);
  if (!header) return fail(Converting(why));
  if (!found.fram) return fail(Converting("no 'fram' list"));
  const auto frameChunks = ReadChunksLeniently(found.fram->data, found.fram->offset, why, notes);
  if (!frameChunks) return fail(std::string(document::kErrorReading) + " (" + why + ")");
  std::vector<const RiffChunk*> icons;
  for (const RiffChunk& c : *frameChunks) {
    if (c.id == "icon" && icons.size() < kMaxFrames) icons.push_back(&c);
  }
  if (icons.empty()) return fail(Converting("the 'fram' list holds no frame"));
  AnimatedCursor cursor;
  if (!ReadFrames(icons, std::min<std::size_t>(icons.size(), header->frames), name, cursor, why)) return fail(why);
  // The frames present count, whatever the header says.
  if (cursor.frames.size() != header->frames) {
    notes.push_back("'anih' declares " + std::to_string(header->frames) + " frames, the 'fram' list holds " +
                    std::to_string(cursor.frames.size()) + "; those are used");
    if (header->steps == header->frames) header->steps = static_cast<std::uint32_t>(cursor.frames.size());
    header->frames = static_cast<std::uint32_t>(cursor.frames.size());
  }
  auto steps = BuildSteps(*header, found, why, notes);
  if (!steps) return fail(Converting(why));
  cursor.steps = std::move(*steps);
  ReadInfo(found, cursor);
  if (warnings != nullptr) warnings->insert(warnings->end(), notes.begin(), notes.end());
  return cursor;
}

std::optional<AnimatedCursor> ReadAniFile(const std::string& fileName, const document::ErrorCallback& onError,
                                          std::vector<std::string>* warnings) {
  const auto bytes = document::ReadWholeFile(fileName);
  if (!bytes) {
    if (onError) onError(document::kErrorOpening, fileName);
    return std::nullopt;
  }
  return ReadAniMemory(*bytes, fileName, onError, warnings);
}

}  // namespace pixmint::formats
