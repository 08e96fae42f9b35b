// pixmint-cli convert OUT.ico|OUT.cur MASTER... [--sizes 16,24,...]
//   [--depths 32,8,4] [--hotspot X,Y] [--threshold N] [--dither]
#include <algorithm>
#include <iostream>
#include <optional>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/qt_module.h"
#include "convert/icon_builder.h"
#include "convert/master.h"
#include "texts/numbers.h"

namespace pixmint::cli {
namespace {

constexpr int kSvgSeconds = 30;

std::optional<std::vector<int>> NumberList(std::string_view s) {
  std::vector<int> out;
  while (true) {
    const auto comma = s.find(',');
    const auto n = texts::ParseWhole<int>(s.substr(0, comma));
    if (!n) return std::nullopt;
    out.push_back(*n);
    if (comma == std::string_view::npos) return out;
    s.remove_prefix(comma + 1);
  }
}

struct Request {
  std::string out;
  std::vector<std::string> masters;
  convert::ConvertOptions options;
};

// Answers the usage message for bad words, or an empty string.
std::string Parse(std::span<const std::string> args, Request& request) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--sizes" || a == "--depths" || a == "--hotspot" || a == "--threshold";
    if (takesValue && i + 1 == args.size()) return a + " needs a value";
    if (a == "--sizes" || a == "--depths") {
      const auto list = NumberList(args[++i]);
      if (!list) return "bad list '" + args[i] + "' after " + a;
      (a == "--sizes" ? request.options.sizes : request.options.depths) = *list;
    } else if (a == "--hotspot") {
      const auto xy = NumberList(args[++i]);
      if (!xy || xy->size() != 2 || (*xy)[0] < 0 || (*xy)[1] < 0) return "bad hot spot '" + args[i] + "'";
      request.options.hotSpot = raster::Point{(*xy)[0], (*xy)[1]};
    } else if (a == "--threshold") {
      const auto n = texts::ParseWhole<int>(args[++i]);
      if (!n) return "bad threshold '" + args[i] + "'";
      request.options.threshold = *n;
    } else if (a == "--dither") {
      request.options.dither = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return "unknown option " + a;
    } else if (request.out.empty()) {
      request.out = a;
    } else {
      request.masters.push_back(a);
    }
  }
  if (request.out.empty() || request.masters.empty()) return "an output file and at least one picture are needed";
  request.options.cursor = HasExtension(request.out, ".cur");
  if (!request.options.cursor && !HasExtension(request.out, ".ico")) return "the output must end in .ico or .cur";
  if (const auto usable = convert::CheckOptions(request.options, request.masters.size()); !usable) {
    return texts::EnglishMessage(usable.error());
  }
  return {};
}

}  // namespace

int RunConvert(std::span<const std::string> args) {
  Request request;
  if (const std::string bad = Parse(args, request); !bad.empty()) {
    return Fail(kExitUsage, bad);
  }
  const ModuleSvgLoader svg;
  std::vector<convert::Master> masters;
  for (const std::string& path : request.masters) {
    auto master = convert::LoadMaster(path, &svg);
    if (!master) return Fail(kExitFailure, path + ": " + texts::EnglishMessage(master.error()));
    masters.push_back(*std::move(master));
  }
  // An SVG picture is bounded in bytes when it is read; how long its
  // elements take to draw is bounded here.
  if (std::any_of(masters.begin(), masters.end(), [](const convert::Master& m) { return m.IsSvg(); })) {
    LimitTime(kSvgSeconds, "drawing the SVG pictures");
  }
  for (const convert::SizePlan& plan : convert::PlanSizes(masters, request.options.sizes, request.options.cursor)) {
    if (plan.enlarged) {
      std::cerr << "pixmint-cli: warning: " << plan.size << "x" << plan.size << " is enlarged from "
                << masters[plan.master].Name() << '\n';
    }
  }
  document::TKvIcon icon;
  if (const auto built = convert::BuildIcon(masters, request.options, icon); !built) {
    return Fail(kExitFailure, texts::EnglishMessage(built.error()));
  }
  if (const auto saved = icon.SaveToFile(request.out); !saved) {
    return Fail(kExitFailure, "cannot write " + request.out + ": " + texts::EnglishMessage(saved.error()));
  }
  return kExitOk;
}

}  // namespace pixmint::cli
