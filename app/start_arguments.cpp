#include "app/start_arguments.h"

#include "editor/document_commands.h"
#include "settings/settings.h"

namespace pixmint::app {
namespace {

std::optional<texts::Language> LanguageOf(const QString& word, QString& error) {
  const auto language = texts::ParseLanguage(word.toStdString());
  if (!language) error = QStringLiteral("unknown language '%1' (the program has en and zh)").arg(word);
  return language;
}

}  // namespace

std::optional<StartArguments> ParseStartArguments(const QStringList& arguments, QString& error) {
  StartArguments result;
  bool options = true;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (options && argument == QLatin1String("--")) {
      options = false;
    } else if (options && argument == QLatin1String("--lang")) {
      if (i + 1 >= arguments.size()) {
        error = QStringLiteral("--lang needs a language: en or zh");
        return std::nullopt;
      }
      result.language = LanguageOf(arguments.at(++i), error);
      if (!result.language) return std::nullopt;
    } else if (options && argument == QLatin1String(editor::kUntitledArgument) && i + 1 < arguments.size()) {
      result.handedOver = arguments.at(++i);
    } else if (options && argument.startsWith(QLatin1String("--lang="))) {
      result.language = LanguageOf(argument.mid(7), error);
      if (!result.language) return std::nullopt;
    } else if (!result.file) {
      result.file = argument;
    }
  }
  return result;
}

texts::Language StartLanguage(std::optional<texts::Language> chosen, Settings& settings) {
  if (chosen) {
    settings.WriteString(texts::kLanguageSetting, texts::LanguageCode(*chosen));
    return *chosen;
  }
  return texts::ParseLanguage(settings.ReadString(texts::kLanguageSetting)).value_or(texts::kDefaultLanguage);
}

}  // namespace pixmint::app
