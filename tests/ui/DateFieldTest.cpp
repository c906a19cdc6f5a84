// The date fields under every locale Qt knows: the text the program writes always stands whole in
// the field and reads back as the date it was written for, while typing keeps its limit.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramFolders.h"
#include "model/DateText.h"
#include "platform/QtDateLocale.h"
#include "tests/support/FakeHostServices.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/DateField.h"
#include "ui/PointerShapes.h"
#include "ui/TCalendar.h"
#include "ui/TfrmBio.h"
#include "ui/TfrmCal.h"

namespace lunasoma {
namespace {

// Not a whole day number, so a failed parse can never pass for a date.
constexpr DayNumber noDate = -0.25;

void typeOver(DateField& field, const QString& keys) {
  field.lineEdit()->selectAll();
  QTest::keyClicks(field.lineEdit(), keys);
}

// Types the text one character at a time as a keyboard of the locale would; QTest's own key clicks
// know only ASCII keys.
void typeCharactersOver(DateField& field, const QString& text) {
  field.lineEdit()->selectAll();
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field.lineEdit(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field.lineEdit(), &release);
  }
}

TEST(DateField, ProgramTextStandsWholeWhileTypingKeepsItsLimit) {
  struct Row {
    const char* name;
    QString written;  // by the program
    QString typed;    // over the whole text, afterwards
    QString kept;
  };
  // In the order given, so that a limit left over from a longer text would show.
  const Row rows[] = {
      {"a long date text of the locale", QStringLiteral("28. 12. 2026."), QStringLiteral("123456789012345"),
       QStringLiteral("1234567890123")},
      {"a date text of ten characters", QStringLiteral("12/31/2026"), QStringLiteral("123456789012"),
       QStringLiteral("1234567890")},
      {"a short date text", QStringLiteral("3/5/2026"), QStringLiteral("123456789012"), QStringLiteral("1234567890")},
  };
  DateField field;
  int edits = 0;
  QObject::connect(&field, &DateField::userEdited, &field, [&edits] { ++edits; });
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int before = edits;
    field.setDateText(row.written);
    EXPECT_EQ(field.currentText(), row.written);
    EXPECT_EQ(edits, before) << "text written by the program is no edit of the user's";
    typeOver(field, row.typed);
    EXPECT_EQ(field.currentText(), row.kept);
  }
}

// Every locale Qt knows, with dates at the ends of the calendar, in a leap year and with two-digit
// days and months: the program's text stands in the field unchanged and parses back.
TEST(DateField, EveryLocalesDateTextStandsWholeAndReadsBack) {
  const CivilDate dates[] = {{2000, 1, 1}, {2026, 12, 28}, {2024, 2, 29}, {9999, 12, 31}};
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  ASSERT_GT(locales.size(), 300);
  DateField field;
  std::vector<std::string> failures;
  for (const QLocale& qtLocale : locales) {
    const DateLocale locale = dateLocaleFrom(qtLocale);
    const std::string pattern = displayDatePattern(locale.shortDatePattern);
    for (const CivilDate& date : dates) {
      const DayNumber day = encodeDate(date.year, date.month, date.day).value();
      const std::string text = formatDate(day, pattern, locale);
      field.setDateText(QString::fromStdString(text));
      const std::string shown = field.currentText().toStdString();
      const DayNumber parsed = parseDateText(shown, noDate, locale, 2026);
      if (shown != text || parsed != day) {
        failures.push_back(qtLocale.name().toStdString() + ": \"" + text + "\" shown as \"" + shown + "\" reads as " +
                           formatDate(parsed, "yyyy-mm-dd", DateLocale{}));
      }
    }
  }
  EXPECT_EQ(failures, std::vector<std::string>{});
}

