#include "script/script_runner.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "document/file_io.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "editor/workspace.h"
#include "formats/animated_cursor.h"
#include "script/scripted_host.h"
#include "settings/memory_settings.h"
#include "texts/numbers.h"
#include "tools/tool_table.h"

namespace pixmint::script {
namespace {

using namespace editor;

struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Words = std::vector<std::string>;

int ToInt(const std::string& word) {
  const auto value = texts::ParseWhole<int>(word);
  if (!value) throw ScriptError("not a number: " + word);
  return *value;
}

// A number that must lie within [low, high]: coordinates, counts, sizes.
int ToInt(const std::string& word, int low, int high) {
  const int value = ToInt(word);
  if (value < low || value > high) {
    throw ScriptError("out of range: " + word + " (" + std::to_string(low) + " to " + std::to_string(high) + ")");
  }
  return value;
}

// Image pixels and canvas points lie far inside this; anything beyond would
// only overflow on the way to the screen.
constexpr int kMaxCoordinate = 1 << 20;

void Need(const Words& w, std::size_t count) {
  if (w.size() < count) throw ScriptError("missing arguments for " + w[0]);
}

std::string ColourString(raster::Colour c) {
  return std::to_string(raster::Red(c)) + "," + std::to_string(raster::Green(c)) + "," +
         std::to_string(raster::Blue(c));
}

std::string PaintString(raster::Paint paint) {
  switch (paint.kind) {
    case raster::PaintKind::kTransparent:
      return "transparent";
    case raster::PaintKind::kInverting:
      return "inverting";
    case raster::PaintKind::kColour:
      break;
  }
  return ColourString(paint.colour);
}

// A pixel as the scripts print it: R,G,B when opaque, R,G,B,A when partly
// transparent, "transparent" (whatever colour it hides) or "inverting".
std::string PixelString(const std::uint8_t* p, raster::Transparency holds) {
  if (raster::IsInverting(p, holds)) return "inverting";
  if (p[3] == 0) return "transparent";
  const std::string rgb = ColourString(raster::Rgb(p[2], p[1], p[0]));
  return p[3] == raster::kOpaque ? rgb : rgb + "," + std::to_string(p[3]);
}

class Script {
 public:
  Script(std::ostream& out) : out_(out), workspace_(host_, settings_) {}
  void Run(const Words& w);

  // The script's own verbs (the table below lists them).
  void New(const Words& w);
  void Open(const Words& w);
  void Images(const Words& w);
  void Zoom(const Words& w);
  void Tool(const Words& w);
  void Option(const Words& w);
  void Opacity(const Words& w);
  void Colours(const Words& w);
  void Mouse(const Words& w);
  void Seed(const Words& w);
  void Tick(const Words& w);
  void Answer(const Words& w);
  void Clipboard(const Words& w);
  void Dump(const Words& w);
  void Print(const Words& w);

 private:
  // A command of the command list: its verb is the line's first word or two.
  [[nodiscard]] bool RunCommand(const Words& w);
  [[nodiscard]] std::size_t Point(const Words& w, std::size_t at, int& x, int& y) const;
  [[nodiscard]] tools::ShiftState Mods(const Words& w, std::size_t from, MouseButton& button) const;
  [[nodiscard]] const raster::Picture& NamedPicture(const std::string& name) const;
  void PrintPixels(const Words& w);
  void PrintState();
  void PrintAnimation();

