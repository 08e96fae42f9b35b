#include "doctor/picks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace pixmint::doctor {
namespace {

// The size and depth a program reads for an entry. Windows, browsers and Qt
// read the image; Windows chooses by the directory, so an entry whose
// directory lies is chosen by its lie.
struct Candidate {
  int entry = 0;
  int width = 0, height = 0, bits = 0;
};

constexpr std::array kScales = {100, 125, 150, 175, 200, 250, 300};
constexpr std::array kPointerSizes = {32, 48, 64, 96, 128};

std::int64_t Area(const Candidate& c) {
  return std::int64_t{c.width} * c.height;
}

// Windows and the browsers: an image of exactly the size, else the smallest
// larger one (scaled down), else the largest (scaled up); among images of
// that size the deepest, the first of equals.
const Candidate* NextLargerOrLargest(const std::vector<Candidate>& all, int size) {
  const Candidate* best = nullptr;
  for (const Candidate& c : all) {
    if (best == nullptr) {
      best = &c;
      continue;
    }
    const bool cFits = c.width >= size, bestFits = best->width >= size;
    if (cFits != bestFits) {
      if (cFits) best = &c;
    } else if (c.width != best->width) {
      if (cFits ? c.width < best->width : c.width > best->width) best = &c;
    } else if (c.bits > best->bits) {
      best = &c;
    }
  }
  return best;
}

// gdk-pixbuf's loader: the most pixels times the depth its directory's
// colour count implies (0, as every true-colour entry has, counts as 32
// bits), the later of equals, never an entry whose bitmap header has a
// compression value (so never a PNG). The requested size plays no part. An
// image whose header disagrees with its directory's size fails the load.
int GdkDepth(int colourCount) {
  if (colourCount == 0) return 32;
  return colourCount <= 2 ? 1 : colourCount <= 16 ? 4 : 8;
}

const EntryInfo* GdkPixbufChoice(const IconFileCheck& file) {
  const EntryInfo* best = nullptr;
  long bestScore = -1;
  for (const EntryInfo& e : file.entries) {
    if (!e.inFile || e.compressedHeader) continue;
    const long score = static_cast<long>(e.dirWidth) * e.dirHeight * GdkDepth(e.dirColours);
    if (score >= bestScore) {
      best = &e;
      bestScore = score;
    }
  }
  if (best != nullptr && (!best->readable || best->width != best->dirWidth || best->height != best->dirHeight)) {
    return nullptr;
  }
  return best;
}

// QIcon from a file: one image per size, the deepest (the first of equals);
// then the smallest whose area is at least the request's, else the largest.
const Candidate* QIconChoice(const std::vector<Candidate>& all, int size) {
  std::vector<const Candidate*> kept;
  for (const Candidate& c : all) {
    const auto same =
        std::ranges::find_if(kept, [&c](const Candidate* k) { return k->width == c.width && k->height == c.height; });
    if (same == kept.end()) {
      kept.push_back(&c);
    } else if (c.bits > (*same)->bits) {
      *same = &c;
    }
  }
  const Candidate* best = nullptr;
  const std::int64_t wanted = std::int64_t{size} * size;
  for (const Candidate* c : kept) {
    if (best == nullptr) {
      best = c;
      continue;
    }
    const std::int64_t a = Area(*c), b = Area(*best);
    const std::int64_t chosen = std::min(a, b) >= wanted ? std::min(a, b) : std::max(a, b);
    if (chosen == a) best = c;
  }
  return best;
}

Pick Make(Program program, View view, int scale, int shown, const Candidate* c) {
  Pick p{program, view, scale, shown};
  if (c != nullptr) {
    p.entry = c->entry;
    p.width = c->width;
    p.height = c->height;
  }
  return p;
}

}  // namespace