// Every locale Qt knows: a date typed (or pasted) over a shorter date text, as the locale writes
// it, ends as that date and not as one its cut-off text happens to read as (15. 12. 19 for
// 15. 12. 1990). The shorter text stands in the field first, so that a limit taken from the text
// in the field rather than from the locale would show.
TEST(DateField, EveryLocalesDateCanBeTypedAndPastedWhole) {
  const CivilDate shortDate{1990, 3, 5};
  const CivilDate typedDates[] = {{2026, 12, 28}, {1990, 12, 15}};
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  ASSERT_GT(locales.size(), 300);
  DateField field;
  std::vector<std::string> failures;
  for (const QLocale& qtLocale : locales) {
    const DateLocale locale = dateLocaleFrom(qtLocale);
    const std::string pattern = displayDatePattern(locale.shortDatePattern);
    const auto textOf = [&](const CivilDate& date) {
      return QString::fromStdString(formatDate(encodeDate(date.year, date.month, date.day).value(), pattern, locale));
    };
    field.setTypingLimit(dateTypingLimit(pattern, locale));
    for (const CivilDate& date : typedDates) {
      const DayNumber day = encodeDate(date.year, date.month, date.day).value();
      const QString text = textOf(date);
      for (const bool pasted : {false, true}) {
        field.setDateText(textOf(shortDate));
        if (pasted) {
          QGuiApplication::clipboard()->setText(text);
          field.lineEdit()->selectAll();
          field.lineEdit()->paste();
        } else {
          typeCharactersOver(field, text);
        }
        const std::string shown = field.currentText().toStdString();
        const DayNumber parsed = parseDateText(shown, noDate, locale, 2026);
        if (parsed != day) {
          failures.push_back(qtLocale.name().toStdString() + (pasted ? ": pasted \"" : ": typed \"") +
                             text.toStdString() + "\" kept as \"" + shown + "\"");
        }
      }
    }
  }
  EXPECT_EQ(failures, std::vector<std::string>{});
}

// A locale whose date text is longer than the typing limit, through the main window and the
// calendar pop-up: the start field shows the whole date, and the pop-up opens on it and returns it.
TEST(DateField, ALongLocaleDateSurvivesThePopUp) {
  test::FakeHostServices host;
  host.system.setNow(QDateTime(QDate(2026, 6, 15), QTime(9, 30)));
  host.system.setDateLocale(dateLocaleFrom(QLocale(QStringLiteral("hr_HR"))));
  HostServices services = host.services();
  BiorhythmSettings settings;
  settings.Birth = encodeDate(1990, 5, 10).value();
  settings.Start = encodeDate(2026, 12, 28).value();
  settings.SaveStartDate = true;
  ProgramContext context = makeProgramContext(services, settings, host.root.file("dist/Lunasoma.exe"));
  const PointerShapes pointers;
  TfrmBio window(context, pointers);
  TfrmCal popup(context, &window);
  window.setCalendarOpener([&popup](QComboBox* field, QPoint at, TfrmCal::DateReturned returned) {
    popup.execute(field, at, std::move(returned));
  });
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  auto* cboStart = window.findChild<DateField*>(QStringLiteral("cboStart"));
  ASSERT_NE(cboStart, nullptr);
  EXPECT_EQ(cboStart->currentText(), "28. 12. 2026.");
  cboStart->showPopup();
  ASSERT_TRUE(popup.isVisible());
  auto* cal = popup.findChild<TCalendar*>(QStringLiteral("cal"));
  ASSERT_NE(cal, nullptr);
  EXPECT_EQ(cal->ShownDate(), settings.Start) << "the pop-up opens on the field's date, not on today";
  QTest::keyClick(cal, Qt::Key_Return);
  EXPECT_EQ(settings.Start, encodeDate(2026, 12, 28).value());
  EXPECT_EQ(cboStart->currentText(), "28. 12. 2026.");
}

// The pop-up wired to the main window as the program wires it: a date picked for one field lands
// in that field's date and redraws the chart at once; the other date is left as it was.
class DateFieldPopUp : public test::MainWindowFixture {
 protected:
  void SetUp() override {
    BiorhythmSettings previous;
    previous.Birth = day(1990, 5, 10);
    previous.Start = day(1991, 1, 1);
    previous.SaveStartDate = true;
    store(previous);
    TfrmBio& window = open();
    m_popup = std::make_unique<TfrmCal>(context, &window);
    window.setCalendarOpener([this](QComboBox* field, QPoint at, TfrmCal::DateReturned returned) {
      m_popup->execute(field, at, std::move(returned));
    });
    child<QWidget>("pntBio")->installEventFilter(&m_paints);
  }

  struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++count;
      return false;
    }
  } m_paints;
  std::unique_ptr<TfrmCal> m_popup;
};

TEST_F(DateFieldPopUp, ADatePickedForAFieldBecomesThatFieldsDate) {
  struct Row {
    const char* name;
    const char* field;
    std::vector<Qt::Key> keys;
    const char* text;  // the field's text afterwards
    DayNumber birth;
    DayNumber start;
  };
  const std::vector<Qt::Key> pastTheStart(8, Qt::Key_PageDown);
  std::vector<Qt::Key> pastTheStartAndEnter = pastTheStart;
  pastTheStartAndEnter.push_back(Qt::Key_Return);
  const Row rows[] = {
      {"a day later for the birth",
       "cboBirth",
       {Qt::Key_Right, Qt::Key_Return},
       "5/11/1990",
       day(1990, 5, 11),
       day(1991, 1, 1)},
      {"a week earlier for the start",
       "cboStart",
       {Qt::Key_Up, Qt::Key_Return},
       "12/25/1990",
       day(1990, 5, 11),
       day(1990, 12, 25)},
      {"Escape returns nothing",
       "cboStart",
       {Qt::Key_Right, Qt::Key_Escape},
       "12/25/1990",
       day(1990, 5, 11),
       day(1990, 12, 25)},
      {"a birth after the start leaves the start", "cboBirth", pastTheStartAndEnter, "1/11/1991", day(1991, 1, 11),
       day(1990, 12, 25)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* field = child<DateField>(row.field);
    const int paintsBefore = m_paints.count;
    field->showPopup();
    ASSERT_TRUE(m_popup->isVisible());
    auto* cal = m_popup->findChild<TCalendar*>(QStringLiteral("cal"));
    for (const Qt::Key key : row.keys) QTest::keyClick(cal, key);
    EXPECT_FALSE(m_popup->isVisible());
    EXPECT_EQ(field->currentText(), row.text);
    EXPECT_EQ(settings.Birth, row.birth);
    EXPECT_EQ(settings.Start, row.start);
    const bool returned = row.keys.back() == Qt::Key_Return;
    EXPECT_EQ(m_paints.count > paintsBefore, returned) << "redrawn at once exactly when a date came back";
  }
}

// A second click on the arrow closes the pop-up as any drop-down's arrow does, whether the click
// arrives first or the desktop first gives the main window the focus, which closes the pop-up by
// itself; the field keeps its date whatever month the user paged to.
TEST_F(DateFieldPopUp, ASecondClickOnTheArrowOnlyClosesThePopUp) {
  auto* start = child<DateField>("cboStart");
  auto* cal = m_popup->findChild<TCalendar*>(QStringLiteral("cal"));
  const QPoint arrow(start->width() - 4, start->height() / 2);
  struct Row {
    const char* name;
    std::optional<QPoint> focusFirst;  // where the pointer rests as the focus moves first
    bool reopened;
  };
  const Row rows[] = {{"the click arrives first", std::nullopt, false},
                      {"the focus moves first", arrow, false},
                      {"the focus moved by itself, the pointer elsewhere", QPoint(-200, 300), true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QTest::mouseClick(start, Qt::LeftButton, {}, arrow);
    ASSERT_TRUE(m_popup->isVisible());
    QTest::keyClick(cal, Qt::Key_PageDown);
    if (row.focusFirst) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(m_popup.get()));
      QCursor::setPos(start->mapToGlobal(*row.focusFirst));
      start->window()->activateWindow();
      ASSERT_TRUE(QTest::qWaitFor([&] { return !m_popup->isVisible(); }));
    }
    QTest::mouseClick(start, Qt::LeftButton, {}, arrow);
    EXPECT_EQ(m_popup->isVisible(), row.reopened);
    EXPECT_EQ(start->currentText(), "1/1/1991");
    m_popup->hide();
    QCoreApplication::processEvents();
  }
  QTest::mouseClick(start, Qt::LeftButton, {}, arrow);
  ASSERT_TRUE(m_popup->isVisible());
  EXPECT_EQ(cal->ShownDate(), day(1991, 1, 1)) << "opened again on the field's date";
}

}  // namespace
}  // namespace lunasoma
