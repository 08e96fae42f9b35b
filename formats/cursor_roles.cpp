#include "formats/cursor_roles.h"

#include <array>
#include <cctype>
#include <string>

namespace pixmint::formats {
namespace {

using Names = std::string_view;

// Source file stems: the settings' value names, the names the mouse
// settings show, and the names cursor sets commonly use.
constexpr Names kArrowFiles[] = {"arrow", "normal", "normalselect", "default", "leftptr"};
constexpr Names kHelpFiles[] = {"help", "helpselect"};
constexpr Names kAppStartingFiles[] = {"appstarting", "working", "workinginbackground", "progress"};
constexpr Names kWaitFiles[] = {"wait", "busy"};
constexpr Names kCrosshairFiles[] = {"crosshair", "cross", "precision", "precisionselect"};
constexpr Names kIBeamFiles[] = {"ibeam", "text", "textselect", "beam"};
constexpr Names kNWPenFiles[] = {"nwpen", "handwriting", "pen"};
constexpr Names kNoFiles[] = {"no", "unavailable"};
constexpr Names kSizeNSFiles[] = {"sizens", "verticalresize", "vertical", "vert"};
constexpr Names kSizeWEFiles[] = {"sizewe", "horizontalresize", "horizontal", "horz"};
constexpr Names kSizeNWSEFiles[] = {"sizenwse", "diagonalresize1", "diagonal1", "dgn1"};
constexpr Names kSizeNESWFiles[] = {"sizenesw", "diagonalresize2", "diagonal2", "dgn2"};
constexpr Names kSizeAllFiles[] = {"sizeall", "move"};
constexpr Names kUpArrowFiles[] = {"uparrow", "alternate", "alternateselect"};
constexpr Names kHandFiles[] = {"hand", "link", "linkselect"};
constexpr Names kPersonFiles[] = {"person", "personselect"};
constexpr Names kPinFiles[] = {"pin", "locationselect"};

constexpr Names kArrowNames[] = {"left_ptr", "default", "arrow", "top_left_arrow", "left_arrow"};
constexpr Names kHelpNames[] = {"help",
                                "question_arrow",
                                "whats_this",
                                "left_ptr_help",
                                "dnd-ask",
                                "5c6cd98b3f3ebcb1f9c7f1c204630408",
                                "d9ce0ab605698f320427677b458ad60b"};
constexpr Names kAppStartingNames[] = {"progress",
                                       "left_ptr_watch",
                                       "half-busy",
                                       "00000000000000020006000e7e9ffc3f",
                                       "08e8e1c95fe2fc01f976f1e063a24ccd",
                                       "3ecb610c1bf2410f44200f48c40d3599"};
constexpr Names kWaitNames[] = {"wait", "watch"};
constexpr Names kCrosshairNames[] = {"crosshair", "cross", "tcross", "cross_reverse", "diamond_cross"};
constexpr Names kIBeamNames[] = {"text", "xterm", "ibeam"};
constexpr Names kNWPenNames[] = {"pencil"};
constexpr Names kNoNames[] = {"not-allowed",
                              "crossed_circle",
                              "forbidden",
                              "no-drop",
                              "dnd-no-drop",
                              "circle",
                              "03b6e0fcb3499374a867c041f52298f0"};
constexpr Names kSizeNSNames[] = {"ns-resize",
                                  "size_ver",
                                  "v_double_arrow",
                                  "sb_v_double_arrow",
                                  "n-resize",
                                  "s-resize",
                                  "row-resize",
                                  "top_side",
                                  "bottom_side",
                                  "double_arrow",
                                  "00008160000006810000408080010102",
                                  "2870a09082c103050810ffdffffe0204"};
constexpr Names kSizeWENames[] = {"ew-resize",
                                  "size_hor",
                                  "h_double_arrow",
                                  "sb_h_double_arrow",
                                  "e-resize",
                                  "w-resize",
                                  "col-resize",
                                  "left_side",
                                  "right_side",
                                  "028006030e0e7ebffc7f7070c0600140",
                                  "14fef782d02440884392942c11205230"};
constexpr Names kSizeNWSENames[] = {
    "nwse-resize",     "size_fdiag",          "nw-resize",       "se-resize",
    "top_left_corner", "bottom_right_corner", "bd_double_arrow", "c7088f0f3e6c8088236ef8e1e3e70000"};
constexpr Names kSizeNESWNames[] = {
    "nesw-resize",      "size_bdiag",         "ne-resize",       "sw-resize",
    "top_right_corner", "bottom_left_corner", "fd_double_arrow", "fcf1c3c7cd4491d801f1e1c78f100000"};
constexpr Names kSizeAllNames[] = {
    "fleur", "move", "all-scroll", "size_all", "4498f0e0c1937ffe01fd06f973665830", "9081237383d90e509aa00f00170e968f"};
constexpr Names kUpArrowNames[] = {"center_ptr", "up_arrow", "sb_up_arrow", "up-arrow"};
constexpr Names kHandNames[] = {"pointer",
                                "hand2",
                                "hand1",
                                "hand",
                                "pointing_hand",
                                "e29285e634086352946a0e7090d73106",
                                "9d800788f1b08800ae810202380a0822"};
// No desktop asks for these two by a standard name; they are kept under
// their own so that the theme holds every cursor of the set.
constexpr Names kPersonNames[] = {"person"};
constexpr Names kPinNames[] = {"pin"};

constexpr std::array kRoles = {
    CursorRole{"Arrow", kArrowFiles, kArrowNames},
    CursorRole{"Help", kHelpFiles, kHelpNames},
    CursorRole{"AppStarting", kAppStartingFiles, kAppStartingNames},
    CursorRole{"Wait", kWaitFiles, kWaitNames},
    CursorRole{"Crosshair", kCrosshairFiles, kCrosshairNames},
    CursorRole{"IBeam", kIBeamFiles, kIBeamNames},
    CursorRole{"NWPen", kNWPenFiles, kNWPenNames},
    CursorRole{"No", kNoFiles, kNoNames},
    CursorRole{"SizeNS", kSizeNSFiles, kSizeNSNames},
    CursorRole{"SizeWE", kSizeWEFiles, kSizeWENames},
    CursorRole{"SizeNWSE", kSizeNWSEFiles, kSizeNWSENames},
    CursorRole{"SizeNESW", kSizeNESWFiles, kSizeNESWNames},
    CursorRole{"SizeAll", kSizeAllFiles, kSizeAllNames},
    CursorRole{"UpArrow", kUpArrowFiles, kUpArrowNames},
    CursorRole{"Hand", kHandFiles, kHandNames},
    CursorRole{"Pin", kPinFiles, kPinNames},
    CursorRole{"Person", kPersonFiles, kPersonNames},
};

}  // namespace

std::span<const CursorRole> CursorRoles() {
  return kRoles;
}

std::string NormalisedName(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c == ' ' || c == '_' || c == '-' || c == '.') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

const CursorRole* RoleByName(std::string_view name) {
  const std::string key = NormalisedName(name);
  for (const CursorRole& role : kRoles) {
    for (Names file : role.fileNames) {
      if (file == key) return &role;
    }
  }
  return nullptr;
}

}  // namespace pixmint::formats
