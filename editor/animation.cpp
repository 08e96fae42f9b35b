#include "editor/animation.h"

#include <utility>

namespace pixmint::editor {
namespace {

// Image i of a document alone, as a cursor frame.
std::unique_ptr<document::TKvIcon> FrameOf(const document::TKvIcon& document, std::uint32_t i) {
  auto frame = std::make_unique<document::TKvIcon>();
  frame->SetIcon(false);
  if (!frame->AppendImage(document, i)) return nullptr;
  return frame;
}

}  // namespace

bool ShowFrames(const formats::AnimatedCursor& animation, document::TKvIcon& document) {
  for (const auto& frame : animation.frames) {
    if (!frame || frame->ImageCount() == 0 || !document.AppendImage(*frame, 0)) return false;
  }
  return document.ImageCount() > 0;
}

std::unique_ptr<formats::AnimatedCursor> ComposeAnimation(const document::TKvIcon& document,
                                                          const formats::AnimatedCursor& animation) {
  auto composed = std::make_unique<formats::AnimatedCursor>();
  composed->steps = animation.steps;
  composed->title = animation.title;
  composed->author = animation.author;
  for (std::uint32_t k = 0; k < document.ImageCount(); ++k) {
    auto frame = FrameOf(document, k);
    if (!frame) return nullptr;
    // The other sizes the frame was read with stay with it.
    if (k < animation.frames.size() && animation.frames[k]) {
      const document::TKvIcon& old = *animation.frames[k];
      for (std::uint32_t j = 1; j < old.ImageCount(); ++j) {
        if (!frame->AppendImage(old, j)) return nullptr;
      }
    }
    composed->frames.push_back(std::move(frame));
  }
  return composed;
}

std::unique_ptr<formats::AnimatedCursor> FramesOf(const document::TKvIcon& document, std::uint32_t jiffies) {
  auto animation = std::make_unique<formats::AnimatedCursor>();
  for (std::uint32_t k = 0; k < document.ImageCount(); ++k) {
    auto frame = FrameOf(document, k);
    if (!frame) return nullptr;
    animation->frames.push_back(std::move(frame));
  }
  animation->PlayFramesInOrder(jiffies);
  return animation;
}

bool FrameAppended(formats::AnimatedCursor& animation, const document::TKvIcon& document) {
  if (document.ImageCount() == 0) return false;
  auto frame = FrameOf(document, document.ImageCount() - 1);
  return frame && formats::InsertFrame(animation, animation.frames.size(), std::move(frame));
}

bool FrameDeleted(formats::AnimatedCursor& animation, std::size_t at) {
  if (!formats::RemoveFrame(animation, at)) return false;
  // Its steps were the only ones: an animation must play something, so the
  // frames left play in order.
  if (animation.steps.empty()) animation.PlayFramesInOrder(formats::kDefaultJiffies);
  return true;
}

bool FrameDuplicated(formats::AnimatedCursor& animation, std::size_t at) {
  // The copy comes right after its source; the document put it last.
  return formats::DuplicateFrame(animation, at) && formats::MoveFrame(animation, at + 1, animation.frames.size() - 1);
}

bool FramesExchanged(formats::AnimatedCursor& animation, std::size_t i, std::size_t j) {
  if (i == j) return true;
  if (i > j) std::swap(i, j);
  // [.. i .. j ..]: i moves to j's place, then what was j (now at j - 1) to i's.
  return formats::MoveFrame(animation, i, j) && formats::MoveFrame(animation, j - 1, i);
}

}  // namespace pixmint::editor

#include "editor/editor_state.h"

namespace pixmint::editor {

// Here, where both types are complete.
EditorState::EditorState() = default;
EditorState::~EditorState() = default;
EditorState::EditorState(EditorState&&) noexcept = default;
EditorState& EditorState::operator=(EditorState&&) noexcept = default;

}  // namespace pixmint::editor
