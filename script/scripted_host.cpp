#include "script/scripted_host.h"

#include <stdlib.h>

#include <algorithm>
#include <system_error>

#include "document/temp_folder.h"
#include "raster/stretch.h"

namespace pixmint::script {

using namespace editor;

ScriptedHost::ScriptedHost() = default;
ScriptedHost::~ScriptedHost() = default;

template <typename T>
std::optional<T> ScriptedHost::Take() {
  if (answers_.empty()) return std::nullopt;
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  if (T* value = std::get_if<T>(&answer)) return std::move(*value);
  return std::nullopt;  // a cancel, or an answer meant for another dialog
}

MessageAnswer ScriptedHost::ShowMessage(const MessageBox& box) {
  messages.push_back(box);
  if (box.buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  return Take<MessageAnswer>().value_or(MessageAnswer::kCancel);
}

std::optional<std::string> ScriptedHost::AskFileName(const FileDialog& dialog) {
  fileDialogs.push_back(dialog);
  return Take<std::string>();
}

std::optional<ImageFormat> ScriptedHost::AskImageFormat(std::string_view caption) {
  captions.emplace_back(caption);
  return Take<ImageFormat>();
}

std::optional<raster::Picture> ScriptedHost::AskPastePart(const raster::Picture& clipboard, std::string_view caption,
                                                          int imageWidth, int imageHeight) {
  captions.emplace_back(caption);
  auto part = Take<PasteAnswer>();
  if (!part) return std::nullopt;
  return FitPastePart(clipboard, *part, imageWidth, imageHeight);
}

std::optional<raster::Picture> ScriptedHost::AskTextPicture(raster::Colour colour) {
  if (!answers_.empty()) {
    if (const auto* text = std::get_if<TextAnswer>(&answers_.front())) {
      raster::Picture picture = StandInText(text->text, colour);
      answers_.pop_front();
      if (picture.Empty()) return std::nullopt;  // an empty text is a cancel
      return picture;
    }
  }
  return Take<raster::Picture>();
}

std::optional<std::vector<formats::AnimationStep>> ScriptedHost::AskAnimationSteps(
    const std::vector<formats::AnimationStep>& /*steps*/, const document::TKvIcon& /*frames*/) {
  return Take<std::vector<formats::AnimationStep>>();
}

std::optional<ProgramGroup> ScriptedHost::ChooseProgramGroup(const std::string& programFile) {
  chosenPrograms.push_back(programFile);
  return Take<ProgramGroup>();
}

std::optional<raster::Colour> ScriptedHost::AskColour(raster::Colour initial) {
  colourStarts.push_back(initial);
  return Take<raster::Colour>();
}

std::optional<std::string> ScriptedHost::AskLine(std::string_view caption, std::string_view, std::string_view) {
  captions.emplace_back(caption);
  return Take<std::string>();
}

void ScriptedHost::SetStatusText(int panel, std::string_view text) {
  status_[panel] = text;
}

std::string ScriptedHost::Status(int panel) const {
  auto it = status_.find(panel);
  return it == status_.end() ? std::string() : it->second;
}

void ScriptedHost::CanvasChanged(raster::Rect) {
  ++canvasRepaints_;
}

raster::Picture StandInText(std::string_view text, raster::Colour colour) {
  constexpr int kCellWidth = 5;
  constexpr int kCellHeight = 7;
  if (text.empty()) return {};
  const int width = static_cast<int>(text.size()) * (kCellWidth + 1) - 1;
  raster::Picture picture(width, kCellHeight);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    if (code == ' ') continue;
    const int left = static_cast<int>(i) * (kCellWidth + 1);
    for (int y = 0; y < kCellHeight; ++y) {
      for (int x = 0; x < kCellWidth; ++x) {
        const bool frame = x == 0 || y == 0 || x == kCellWidth - 1 || y == kCellHeight - 1;
        // Inside the frame, bit b of the code lights cell b in reading order.
        const int bit = (y - 1) * (kCellWidth - 2) + (x - 1);
        if (frame || (bit < 8 && ((code >> bit) & 1u) != 0)) picture.SetPixel(left + x, y, colour);
      }
    }
  }
  return picture;
}

raster::Picture FitPastePart(const raster::Picture& picture, const PasteAnswer& answer, int iw, int ih) {
  // Held inside the picture, as the dialog's boxes hold their values.
  PasteAnswer part = answer;
  part.left = std::clamp(part.left, 0, std::max(0, picture.Width() - 1));
  part.top = std::clamp(part.top, 0, std::max(0, picture.Height() - 1));
  const int sw = std::clamp(part.width, 1, std::max(1, picture.Width() - part.left));
  const int sh = std::clamp(part.height, 1, std::max(1, picture.Height() - part.top));
  int ow = sw;
  int oh = sh;
  if (part.stretch) {
    if (sw <= iw && sh > ih) {
      oh = ih;
      ow = static_cast<int>(static_cast<double>(ih) / sh * sw);
    } else if (sw > iw && sh <= ih) {
      ow = iw;
      oh = static_cast<int>(static_cast<double>(iw) / sw * sh);
    } else if (sw > iw && sh > ih) {
      if (static_cast<double>(iw) / ih >= static_cast<double>(sw) / sh) {
        oh = ih;
        ow = static_cast<int>(static_cast<double>(ih) / sh * sw);
      } else {
        ow = iw;
        oh = static_cast<int>(static_cast<double>(iw) / sw * sh);
      }
    }
  } else {
    ow = std::min(sw, iw);
    oh = std::min(sh, ih);
  }
  raster::Picture result(ow, oh);
  if (part.stretch) {
    raster::Picture scratch(sw, sh);
    scratch.CopyFrom(picture, {part.left, part.top, part.left + sw, part.top + sh}, {0, 0});
    raster::StretchCopy(result, result.Bounds(), scratch, scratch.Bounds());
  } else {
    result.CopyFrom(picture, {part.left, part.top, part.left + ow, part.top + oh}, {0, 0});
  }
  return result;
}

}  // namespace pixmint::script