  std::ostream& out_;
  ScriptedHost host_;
  MemorySettings settings_;
  Workspace workspace_;
};

std::size_t Script::Point(const Words& w, std::size_t at, int& x, int& y) const {
  if (w.size() <= at) throw ScriptError("missing point");
  const int zoom = workspace_.State().Zoom;
  if (w[at].starts_with('@')) {
    if (w.size() <= at + 1) throw ScriptError("missing point");
    x = ToInt(w[at].substr(1), -kMaxCoordinate, kMaxCoordinate);
    y = ToInt(w[at + 1], -kMaxCoordinate, kMaxCoordinate);
    return at + 2;
  }
  if (w.size() <= at + 1) throw ScriptError("missing point");
  // The centre of the zoomed pixel.
  x = ToInt(w[at], -kMaxCoordinate / 64, kMaxCoordinate / 64) * zoom + zoom / 2;
  y = ToInt(w[at + 1], -kMaxCoordinate / 64, kMaxCoordinate / 64) * zoom + zoom / 2;
  return at + 2;
}

tools::ShiftState Script::Mods(const Words& w, std::size_t from, MouseButton& button) const {
  using tools::ShiftState;
  ShiftState shift = ShiftState::kNone;
  button = MouseButton::kLeft;
  for (std::size_t i = from; i < w.size(); ++i) {
    if (w[i] == "shift") {
      shift |= ShiftState::kShift;
    } else if (w[i] == "alt") {
      shift |= ShiftState::kAlt;
    } else if (w[i] == "ctrl") {
      shift |= ShiftState::kCtrl;
    } else if (w[i] == "right") {
      button = MouseButton::kRight;
    } else {
      throw ScriptError("unknown modifier: " + w[i]);
    }
  }
  return shift;
}

void Script::Mouse(const Words& w) {
  const std::string& verb = w[0];
  int x = 0;
  int y = 0;
  MouseButton button = MouseButton::kLeft;
  if (verb == "drag") {
    int x2 = 0;
    int y2 = 0;
    const std::size_t next = Point(w, Point(w, 1, x, y), x2, y2);
    const tools::ShiftState shift = Mods(w, next, button);
    const tools::ShiftState held =
        shift | (button == MouseButton::kLeft ? tools::ShiftState::kLeftButton : tools::ShiftState::kRightButton);
    workspace_.CanvasMouseDown(button, shift, x, y);
    // One move per image pixel along the way.
    const int zoom = std::max(1, workspace_.State().Zoom);
    const int steps = std::max(std::abs(x2 - x), std::abs(y2 - y)) / zoom;
    for (int i = 1; i <= steps; ++i) {
      workspace_.CanvasMouseMove(held, x + (x2 - x) * i / steps, y + (y2 - y) * i / steps);
    }
    workspace_.CanvasMouseUp(button, shift, x2, y2);
    return;
  }
  const tools::ShiftState shift = Mods(w, Point(w, 1, x, y), button);
  if (verb == "press" || verb == "click") workspace_.CanvasMouseDown(button, shift, x, y);
  if (verb == "move") workspace_.CanvasMouseMove(shift, x, y);
  if (verb == "release" || verb == "click") workspace_.CanvasMouseUp(button, shift, x, y);
}

const raster::Picture& Script::NamedPicture(const std::string& name) const {
  const EditorState& s = workspace_.State();
  const raster::Picture* picture = nullptr;
  if (name == "work") picture = &s.WorkBitmap;
  if (name == "alpha") picture = &s.AlphaBitmap;
  if (name == "float") picture = &s.FloatBitmap;
  if (name == "screen") picture = &workspace_.Screen();
  if (picture == nullptr) throw ScriptError("unknown picture: " + name);
  if (picture->Empty()) throw ScriptError("the picture is empty: " + name);
  return *picture;
}

void Script::Dump(const Words& w) {
  Need(w, 3);
  if (!document::SavePngFile(w[2], NamedPicture(w[1]))) throw ScriptError("cannot write " + w[2]);
}

// One character a pixel, so that expected output shows the picture: colours
// get letters in order of first appearance, listed after the rows.
void Script::PrintPixels(const Words& w) {
  Need(w, 3);
  const raster::Picture& picture = NamedPicture(w[2]);
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const raster::Transparency holds = workspace_.State().Holds;
  std::vector<std::string> seen;
  std::unordered_map<std::string, std::size_t> letterOf;  // linear in the picture's size
  for (int y = 0; y < picture.Height(); ++y) {
    std::string row;
    for (int x = 0; x < picture.Width(); ++x) {
      std::string c = PixelString(picture.At(x, y), holds);
      const auto [it, added] = letterOf.try_emplace(c, seen.size());
      if (added) seen.push_back(std::move(c));
      const std::size_t index = it->second;
      row += index < kLetters.size() ? kLetters[index] : '?';
    }
    out_ << row << "\n";
  }
  for (std::size_t i = 0; i < seen.size() && i < kLetters.size(); ++i) {
    out_ << kLetters[i] << "=" << seen[i] << (i + 1 < seen.size() ? " " : "\n");
  }
}

void Script::PrintState() {
  const EditorState& s = workspace_.State();
  const tools::ToolInfo* tool = tools::FindTool(s.ToolId);
  const tools::ToolKind kind = tool != nullptr ? tool->kind : tools::ToolKind::kPicker;
  const int next = workspace_.NextToolClick();
  const bool lasso = kind == tools::ToolKind::kMultiClickSelection && next != 0;
  const int curveStage = kind == tools::ToolKind::kMultiClickShape ? next : 0;
  out_ << "tool=" << tools::Number(s.ToolId) << "\nlast_tool=" << tools::Number(s.LastDrawTool) << "\nzoom=" << s.Zoom
       << "\nopacity=" << s.Opacity << "\nfore=" << PaintString(s.ForeColor) << "\nback=" << PaintString(s.BackColor)
       << "\nimage=" << s.CurrentImage << "\nimages=" << s.ImageEntries << "\nfile=" << DocumentName(s)
       << "\nhas_float=" << s.HasFloat << "\nfloat=" << s.FloatLeft << "," << s.FloatTop << "," << s.FloatBitmap.Width()
       << "," << s.FloatBitmap.Height() << "\nalpha_mode=" << s.AlphaMode << "\ndragging=" << s.IsDragging
       << "\nlasso=" << lasso << "\ncurve_stage=" << curveStage << "\noption=" << workspace_.ToolOption() << "\n";
  for (const char* name : {"tbtnSave", "tbtnUndo", "tbtnRedo", "tbtnCut", "tbtnCopy", "tbtnPaste", "tbtnClear",
                           "pmuMerge", "mnuToolHotSpot", "btnBrush"}) {
    out_ << "enabled." << name << "=" << workspace_.IsEnabled(name) << "\n";
  }
  for (const char* name : {"tbtnModeRGB", "tbtnModeAlpha"}) {
    out_ << "checked." << name << "=" << workspace_.IsChecked(name) << "\n";
  }
}

// "animation=none" for a plain document; otherwise the frames and the steps
// as FRAME:JIFFIES.
void Script::PrintAnimation() {
  const EditorState& s = workspace_.State();
  if (!s.Animation) {
    out_ << "animation=none\n";
    return;
  }
  out_ << "frames=" << s.Animation->frames.size() << "\nsteps=";
  for (std::size_t i = 0; i < s.Animation->steps.size(); ++i) {
    out_ << (i > 0 ? " " : "") << s.Animation->steps[i].frame << ":" << s.Animation->steps[i].jiffies;
  }
  out_ << "\n";
}

void Script::Images(const Words& w) {
  const std::string& verb = w[0];
  if (verb == "select") {
    Need(w, 2);
    workspace_.SelectImage(ToInt(w[1]));
  } else if (verb == "add" || verb == "convert") {
    Need(w, 4);
    host_.Push(ImageFormat{ToInt(w[1]), ToInt(w[2]), ToInt(w[3])});
    workspace_.Run(verb == "add" ? CommandId::kAddImage : CommandId::kChangeFormat);
  } else if (verb == "swap") {
    Need(w, 3);
    workspace_.ImageListMouseDown(ToInt(w[1]));
    workspace_.ImageListMouseUp(ToInt(w[2]));
  } else if (verb == "hotspot") {
    Need(w, 3);
    workspace_.SetHotSpot(ToInt(w[1]), ToInt(w[2]));
  }
}

void Script::Colours(const Words& w) {
  const std::string& verb = w[0];
  if (verb == "colours") throw ScriptError("expected: colours default");
  if (verb == "palette-pick") {
    Need(w, 3);
    const bool alt = w.size() > 3 && w[3] == "alt";
    workspace_.PaletteBoxMouseMove(ToInt(w[1]), ToInt(w[2]));
    return workspace_.PaletteBoxMouseUp(ToInt(w[1]), ToInt(w[2]),
                                        alt ? tools::ShiftState::kAlt : tools::ShiftState::kNone);
  }
  Need(w, 4);
  auto byte = [](const std::string& word) { return static_cast<std::uint8_t>(std::clamp(ToInt(word), 0, 255)); };
  host_.Push(raster::Rgb(byte(w[1]), byte(w[2]), byte(w[3])));
  workspace_.Run(verb == "fore" ? CommandId::kForeColour : CommandId::kBackColour);
}

void Script::Answer(const Words& w) {
  Need(w, 2);
  if (w[1] == "cancel") return host_.Push(CancelAnswer{});
  if (w[1] == "paste") {
    Need(w, 7);
    return host_.Push(PasteAnswer{ToInt(w[2]), ToInt(w[3]), ToInt(w[4]), ToInt(w[5]), w[6] == "stretch"});
  }
  if (w[1] == "text") {
    // The rest of the line, words joined by single spaces.
    std::string text;
    for (std::size_t i = 2; i < w.size(); ++i) text += (i > 2 ? " " : "") + w[i];
    return host_.Push(TextAnswer{text});
  }
  if (w[1] == "steps") {
    // FRAME:JIFFIES for each step, frames counted from 0 as images are.
    std::vector<formats::AnimationStep> steps;
    for (std::size_t i = 2; i < w.size(); ++i) {
      const std::size_t colon = w[i].find(':');
      if (colon == std::string::npos) throw ScriptError("expected FRAME:JIFFIES, not " + w[i]);
      steps.push_back({static_cast<std::uint32_t>(ToInt(w[i].substr(0, colon), 0, document::kMaxImages - 1)),
                       static_cast<std::uint32_t>(ToInt(w[i].substr(colon + 1), 1, 65535))});
    }
    return host_.Push(std::move(steps));
  }
  if (w[1] == "yes") return host_.Push(MessageAnswer::kYes);
  if (w[1] == "no") return host_.Push(MessageAnswer::kNo);
  throw ScriptError("unknown answer: " + w[1]);
}

void Script::Clipboard(const Words& w) {
  Need(w, 2);
  if (w[0] == "clipboard-save") {
    if (!host_.Clipboard()) throw ScriptError("the clipboard holds no picture");
    if (!document::SavePngFile(w[1], *host_.Clipboard())) throw ScriptError("cannot write " + w[1]);
    return;
  }
  auto bytes = document::ReadWholeFile(w[1]);
  if (!bytes) throw ScriptError("cannot read " + w[1]);
  auto image = document::DecodePng(*bytes, document::ChannelOrder::kRgba, 4096);
  if (!image) throw ScriptError("not a PNG picture: " + w[1] + " (" + texts::Message(image.error()) + ")");
  raster::Picture picture(image->width, image->height);
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      const std::uint8_t* p = &image->pixels[(static_cast<std::size_t>(y) * image->width + x) * 4];
      picture.SetPixel(x, y, raster::Rgb(p[0], p[1], p[2]), p[3]);
    }
  }
  host_.SetClipboard(std::move(picture));
  workspace_.ClipboardOffersPicture();  // as the window's clipboard watch would
}

