#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "texts/texts.h"

namespace pixmint::translations {
namespace {

// How many AppLanguage objects live: the core's translator goes with the last.
int& LiveLanguages() {
  static int count = 0;
  return count;
}

std::string CoreText(const char* source) {
  return QCoreApplication::translate(texts::kContext, source).toStdString();
}

std::unique_ptr<QTranslator> Load(const QString& file, const QString& folder = {}) {
  auto translator = std::make_unique<QTranslator>();
  if (file.isEmpty() || !translator->load(file, folder)) return nullptr;
  return translator;
}

}  // namespace

QString ProgramTranslationFile(texts::Language language) {
  return language == texts::Language::kEnglish ? QStringLiteral(":/i18n/pixmint_en.qm") : QString();
}

QString QtTranslationName(texts::Language language) {
  return language == texts::Language::kChinese ? QStringLiteral("qtbase_zh_CN") : QString();
}

AppLanguage::AppLanguage(texts::Language language) : language_(language) {
  if (const QString file = ProgramTranslationFile(language); !file.isEmpty()) {
    program_ = Load(file);
    programTranslated_ = program_ != nullptr;
  }
  if (const QString name = QtTranslationName(language); !name.isEmpty()) {
    qt_ = Load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    qtTranslated_ = qt_ != nullptr;
  }
  // A missing translation leaves the texts as written: the program still works.
  if (program_) QCoreApplication::installTranslator(program_.get());
  if (qt_) QCoreApplication::installTranslator(qt_.get());
  texts::SetTranslator(CoreText);
  ++LiveLanguages();
}

AppLanguage::~AppLanguage() {
  if (program_) QCoreApplication::removeTranslator(program_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  if (--LiveLanguages() == 0) texts::SetTranslator({});
}

CoreTranslation LoadCoreTranslation(texts::Language language) {
  const QString file = ProgramTranslationFile(language);
  if (file.isEmpty()) return [](const char* source) { return std::string(source); };
  // Kept for the rest of the run: the core asks it for every text.
  static std::unique_ptr<QTranslator> translator;
  translator = Load(file);
  if (!translator) return nullptr;
  return [](const char* source) {
    const QString text = translator->translate(texts::kContext, source);
    return text.isEmpty() ? std::string(source) : text.toStdString();
  };
}

bool UseLanguageInCore(texts::Language language) {
  const CoreTranslation translation = LoadCoreTranslation(language);
  if (!translation) return false;
  texts::SetTranslator(translation);
  return true;
}

}  // namespace pixmint::translations
