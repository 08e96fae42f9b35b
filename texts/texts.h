#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// The translation tools find texts by Qt's marker; the core has no Qt, so it
// defines the same (identical) macro itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pixmint::texts {

// The context every user-visible text is translated in.
inline constexpr const char* kContext = "pixmint";

// Turns a source text (Chinese, UTF-8, also the translation's key) into the
// text of the chosen language. Without a translator the source is the text.
using Translator = std::function<std::string(const char* source)>;
void SetTranslator(Translator translator);
[[nodiscard]] std::string Tr(const char* source);

// Replaces %1, %2, ... in a translated text by the arguments, so that a
// translator always sees a whole sentence with its placeholders.
[[nodiscard]] std::string Format(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace pixmint::texts
