#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pixmint::editor {

class Workspace;

// The commands that code refers to by name. An entry of the command list
// that nothing names (the effects, say) needs no id: it is kUnnamed and is
// reached through its controls and its verb.
enum class CommandId {
  kUnnamed = -1,
  kNewIcon,
  kNewCursor,
  kOpen,
  kSave,
  kSaveAs,
  kExportXcursor,
  kSettings,
  kExit,
  kUndo,
  kRedo,
  kCopy,
  kCut,
  kPaste,
  kDelete,
  kSelectAll,
  kMerge,
  kZoomIn,
  kZoomOut,
  kZoomAuto,
  kAddImage,
  kDeleteImage,
  kDuplicateImage,
  kChangeFormat,
  kModeAlpha,
  kModeRgb,
  kExtract,
  kPicToIco,
  kHotSpot,
  kAnimation,
  kHelp,
  kWebsite,
  kMail,
  kAbout,
  kForeColour,
  kBackColour,
  kDefaultColours,
  kInvertColour,
  kTransColour,
  kCheck,
};

// What a command needs before it can run; a command whose needs are not met
// is disabled and does nothing from any path.
enum class Need : std::uint32_t {
  kNone = 0,
  kDocument = 1u << 0,     // a document is open
  kImage = 1u << 1,        // an image is selected
  kRgbMode = 1u << 2,      // not in Alpha mode
  kSelection = 1u << 3,    // a selection floats
  kCursor = 1u << 4,       // a cursor document
  kUndo = 1u << 5,         // a step to undo
  kRedo = 1u << 6,         // a step to redo
  kChanges = 1u << 7,      // unsaved changes (a floating selection counts)
  kClipboard = 1u << 8,    // the clipboard has offered a picture
  kAlphaImage = 1u << 10,  // the image has an alpha channel (32 bits)
  // The image can hold a screen-inverting pixel: a cursor image whose mask
  // decides (1 to 24 bits).
  kInvertible = 1u << 11,
  // Not a condition: a floating selection is merged (one undo step) first,
  // so the command sees, and saves, what the screen shows.
  kFreeCanvas = 1u << 9,
};

// What a command does, so that the entry point can keep the rules for it.
enum class Effect : std::uint32_t {
  kNone = 0,
  kChangesDocument = 1u << 0,  // when it runs through, the document has unsaved changes
  kUndoStep = 1u << 1,         // it runs inside one undo step of its own
  // It changes the document beyond the image's pixels (its images, hot
  // spots, animation): one step of the document's history.
  kDocumentStep = 1u << 2,
};

[[nodiscard]] constexpr Need operator|(Need a, Need b) {
  return static_cast<Need>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
[[nodiscard]] constexpr bool Has(Need set, Need flag) {
  return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}
[[nodiscard]] constexpr Effect operator|(Effect a, Effect b) {
  return static_cast<Effect>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
[[nodiscard]] constexpr bool Has(Effect set, Effect flag) {
  return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}

// Where the window shows a command.
enum class MenuId { kNone, kFile, kFileNew, kEdit, kView, kImage, kEffects, kTools, kHelp };
enum class PopupId { kNone, kCanvas, kImageList };

// The action: answers whether it ran through (a cancelled dialog or a failure
// answers false). nullptr: the window's own (a dialog of the shell), which
// the workspace asks the host to run.
using CommandAction = bool (*)(Workspace& ws);

// What the script writes after a command's verb.
enum class VerbArgument {
  kNone,
  kAnswer,          // one word: the answer to the command's dialog
  kOptionalAnswer,  // the same; without it the dialog is cancelled
};

// One command; a field left out is "none".
struct CommandInfo {
  CommandId id = CommandId::kUnnamed;
  std::string_view menuItem = {};   // object name of its menu item
  std::string_view button = {};     // tool-bar or panel button
  std::string_view popupItem = {};  // pop-up menu item
  std::string_view extra = {};      // one more control that runs it
  // The script's words for it (one or two: "zoom in"), and what follows them.
  std::string_view verb = {};
  VerbArgument verbArgument = VerbArgument::kNone;
  const char* caption = nullptr;       // menu text (source text)
  const char* popupCaption = nullptr;  // pop-up menu text
  const char* hint = nullptr;          // tool tip of the button
  std::string_view icon = {};          // picture of the button and the menu item
  std::string_view shortcuts = {};     // "Ctrl+Z", several separated by ';' ("Num++" is the keypad's +)
  MenuId menu = MenuId::kNone;
  bool separatorAfter = false;  // in its menu
  Need needs = Need::kNone;
  Effect effects = Effect::kNone;
  CommandAction action = nullptr;
};

// All commands, in menu order.
[[nodiscard]] std::span<const CommandInfo> Commands();
// The entry of a named command.
[[nodiscard]] const CommandInfo& FindCommand(CommandId id);
// The command a control runs (menu item, button, pop-up item); nullptr when none.
[[nodiscard]] const CommandInfo* FindCommandByControl(std::string_view control);
[[nodiscard]] const CommandInfo* FindCommandByVerb(std::string_view verb);
// The tool bar's buttons in order; an empty slot is a gap between groups.
[[nodiscard]] std::span<const std::optional<CommandId>> ToolBarLayout();
// A pop-up menu's items in order; an empty slot is a separator.
[[nodiscard]] std::span<const std::optional<CommandId>> PopupLayout(PopupId popup);

}  // namespace pixmint::editor
