#include "document/byte_io.h"
#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/riff.h"

namespace pixmint::formats {
namespace {

constexpr std::uint32_t kAnihBytes = 36;
// anih flags: frames are icon or cursor files; a "seq " chunk orders the steps.
constexpr std::uint32_t kFlagIcon = 1;
constexpr std::uint32_t kFlagSequence = 2;

std::vector<std::uint8_t> U32Array(std::span<const AnimationStep> steps, bool frames) {
  std::vector<std::uint8_t> out(steps.size() * 4);
  for (std::size_t k = 0; k < steps.size(); ++k)
    document::PutU32(out, 4 * k, frames ? steps[k].frame : steps[k].jiffies);
  return out;
}

std::vector<std::uint8_t> Anih(const AnimatedCursor& cursor, bool sequence) {
  std::vector<std::uint8_t> anih(kAnihBytes, 0);
  document::PutU32(anih, 0, kAnihBytes);
  document::PutU32(anih, 4, static_cast<std::uint32_t>(cursor.frames.size()));
  document::PutU32(anih, 8, static_cast<std::uint32_t>(cursor.steps.size()));
  document::PutU32(anih, 28, cursor.steps.front().jiffies);
  document::PutU32(anih, 32, kFlagIcon | (sequence ? kFlagSequence : 0));
  return anih;
}

bool AppendInfo(std::vector<std::uint8_t>& out, const AnimatedCursor& cursor) {
  if (cursor.title.empty() && cursor.author.empty()) return true;
  std::vector<std::uint8_t> info;
  auto text = [](const std::string& s) {
    std::vector<std::uint8_t> bytes(s.begin(), s.end());
    bytes.push_back(0);
    return bytes;
  };
  return (cursor.title.empty() || AppendRiffChunk(info, "INAM", text(cursor.title))) &&
         (cursor.author.empty() || AppendRiffChunk(info, "IART", text(cursor.author))) &&
         AppendRiffList(out, "INFO", info);
}

texts::Result<void> AppendFrames(std::vector<std::uint8_t>& out, const AnimatedCursor& cursor) {
  std::vector<std::uint8_t> fram;
  for (std::size_t i = 0; i < cursor.frames.size(); ++i) {
    const auto bytes = cursor.frames[i]->SaveToMemory();
    if (!bytes || !AppendRiffChunk(fram, "icon", *bytes)) {
      return texts::Failure{texts::Fail::kAniFrameUnwritable, {std::to_string(i)}};
    }
  }
  if (AppendRiffList(out, "fram", fram)) return {};
  return texts::Failure{texts::Fail::kAniFramesTooLarge};
}

}  // namespace

texts::Result<std::vector<std::uint8_t>> WriteAniMemory(const AnimatedCursor& cursor) {
  if (auto problem = cursor.Problem()) return *std::move(problem);
  const bool sequence = !cursor.StepsInFrameOrder();
  const std::uint32_t first = cursor.steps.front().jiffies;
  bool rates = false;
  for (const AnimationStep& s : cursor.steps) rates = rates || s.jiffies != first;

  std::vector<std::uint8_t> body = {'A', 'C', 'O', 'N'};
  // The header before the title: the GDK pixbuf loader (desktop thumbnails)
  // refuses a cursor whose INFO list comes first.
  bool ok = AppendRiffChunk(body, "anih", Anih(cursor, sequence)) && AppendInfo(body, cursor);
  ok = ok && (!rates || AppendRiffChunk(body, "rate", U32Array(cursor.steps, false)));
  ok = ok && (!sequence || AppendRiffChunk(body, "seq ", U32Array(cursor.steps, true)));
  if (!ok) return texts::Failure{texts::Fail::kAniHeaderTooLarge};
  if (auto framed = AppendFrames(body, cursor); !framed) return framed.error();
  if (body.size() > 0xFFFFFFF0ull) return texts::Failure{texts::Fail::kAniTooLarge};
  std::vector<std::uint8_t> file = {'R', 'I', 'F', 'F', 0, 0, 0, 0};
  document::PutU32(file, 4, static_cast<std::uint32_t>(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

texts::Result<void> WriteAniFile(const AnimatedCursor& cursor, const std::string& fileName) {
  const auto bytes = WriteAniMemory(cursor);
  if (!bytes) return bytes.error();
  if (document::WriteFileAtomically(fileName, *bytes)) return {};
  return texts::Failure{texts::Fail::kCannotWrite, {fileName}};
}

}  // namespace pixmint::formats
