#include "doctor/fix.h"

#include <algorithm>
#include <set>

#include "convert/icon_builder.h"
#include "document/pixel_look.h"
#include "formats/cursor_sizes.h"

namespace pixmint::doctor {
namespace {

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

struct Image {
  int width = 0, height = 0, bits = 0;
};

Image Of(const document::TKvIcon& icon, std::uint32_t i) {
  const auto* s = icon.XorBitmap(i);
  return s != nullptr ? Image{s->Width(), s->Height(), s->BitCount()} : Image{};
}

// True when the image shows only colours and transparency, which every
// storage keeps; screen-inverting pixels exist only in bitmaps.
bool PlainPixels(const document::TKvIcon& icon, std::uint32_t i) {
  const document::PixelRule rule(*icon.XorBitmap(i), *icon.AndBitmap(i));
  const Image im = Of(icon, i);
  for (int y = 0; y < im.height; ++y) {
    for (int x = 0; x < im.width; ++x) {
      const auto kind = rule.At(x, y).kind;
      if (kind != document::PixelKind::kColour && kind != document::PixelKind::kTransparent) return false;
    }
  }
  return true;
}

convert::Rgba RgbaOf(const document::TKvIcon& icon, std::uint32_t i) {
  const Image im = Of(icon, i);
  const document::PixelRule rule(*icon.XorBitmap(i), *icon.AndBitmap(i));
  convert::Rgba rgba{im.width, im.height,
                     std::vector<std::uint8_t>(static_cast<std::size_t>(im.width * im.height) * 4)};
  std::uint8_t* p = rgba.pixels.data();
  for (int y = 0; y < im.height; ++y) {
    for (int x = 0; x < im.width; ++x, p += 4) {
      const document::PixelLook look = rule.At(x, y);
      if (look.kind != document::PixelKind::kColour) continue;
      p[0] = raster::Red(look.colour);
      p[1] = raster::Green(look.colour);
      p[2] = raster::Blue(look.colour);
      p[3] = look.alpha;
    }
  }
  return rgba;
}

// The per-entry fixes that change storage, never pixels.
void FixEntry(document::TKvIcon& icon, const Finding& f, const EntryInfo& entry, FixLine& line) {
  const auto i = static_cast<std::uint32_t>(f.entry);
  const Image im = Of(icon, i);
  if (f.code == "png-small") {
    icon.SetPngCompressed(i, false);
    line = {f.entry, f.code, true, "stored as a 32-bit bitmap"};
  } else if (f.code == "bmp-256") {
    if (im.bits != 32) {
      line.message = "a " + Num(im.bits) + "-bit image would change depth as PNG; left as a bitmap";
    } else if (!PlainPixels(icon, i)) {
      line.message = "its screen-inverting pixels cannot be stored in PNG; left as a bitmap";
    } else {
      icon.SetPngCompressed(i, true);
      line = {f.entry, f.code, true, "stored as PNG"};
    }
  } else if (f.code == "png-not-rgba") {
    if (entry.pngDepth > 8) {
      line.message = "its 16-bit channels would be cut to 8 bits; left as it is";
    } else {
      icon.DropKeptBlock(i);
      line = {f.entry, f.code, true, "encoded anew as 8-bit RGBA"};
    }
  } else if (f.code == "mask-missing" || f.code == "extra-bytes" || f.code == "dir-size") {
    icon.DropKeptBlock(i);
    line = {
        f.entry, f.code, true,
        f.code == "mask-missing" ? "AND mask written from the alpha channel" : "entry written with exactly its data"};
  }
}

// Exact copies: same size, depth, storage, table, pixels and hot spot.
bool SameImage(const document::TKvIcon& icon, std::uint32_t a, std::uint32_t b) {
  const auto* ca = icon.XorBitmap(a);
  const auto* cb = icon.XorBitmap(b);
  return ca->Width() == cb->Width() && ca->Height() == cb->Height() && ca->BitCount() == cb->BitCount() &&
         icon.IsPngCompressed(a) == icon.IsPngCompressed(b) && std::ranges::equal(ca->Bits(), cb->Bits()) &&
         std::ranges::equal(ca->Table(), cb->Table()) &&
         std::ranges::equal(icon.AndBitmap(a)->Bits(), icon.AndBitmap(b)->Bits()) &&
         icon.GetHotSpot(a) == icon.GetHotSpot(b);
}

// The image the missing sizes are made from: the smallest square image at
// least as large as the largest missing size, the deepest among equals.
std::optional<std::uint32_t> BestSource(const document::TKvIcon& icon, int largest) {
  std::optional<std::uint32_t> best;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const Image im = Of(icon, i);
    if (im.width != im.height || im.width < largest) continue;
    if (!best) {
      best = i;
      continue;
    }
    const Image b = Of(icon, *best);
    if (im.width < b.width || (im.width == b.width && im.bits > b.bits)) best = i;
  }
  return best;
}

void AddMissingSizes(document::TKvIcon& icon, const CheckOptions& options, std::vector<FixLine>& lines) {
  std::vector<int> missing;
  for (const auto& sizes :
       {RequiredSizes(options.profile, !icon.IsIcon()), ScaleSizes(options.profile, !icon.IsIcon())}) {
    for (int s : sizes) {
      bool has = false;
      for (std::uint32_t i = 0; i < icon.ImageCount(); ++i)
        has = has || (Of(icon, i).width == s && Of(icon, i).height == s);
      if (!has) missing.push_back(s);
    }
  }
  std::ranges::sort(missing);
  if (!icon.IsIcon() && !missing.empty()) {
    // Cursors are pixel art: the cursor scaler makes every size from its own
    // best image, whole multiples by replication, with the hot spot scaled.
    std::vector<formats::AddedCursorSize> added;
    if (const auto made = formats::AddCursorSizes(icon, missing, added); !made) {
      lines.push_back({-1, "missing-size", false, texts::EnglishMessage(made.error())});
      return;
    }
    for (const formats::AddedCursorSize& a : added) {
      lines.push_back({-1, "missing-size", true,
                       "added " + Num(a.side) + "x" + Num(a.side) + " from entry " + Num(static_cast<int>(a.source))});
    }
    return;
  }
  while (!missing.empty()) {
    const auto source = BestSource(icon, missing.back());
    if (!source) {
      // Made larger than any image, it would only be a blurred copy.
      lines.push_back({-1, "missing-size", false,
                       "no " + Num(missing.back()) + " image made: every image is smaller, and enlarging blurs"});
      missing.pop_back();
      continue;
    }
    const std::uint32_t from = *source;
    auto result = MakeSizes(icon, from, missing);
    if (!result) {
      lines.push_back({-1, "missing-size", false, texts::EnglishMessage(result.error())});
      return;
    }
    const auto& made = *result;
    for (std::uint32_t k = 0; k < made->ImageCount(); ++k) {
      const Image im = Of(*made, k);
      if (!icon.AppendImage(*made, k)) {
        lines.push_back({-1, "missing-size", false, "no room for a " + Num(im.width) + " image (32 at most)"});
        return;
      }
      lines.push_back(
          {-1, "missing-size", true, "added " + Num(im.width) + "x" + Num(im.height) + " from entry " + Num(from)});
    }
    return;
  }
}

}  // namespace

