// The English translation against the texts it translates: complete, built
// into the program, and true to each text's placeholders, accelerators,
// blanks and file patterns.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "texts/failure.h"
#include "texts/language.h"
#include "texts/ui_texts.h"
#include "translations/translations.h"

namespace pixmint::translations {
namespace {

QString ReadFile(const char* path) {
  QFile file(QString::fromUtf8(path));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  return QString::fromUtf8(file.readAll());
}

// Every source text the texts' files mark for translation, C escapes undone
// and adjacent literals joined (long texts are split over lines).
std::set<QString> HeaderSources() {
  QString header;
  for (const QString& path : QStringLiteral(PIXMINT_TEXT_FILES).split(QLatin1Char('|'))) {
    header += ReadFile(path.toUtf8().constData());
  }
  static const QRegularExpression marker(
      QStringLiteral(R"re(QT_TRANSLATE_NOOP\(\s*"pixmint"\s*,\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
  static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
  std::set<QString> sources;
  for (const auto& match : marker.globalMatch(header)) {
    QString text;
    for (const auto& piece : literal.globalMatch(match.captured(1))) text += piece.captured(1);
    text.replace(QStringLiteral("\\\""), QStringLiteral("\"")).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    sources.insert(text);
  }
  return sources;
}

struct Message {
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete" or empty when done
};

// The .ts file's messages of the program's context by source text.
std::map<QString, Message> TsMessages() {
  QXmlStreamReader xml(ReadFile(PIXMINT_TS_FILE));
  std::map<QString, Message> messages;
  QString context, source;
  while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation") && context == QLatin1String(texts::kContext)) {
      const QString type = xml.attributes().value(QLatin1String("type")).toString();
      messages[source] = {xml.readElementText(), type};
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

std::multiset<QString> All(const QString& text, const char* pattern) {
  std::multiset<QString> found;
  for (const auto& match : QRegularExpression(QString::fromLatin1(pattern)).globalMatch(text)) {
    found.insert(match.captured(0));
  }
  return found;
}

// Blanks at either end are part of the layout of what shows the text.
std::pair<qsizetype, qsizetype> EndBlanks(const QString& text) {
  qsizetype front = 0, back = 0;
  while (front < text.size() && text.at(front).isSpace()) ++front;
  while (back < text.size() - front && text.at(text.size() - 1 - back).isSpace()) ++back;
  return {front, back};
}

// Every text has a finished English translation and no other is kept; what
// the code fills in or reads out of a text survives its translation; the
// built-in translation is the .ts file, text for text.
TEST(Translation, CompleteTrueToEachTextAndBuiltIn) {
  const std::set<QString> sources = HeaderSources();
  const std::map<QString, Message> messages = TsMessages();
  ASSERT_GT(sources.size(), 150u);  // the header was read
  for (const QString& source : sources) {
    const auto found = messages.find(source);
    ASSERT_NE(found, messages.end()) << "not in the .ts: " << source.toStdString();
    EXPECT_TRUE(found->second.type.isEmpty()) << found->second.type.toStdString() << ": " << source.toStdString();
    EXPECT_FALSE(found->second.translation.isEmpty()) << source.toStdString();
  }
  QTranslator built;
  ASSERT_TRUE(built.load(ProgramTranslationFile(texts::Language::kEnglish)));
  EXPECT_TRUE(ProgramTranslationFile(texts::Language::kChinese).isEmpty());
  for (const auto& [source, message] : messages) {
    const QString& english = message.translation;
    const std::string where = source.toStdString() + " -> " + english.toStdString();
    EXPECT_TRUE(sources.count(source)) << "no longer a text: " << where;
    EXPECT_EQ(built.translate(texts::kContext, source.toUtf8().constData()), english) << where;
    EXPECT_EQ(All(source, "%[1-9]"), All(english, "%[1-9]")) << where;
    EXPECT_EQ(All(source, "&[^&]").size(), All(english, "&[^&]").size()) << where;
    EXPECT_EQ(EndBlanks(source), EndBlanks(english)) << where;
    EXPECT_EQ(All(source, "\\*(\\.[a-z]+)?"), All(english, "\\*(\\.[a-z]+)?")) << where;
    EXPECT_EQ(source.count(QLatin1Char('|')), english.count(QLatin1Char('|'))) << where;
    EXPECT_EQ(source.count(QStringLiteral(";;")), english.count(QStringLiteral(";;"))) << where;
    EXPECT_FALSE(english.contains(QRegularExpression(QStringLiteral("[\\x{3000}-\\x{9fff}]")))) << where;
  }
}

// Every failure code has a text whose translation is the English the command
// line prints, holding %1 up to the number its details and cause fill.
TEST(Translation, EveryFailureHasItsTextsAndPlaceholders) {
  const std::map<QString, Message> messages = TsMessages();
  for (int i = 0; i < static_cast<int>(texts::Fail::kCount); ++i) {
    const texts::FailureText& row = texts::TextOf(static_cast<texts::Fail>(i));
    ASSERT_EQ(static_cast<int>(row.code), i) << "the table is out of the codes' order";
    const QString source = QString::fromUtf8(row.source);
    const auto found = messages.find(source);
    ASSERT_NE(found, messages.end()) << row.source;
    EXPECT_EQ(found->second.translation.toStdString(), row.english) << row.source;
    std::multiset<QString> wanted;
    for (int k = 1; k <= row.placeholders; ++k) wanted.insert(QStringLiteral("%%1").arg(k));
    EXPECT_EQ(All(source, "%[1-9]"), wanted) << row.source;
  }
}

TEST(Language, WordsNameTheLanguagesWhateverTheirCaseAndRegion) {
  using enum texts::Language;
  const std::pair<const char*, std::optional<texts::Language>> cases[] = {
      {"en", kEnglish},   {"EN", kEnglish},      {"en_GB", kEnglish},   {"en-US", kEnglish},
      {"zh", kChinese},   {"zh_CN", kChinese},   {"Zh-Hans", kChinese}, {"de", std::nullopt},
      {"", std::nullopt}, {"eng", std::nullopt}, {"_en", std::nullopt}};
  for (const auto& [word, language] : cases) EXPECT_EQ(texts::ParseLanguage(word), language) << word;
  for (const texts::Language language : texts::kLanguages) {
    EXPECT_EQ(texts::ParseLanguage(texts::LanguageCode(language)), language);
  }
}

}  // namespace
}  // namespace pixmint::translations
