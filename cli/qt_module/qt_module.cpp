// pixmint-cli-qt.so: what pixmint-cli takes from Qt, loaded when needed.
#include "cli/qt_module.h"

#ifdef PIXMINT_HAVE_SVG
#include "app/svg/qt_svg_loader.h"
#endif
#ifdef PIXMINT_MODULE_TRANSLATIONS
#include "translations/translations.h"
#endif

#define PIXMINT_ENTRY extern "C" __attribute__((visibility("default")))

PIXMINT_ENTRY const pixmint::convert::SvgLoader* pixmint_svg_loader() {
#ifdef PIXMINT_HAVE_SVG
  static const pixmint::svg::QtSvgLoader loader;
  return &loader;
#else
  return nullptr;
#endif
}

PIXMINT_ENTRY pixmint::cli::CoreTranslation pixmint_core_translation(int language) {
#ifdef PIXMINT_MODULE_TRANSLATIONS
  return pixmint::translations::LoadCoreTranslation(static_cast<pixmint::texts::Language>(language));
#else
  (void)language;
  return nullptr;
#endif
}
