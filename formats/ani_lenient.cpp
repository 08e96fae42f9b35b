#include "formats/ani_lenient.h"

#include <algorithm>

#include "document/byte_io.h"

namespace pixmint::formats {
namespace {

constexpr std::size_t kHeaderBytes = 8;

bool IsIdByte(std::uint8_t c) {
  return c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Four id characters at at, all inside body.
bool LooksLikeId(std::span<const std::uint8_t> body, std::size_t at) {
  return at + 4 <= body.size() && std::all_of(body.begin() + static_cast<std::ptrdiff_t>(at),
                                              body.begin() + static_cast<std::ptrdiff_t>(at + 4), IsIdByte);
}

std::string Id(std::span<const std::uint8_t> body, std::size_t at) {
  std::string id;
  for (std::size_t k = 0; k < 4; ++k) id += IsIdByte(body[at + k]) ? static_cast<char>(body[at + k]) : '?';
  return id;
}

}  // namespace

texts::Result<std::vector<RiffChunk>> ReadChunksLeniently(std::span<const std::uint8_t> body, std::size_t fileOffset,
                                                          std::vector<texts::Failure>& notes) {
  texts::Result<std::vector<RiffChunk>> strict = ReadRiffChunks(body, fileOffset);
  if (strict) return strict;
  std::vector<RiffChunk> chunks;
  std::vector<texts::Failure> forgiven;
  std::size_t at = 0;
  while (at < body.size() && body.size() - at >= kHeaderBytes) {
    const std::size_t left = body.size() - at - kHeaderBytes;
    RiffChunk chunk{Id(body, at), {}, fileOffset + at};
    const std::uint64_t size = document::GetU32(body, at + 4);
    if (size > left) {
      if (size - left > kMaxChunkOverrun) return strict;
      forgiven.push_back(
          {texts::Fail::kChunkRunsPastEnd, {chunk.id, std::to_string(chunk.offset), std::to_string(size - left)}});
      chunk.data = body.subspan(at + kHeaderBytes);
      chunks.push_back(chunk);
      break;
    }
    chunk.data = body.subspan(at + kHeaderBytes, static_cast<std::size_t>(size));
    chunks.push_back(chunk);
    at += kHeaderBytes + static_cast<std::size_t>(size);
    if ((size & 1) == 0 || at >= body.size()) continue;
    // A pad byte is no id character; an id right where it belongs says the
    // writer left the pad out.
    if (LooksLikeId(body, at) && !LooksLikeId(body, at + 1)) {
      forgiven.push_back({texts::Fail::kChunkWithoutPad, {chunk.id, std::to_string(chunk.offset)}});
    } else {
      ++at;
    }
  }
  notes.insert(notes.end(), forgiven.begin(), forgiven.end());
  return chunks;
}

void NoteAnihSize(const RiffChunk& anih, std::vector<texts::Failure>& notes) {
  constexpr std::size_t kAnihBytes = 36;
  const std::uint32_t declared = anih.data.size() >= 4 ? document::GetU32(anih.data, 0) : 0;
  if (anih.data.size() != kAnihBytes || declared != kAnihBytes) {
    notes.push_back({texts::Fail::kAnihUnusualSize, {std::to_string(declared), std::to_string(anih.data.size())}});
  }
}

std::vector<std::uint32_t> StepValuesLeniently(const RiffChunk& chunk, std::size_t steps,
                                               std::optional<std::uint32_t> fill, std::vector<texts::Failure>& notes) {
  const std::size_t present = std::min(chunk.data.size() / 4, steps);
  std::vector<std::uint32_t> values;
  values.reserve(fill ? steps : present);
  for (std::size_t k = 0; k < present; ++k) values.push_back(document::GetU32(chunk.data, 4 * k));
  if (present < steps) {
    const texts::Fail what = fill           ? texts::Fail::kStepsShortRate
                             : present == 0 ? texts::Fail::kStepsShortInOrder
                                            : texts::Fail::kStepsShortListed;
    std::vector<std::string> details{chunk.id, std::to_string(present), std::to_string(steps)};
    if (what == texts::Fail::kStepsShortListed) details.push_back(std::to_string(present));
    notes.push_back({what, std::move(details)});
    if (fill) values.resize(steps, *fill);
  }
  return values;
}

}  // namespace pixmint::formats
