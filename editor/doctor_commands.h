#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "doctor/doctor.h"
#include "doctor/fix.h"

namespace pixmint::editor {

class Workspace;

// The shown document as it would be saved, examined by the doctor (an
// animated cursor as its .ani file). Nothing when there is no document.
[[nodiscard]] std::optional<doctor::Examination> ExamineShownDocument(const Workspace& ws);

// The document whose images the picks of ExamineShownDocument name: the
// shown one, or an animated cursor's first frame as it would be saved.
[[nodiscard]] std::shared_ptr<const document::TKvIcon> PickedDocument(const Workspace& ws);

// The doctor's fix of the shown document (not of an animated cursor, whose
// images are its frames): what changes no existing image's pixels. False,
// changing nothing, when there is nothing it can fix.
bool FixShownDocument(Workspace& ws);

}  // namespace pixmint::editor