bool Script::RunCommand(const Words& w) {
  const CommandInfo* command = w.size() > 1 ? FindCommandByVerb(w[0] + " " + w[1]) : nullptr;
  const std::size_t words = command != nullptr ? 2 : 1;
  if (command == nullptr) command = FindCommandByVerb(w[0]);
  if (command == nullptr) return false;
  switch (command->verbArgument) {
    case VerbArgument::kAnswer:
      Need(w, words + 1);
      host_.Push(w[words]);
      break;
    case VerbArgument::kOptionalAnswer:
      if (w.size() > words) host_.Push(w[words]);
      break;
    case VerbArgument::kNone:
      break;
  }
  workspace_.Run(*command);
  return true;
}

void Script::New(const Words& w) {
  Need(w, 5);
  workspace_.SetImageDefaults({ToInt(w[2]), ToInt(w[3]), ToInt(w[4])});
  if (w[1] != "icon" && w[1] != "cursor") throw ScriptError("expected: new icon|cursor W H BPP");
  workspace_.Start({w[1] == "icon" ? StartRequest::Kind::kNewIcon : StartRequest::Kind::kNewCursor, {}});
}

void Script::Open(const Words& w) {
  Need(w, 2);
  workspace_.Start(ParseStartArgument(w[1]));
}

