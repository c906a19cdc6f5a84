#include "setup/InstallText.h"

#include "app/ProductInfo.h"

namespace lunasoma {

QString installProductName() { return toQString(Product.productName); }

QString fillPercentS(const QString& pattern, const QStringList& arguments) {
  const QString placeholder = QStringLiteral("%s");
  QString result;
  result.reserve(pattern.size());
  qsizetype from = 0;
  qsizetype next = 0;
  for (qsizetype at = pattern.indexOf(placeholder); at >= 0 && next < arguments.size();
       at = pattern.indexOf(placeholder, from)) {
    result += QStringView(pattern).mid(from, at - from);
    result += arguments.at(next++);
    from = at + placeholder.size();
  }
  result += QStringView(pattern).mid(from);
  return result;
}

QString withProductName(const QString& pattern) {
  return fillPercentS(pattern, QStringList(pattern.count(QStringLiteral("%s")), installProductName()));
}

}  // namespace lunasoma
