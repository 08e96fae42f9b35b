#include "editor/doctor_commands.h"

#include <algorithm>

#include "doctor/fix.h"
#include "editor/image_commands.h"
#include "editor/workspace.h"
#include "formats/ani_file.h"

namespace pixmint::editor {

std::optional<doctor::Examination> ExamineShownDocument(const Workspace& ws) {
  const EditorState& state = ws.State();
  if (!state.Document || state.Document->ImageCount() == 0) return std::nullopt;
  const auto bytes = state.Animation ? formats::WriteAniMemory(*state.Animation) : state.Document->SaveToMemory();
  if (!bytes) return std::nullopt;
  return doctor::Examine(*bytes, {});
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