// "zoom in", "zoom out" and "zoom auto" are commands; a number sets the zoom.
void Script::Zoom(const Words& w) {
  Need(w, 2);
  workspace_.SetZoom(ToInt(w[1], 1, 64));
}

void Script::Tool(const Words& w) {
  Need(w, 2);
  const tools::ToolInfo* tool = tools::FindToolByScriptName(w[1]);
  if (tool == nullptr) throw ScriptError("unknown tool: " + w[1]);
  workspace_.ChooseTool(tool->id);
}

void Script::Option(const Words& w) {
  Need(w, 2);
  workspace_.ChooseOption(ToInt(w[1]));
}

void Script::Opacity(const Words& w) {
  Need(w, 2);
  workspace_.SetOpacityText(w[1]);
}

void Script::Seed(const Words& w) {
  Need(w, 2);
  workspace_.PinSpraySeed(static_cast<std::uint32_t>(ToInt(w[1])));
}

void Script::Tick(const Words& w) {
  const int n = w.size() > 1 ? ToInt(w[1], 0, 100000) : 1;
  for (int i = 0; i < n && host_.Timer() > 0; ++i) workspace_.TimerTick();
}

void Script::Print(const Words& w) {
  Need(w, 2);
  if (w[1] == "status") {
    for (int panel = 0; panel < 4; ++panel) out_ << workspace_.StatusText(panel) << "\n";
  } else if (w[1] == "state") {
    PrintState();
  } else if (w[1] == "pixels") {
    PrintPixels(w);
  } else if (w[1] == "animation") {
    PrintAnimation();
  } else {
    throw ScriptError("unknown print: " + w[1]);
  }
}

