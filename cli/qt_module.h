#pragma once

// The parts of pixmint-cli that need Qt (drawing SVG pictures, the English
// texts of scripts) live in a module that is loaded only when a command
// needs them: loading Qt's libraries at every start took longer than a whole
// extract of an icon.
#include <string>

#include "convert/svg_source.h"

namespace pixmint::cli {

inline constexpr const char* kQtModuleFile = "pixmint-cli-qt.so";

// What the module gives, by these C names.
using SvgLoaderEntry = const convert::SvgLoader* (*)();
using CoreTranslation = std::string (*)(const char* source);
using CoreTranslationEntry = CoreTranslation (*)(int language);
inline constexpr const char* kSvgLoaderEntry = "pixmint_svg_loader";
inline constexpr const char* kCoreTranslationEntry = "pixmint_core_translation";

// An entry of the module, loading the module the first time; a failure when
// the module or the entry is not there.
[[nodiscard]] texts::Result<void*> QtModuleEntry(const char* name);

// Draws SVG pictures through the module, loaded at the first picture.
class ModuleSvgLoader : public convert::SvgLoader {
 public:
  [[nodiscard]] texts::Result<std::unique_ptr<convert::SvgPicture>> Load(
      std::span<const std::uint8_t> bytes) const override;
};

}  // namespace pixmint::cli
