#pragma once
// The words of the Qt-free chart and read-out in the user's language: each text of ChartTexts and
// ReadoutTexts looked up among the installed translations. Without a translation for a text, its
// English default stays, character for character.

#include "chart/ChartTexts.h"
#include "model/DayReadout.h"

namespace lunasoma {

ChartTexts translatedChartTexts();
ReadoutTexts translatedReadoutTexts();

}  // namespace lunasoma
