// The sizes command of cursors: sizes a one-size cursor lacks, made by the
// cursor scaler, so that the maker can retouch them.
#include <algorithm>
#include <set>

#include "editor/image_commands.h"
#include "formats/cursor_sizes.h"
#include "texts/ui_texts.h"

namespace pixmint::editor {
namespace {

std::set<int> Sides(const document::TKvIcon& icon, std::uint32_t from = 0) {
  std::set<int> sides;
  for (std::uint32_t i = from; i < icon.ImageCount(); ++i) {
    const auto* s = icon.XorBitmap(i);
    sides.insert(std::max(s->Width(), s->Height()));
  }
  return sides;
}

// Frame k of an animation as the editor holds it: the document's image k
// (what the maker edits) and the frame's further images.
std::unique_ptr<document::TKvIcon> WholeFrame(const document::TKvIcon& document, std::uint32_t k,
                                              const formats::AnimatedCursor& animation) {
  auto frame = std::make_unique<document::TKvIcon>();
  frame->SetIcon(false);
  if (!frame->AppendImage(document, k)) return nullptr;
  if (k < animation.frames.size() && animation.frames[k]) {
    const document::TKvIcon& old = *animation.frames[k];
    for (std::uint32_t j = 1; j < old.ImageCount(); ++j) {
      if (!frame->AppendImage(old, j)) return nullptr;
    }
  }
  return frame;
}

}  // namespace

bool ImageCommands::MakeCursorSizes() {
  document::TKvIcon& document = *state_.Document;
  std::set<int> present = Sides(document);
  if (state_.Animation) {
    for (const auto& frame : state_.Animation->frames) {
      if (frame) present.merge(Sides(*frame, 1));
    }
  }
  const auto sides = host_.AskCursorSizes({present.begin(), present.end()});
  if (!sides || sides->empty()) return false;
  std::vector<formats::AddedCursorSize> added;
  const auto fail = [this](const std::string& reason) {
    host_.ShowMessage({texts::Format(texts::Tr(texts::kSizesFailed), {reason}), texts::Tr(texts::kError),
                       MessageButtons::kOk, MessageIcon::kError});
    return false;
  };
  if (!state_.Animation) {
    const std::uint32_t before = document.ImageCount();
    if (const auto made = formats::AddCursorSizes(document, *sides, added); !made) {
      return fail(texts::Message(made.error()));
    }
    if (added.empty()) return false;
    Select(static_cast<int>(before));
    return true;
  }
  // Every frame or none: the frames are made first, then put in place.
  std::vector<std::unique_ptr<document::TKvIcon>> frames;
  bool any = false;
  for (std::uint32_t k = 0; k < document.ImageCount(); ++k) {
    auto frame = WholeFrame(document, k, *state_.Animation);
    if (!frame) return fail(texts::Message({texts::Fail::kFrame, {std::to_string(k)}}));
    if (const auto made = formats::AddCursorSizes(*frame, *sides, added); !made) {
      return fail(texts::Message(made.error()));
    }
    any = any || !added.empty();
    frames.push_back(std::move(frame));
  }
  if (!any) return false;
  state_.Animation->frames = std::move(frames);
  host_.PanelsChanged();
  return true;
}

}  // namespace pixmint::editor
