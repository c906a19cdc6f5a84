// The windows in each language the program ships: every caption fits its control in the program's
// font, no mnemonic repeats within a window or a menu, and the chart speaks the language too.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/Translations.h"
#include "chart/ChartDrawing.h"
#include "chart/RecordingCanvas.h"
#include "chart/qt/TranslatedTexts.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TfrmCal.h"

namespace lunasoma::test {
namespace {

// The program's translation for `language` installed for one scope; empty means English.
class LanguageScope {
 public:
  explicit LanguageScope(const QString& language) {
    if (language.isEmpty()) return;
    EXPECT_TRUE(m_translator.load(QStringLiteral(":/i18n/lunasoma_") + language + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&m_translator);
  }
  ~LanguageScope() { QCoreApplication::removeTranslator(&m_translator); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

 private:
  QTranslator m_translator;
};

QString shown(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
}

QChar mnemonicOf(const QString& text) {
  const QString rest = QString(text).replace(QStringLiteral("&&"), QString());
  const qsizetype at = rest.indexOf(QLatin1Char('&'));
  return at < 0 || at + 1 >= rest.size() ? QChar() : rest.at(at + 1).toLower();
}

// The controls whose caption is cut: the caption's width against the room its control gives it.
std::string cutCaptions(const QWidget& window) {
  QStringList cut;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    const QFontMetrics metrics(w->font());
    int needed = 0;
    int room = w->width();
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w);
        label && !label->wordWrap() && !label->text().isEmpty() && label->textFormat() != Qt::RichText) {
      text = label->text();
      needed = metrics.horizontalAdvance(shown(text));
      room = label->contentsRect().width();
    } else if (const auto* box = qobject_cast<const QCheckBox*>(w); box && !box->text().isEmpty()) {
      text = box->text();
      needed = metrics.horizontalAdvance(shown(text)) + box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
               box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(w); radio && !radio->text().isEmpty()) {
      text = radio->text();
      needed = metrics.horizontalAdvance(shown(text)) +
               radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    } else if (const auto* button = qobject_cast<const QPushButton*>(w); button && !button->text().isEmpty()) {
      text = button->text();
      needed = metrics.horizontalAdvance(shown(text)) + 4;
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty()) {
      text = group->title();
      needed = metrics.horizontalAdvance(shown(text)) + 8;
    } else if (const auto* list = qobject_cast<const QComboBox*>(w); list && !list->isEditable()) {
      for (int i = 0; i < list->count(); ++i) {
        const int width = metrics.horizontalAdvance(list->itemText(i));
        if (width > needed) needed = width, text = list->itemText(i);
      }
      room = list->width() - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    if (needed > room)
      cut << QStringLiteral("%1 \"%2\" needs %3 of %4").arg(w->objectName(), text).arg(needed).arg(room);
  }
  return cut.join(QLatin1Char('\n')).toStdString();
}

// The mnemonics that repeat among `captions`.
std::string repeatedMnemonics(const QStringList& captions) {
  QStringList repeated;
  QHash<QChar, QString> seen;
  for (const QString& caption : captions) {
    const QChar key = mnemonicOf(caption);
    if (key.isNull()) continue;
    if (seen.contains(key)) repeated << seen[key] + QStringLiteral(" / ") + caption;
    seen.insert(key, caption);
  }
  return repeated.join(QLatin1Char('\n')).toStdString();
}

// The window's own captions with a mnemonic: the menu bar's titles and the controls' captions.
QStringList windowCaptions(const QWidget& window) {
  QStringList captions;
  if (const auto* bar = window.findChild<QMenuBar*>())
    for (const QAction* action : bar->actions()) captions << action->text();
  for (const QLabel* label : window.findChildren<QLabel*>()) captions << label->text();
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) captions << button->text();
  for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
  return captions;
}

// English first: the measure must pass the program's own texts, or it proves nothing.
const QString Languages[] = {QString(),
                             QStringLiteral("de"),
                             QStringLiteral("fr"),
                             QStringLiteral("es"),
                             QStringLiteral("it"),
                             QStringLiteral("pt_BR"),
                             QStringLiteral("ru")};

class TranslatedWindows : public MainWindowFixture {};

TEST_F(TranslatedWindows, MainWindowAndSetupPageFitAndKeepTheirMnemonicsApart) {
  for (const QString& language : Languages) {
    SCOPED_TRACE(language.isEmpty() ? "English" : language.toStdString());
    const LanguageScope scope(language);
    TfrmBio& window = open();
    EXPECT_EQ(cutCaptions(window), "");
    EXPECT_EQ(repeatedMnemonics(windowCaptions(window)), "");
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
      QStringList items;
      for (const QAction* action : menu->actions()) items << action->text();
      EXPECT_EQ(repeatedMnemonics(items), "") << menu->title().toStdString();
    }
    m_window.reset();
  }
}

TEST_F(TranslatedWindows, CalendarPopUpFitsAndKeepsItsMnemonicsApart) {
  for (const QString& language : Languages) {
    SCOPED_TRACE(language.isEmpty() ? "English" : language.toStdString());
    const LanguageScope scope(language);
    const TfrmCal popup(context);
    EXPECT_EQ(cutCaptions(popup), "");
    EXPECT_EQ(repeatedMnemonics(windowCaptions(popup)), "");
  }
}

TEST_F(TranslatedWindows, TheChartHeaderAndLegendSpeakTheLanguage) {
  BiorhythmSettings chart;
  chart.Birth = day(1990, 12, 1);  // a Sagittarius
  chart.Start = day(2026, 12, 8);
  ChartDevice device;
  device.width = 600;
  device.height = 400;
  for (const QString& language : Languages) {
    SCOPED_TRACE(language.isEmpty() ? "English" : language.toStdString());
    const LanguageScope scope(language);
    RecordingCanvas canvas;
    ASSERT_EQ(drawChart(canvas, chart, device, DateLocale{}, translatedChartTexts()), ChartOutcome::Drawn);
    const bool english = language.isEmpty();
    for (const char* word : {"Born on", "Sagittarius", "Years", "Physical", "Overall"})
      EXPECT_EQ(canvas.text().find(word) != std::string::npos, english) << word;
  }
}

}  // namespace
}  // namespace lunasoma::test
