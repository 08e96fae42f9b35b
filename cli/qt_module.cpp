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
texts::Result<void*> OpenModule() {
  using texts::Fail;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return texts::Within(Fail::kNoProgramFolder, {}, texts::Failure{Fail::kSystem, {error.message()}});
  const std::filesystem::path folder = program.parent_path();
  for (const auto& candidate : {folder / kQtModuleFile, folder / PIXMINT_BIN_TO_LIB / "pixmint" / kQtModuleFile}) {
    if (!std::filesystem::exists(candidate, error)) continue;
    if (void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
    if (const char* reason = dlerror()) return texts::Failure{Fail::kSystem, {reason}};
    return texts::Failure{Fail::kCannotLoad, {candidate.string()}};
  }
  return texts::Failure{Fail::kInstallationLacks, {kQtModuleFile}};
}

}  // namespace

texts::Result<void*> QtModuleEntry(const char* name) {
  // Loaded once and kept: what it made (pictures, texts) lives in its code.
  static const texts::Result<void*> module = OpenModule();
  if (!module) return module.error();
  void* entry = dlsym(*module, name);
  if (!entry) return texts::Failure{texts::Fail::kModuleLacks, {kQtModuleFile, name}};
  return entry;
}

texts::Result<std::unique_ptr<convert::SvgPicture>> ModuleSvgLoader::Load(std::span<const std::uint8_t> bytes) const {
  const auto entry = QtModuleEntry(kSvgLoaderEntry);
  const convert::SvgLoader* loader = entry ? reinterpret_cast<SvgLoaderEntry>(*entry)() : nullptr;
  if (!loader) {
    return texts::Within(texts::Fail::kSvgNeedsModule, {},
                         entry ? texts::Failure{texts::Fail::kNotBuiltIn} : entry.error());
  }
  return loader->Load(bytes);
}

}  // namespace pixmint::cli
