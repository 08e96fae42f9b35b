#include "editor/doctor_commands.h"

#include <algorithm>

#include "doctor/fix.h"
#include "editor/animation.h"
#include "editor/image_commands.h"
#include "editor/workspace.h"
#include "formats/ani_file.h"

namespace pixmint::editor {

std::optional<doctor::Examination> ExamineShownDocument(const Workspace& ws) {
  const EditorState& state = ws.State();
  if (!state.Document || state.Document->ImageCount() == 0) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> bytes;
  if (state.Animation) {
    if (const auto composed = ComposeAnimation(*state.Document, *state.Animation)) {
      if (auto written = formats::WriteAniMemory(*composed)) bytes = std::move(*written);
    }
  } else {
    bytes = state.Document->SaveToMemory();
  }
  if (!bytes) return std::nullopt;
  return doctor::Examine(*bytes, {});
}

std::shared_ptr<const document::TKvIcon> PickedDocument(const Workspace& ws) {
  const EditorState& state = ws.State();
  if (!state.Document) return nullptr;
  if (!state.Animation) return {std::shared_ptr<const document::TKvIcon>{}, state.Document.get()};
  auto composed = ComposeAnimation(*state.Document, *state.Animation);
  if (!composed || composed->frames.empty()) return nullptr;
  return std::shared_ptr<const document::TKvIcon>(std::move(composed->frames.front()));
}

bool FixShownDocument(Workspace& ws) {
  document::TKvIcon* doc = ws.Document();
  if (doc == nullptr || ws.State().Animation) return false;
  const auto bytes = doc->SaveToMemory();
  if (!bytes) return false;
  const doctor::Examination exam = doctor::Examine(*bytes, {});
  if (exam.directories.empty()) return false;
  const auto report = doctor::FixDocument(*doc, exam.findings, exam.directories.front().check, {});
  if (std::ranges::none_of(report, &doctor::FixLine::done)) return false;
  // The list is rebuilt and the shown image loaded again: images may have
  // gone or come, and the shown one may be stored another way.
  ws.Images().Select(std::min(ws.State().CurrentImage, static_cast<int>(doc->ImageCount()) - 1));
  return true;
}

}  // namespace pixmint::editor
