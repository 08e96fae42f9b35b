#include "texts/texts.h"

#include <vector>

namespace pixmint::texts {
namespace {

Translator& Current() {
  static Translator translator;
  return translator;
}

}  // namespace

void SetTranslator(Translator translator) {
  Current() = std::move(translator);
}

std::string Tr(const char* source) {
  if (source == nullptr) return {};
  return Current() ? Current()(source) : std::string(source);
}

std::string Format(std::string_view text, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> values(args);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // %N with N from 1 to 9; anything else stays as written.
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < values.size()) {
        out += values[n];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace pixmint::texts
