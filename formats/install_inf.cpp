#include "formats/install_inf.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace pixmint::formats {
namespace {

using Section = std::vector<std::string>;  // the lines of one section

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t\r") - first + 1));
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The text as bytes of UTF-8 (or ANSI, passed through).
std::string DecodeText(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    std::string out;
    // Characters outside the basic plane do not occur in the names read here.
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) AppendUtf8(out, bytes[at] | (bytes[at + 1] << 8u));
    return out;
  }
  const std::size_t skip = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF ? 3 : 0;
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(skip), bytes.end());
}

// The line without a comment: ';' outside quotes starts one.
std::string StripComment(const std::string& line) {
  bool quoted = false;
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (line[k] == '"') quoted = !quoted;
    if (line[k] == ';' && !quoted) return line.substr(0, k);
  }
  return line;
}

std::map<std::string, Section> Sections(const std::string& text) {
  std::map<std::string, Section> sections;
  Section* current = nullptr;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string line = Trim(StripComment(text.substr(at, end - at)));
    at = end + 1;
    if (line.empty()) continue;
    if (line.front() == '[') {
      current = &sections[Lower(Trim(line.substr(1, line.find(']') - 1)))];
    } else if (current != nullptr) {
      current->push_back(line);
    }
  }
  return sections;
}

// Comma-separated fields; quotes group (and "" inside quotes is one quote)
// and are removed.
std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t k = 0; k < line.size(); ++k) {
    const char c = line[k];
    if (c == '"' && quoted && k + 1 < line.size() && line[k + 1] == '"') {
      fields.back() += '"';
      ++k;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  for (std::string& f : fields) f = Trim(f);
  return fields;
}

// key = value lines of a section, keys lowered.
std::map<std::string, std::string> KeyValues(const Section& section) {
  std::map<std::string, std::string> values;
  for (const std::string& line : section) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::vector<std::string> value = Fields(line.substr(eq + 1));
    std::string joined;
    for (std::size_t k = 0; k < value.size(); ++k) joined += (k != 0 ? "," : "") + value[k];
    values.emplace(Lower(Trim(line.substr(0, eq))), joined);
  }
  return values;
}

// What expanding %name%s may produce from one file in all: a long value
// named many times must not grow without bound.
constexpr std::size_t kMaxExpandedBytes = 4u << 20;

// Replaces %name% by its [Strings] value; numbered folders (%10%) vanish.
// left is what the file may still expand to; nothing when s needs more.
std::optional<std::string> Expand(const std::string& s, const std::map<std::string, std::string>& strings,
                                  std::size_t& left) {
  std::string out;
  std::size_t at = 0;
  while (at < s.size()) {
    if (out.size() > left) return std::nullopt;
    const auto open = s.find('%', at);
    const auto close = open == std::string::npos ? std::string::npos : s.find('%', open + 1);
    if (close == std::string::npos) {
      out += s.substr(at);
      break;
    }
    out += s.substr(at, open - at);
    const std::string key = Lower(s.substr(open + 1, close - open - 1));
    const bool numbered = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
      return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    if (const auto it = strings.find(key); it != strings.end()) {
      out += it->second;
    } else if (!numbered) {
      out += s.substr(open, close - open + 1);
    }
    at = close + 1;
  }
  if (out.size() > left) return std::nullopt;
  left -= out.size();
  return out;
}

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return Trim(slash == std::string::npos ? path : path.substr(slash + 1));
}

bool EndsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

void AddFile(InfScheme& scheme, const CursorRole* role, const std::string& path) {
  const std::string file = BaseName(path);
  if (role == nullptr || file.empty()) return;
  const bool known =
      std::any_of(scheme.files.begin(), scheme.files.end(), [role](const auto& f) { return f.first == role; });
  if (!known) scheme.files.emplace_back(role, file);
}

void ReadRegistryLine(const std::vector<std::string>& f, InfScheme& scheme) {
  if (f.size() < 5) return;
  const std::string key = Lower(f[1]);
  std::string value = f[4];
  for (std::size_t k = 5; k < f.size(); ++k) value += "," + f[k];
  if (EndsWith(key, "control panel\\cursors\\schemes")) {
    if (scheme.name.empty()) scheme.name = f[2];
    const std::vector<std::string> paths = Fields(value);
    const auto roles = CursorRoles();
    for (std::size_t k = 0; k < paths.size() && k < roles.size(); ++k) AddFile(scheme, &roles[k], paths[k]);
  } else if (EndsWith(key, "control panel\\cursors")) {
    if (f[2].empty()) {
      if (scheme.name.empty()) scheme.name = value;
      return;
    }
    const auto roles = CursorRoles();
    const auto role = std::find_if(roles.begin(), roles.end(),
                                   [&](const CursorRole& r) { return Lower(r.windowsName) == Lower(f[2]); });
    if (role != roles.end()) AddFile(scheme, &*role, value);
  }
}

}  // namespace

texts::Result<InfScheme> ParseInstallInf(std::span<const std::uint8_t> bytes) {
  const std::map<std::string, Section> sections = Sections(DecodeText(bytes));
  std::map<std::string, std::string> strings;
  if (const auto it = sections.find("strings"); it != sections.end()) strings = KeyValues(it->second);
  // Each section is read once, however often AddReg names it.
  std::vector<std::string> registrySections = {"scheme.reg"};
  std::set<std::string> named = {"scheme.reg"};
  for (const auto& [name, lines] : sections) {
    const auto values = KeyValues(lines);
    if (const auto add = values.find("addreg"); add != values.end()) {
      for (const std::string& s : Fields(add->second)) {
        if (named.insert(Lower(s)).second) registrySections.push_back(Lower(s));
      }
    }
  }
  InfScheme scheme;
  std::size_t left = kMaxExpandedBytes;
  for (const std::string& name : registrySections) {
    const auto it = sections.find(name);
    if (it == sections.end()) continue;
    for (const std::string& line : it->second) {
      std::vector<std::string> fields = Fields(line);
      for (std::string& field : fields) {
        auto expanded = Expand(field, strings, left);
        if (!expanded) {
          return texts::Failure{texts::Fail::kInfExpandsTooMuch, {std::to_string(kMaxExpandedBytes >> 20)}};
        }
        field = std::move(*expanded);
      }
      ReadRegistryLine(fields, scheme);
    }
  }
  if (scheme.files.empty()) return texts::Failure{texts::Fail::kInfNamesNoCursor};
  return scheme;
}

}  // namespace pixmint::formats