texts::Result<std::unique_ptr<document::TKvIcon>> MakeSizes(const document::TKvIcon& icon, std::uint32_t source,
                                                            const std::vector<int>& sizes) {
  if (!PlainPixels(icon, source)) return texts::Failure{texts::Fail::kEntryInverting, {Num(source)}};
  std::vector<convert::Master> masters;
  masters.emplace_back("entry " + Num(source), RgbaOf(icon, source));
  convert::ConvertOptions options;
  options.sizes = sizes;
  options.cursor = !icon.IsIcon();
  if (options.cursor) options.hotSpot = icon.GetHotSpot(source);
  // The converter stores 256 as PNG and every smaller size as a bitmap.
  auto made = std::make_unique<document::TKvIcon>();
  if (auto built = convert::BuildIcon(masters, options, *made); !built) return built.error();
  made->SetIcon(icon.IsIcon());
  return made;
}

std::vector<FixLine> FixDocument(document::TKvIcon& icon, const std::vector<Finding>& findings,
                                 const IconFileCheck& check, const CheckOptions& options) {
  std::vector<FixLine> lines;
  std::set<std::uint32_t> drop;
  for (const Finding& f : findings) {
    if (!f.part.empty() || f.code == "missing-size" || f.code == "missing-scale-size") continue;
    FixLine line{f.entry, f.code, false, "left for the editor: it needs a choice"};
    const bool image = f.entry >= 0 && static_cast<std::uint32_t>(f.entry) < icon.ImageCount();
    if (f.code.starts_with("dir-") || f.code == "overlap" || f.code == "trailing-data") {
      line = {f.entry, f.code, true, "directory and layout written anew from the data"};
    } else if (f.code == "duplicate" && image) {
      for (std::uint32_t j = 0; j < static_cast<std::uint32_t>(f.entry); ++j) {
        if (!drop.contains(j) && SameImage(icon, j, static_cast<std::uint32_t>(f.entry))) {
          drop.insert(static_cast<std::uint32_t>(f.entry));
          line = {f.entry, f.code, true, "dropped: exact copy of entry " + Num(j)};
          break;
        }
      }
    } else if (image && static_cast<std::size_t>(f.entry) < check.entries.size()) {
      FixEntry(icon, f, check.entries[static_cast<std::size_t>(f.entry)], line);
    }
    lines.push_back(line);
  }
  for (auto it = drop.rbegin(); it != drop.rend(); ++it) (void)icon.DeleteImage(*it);
  if (options.sizes) AddMissingSizes(icon, options, lines);
  return lines;
}

}  // namespace pixmint::doctor
