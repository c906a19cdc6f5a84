#include "ui/DateField.h"

#include <QLineEdit>

namespace lunasoma {

DateField::DateField(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setMaxCount(0);
  lineEdit()->setMaxLength(MaxLength);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Q_EMIT userEdited(); });
}

void DateField::showPopup() { Q_EMIT dropDownRequested(); }

}  // namespace lunasoma
