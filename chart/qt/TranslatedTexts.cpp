#include "chart/qt/TranslatedTexts.h"

#include <QCoreApplication>

namespace lunasoma {

namespace {

// The texts below are marked for the translation tools by hand; lupdate reads the markers.
[[maybe_unused]] constexpr const char* ChartWords[] = {
    QT_TRANSLATE_NOOP("ChartTexts", "Born on {date} ({sign})"),
    QT_TRANSLATE_NOOP("ChartTexts", "{name}, born on {date} ({sign})"),
    QT_TRANSLATE_NOOP("ChartTexts", "Age as of {date}: {years} Years ({days} Days)"),
    QT_TRANSLATE_NOOP("ChartTexts", "Invalid date ..."),
    QT_TRANSLATE_NOOP("ChartTexts",
                      "Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%"),
    QT_TRANSLATE_NOOP("ChartTexts", "Physical"),
    QT_TRANSLATE_NOOP("ChartTexts", "Mental"),
    QT_TRANSLATE_NOOP("ChartTexts", "Emotional"),
    QT_TRANSLATE_NOOP("ChartTexts", "Overall"),
    QT_TRANSLATE_NOOP("ReadoutTexts",
                      "{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}"),
    QT_TRANSLATE_NOOP("ReadoutTexts", "{percent}%"),
    QT_TRANSLATE_NOOP("ReadoutTexts", "No chart: the birth date or the start date is not a valid date."),
    QT_TRANSLATE_NOOP("ReadoutTexts", "Biorhythm chart for a birth on {birth}, starting on {start}."),
    QT_TRANSLATE_NOOP(
        "ReadoutTexts",
        " Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}."),
    QT_TRANSLATE_NOOP("ReadoutTexts", "{percent} percent"),
    QT_TRANSLATE_NOOP("ReadoutTexts", "minus {percent} percent"),
    QT_TRANSLATE_NOOP("ReadoutTexts", " (critical)"),
};

// The birth signs by their English names, which the drawing looks its translations up by.
constexpr const char* SignNames[] = {
    QT_TRANSLATE_NOOP("BirthSigns", "Aquarius"),    QT_TRANSLATE_NOOP("BirthSigns", "Pisces"),
    QT_TRANSLATE_NOOP("BirthSigns", "Aries"),       QT_TRANSLATE_NOOP("BirthSigns", "Taurus"),
    QT_TRANSLATE_NOOP("BirthSigns", "Gemini"),      QT_TRANSLATE_NOOP("BirthSigns", "Cancer"),
    QT_TRANSLATE_NOOP("BirthSigns", "Leo"),         QT_TRANSLATE_NOOP("BirthSigns", "Virgo"),
    QT_TRANSLATE_NOOP("BirthSigns", "Libra"),       QT_TRANSLATE_NOOP("BirthSigns", "Scorpio"),
    QT_TRANSLATE_NOOP("BirthSigns", "Sagittarius"), QT_TRANSLATE_NOOP("BirthSigns", "Capricorn"),
};

// The text's translation in `context`; the English default itself when none is installed.
void translate(const char* context, std::string& text) {
  text = QCoreApplication::translate(context, text.c_str()).toStdString();
}

}  // namespace

ChartTexts translatedChartTexts() {
  ChartTexts texts;
  for (std::string* text : {&texts.bornOn, &texts.personBornOn, &texts.ageAsOf, &texts.invalidDate, &texts.comparedWith,
                            &texts.legend[0], &texts.legend[1], &texts.legend[2], &texts.legend[3]})
    translate("ChartTexts", *text);
  for (const char* sign : SignNames) {
    std::string name = sign;
    translate("BirthSigns", name);
    if (name != sign) texts.signs.emplace(sign, std::move(name));
  }
  return texts;
}

ReadoutTexts translatedReadoutTexts() {
  ReadoutTexts texts;
  for (std::string* text : {&texts.dayReadout, &texts.percent, &texts.noChart, &texts.chartFor, &texts.todayValues,
                            &texts.percentWords, &texts.minusPercentWords, &texts.critical})
    translate("ReadoutTexts", *text);
  return texts;
}

}  // namespace lunasoma
