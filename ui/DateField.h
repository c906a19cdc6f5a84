#pragma once
// An editable date field: a combo box without list entries into which at most its typing limit of
// characters can be typed (never fewer than 10). Text the program writes with setDateText stands
// whole however long the locale makes it, and until the program writes again the user may type as
// many characters as it has, so that such a date can be corrected in place. It reports the user's
// own edits (typing, deleting, cutting, pasting) and requests for its drop-down; text set by the
// program reports nothing. It does not parse or format dates.

#include <QComboBox>

#include <string_view>

#include "model/DateText.h"

namespace lunasoma {

class DateField : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int MinTypingLimit = 10;  // the length of a date text such as 12/31/2026

  explicit DateField(QWidget* parent = nullptr);

  // Raises the limit to let a longer date text be typed; a limit below MinTypingLimit gives that.
  void setTypingLimit(int limit);

  // Writes the program's own date text, never cut short.
  void setDateText(const QString& text);

  // The field's own list plays no part: asking for it asks for the calendar pop-up instead.
  void showPopup() override;

 Q_SIGNALS:
  void userEdited();
  void dropDownRequested();

 private:
  int m_typingLimit = MinTypingLimit;
};

// The typing limit that lets every date be typed as the display pattern writes it: the most
// characters (as a line edit counts them) the pattern writes for a date of the years 1000 to 9999
// with a two-digit day and month, and never fewer than DateField::MinTypingLimit.
int dateTypingLimit(std::string_view displayPattern, const DateLocale& locale);

}  // namespace lunasoma
