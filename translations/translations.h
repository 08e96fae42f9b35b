#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

#include "texts/language.h"

namespace pixmint::translations {

// Where the program's own translation into a language is built in; empty for
// Chinese, the language the texts are written in.
[[nodiscard]] QString ProgramTranslationFile(texts::Language language);

// The base name of Qt's own translation (the buttons and labels of its file,
// colour, font and input dialogs) in Qt's translations folder; empty for
// English, the language Qt is written in.
[[nodiscard]] QString QtTranslationName(texts::Language language);

// The program in one language while it lives: its own translation and Qt's
// are installed into the application, and the core's texts (texts::Tr) are
// translated through QCoreApplication::translate. Needs a QCoreApplication.
class AppLanguage {
 public:
  explicit AppLanguage(texts::Language language);
  ~AppLanguage();
  AppLanguage(const AppLanguage&) = delete;
  AppLanguage& operator=(const AppLanguage&) = delete;

  [[nodiscard]] texts::Language Language() const { return language_; }
  // Whether the translations the language needs were found (a language that
  // needs none has them).
  [[nodiscard]] bool ProgramTranslated() const { return programTranslated_; }
  [[nodiscard]] bool QtTranslated() const { return qtTranslated_; }

 private:
  texts::Language language_;
  std::unique_ptr<QTranslator> program_;
  std::unique_ptr<QTranslator> qt_;
  bool programTranslated_ = true;
  bool qtTranslated_ = true;
};

// For a program without a QCoreApplication: the core's text for a source in
// the language, its translation loaded once and kept for the rest of the
// run; nullptr when the translation is missing. A plain function, so that a
// program that loads this code as a module can install it in its own core.
using CoreTranslation = std::string (*)(const char* source);
[[nodiscard]] CoreTranslation LoadCoreTranslation(texts::Language language);

// The same, installed: the core's texts follow the language from now on.
// False when its translation is missing.
bool UseLanguageInCore(texts::Language language);

}  // namespace pixmint::translations