std::string_view ProgramName(Program program) {
  switch (program) {
    case Program::kWindows:
      return "Windows";
    case Program::kWindowsCursor:
      return "Windows cursor";
    case Program::kBrowser:
      return "browser";
    case Program::kGnome:
      return "GNOME (gdk-pixbuf)";
    case Program::kQt:
      return "Qt (QIcon)";
  }
  return "";
}

std::string_view ViewName(View view) {
  switch (view) {
    case View::kSmallIcons:
      return "title bar, small icons";
    case View::kTaskbar:
      return "taskbar";
    case View::kAltTab:
      return "Alt+Tab";
    case View::kLargeIcons:
      return "large icons";
    case View::kExtraLargeIcons:
      return "extra large icons";
    case View::kPointer:
      return "pointer";
    case View::kTab:
      return "tab";
    case View::kFileIcon:
      return "file icon";
    case View::kIcon:
      return "icon";
  }
  return "";
}

std::vector<Pick> PickEntries(const IconFileCheck& file) {
  std::vector<Candidate> all;
  std::vector<Candidate> byDirectory;
  for (const EntryInfo& e : file.entries) {
    if (!e.readable) continue;
    all.push_back({e.index, e.width, e.height, e.bits});
    // Windows reads the directory; a cursor's directory has no depth.
    byDirectory.push_back({e.index, e.dirWidth, e.dirHeight, file.cursor || e.dirBits == 0 ? e.bits : e.dirBits});
  }
  std::vector<Pick> picks;
  if (file.cursor) {
    for (int size : kPointerSizes) {
      picks.push_back(Make(Program::kWindowsCursor, View::kPointer, 100, size, NextLargerOrLargest(byDirectory, size)));
    }
  } else {
    constexpr std::array<std::pair<View, int>, 5> kViews = {{{View::kSmallIcons, 16},
                                                             {View::kTaskbar, 24},
                                                             {View::kAltTab, 32},
                                                             {View::kLargeIcons, 48},
                                                             {View::kExtraLargeIcons, 256}}};
    for (const auto& [view, base] : kViews) {
      for (int scale : kScales) {
        // Extra large icons are 256 at every scale: no larger image exists.
        const int size = view == View::kExtraLargeIcons ? base : (base * scale + 50) / 100;
        picks.push_back(Make(Program::kWindows, view, scale, size, NextLargerOrLargest(byDirectory, size)));
        if (view == View::kExtraLargeIcons) break;
      }
    }
    for (int scale : {100, 200}) {
      picks.push_back(
          Make(Program::kBrowser, View::kTab, scale, 16 * scale / 100, NextLargerOrLargest(all, 16 * scale / 100)));
    }
  }
  Pick gnome{Program::kGnome, View::kFileIcon, 100, 48};
  if (const EntryInfo* e = GdkPixbufChoice(file)) {
    gnome.entry = e->index;
    gnome.width = e->width;
    gnome.height = e->height;
  }
  picks.push_back(gnome);
  for (int size : {16, 24, 32, 48, 64})
    picks.push_back(Make(Program::kQt, View::kIcon, 100, size, QIconChoice(all, size)));
  return picks;
}

std::string FormatPick(const Pick& pick) {
  std::string line = std::string(ProgramName(pick.program)) + ", " + std::string(ViewName(pick.view));
  if (pick.program == Program::kWindows || pick.program == Program::kBrowser) {
    line += ", " + std::to_string(pick.scalePercent) + "%";
  }
  line += ": " + std::to_string(pick.shownSize) + " px <- ";
  if (pick.entry < 0) return line + "nothing";
  line += "#" + std::to_string(pick.entry) + " " + std::to_string(pick.width) + "x" + std::to_string(pick.height);
  const double s = pick.Scaling();
  if (pick.width == pick.shownSize) return line + ", exact";
  char factor[32];
  std::snprintf(factor, sizeof factor, " x%.2f", s);
  return line + (s < 1 ? ", scaled down" : ", scaled up") + factor;
}

}  // namespace pixmint::doctor
