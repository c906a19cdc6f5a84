#pragma once
// The installation's text helpers: the product's fixed texts as Qt strings, and the filling of
// the "%s" placeholders that its messages and captions use. It knows no other format directives.
// The fixed texts (ProductInfo, InstallFileTable) become Qt strings through toQString.

#include <QString>
#include <QStringList>

#include "platform/Utf8Text.h"

namespace lunasoma {

QString installProductName();

// Replaces each "%s" of the pattern, left to right, by the next argument. Inserted arguments are
// never scanned again, so a path that itself contains "%s" stays as it is. A placeholder without
// an argument is left in place.
QString fillPercentS(const QString& pattern, const QStringList& arguments);

// The common case: every "%s" becomes the product name.
QString withProductName(const QString& pattern);

}  // namespace lunasoma
