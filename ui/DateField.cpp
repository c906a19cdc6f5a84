#include "ui/DateField.h"

#include <QLineEdit>

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

void DateField::showPopup() { Q_EMIT dropDownRequested(); }

}  // namespace lunasoma
