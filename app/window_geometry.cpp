#include "app/window_geometry.h"

#include <algorithm>

namespace pixmint::app {

WindowBox CorrectWindowBox(WindowBox stored, int screenWidth, int screenHeight) {
  constexpr int kMinimum = 200;
  constexpr int kMargin = 60;
  constexpr int kCentreMark = 100;
  WindowBox box = stored;
  if (box.width < kMinimum) box.width = screenWidth - kMargin;
  if (box.height < kMinimum) box.height = screenHeight - kMargin;
  box.width = std::clamp(box.width, std::min(kMinimum, screenWidth), std::max(screenWidth, kMinimum));
  box.height = std::clamp(box.height, std::min(kMinimum, screenHeight), std::max(screenHeight, kMinimum));
  if (box.left == kCentreMark) box.left = (screenWidth - box.width) / 2;
  if (box.top == kCentreMark) box.top = (screenHeight - box.height) / 2;
  box.left = std::clamp(box.left, 0, std::max(0, screenWidth - box.width));
  box.top = std::clamp(box.top, 0, std::max(0, screenHeight - box.height));
  return box;
}

}  // namespace pixmint::app
