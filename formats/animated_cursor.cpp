#include "formats/animated_cursor.h"

#include <algorithm>
#include <numeric>

namespace pixmint::formats {

std::optional<texts::Failure> AnimatedCursor::Problem() const {
  using texts::Fail;
  if (frames.empty()) return texts::Failure{Fail::kNoFrames};
  if (frames.size() > kMaxFrames) return texts::Failure{Fail::kTooManyFrames, {std::to_string(kMaxFrames)}};
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (!frames[i] || frames[i]->ImageCount() == 0)
      return texts::Failure{Fail::kFrameWithoutImage, {std::to_string(i)}};
  }
  if (steps.empty()) return texts::Failure{Fail::kNoSteps};
  if (steps.size() > kMaxSteps) return texts::Failure{Fail::kTooManySteps, {std::to_string(kMaxSteps)}};
  for (std::size_t k = 0; k < steps.size(); ++k) {
    if (steps[k].frame >= frames.size()) {
      return texts::Failure{Fail::kStepFrameMissing, {std::to_string(k), std::to_string(steps[k].frame)}};
    }
  }
  return std::nullopt;
}

bool AnimatedCursor::StepsInFrameOrder() const {
  if (steps.size() != frames.size()) return false;
  for (std::size_t k = 0; k < steps.size(); ++k) {
    if (steps[k].frame != k) return false;
  }
  return true;
}

void AnimatedCursor::PlayFramesInOrder(std::uint32_t jiffies) {
  steps.clear();
  for (std::size_t i = 0; i < frames.size(); ++i) steps.push_back({static_cast<std::uint32_t>(i), jiffies});
}

bool InsertFrame(AnimatedCursor& cursor, std::size_t at, std::unique_ptr<document::TKvIcon> frame,
                 std::uint32_t jiffies) {
  if (!frame || at > cursor.frames.size() || cursor.frames.size() >= kMaxFrames || cursor.steps.size() >= kMaxSteps) {
    return false;
  }
  auto& steps = cursor.steps;
  const auto first = std::find_if(steps.begin(), steps.end(), [at](const AnimationStep& s) { return s.frame == at; });
  const auto stepAt = first - steps.begin();
  for (AnimationStep& s : steps) {
    if (s.frame >= at) ++s.frame;
  }
  steps.insert(steps.begin() + stepAt, AnimationStep{static_cast<std::uint32_t>(at), jiffies});
  cursor.frames.insert(cursor.frames.begin() + static_cast<std::ptrdiff_t>(at), std::move(frame));
  return true;
}

bool RemoveFrame(AnimatedCursor& cursor, std::size_t at) {
  if (at >= cursor.frames.size()) return false;
  std::erase_if(cursor.steps, [at](const AnimationStep& s) { return s.frame == at; });
  for (AnimationStep& s : cursor.steps) {
    if (s.frame > at) --s.frame;
  }
  cursor.frames.erase(cursor.frames.begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

bool DuplicateFrame(AnimatedCursor& cursor, std::size_t at) {
  if (at >= cursor.frames.size() || cursor.frames.size() >= kMaxFrames || !cursor.frames[at]) return false;
  const auto shown =
      std::count_if(cursor.steps.begin(), cursor.steps.end(), [at](const AnimationStep& s) { return s.frame == at; });
  if (cursor.steps.size() + static_cast<std::size_t>(shown) > kMaxSteps) return false;
  auto copy = CloneIcon(*cursor.frames[at]);
  if (!copy) return false;
  std::vector<AnimationStep> steps;
  for (AnimationStep s : cursor.steps) {
    if (s.frame > at) ++s.frame;
    steps.push_back(s);
    if (s.frame == at) steps.push_back({s.frame + 1, s.jiffies});
  }
  cursor.steps = std::move(steps);
  cursor.frames.insert(cursor.frames.begin() + static_cast<std::ptrdiff_t>(at) + 1, std::move(copy));
  return true;
}

namespace {

// Moves element from to position to, shifting the ones between.
template <typename T>
void MoveElement(std::vector<T>& v, std::size_t from, std::size_t to) {
  const auto f = v.begin() + static_cast<std::ptrdiff_t>(from);
  const auto t = v.begin() + static_cast<std::ptrdiff_t>(to);
  if (from < to) {
    std::rotate(f, f + 1, t + 1);
  } else if (to < from) {
    std::rotate(t, f, f + 1);
  }
}

}  // namespace

bool MoveFrame(AnimatedCursor& cursor, std::size_t from, std::size_t to) {
  const std::size_t n = cursor.frames.size();
  if (from >= n || to >= n) return false;
  if (cursor.StepsInFrameOrder()) {
    MoveElement(cursor.steps, from, to);
    for (std::size_t k = 0; k < n; ++k) cursor.steps[k].frame = static_cast<std::uint32_t>(k);
  } else {
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    MoveElement(order, from, to);
    std::vector<std::uint32_t> newIndex(n);
    for (std::size_t k = 0; k < n; ++k) newIndex[order[k]] = static_cast<std::uint32_t>(k);
    for (AnimationStep& s : cursor.steps) {
      if (s.frame < n) s.frame = newIndex[s.frame];
    }
  }
  MoveElement(cursor.frames, from, to);
  return true;
}

std::unique_ptr<document::TKvIcon> CloneIcon(const document::TKvIcon& icon) {
  const auto bytes = icon.SaveToMemory();
  if (!bytes) return nullptr;
  auto copy = std::make_unique<document::TKvIcon>();
  if (!copy->LoadFromMemory(*bytes, icon.IR()->IcoFileName)) return nullptr;
  // An icon file carries no hot spots, so they are copied by hand.
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) copy->SetHotSpot(i, icon.GetHotSpot(i));
  copy->SetIcon(icon.IsIcon());
  return copy;
}

std::unique_ptr<document::TKvIcon> TakeSingleFrame(AnimatedCursor&& cursor) {
  if (cursor.frames.size() != 1) return nullptr;
  return std::move(cursor.frames.front());
}

AnimatedCursor FromSingleFrame(std::unique_ptr<document::TKvIcon> icon) {
  AnimatedCursor cursor;
  cursor.frames.push_back(std::move(icon));
  cursor.PlayFramesInOrder(kDefaultJiffies);
  return cursor;
}

}  // namespace pixmint::formats
