#include "editor/workspace.h"

#include "document/kv_icon.h"
#include "editor/canvas_router.h"
#include "editor/canvas_view.h"
#include "editor/colour_state.h"
#include "editor/control_states.h"
#include "editor/doctor_commands.h"
#include "editor/document_commands.h"
#include "editor/document_history.h"
#include "editor/edit_buffers.h"
#include "editor/effect_commands.h"
#include "editor/image_commands.h"
#include "editor/selection_commands.h"
#include "editor/tool_bridge.h"
#include "editor/undo.h"
#include "editor/view_commands.h"
#include "texts/numbers.h"
#include "texts/texts.h"
#include "texts/ui_texts.h"
#include "tools/tool_table.h"

namespace pixmint::editor {
namespace {

// A stored colour counts only when it is a whole number within 24 bits; a
// value of another type or out of range keeps the default rather than
// turning into an arbitrary colour.
std::optional<raster::Colour> StoredColour(Settings& settings, std::string_view name) {
  if (!settings.Exists(name)) return std::nullopt;
  const std::string text = settings.ReadString(name);
  const auto value = texts::ParseWhole<long long>(text);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return static_cast<raster::Colour>(*value);
}

// The markers must stay apart from each other, from white and from black,
// or painted, unpainted and transparent pixels could no longer be told apart
// (black is also the default pen: as a marker it would paint nothing).
raster::MarkerColours StoredMarkers(Settings& settings) {
  const raster::MarkerColours defaults;
  raster::MarkerColours markers;
  auto usable = [&markers](std::optional<raster::Colour> c) {
    return c && !raster::SameRgb(*c, markers.white) && !raster::SameRgb(*c, raster::Rgb(0, 0, 0));
  };
  const auto invert = StoredColour(settings, "ColorInvert");
  markers.invert = usable(invert) ? *invert : defaults.invert;
  const auto trans = StoredColour(settings, "ColorTrans");
  markers.trans = usable(trans) && !raster::SameRgb(*trans, markers.invert) ? *trans : defaults.trans;
  if (raster::SameRgb(markers.invert, markers.trans)) markers.invert = defaults.invert;
  return markers;
}

bool IsImageDepth(int bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

}  // namespace

// What the workspace owns, in the order each needs the ones before it.
struct Workspace::Parts {
  Parts(EditorState& state, EditorHost& host, Settings& settings)
      : controls(host),
        undo(state, host),
        history(state, undo),
        buffers(state, host, undo),
        view(state, host),
        tools(state, host, settings, controls, view, buffers),
        colours(state, host, controls, view, buffers, tools),
        router(state, host, controls, undo, buffers, view, tools, colours),
        selection(state, host, buffers, view, tools),
        effects(state, host, buffers, view, selection),
        images(state, host, undo, buffers, view, tools, colours),
        files(state, host, settings, controls, view, images),
        zoom(state, view, tools) {}

  ControlStates controls;
  UndoHistory undo;
  DocumentHistory history;
  EditBuffers buffers;
  CanvasView view;
  ToolBridge tools;
  ColourState colours;
  CanvasRouter router;
  SelectionCommands selection;
  EffectCommands effects;
  ImageCommands images;
  DocumentCommands files;
  ViewCommands zoom;
};

// Every public entry that can change something holds one of these: when it
// ends, the controls show the state it left.
class Workspace::Entry {
 public:
  explicit Entry(Workspace& ws) : ws_(ws), wasModified_(ws.state_.Modified), hadFloat_(ws.state_.HasFloat) {}
  ~Entry() {
    // A new change, or a selection that floats (which saving would merge).
    if ((!wasModified_ && ws_.state_.Modified) || (!hadFloat_ && ws_.state_.HasFloat)) ws_.ClearSavedStatus();
    ws_.RefreshControls();
  }
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

