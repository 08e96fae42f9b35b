#include <algorithm>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/riff.h"

namespace pixmint::formats {
namespace {

using document::GetU32;

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kAnihBytes = 36;

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

std::optional<AniHeader> ParseHeader(const RiffChunk* anih, std::string& why) {
  if (anih == nullptr) {
    why = "no 'anih' chunk";
    return std::nullopt;
  }
  if (anih->data.size() < kAnihBytes) {
    why = "the 'anih' chunk holds " + std::to_string(anih->data.size()) + " bytes, 36 are needed";
    return std::nullopt;
  }
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

// One 32-bit value per step from chunk, checked against the declared count
// before anything is allocated.
std::optional<std::vector<std::uint32_t>> StepValues(const RiffChunk& chunk, std::uint32_t steps, std::string& why) {
  if (chunk.data.size() / 4 < steps) {
    why = "'" + chunk.id + "' holds " + std::to_string(chunk.data.size() / 4) + " entries, " + std::to_string(steps) +
          " steps are declared";
    return std::nullopt;
  }
  std::vector<std::uint32_t> values(steps);
  for (std::uint32_t k = 0; k < steps; ++k) values[k] = GetU32(chunk.data, 4 * std::size_t{k});
  return values;
}

std::optional<std::vector<AnimationStep>> BuildSteps(const AniHeader& h, const AniChunks& c, std::string& why) {
  std::vector<AnimationStep> steps(h.steps);
  for (std::uint32_t k = 0; k < h.steps; ++k) steps[k] = {k % h.frames, h.jiffies};
  if (c.seq != nullptr) {
    const auto seq = StepValues(*c.seq, h.steps, why);
    if (!seq) return std::nullopt;
    for (std::uint32_t k = 0; k < h.steps; ++k) {
      if ((*seq)[k] >= h.frames) {
        why = "step " + std::to_string(k) + " shows frame " + std::to_string((*seq)[k]) + " of " +
              std::to_string(h.frames);
        return std::nullopt;
      }
      steps[k].frame = (*seq)[k];
    }
  }
  if (c.rate != nullptr) {
    const auto rate = StepValues(*c.rate, h.steps, why);
    if (!rate) return std::nullopt;
    for (std::uint32_t k = 0; k < h.steps; ++k) steps[k].jiffies = (*rate)[k];
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
// names the frame and gives its reader's message.
bool ReadFrames(const std::vector<const RiffChunk*>& icons, const std::string& name, AnimatedCursor& cursor,
                std::string& why) {
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
                                            const document::ErrorCallback& onError) {
  auto fail = [&](const std::string& message) -> std::optional<AnimatedCursor> {
    if (onError) onError(message, name);
    return std::nullopt;
  };
  if (!LooksLikeAni(bytes)) return fail("Not an animated cursor (no RIFF ACON header)");
  // A RIFF size beyond the file is cut to the file; chunks must still fit.
  const std::uint64_t end = std::min<std::uint64_t>(8 + std::uint64_t{GetU32(bytes, 4)}, bytes.size());
  const auto body = bytes.subspan(kRiffHeaderBytes, static_cast<std::size_t>(std::max<std::uint64_t>(end, 12) - 12));
  std::string why;
  const auto chunks = ReadRiffChunks(body, kRiffHeaderBytes, why);
  if (!chunks) return fail(std::string(document::kErrorReading) + " (" + why + ")");
  const AniChunks found = FindChunks(*chunks);
  const auto header = ParseHeader(found.anih, why);
  if (!header) return fail(Converting(why));
  if (!found.fram) return fail(Converting("no 'fram' list"));
  const auto frameChunks = ReadRiffChunks(found.fram->data, found.fram->offset, why);
  if (!frameChunks) return fail(std::string(document::kErrorReading) + " (" + why + ")");
  std::vector<const RiffChunk*> icons;
  for (const RiffChunk& c : *frameChunks) {
    if (c.id == "icon" && icons.size() < header->frames) icons.push_back(&c);
  }
  if (icons.size() < header->frames) {
    return fail(Converting("'anih' declares " + std::to_string(header->frames) + " frames, the 'fram' list holds " +
                           std::to_string(icons.size())));
  }
  auto steps = BuildSteps(*header, found, why);
  if (!steps) return fail(Converting(why));
  AnimatedCursor cursor;
  cursor.steps = std::move(*steps);
  if (!ReadFrames(icons, name, cursor, why)) return fail(why);
  ReadInfo(found, cursor);
  return cursor;
}

std::optional<AnimatedCursor> ReadAniFile(const std::string& fileName, const document::ErrorCallback& onError) {
  const auto bytes = document::ReadWholeFile(fileName);
  if (!bytes) {
    if (onError) onError(document::kErrorOpening, fileName);
    return std::nullopt;
  }
  return ReadAniMemory(*bytes, fileName, onError);
}

}  // namespace pixmint::formats
