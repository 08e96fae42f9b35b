#include "editor/effect_commands.h"

#include <optional>

#include "raster/transform.h"
#include "texts/numbers.h"
#include "texts/ui_texts.h"

namespace pixmint::editor {
namespace {

// A whole number typed by the user; nothing for anything else.
std::optional<int> ParseInt(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return texts::ParseWhole<int>(text);
}

}  // namespace

EffectCommands::EffectCommands(EditorState& state, EditorHost& host, EditBuffers& buffers, CanvasView& view,
                               SelectionCommands& selection)
    : state_(state), host_(host), buffers_(buffers), view_(view), selection_(selection) {}

bool EffectCommands::Lift() {
  if (!state_.HasFloat) selection_.SelectAll();
  if (!state_.HasFloat) return false;
  buffers_.LiftPicked();
  return true;
}

bool EffectCommands::Apply(void (*transform)(raster::Picture&)) {
  if (!Lift()) return false;
  transform(state_.FloatBitmap);
  view_.PaintBox1Paint();
  return true;
}

bool EffectCommands::RotateArbitrary() {
  auto text = host_.AskLine(texts::Tr(texts::kRotateCaption), texts::Tr(texts::kRotatePrompt), texts::kRotateInitial);
  if (!text) return false;
  const std::optional<int> angle = ParseInt(*text);
  if (!angle) {
    host_.ShowMessage(
        {texts::Tr(texts::kBadAngle), texts::Tr(texts::kError), MessageButtons::kOk, MessageIcon::kError});
    return false;
  }
  if (*angle < 1 || *angle > 359) return false;
  if (!Lift()) return false;
  const int oldWidth = state_.FloatBitmap.Width();
  const int oldHeight = state_.FloatBitmap.Height();
  raster::RotateBy(state_.FloatBitmap, *angle);
  // The turned picture grows about its centre, so it stays where it was.
  state_.FloatLeft += (oldWidth - state_.FloatBitmap.Width()) / 2;
  state_.FloatTop += (oldHeight - state_.FloatBitmap.Height()) / 2;
  view_.PaintBox1Paint();
  return true;
}

}  // namespace pixmint::editor
