#include "ui/AccessibleText.h"

#include <QComboBox>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace lunasoma {

QString spokenCaption(const QString& caption) {
  QString spoken;
  spoken.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    spoken += caption[i];
  }
  return spoken.trimmed();
}

void setAccessibleText(QWidget* widget, const QString& name, const QString& description) {
  widget->setAccessibleName(name);
  widget->setAccessibleDescription(description);
}

void setAccessibleItemNames(QComboBox* list, const QStringList& names) {
  const int count = static_cast<int>(std::min<qsizetype>(names.size(), list->count()));
  for (int i = 0; i < count; ++i) list->setItemData(i, names[i], Qt::AccessibleTextRole);
}

}  // namespace lunasoma
