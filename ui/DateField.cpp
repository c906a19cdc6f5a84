#include "ui/DateField.h"

#include <QLineEdit>

#include <algorithm>
#include <string>

#include "model/Calendar.h"

namespace lunasoma {

DateField::DateField(QWidget* parent) : QComboBox(parent) {
  // A line edit of its own makes the box editable without building the list's pop-up, which the
  // field never shows; a completer over an empty list would have nothing to offer either.
  setLineEdit(new QLineEdit(this));
  setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  setMaxCount(0);
  lineEdit()->setMaxLength(m_typingLimit);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Q_EMIT userEdited(); });
}

void DateField::setTypingLimit(int limit) {
  m_typingLimit = std::max(MinTypingLimit, limit);
  // Never below the text already there: the line edit would cut it and report a change.
  lineEdit()->setMaxLength(std::max(m_typingLimit, static_cast<int>(currentText().size())));
}

void DateField::setDateText(const QString& text) {
  // The line edit cuts any text to its limit, the program's own included, and a cut date text
  // reads back as another date (a four-digit year cut to two), so the limit makes room first.
  const int limit = std::max(m_typingLimit, static_cast<int>(text.size()));
  // Lowering the limit first would cut the text still in the field, and the line edit reports
  // that as a change of its own.
  if (limit > lineEdit()->maxLength()) lineEdit()->setMaxLength(limit);
  setEditText(text);
  lineEdit()->setMaxLength(limit);
}

void DateField::showPopup() { Q_EMIT dropDownRequested(); }

int dateTypingLimit(std::string_view displayPattern, const DateLocale& locale) {
  // Every element's longest form occurs together in one of these: the days 22 to 28 of each month
  // fall on all seven weekdays, the months 10 to 12 have two digits, and every year of the range
  // has four (two in its short form).
  int longest = DateField::MinTypingLimit;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 22; day <= 28; ++day) {
      const std::string text = formatDate(encodeDate(2026, month, day).value(), displayPattern, locale);
      longest = std::max(longest, static_cast<int>(QString::fromStdString(text).size()));
    }
  }
  return longest;
}

}  // namespace lunasoma