 private:
  Workspace& ws_;
  bool wasModified_;
  bool hadFloat_;
};

void Workspace::ClearSavedStatus() {
  // "Saved" is news only until the next change.
  if (parts_->controls.Status(3) == texts::Tr(texts::kSaved)) parts_->controls.SetStatus(3, "");
}

Workspace::Workspace(EditorHost& host, Settings& settings)
    : host_(host), settings_(settings), state_(), parts_(std::make_unique<Parts>(state_, host, settings)) {
  raster::SetMarkers(StoredMarkers(settings));
  int size = settings.RegReadInt("DefaultIconSize");
  if (size > 96 || size < 1) size = 48;  // below 1 no image could be made at start
  int bpp = settings.RegReadInt("DefaultIconBpp");
  if (!IsImageDepth(bpp)) bpp = 8;
  state_.DefaultWidth = state_.DefaultHeight = size;
  state_.DefaultBitCount = bpp;
  state_.IcoOpenPath = settings.ReadString("IcoOpenPath");
  state_.IcoSavePath = settings.ReadString("IcoSavePath");
  state_.CurSavePath = settings.ReadString("CurSavePath");
  parts_->history.newDocument = [] { return std::make_unique<document::TKvIcon>(); };
  state_.Document = parts_->history.newDocument();
  parts_->buffers.onCanvasChanged = [this] { parts_->view.PaintBox1Paint(); };
  parts_->undo.onRestored = [this] {
    parts_->buffers.CommitWorkImage();
    parts_->view.PaintBox1Paint();
  };
  parts_->undo.onStepMade = [this] { parts_->history.ImageStepMade(); };
  // Snapshots lost: what was drawn becomes one step of the document's, as if
  // the image had been left and shown again.
  parts_->undo.onLost = [this] {
    parts_->history.Leaving();
    parts_->history.Shown();
  };
  parts_->images.onLeaving = [this] { parts_->history.Leaving(); };
  parts_->images.onShown = [this] { parts_->history.Shown(); };
  parts_->history.showImage = [this](int image) { parts_->images.Select(image); };
  parts_->files.freeCanvas = [this] {
    if (state_.HasFloat && !state_.AlphaMode) parts_->buffers.MergeFloat();
  };
  Entry entry(*this);
  parts_->tools.Choose(tools::ToolId::kPencil);
}

Workspace::~Workspace() {
  Shutdown();
}

DocumentCommands& Workspace::Documents() {
  return parts_->files;
}
SelectionCommands& Workspace::Selection() {
  return parts_->selection;
}
EffectCommands& Workspace::Effects() {
  return parts_->effects;
}
ImageCommands& Workspace::Images() {
  return parts_->images;
}
DocumentHistory& Workspace::DocHistory() {
  return parts_->history;
}
ViewCommands& Workspace::View() {
  return parts_->zoom;
}
ColourState& Workspace::Colours() {
  return parts_->colours;
}

void Workspace::SetImageDefaults(const ImageFormat& format) {
  state_.DefaultWidth = format.width;
  state_.DefaultHeight = format.height;
  state_.DefaultBitCount = format.bitCount;
}

void Workspace::SetViewportSize(int width, int height) {
  parts_->view.SetViewport(width, height);
  if (state_.CurrentImage >= 0) parts_->view.LayoutCanvas(state_.CurrentImage);
}

void Workspace::Start(const StartRequest& request) {
  Entry entry(*this);
  parts_->files.Start(request);
  host_.PanelsChanged();
}

bool Workspace::NeedsMet(Need needs) const {
  const bool image = state_.Document && state_.CurrentImage >= 0 &&
                     static_cast<std::uint32_t>(state_.CurrentImage) < state_.Document->ImageCount();
  const std::uint32_t bits = image ? state_.Document->Colors(state_.CurrentImage) : 0;
  const struct {
    Need need;
    bool met;
  } checks[] = {
      {Need::kDocument, state_.DocumentOpen},
      {Need::kImage, image},
      {Need::kRgbMode, !state_.AlphaMode},
      {Need::kSelection, state_.HasFloat},
      {Need::kCursor, !state_.IsIcon},
      {Need::kUndo, parts_->history.CanUndo()},
      {Need::kRedo, parts_->history.CanRedo()},
      {Need::kChanges, state_.Modified || state_.HasFloat || parts_->undo.StepOpen()},
      {Need::kClipboard, state_.ClipboardSeen},
      {Need::kAlphaImage, bits == 32},
      {Need::kInvertible, !state_.IsIcon && bits != 32},
  };
  for (const auto& check : checks) {
    if (Has(needs, check.need) && !check.met) return false;
  }
  return true;
}

bool Workspace::IsEnabled(CommandId id) const {
  return IsEnabled(FindCommand(id));
}

bool Workspace::IsEnabled(const CommandInfo& command) const {
  return NeedsMet(command.needs);
}

bool Workspace::IsEnabled(std::string_view control) const {
  if (const CommandInfo* command = FindCommandByControl(control)) return IsEnabled(*command);
  return parts_->controls.IsEnabled(control);
}

bool Workspace::IsChecked(std::string_view control) const {
  return parts_->controls.IsChecked(control);
}

bool Workspace::Run(CommandId id) {
  return Run(FindCommand(id));
}

bool Workspace::Run(const CommandInfo& command) {
  Entry entry(*this);
  if (!NeedsMet(command.needs)) return false;
  parts_->router.FinishPending();
  if (Has(command.needs, Need::kFreeCanvas) && state_.HasFloat && !state_.AlphaMode) parts_->buffers.MergeFloat();
  if (!NeedsMet(command.needs)) return false;  // the merge may have taken what it needed
  const auto action = [&] {
    return command.action != nullptr ? command.action(*this) : host_.RunShellCommand(command.id);
  };
  bool ran = false;
  if (Has(command.effects, Effect::kDocumentStep)) {
    ran = AsDocumentStep(action);
  } else if (Has(command.effects, Effect::kUndoStep)) {
    UndoStep step(parts_->undo);
    if (!step.Ok()) return false;
    ran = action();
    if (!ran) step.Abandon();
  } else {
    ran = action();
  }
  if (ran && Has(command.effects, Effect::kChangesDocument)) {
    state_.Modified = true;
    ClearSavedStatus();
  }
  return ran;
}

bool Workspace::AsDocumentStep(const std::function<bool()>& change) {
  DocumentHistory& history = parts_->history;
  const auto before = history.Before();
  const int shown = history.ShownCount();
  if (!change()) return false;
  // What was drawn on the image goes before this change in the history:
  // showing the image afresh makes it a step of its own.
  if (history.ShownCount() == shown && history.ImageChanged()) parts_->images.Select(state_.CurrentImage);
  history.After(before, true);
  // The image's next changes start from the document as it is now.
  if (history.ShownCount() == shown) history.Shown();
  return true;
}

bool Workspace::RunControl(std::string_view control) {
  if (const CommandInfo* command = FindCommandByControl(control)) return Run(*command);
  if (const tools::ToolInfo* tool = tools::FindToolByButton(control)) {
    if (!IsEnabled(control)) return false;
    ChooseTool(tool->id);
    return true;
  }
  return false;
}

void Workspace::RefreshControls() {
  ControlStates& controls = parts_->controls;
  for (const CommandInfo& command : Commands()) {
    const bool enabled = NeedsMet(command.needs);
    for (std::string_view name : {command.menuItem, command.button, command.popupItem, command.extra}) {
      if (!name.empty()) controls.SetEnabled(name, enabled);
    }
  }
  const bool alpha = state_.AlphaMode;
  for (const CommandInfo* mode : {&FindCommand(CommandId::kModeRgb), &FindCommand(CommandId::kModeAlpha)}) {
    const bool checked = state_.DocumentOpen && (mode->id == CommandId::kModeAlpha) == alpha;
    controls.SetChecked(mode->button, checked);
    controls.SetChecked(mode->menuItem, checked);
  }
  // In Alpha mode only the pencil and the line paint (in grey).
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    controls.SetEnabled(tool.button, !alpha || tool.paintsAlpha);
  }
  controls.SetEnabled("updOpacity", state_.DocumentOpen);
}

bool Workspace::CloseQuery() {
  Entry entry(*this);
  parts_->router.FinishPending();
  if (!state_.Modified && !state_.HasFloat) return true;
  const MessageAnswer answer = parts_->files.AskToSave();
  if (answer == MessageAnswer::kCancel) return false;
  if (answer == MessageAnswer::kNo) return true;
  Run(CommandId::kSave);
  // The user asked for the work to be kept: when the save did not happen
  // (dialog cancelled, write failed) the window stays open with it.
  return !state_.Modified && !state_.HasFloat;
}

void Workspace::Shutdown() {
  host_.SetTimer(0);
  parts_->undo.DeleteUndoFiles();
  parts_->files.WriteFolders();
}

// --- Inputs that carry a value ---

void Workspace::SelectImage(int entry) {
  Entry refresh(*this);
  if (entry < 0 || entry >= state_.ImageEntries) return;
  parts_->router.FinishPending();
  if (state_.HasFloat && !state_.AlphaMode) parts_->buffers.MergeFloat();
  parts_->images.Select(entry);
}

void Workspace::ImageListMouseDown(int entry) {
  Entry refresh(*this);
  if (!state_.DocumentOpen) return;
  parts_->router.FinishPending();
  if (state_.HasFloat && !state_.AlphaMode) parts_->buffers.MergeFloat();
  parts_->images.ListMouseDown(entry);
}

void Workspace::ImageListMouseUp(int entry) {
  Entry refresh(*this);
  if (!state_.DocumentOpen) return;
  // Only a drag onto another entry exchanges images (and is worth keeping
  // the document for).
  if (!state_.ListDragging || entry < 0 || entry >= state_.ImageEntries || entry == state_.ListDragSource) {
    (void)parts_->images.ListMouseUp(entry);
    return;
  }
  if (AsDocumentStep([this, entry] { return parts_->images.ListMouseUp(entry); })) state_.Modified = true;
}

void Workspace::SetHotSpot(int x, int y) {
  Entry refresh(*this);
  if (!state_.DocumentOpen) return;
  parts_->router.FinishPending();
  // As the hot-spot dialog: a step of the image's own history.
  UndoStep step(parts_->undo);
  if (step.Ok() && !parts_->images.SetHotSpot(x, y)) step.Abandon();
}

bool Workspace::FixDocument() {
  Entry refresh(*this);
  if (!state_.DocumentOpen) return false;
  parts_->router.FinishPending();
  const bool fixed = AsDocumentStep([this] { return FixShownDocument(*this); });
  if (fixed) state_.Modified = true;
  return fixed;
}

void Workspace::DocumentChangedOutside() {
  Entry refresh(*this);
  state_.Modified = true;
  host_.PanelsChanged();
}

void Workspace::SetZoom(int zoom) {
  Entry refresh(*this);
  parts_->router.FinishPending();
  (void)parts_->zoom.SetZoom(zoom);
}

void Workspace::ChooseTool(tools::ToolId id) {
  Entry refresh(*this);
  parts_->router.FinishPending();
  // In Alpha mode the disabled buttons cannot be clicked; the keyboard may
  // still choose them and then only changes the last drawing tool.
  parts_->tools.Choose(id);
}

void Workspace::ChooseOption(int index) {
  Entry refresh(*this);
  parts_->router.FinishPending();
  parts_->tools.ChooseOption(index);
}

void Workspace::SetOpacityText(std::string_view text) {
  Entry refresh(*this);
  parts_->router.FinishPending();
  std::string digits;
  for (char c : text) {
    if (tools::ToolPalette::OpacityKeyAccepted(c)) digits += c;
  }
  parts_->tools.OpacityTyped(digits);
}

void Workspace::SetPaletteBoxSize(int width, int height, raster::Colour panel) {
  parts_->colours.SetPaletteBoxSize(width, height, panel);
}

void Workspace::PaletteBoxMouseMove(int x, int y) {
  parts_->colours.PaletteBoxMouseMove(x, y);
}

void Workspace::PaletteBoxMouseUp(int x, int y, tools::ShiftState shift) {
  Entry refresh(*this);
  parts_->router.FinishPending();
  parts_->colours.PaletteBoxMouseUp(x, y, tools::Has(shift, tools::ShiftState::kAlt));
}

// --- Canvas ---

void Workspace::CanvasMouseDown(MouseButton button, tools::ShiftState shift, int x, int y) {
  Entry refresh(*this);
  parts_->router.MouseDown(button, shift, x, y);
}

void Workspace::CanvasMouseMove(tools::ShiftState shift, int x, int y) {
  // Moves change no control's state; the release refreshes them.
  parts_->router.MouseMove(shift, x, y);
}

void Workspace::CanvasMouseUp(MouseButton button, tools::ShiftState shift, int x, int y) {
  Entry refresh(*this);
  parts_->router.MouseUp(button, shift, x, y);
}

void Workspace::TimerTick() {
  parts_->router.TimerTick();
}

void Workspace::PinSpraySeed(std::uint32_t seed) {
  parts_->tools.Palette().Random().Pin(seed);
}

void Workspace::ClipboardOffersPicture() {
  Entry refresh(*this);
  state_.ClipboardSeen = true;
}

// --- What the window shows ---

const raster::Picture& Workspace::Screen() const {
  return parts_->view.Screen();
}

CanvasLayout Workspace::Layout() const {
  CanvasLayout layout;
  parts_->view.FillLayout(layout);
  return layout;
}

raster::Picture Workspace::PaletteBox() const {
  return parts_->colours.PaletteBox();
}

std::string Workspace::StatusText(int panel) const {
  return parts_->controls.Status(panel);
}

std::string Workspace::Caption() const {
  return parts_->files.Caption();
}

int Workspace::ToolOption() const {
  return parts_->tools.Palette().OptionIndex();
}

int Workspace::NextToolClick() const {
  return parts_->tools.NextClick();
}

std::string Workspace::OpacityText() const {
  return parts_->tools.Palette().OpacityText();
}

}  // namespace pixmint::editor
