#include "texts/language.h"

#include <cctype>
#include <string>

namespace pixmint::texts {

std::string_view LanguageCode(Language language) {
  return language == Language::kEnglish ? "en" : "zh";
}

std::optional<Language> ParseLanguage(std::string_view word) {
  // The region after '_' or '-' does not matter: there is one English and
  // one Chinese.
  const std::string_view base = word.substr(0, word.find_first_of("_-"));
  std::string lower;
  for (const char c : base) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const Language language : kLanguages) {
    if (lower == LanguageCode(language)) return language;
  }
  return std::nullopt;
}

const char* LanguageName(Language language) {
  return language == Language::kEnglish ? "English" : "简体中文";
}

}  // namespace pixmint::texts
