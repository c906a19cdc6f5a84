#include "ui/DateField.h"

#include <QLineEdit>

#include <algorithm>

namespace lunasoma {

DateField::DateField(QWidget* parent) : QComboBox(parent) {
  // A line edit of its own makes the box editable without building the list's pop-up, which the
  // field never shows; a completer over an empty list would have nothing to offer either.
  setLineEdit(new QLineEdit(this));
  setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  setMaxCount(0);
  lineEdit()->setMaxLength(MaxLength);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Q_EMIT userEdited(); });
}

void DateField::setDateText(const QString& text) {
  // The line edit cuts any text to its limit, the program's own included, and a cut date text
  // reads back as another date (a four-digit year cut to two), so the limit makes room first.
  const int limit = std::max(MaxLength, static_cast<int>(text.size()));
  // Lowering the limit first would cut the text still in the field, and the line edit reports
  // that as a change of its own.
  if (limit > lineEdit()->maxLength()) lineEdit()->setMaxLength(limit);
  setEditText(text);
  lineEdit()->setMaxLength(limit);
}

void DateField::showPopup() { Q_EMIT dropDownRequested(); }

}  // namespace lunasoma
