#pragma once

namespace pixmint::app {

struct WindowBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const WindowBox&, const WindowBox&) = default;
};

// The stored window box with the start-up corrections: a width or height
// below 200 becomes the screen's less 60, a left or top of exactly 100 is
// centred. Beyond that the box is kept inside the screen so that a stored
// value from another, larger display (or a damaged one) never puts the
// window out of reach.
[[nodiscard]] WindowBox CorrectWindowBox(WindowBox stored, int screenWidth, int screenHeight);

}  // namespace pixmint::app
