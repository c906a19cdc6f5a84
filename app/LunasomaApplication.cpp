#include "app/LunasomaApplication.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include "app/ProductInfo.h"

namespace lunasoma {

LunasomaApplication::LunasomaApplication(int& argc, char** argv) : QApplication(argc, argv) {
  const QString title = QString::fromUtf8(Product.productName.data(), static_cast<qsizetype>(Product.productName.size()));
  setApplicationName(title);
  setApplicationDisplayName(title);
  setApplicationVersion(QString::fromUtf8(Product.productVersion.data(), static_cast<qsizetype>(Product.productVersion.size())));
  // From a pixmap: an icon made from a file name first consults the MIME database, which costs
  // more of the start-up than the whole rest of the application object.
  setWindowIcon(QIcon(QPixmap(QStringLiteral(":/logos/lunasoma-icon.png"))));
}

bool LunasomaApplication::notify(QObject* receiver, QEvent* event) {
  return m_errors.run([&] { return QApplication::notify(receiver, event); }, activeWindow());
}

bool LunasomaApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange && m_localeChanged) m_localeChanged();
  return QApplication::event(event);
}

}  // namespace lunasoma
