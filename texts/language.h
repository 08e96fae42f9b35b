#pragma once

#include <optional>
#include <string_view>

namespace pixmint::texts {

// The languages the texts come in: Chinese, as they are written, and English
// (translations/pixmint_en.ts). Chinese is the default everywhere, whatever
// the system's own language.
enum class Language { kChinese, kEnglish };
inline constexpr Language kDefaultLanguage = Language::kChinese;
inline constexpr Language kLanguages[] = {Language::kChinese, Language::kEnglish};

// The settings' value that remembers the chosen language.
inline constexpr const char* kLanguageSetting = "Language";

// The word for a language in the settings' value "Language" and after the
// --lang option: "zh", "en".
[[nodiscard]] std::string_view LanguageCode(Language language);

// The language a word names: "zh" or "en", in any case, also with a region
// ("zh_CN", "en-GB"). Nothing for any other word.
[[nodiscard]] std::optional<Language> ParseLanguage(std::string_view word);

// The name the language's own readers know it by, for choosing it; it is the
// same in every language of the program.
[[nodiscard]] const char* LanguageName(Language language);

}  // namespace pixmint::texts
