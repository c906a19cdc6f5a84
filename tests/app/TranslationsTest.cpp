// Which translation the environment asks for, and the translation files themselves: complete, and
// each translated text keeping the placeholders and the mnemonic of its source.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

#include "app/Translations.h"

namespace lunasoma {
namespace {

struct LanguageCase {
  const char* what;
  std::map<std::string, QString> environment;
  QString expected;
};

TEST(Translations, TheLanguageFollowsTheEnvironmentAsGettextReadsIt) {
  const LanguageCase cases[] = {
      {"nothing set", {}, {}},
      {"the C locale", {{"LANG", "C"}}, {}},
      {"C.UTF-8", {{"LANG", "C.UTF-8"}}, {}},
      {"POSIX", {{"LANG", "POSIX"}}, {}},
      {"English", {{"LANG", "en_US.UTF-8"}}, {}},
      {"German", {{"LANG", "de_DE.UTF-8"}}, "de"},
      {"Austrian German", {{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {"Brazilian", {{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
      {"Portuguese of Portugal reads the Brazilian one", {{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
      {"a language not shipped", {{"LANG", "ja_JP.UTF-8"}}, {}},
      {"LC_ALL before LANG", {{"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "ru"},
      {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "it"},
      {"LC_ALL before LC_MESSAGES", {{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}}, "es"},
      {"LANGUAGE before the locale", {{"LANGUAGE", "fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
      {"LANGUAGE skips what is not shipped", {{"LANGUAGE", "ja:nl:it"}, {"LANG", "de_DE.UTF-8"}}, "it"},
      {"English first in LANGUAGE", {{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, {}},
      {"LANGUAGE is ignored under the C locale", {{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, {}},
      {"LANGUAGE is ignored with no locale", {{"LANGUAGE", "de"}}, {}},
  };
  for (const LanguageCase& c : cases) {
    const QString language = translationLanguage([&c](const char* name) {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? QString() : found->second;
    });
    EXPECT_EQ(language, c.expected) << c.what;
  }
}

TEST(Translations, EveryShippedLanguageIsEmbedded) {
  for (const QString& language : shippedLanguages())
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/lunasoma_") + language + QStringLiteral(".qm")))
        << language.toStdString();
}

struct Message {
  QString context;
  QString source;
  QString translation;
  QString type;
};

std::vector<Message> readMessages(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<Message> messages;
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}, {}});
    if (xml.name() == QLatin1String("source")) messages.back().source = xml.readElementText();
    if (xml.name() == QLatin1String("translation")) {
      messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
      messages.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

// The parts a text is filled in by: %1..%9 and %s in order-free counts, and {names}.
QStringList placeholders(const QString& text) {
  static const QRegularExpression part(QStringLiteral(R"(%[1-9s]|\{[a-z]+\})"));
  QStringList found;
  for (const QRegularExpressionMatch& match : part.globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

int mnemonics(const QString& text) {
  QString rest = text;
  rest.remove(QStringLiteral("&&"));
  return static_cast<int>(rest.count(QLatin1Char('&')));
}

TEST(Translations, EveryFileIsCompleteAndKeepsPlaceholdersAndMnemonics) {
  const QDir folder(QStringLiteral(LUNASOMA_TRANSLATIONS_DIR));
  const QStringList files = folder.entryList({QStringLiteral("lunasoma_*.ts")});
  EXPECT_EQ(files.size(), shippedLanguages().size());
  for (const QString& name : files) {
    const std::vector<Message> messages = readMessages(folder.filePath(name));
    EXPECT_FALSE(messages.empty()) << name.toStdString();
    for (const Message& m : messages) {
      const std::string where = (name + QLatin1Char(' ') + m.context + QStringLiteral(": ") + m.source).toStdString();
      EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
      EXPECT_FALSE(m.translation.isEmpty()) << where;
      EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
      EXPECT_EQ(mnemonics(m.translation), mnemonics(m.source)) << where;
      // A pattern's leading or trailing space is part of how it joins the text around it.
      EXPECT_EQ(m.translation.startsWith(QLatin1Char(' ')), m.source.startsWith(QLatin1Char(' '))) << where;
      EXPECT_EQ(m.translation.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' '))) << where;
    }
  }
}

}  // namespace
}  // namespace lunasoma
