#pragma once

#include <cstdint>

namespace pixmint::raster {

// A colour as 0x00BBGGRR: the layout of the colour dialogs, the settings and
// the marker colours.
using Colour = std::uint32_t;

// What a pixel read outside a picture answers (all bits set, as the classic
// drawing interfaces do); never a colour a picture holds.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

[[nodiscard]] constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Colour{r} | (Colour{g} << 8) | (Colour{b} << 16);
}
[[nodiscard]] constexpr std::uint8_t Red(Colour c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
[[nodiscard]] constexpr std::uint8_t Green(Colour c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
[[nodiscard]] constexpr std::uint8_t Blue(Colour c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

// Compares the three colour bytes only.
[[nodiscard]] constexpr bool SameRgb(Colour a, Colour b) {
  return (a & 0xFFFFFF) == (b & 0xFFFFFF);
}

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

// Right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  [[nodiscard]] constexpr int Width() const { return right - left; }
  [[nodiscard]] constexpr int Height() const { return bottom - top; }
  [[nodiscard]] constexpr bool Empty() const { return right <= left || bottom <= top; }
  [[nodiscard]] constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend constexpr bool operator==(Rect, Rect) = default;
};

// What a tool lays down: a colour, transparency (the eraser, the transparent
// colour button) or, in cursor images whose mask decides, the screen-inverting
// pixel. No colour is reserved for the other two: the kind says it.
enum class PaintKind : std::uint8_t { kColour, kTransparent, kInverting };

struct Paint {
  Colour colour = 0;
  PaintKind kind = PaintKind::kColour;
  friend constexpr bool operator==(Paint, Paint) = default;
};

[[nodiscard]] constexpr Paint ColourPaint(Colour c) {
  return {c & 0xFFFFFF, PaintKind::kColour};
}
inline constexpr Paint kTransparentPaint{0, PaintKind::kTransparent};
inline constexpr Paint kInvertingPaint{0xFFFFFF, PaintKind::kInverting};

// How the canvas draws what is not a plain opaque colour. The marker colours
// are settings of the display only: a pixel's transparency lives in the
// picture's alpha byte, never in its colour.
struct MarkerColours {
  Colour trans = Rgb(234, 234, 234);   // behind a transparent or partly transparent pixel
  Colour invert = Rgb(218, 109, 109);  // a screen-inverting cursor pixel
  Colour white = Rgb(255, 255, 255);   // pure white as the display shows it
};

// The process-wide marker colours, fixed once at start-up from the settings.
[[nodiscard]] const MarkerColours& Markers();
void SetMarkers(const MarkerColours& markers);

}  // namespace pixmint::raster
