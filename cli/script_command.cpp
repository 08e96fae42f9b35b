// pixmint-cli script [--lang en|zh] FILE: runs an editing script on a
// headless editor.
#include <fstream>
#include <iostream>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/qt_module.h"
#include "document/temp_folder.h"
#include "script/script_runner.h"
#include "texts/language.h"
#include "texts/texts.h"

namespace pixmint::cli {
namespace {

constexpr std::string_view kUsage = "usage: pixmint-cli script [--lang en|zh] FILE";

// The editor's messages that a script prints (message boxes, the status
// panels, captions) in the chosen language; Chinese, as written, by default.
bool UseLanguage(const std::string& word) {
  const auto language = texts::ParseLanguage(word);
  if (!language) {
    Fail(kExitUsage, "unknown language '" + word + "' (en or zh)");
    return false;
  }
  // The texts are written in it: nothing to load.
  if (*language == texts::kDefaultLanguage) return true;
  const auto entry = QtModuleEntry(kCoreTranslationEntry);
  const CoreTranslation translation =
      entry ? reinterpret_cast<CoreTranslationEntry>(*entry)(static_cast<int>(*language)) : nullptr;
  if (!translation) {
    std::cerr << "pixmint-cli: this build has no " << texts::LanguageName(*language) << " translation"
              << (entry ? "" : " (" + texts::EnglishMessage(entry.error()) + ")") << "\n";
    return false;
  }
  texts::SetTranslator(translation);
  return true;
}

}  // namespace

int RunScript(std::span<const std::string> args) {
  // --lang en or --lang=en before the file, as the editor takes it.
  if (!args.empty() && args[0].starts_with("--lang=")) {
    if (!UseLanguage(args[0].substr(7))) return kExitUsage;
    args = args.subspan(1);
  } else if (args.size() >= 2 && args[0] == "--lang") {
    if (!UseLanguage(args[1])) return kExitUsage;
    args = args.subspan(2);
  }
  if (args.size() != 1 || args[0].starts_with("--")) return Fail(kExitUsage, kUsage);
  std::ifstream in(args[0]);
  if (!in) {
    std::cerr << "pixmint-cli: cannot open " << args[0] << "\n";
    return kExitFailure;
  }
  // Runs that were killed left their private folders behind.
  document::RemoveDeadPrivateFolders();
  return script::RunScript(in, std::cout, std::cerr);
}

}  // namespace pixmint::cli