// The script's own verbs; every other verb is a command's.
struct ScriptVerb {
  std::string_view verb;
  void (Script::*run)(const Words&);
};
constexpr ScriptVerb kScriptVerbs[] = {
    {"new", &Script::New},
    {"open", &Script::Open},
    {"select", &Script::Images},
    {"add", &Script::Images},
    {"convert", &Script::Images},
    {"swap", &Script::Images},
    {"hotspot", &Script::Images},
    {"zoom", &Script::Zoom},
    {"tool", &Script::Tool},
    {"option", &Script::Option},
    {"opacity", &Script::Opacity},
    {"fore", &Script::Colours},
    {"back", &Script::Colours},
    {"colours", &Script::Colours},
    {"palette-pick", &Script::Colours},
    {"press", &Script::Mouse},
    {"move", &Script::Mouse},
    {"release", &Script::Mouse},
    {"click", &Script::Mouse},
    {"drag", &Script::Mouse},
    {"seed", &Script::Seed},
    {"tick", &Script::Tick},
    {"answer", &Script::Answer},
    {"clipboard-load", &Script::Clipboard},
    {"clipboard-save", &Script::Clipboard},
    {"dump", &Script::Dump},
    {"print", &Script::Print},
};

void Script::Run(const Words& w) {
  const std::string& verb = w[0];
  const std::size_t messagesBefore = host_.messages.size();
  if (!RunCommand(w)) {
    const auto* own = std::find_if(std::begin(kScriptVerbs), std::end(kScriptVerbs),
                                   [&](const ScriptVerb& v) { return v.verb == verb; });
    if (own == std::end(kScriptVerbs)) throw ScriptError("unknown command: " + verb);
    (this->*own->run)(w);
  }
  for (std::size_t i = messagesBefore; i < host_.messages.size(); ++i) {
    out_ << "message: " << host_.messages[i].caption << ": " << host_.messages[i].text << "\n";
  }
  // An answer is for the dialog of the command that follows it (or of the
  // command it was given with): one that no dialog took would otherwise
  // answer some later dialog it was never meant for.
  if (verb != "answer" && host_.PendingAnswers() > 0) {
    host_.DropAnswers();
    throw ScriptError("no dialog took the answer: " + verb + " opened none");
  }
}

// Words separated by blanks; "double quotes" make one word of what they hold
// (blanks and # included), with \" and \\ inside them; # outside quotes
// starts a comment.
Words Split(const std::string& line) {
  Words words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == '"') {
      quoted = inWord = true;
    } else if (c == '#') {
      break;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      if (inWord) words.push_back(std::exchange(word, {}));
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) throw ScriptError("a quote is not closed");
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
  Script script(out);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    try {
      const Words words = Split(line);
      if (words.empty()) continue;
      script.Run(words);
    } catch (const std::exception& e) {
      err << "line " << number << ": " << e.what() << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace pixmint::script
