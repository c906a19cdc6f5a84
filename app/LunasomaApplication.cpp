#include "app/LunasomaApplication.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include "app/ProductInfo.h"
#include "platform/Utf8Text.h"

namespace lunasoma {

void applyProductIdentity() {
  const QString title = toQString(Product.productName);
  // The name is the taskbar's title. No display name is set: the X11 platform appends one to every
  // window title ("Error — Lunasoma"), and each window's title is exactly its own.
  QCoreApplication::setApplicationName(title);
  // The installed desktop entry's id: Wayland desktops match the window to its entry, icon and
  // pinning by it. On X11 they match the window class, the application name, by StartupWMClass.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.example.corvanti.Lunasoma"));
  QCoreApplication::setApplicationVersion(toQString(Product.productVersion));
  // From a pixmap: an icon made from a file name first consults the MIME database, which costs
  // more of the start-up than the whole rest of the application object.
  QGuiApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/logos/lunasoma-icon.png"))));
}

LunasomaApplication::LunasomaApplication(int& argc, char** argv) : QApplication(argc, argv) { applyProductIdentity(); }

bool LunasomaApplication::notify(QObject* receiver, QEvent* event) {
  return m_errors.run([&] { return QApplication::notify(receiver, event); }, activeWindow());
}

bool LunasomaApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange && m_localeChanged) m_localeChanged();
  return QApplication::event(event);
}

}  // namespace lunasoma
