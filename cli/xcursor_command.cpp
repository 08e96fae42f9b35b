// pixmint-cli xcursor IN OUT: converts between Windows cursors and Xcursor
// files; OUT's extension says which way.
#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "formats/ani_file.h"
#include "formats/xcursor.h"

namespace pixmint::cli {
namespace {

int WriteCursor(formats::AnimatedCursor&& cursor, const std::string& out) {
  const std::size_t frames = cursor.frames.size();
  auto icon = formats::TakeSingleFrame(std::move(cursor));
  if (!icon) {
    return Fail(kExitFailure, "the cursor has " + std::to_string(frames) + " frames; write it as .ani or Xcursor");
  }
  icon->SetIcon(false);
  if (const auto saved = icon->SaveToFile(out); !saved) {
    return Fail(kExitFailure, "cannot write " + out + ": " + texts::EnglishMessage(saved.error()));
  }
  return kExitOk;
}

int WriteXcursor(const formats::AnimatedCursor& cursor, const std::string& out, std::vector<std::string>& notes) {
  std::vector<texts::Failure> changes;
  const auto images = formats::XcursorImagesOf(cursor, changes);
  for (const texts::Failure& change : changes) notes.push_back(texts::EnglishMessage(change));
  PrintNotes(notes);
  if (!images) return Fail(kExitFailure, "cannot convert: " + texts::EnglishMessage(images.error()));
  if (const auto written = formats::WriteXcursorFile(*images, out); !written) {
    return Fail(kExitFailure, texts::EnglishMessage(written.error()));
  }
  return kExitOk;
}

}  // namespace

int RunXcursor(std::span<const std::string> args) {
  if (args.size() != 2) return Fail(kExitUsage, "usage: pixmint-cli xcursor IN OUT");
  const std::string& in = args[0];
  const std::string& out = args[1];
  std::vector<std::string> notes;
  std::string error;
  auto cursor = LoadAnyCursor(in, notes, error);
  if (!cursor) return Fail(kExitFailure, error);
  if (HasExtension(out, ".cur")) {
    PrintNotes(notes);
    return WriteCursor(std::move(*cursor), out);
  }
  if (HasExtension(out, ".ani")) {
    PrintNotes(notes);
    if (const auto written = formats::WriteAniFile(*cursor, out); !written) {
      return Fail(kExitFailure, "cannot write " + out + ": " + texts::EnglishMessage(written.error()));
    }
    return kExitOk;
  }
  return WriteXcursor(*cursor, out, notes);
}

}  // namespace pixmint::cli
