#include "cli/qt_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#ifndef PIXMINT_BIN_TO_LIB
#define PIXMINT_BIN_TO_LIB "../lib"
#endif

namespace pixmint::cli {
namespace {

// Beside the program in a build folder; under lib/pixmint when installed.
void* OpenModule(std::string& why) {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    why = "cannot find the program's own folder: " + error.message();
    return nullptr;
  }
  const std::filesystem::path folder = program.parent_path();
  for (const auto& candidate : {folder / kQtModuleFile, folder / PIXMINT_BIN_TO_LIB / "pixmint" / kQtModuleFile}) {
    if (!std::filesystem::exists(candidate, error)) continue;
    if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
    const char* reason = dlerror();
    why = reason ? reason : "cannot load " + candidate.string();
    return nullptr;
  }
  why = std::string("this installation lacks ") + kQtModuleFile;
  return nullptr;
}

}  // namespace

void* QtModuleEntry(const char* name, std::string& why) {
  // Loaded once and kept: what it made (pictures, texts) lives in its code.
  static std::string openWhy;
  static void* const module = OpenModule(openWhy);
  if (!module) {
    why = openWhy;
    return nullptr;
  }
  void* entry = dlsym(module, name);
  if (!entry) why = std::string(kQtModuleFile) + " has no " + name;
  return entry;
}

std::unique_ptr<convert::SvgPicture> ModuleSvgLoader::Load(std::span<const std::uint8_t> bytes,
                                                           std::string& why) const {
  std::string missing;
  void* entry = QtModuleEntry(kSvgLoaderEntry, missing);
  const convert::SvgLoader* loader = entry ? reinterpret_cast<SvgLoaderEntry>(entry)() : nullptr;
  if (!loader) {
    why = "SVG pictures need Qt's SVG module: " + (missing.empty() ? std::string("not built in") : missing);
    return nullptr;
  }
  return loader->Load(bytes, why);
}

}  // namespace pixmint::cli
