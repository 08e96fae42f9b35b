#include "formats/riff.h"

#include "document/byte_io.h"

namespace pixmint::formats {
namespace {

constexpr std::size_t kChunkHeaderBytes = 8;

std::string FourCc(std::span<const std::uint8_t> at) {
  std::string id;
  for (std::size_t k = 0; k < 4; ++k) {
    const auto c = static_cast<char>(at[k]);
    id += (c >= 0x20 && c < 0x7F) ? c : '?';
  }
  return id;
}

void PutFourCc(std::vector<std::uint8_t>& out, std::string_view id) {
  for (std::size_t k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(k < id.size() ? id[k] : ' '));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

}  // namespace

texts::Result<std::vector<RiffChunk>> ReadRiffChunks(std::span<const std::uint8_t> body, std::size_t fileOffset) {
  std::vector<RiffChunk> chunks;
  std::size_t at = 0;
  while (at < body.size()) {
    const std::size_t left = body.size() - at;
    // A few stray bytes after the last chunk hold nothing a chunk could.
    if (left < kChunkHeaderBytes) break;
    RiffChunk chunk{FourCc(body.subspan(at, 4)), {}, fileOffset + at};
    const std::uint64_t size = document::GetU32(body, at + 4);
    if (size > left - kChunkHeaderBytes) {
      return texts::Failure{
          texts::Fail::kChunkBeyondEnd,
          {chunk.id, std::to_string(chunk.offset), std::to_string(size), std::to_string(left - kChunkHeaderBytes)}};
    }
    chunk.data = body.subspan(at + kChunkHeaderBytes, static_cast<std::size_t>(size));
    chunks.push_back(chunk);
    // Odd sizes are followed by a pad byte, which a writer may have left off
    // at the very end.
    at += kChunkHeaderBytes + static_cast<std::size_t>(size);
    if ((size & 1) != 0 && at < body.size()) ++at;
  }
  return chunks;
}

std::optional<std::span<const std::uint8_t>> ListBody(const RiffChunk& chunk, std::string_view type) {
  if ((chunk.id != "LIST" && chunk.id != "RIFF") || chunk.data.size() < 4) return std::nullopt;
  if (FourCc(chunk.data.first(4)) != type) return std::nullopt;
  return chunk.data.subspan(4);
}

bool AppendRiffChunk(std::vector<std::uint8_t>& out, std::string_view id, std::span<const std::uint8_t> data) {
  if (data.size() > 0xFFFFFFFEull) return false;
  PutFourCc(out, id);
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  if ((data.size() & 1) != 0) out.push_back(0);
  return true;
}

bool AppendRiffList(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> body) {
  std::vector<std::uint8_t> data;
  data.reserve(body.size() + 4);
  PutFourCc(data, type);
  data.insert(data.end(), body.begin(), body.end());
  return AppendRiffChunk(out, "LIST", data);
}

}  // namespace pixmint::formats
