#include "ui/TfrmAbout.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "app/OverrideCursorGuard.h"
#include "app/ProductInfo.h"
#include "chart/qt/CellFontCache.h"
#include "platform/HostServices.h"
#include "platform/Utf8Text.h"
#include "ui/FirstPaintWatch.h"

namespace lunasoma {

namespace {

constexpr int WindowWidth = 380;
constexpr int WindowHeight = 247;

QFont aboutFont(int pixelSize, bool bold) {
  // The same stand-in for "MS Sans Serif" as the main window's and the chart's.
  QFont font(CellFontCache::familyFor("MS Sans Serif"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  label->setAlignment(alignment);
  label->setFont(aboutFont(11, false));
  return label;
}

void makeLink(QLabel* label) {
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  label->setPalette(palette);
  label->setCursor(Qt::UpArrowCursor);
}

}  // namespace

QPointer<TfrmAbout> TfrmAbout::execute(const ProductInfo& product, ShellService& shell, bool asModal, QWidget* parent) {
  QPointer<TfrmAbout> window = new TfrmAbout(product, shell, asModal, asModal ? parent : nullptr);
  if (asModal) {
    window->exec();
    return window;  // exec() has destroyed it: the pointer is null by now
  }
  // It must be on the screen before the main window is built, not merely asked for.
  FirstPaintWatch firstPaint(*window);
  window->show();
  window->raise();
  QCoreApplication::processEvents();
  if (window) firstPaint.waitUntilPainted(window);
  return window;
}

TfrmAbout::TfrmAbout(const ProductInfo& product, ShellService& shell, bool asModal, QWidget* parent)
    : QDialog(parent, asModal ? Qt::Dialog | Qt::FramelessWindowHint
                              : Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_shell(shell),
      m_asModal(asModal) {
  setObjectName(QStringLiteral("frmAbout"));
  // Never shown on the borderless window, but the desktop's window lists use it.
  setWindowTitle(QCoreApplication::translate("TfrmAbout", "About %1").arg(toQString(product.productName)));
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the flash screen before the main window exists must not end the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  setModal(asModal);
  setFont(aboutFont(11, true));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  // The texts stand on white whatever the desktop's colour scheme, so they are black on it too.
  white.setColor(QPalette::WindowText, Qt::black);
  setPalette(white);
  setAutoFillBackground(true);

  m_panAll = new QFrame(this);
  QFrame* panAll = m_panAll;
  panAll->setObjectName(QStringLiteral("panAll"));
  panAll->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panAll->setLineWidth(2);
  QPalette grey = panAll->palette();
  grey.setColor(QPalette::Window, grey.color(QPalette::Button));
  panAll->setPalette(grey);
  panAll->setAutoFillBackground(true);
  panAll->setGeometry(0, 0, WindowWidth, WindowHeight);
  panAll->hide();  // shown once the texts are in, as the last step of FormCreate

  auto* lblAll = new QLabel(panAll);
  lblAll->setObjectName(QStringLiteral("lblAll"));
  lblAll->setGeometry(6, 6, 368, 289);
  lblAll->setAutoFillBackground(true);
  lblAll->setPalette(white);

  m_imgCorvanti = new QLabel(panAll);
  m_imgCorvanti->setObjectName(QStringLiteral("imgCorvanti"));
  m_imgCorvanti->setGeometry(14, 12, 180, 50);
  m_imgCorvanti->setPixmap(QPixmap(QStringLiteral(":/logos/corvanti-about.png")));
  m_imgCorvanti->installEventFilter(this);

  m_lblCopyRight = addLabel(panAll, "lblCopyRight", {}, QRect(-1, 69, 381, 72), Qt::AlignHCenter | Qt::AlignTop);
  m_lblCopyRight->setFont(aboutFont(15, true));

  // The captions end at x = 159 and the values start at x = 165.
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
  addLabel(panAll, "lblWWW", QCoreApplication::translate("TfrmAbout", "World Wide Web"), QRect(9, 129, 150, 16), right);
  addLabel(panAll, "lblEMail", QCoreApplication::translate("TfrmAbout", "E-Mail"), QRect(9, 145, 150, 16), right);
  addLabel(panAll, "lblPhone", QCoreApplication::translate("TfrmAbout", "Phone"), QRect(9, 161, 150, 16), right);
  m_lblWWWDat = addLabel(panAll, "lblWWWDat", {}, QRect(165, 128, 212, 16));
  m_lblEMailDat = addLabel(panAll, "lblEMailDat", {}, QRect(165, 144, 212, 16));
  m_lblPhoneDat = addLabel(panAll, "lblPhoneDat", {}, QRect(165, 161, 212, 16));
  makeLink(m_lblWWWDat);
  makeLink(m_lblEMailDat);
  m_lblWWWDat->installEventFilter(this);
  m_lblEMailDat->installEventFilter(this);

  m_btnOK = new QPushButton(QStringLiteral("OK"), panAll);
  m_btnOK->setObjectName(QStringLiteral("btnOK"));
  m_btnOK->setGeometry(312, 19, 48, 27);
  m_btnOK->setToolTip(QCoreApplication::translate("TfrmAbout", "Click to close this dialog"));
  m_btnOK->setDefault(true);  // Enter presses it; Escape closes the dialog as well
  connect(m_btnOK, &QPushButton::clicked, this, &TfrmAbout::btnCloseClick);

  FormCreate(product);
}

QString TfrmAbout::rightsText(const ProductInfo& product) {
  return QCoreApplication::translate("TfrmAbout", "%1 - Version %2")
             .arg(toQString(product.productName), toQString(product.productVersion)) +
         QLatin1Char('\n') +
         QCoreApplication::translate("TfrmAbout", "Copyright \u00A9 %1 %2")
             .arg(toQString(product.productYear), toQString(product.makerName)) +
         QLatin1Char('\n') + QCoreApplication::translate("TfrmAbout", "All rights reserved.");
}

void TfrmAbout::stayAbove(QWidget& mainWindow) {
  QWindow* parent = mainWindow.windowHandle();
  if (!parent || !windowHandle() || windowHandle()->transientParent() == parent) return;
  // Desktops read a window's parent only when it is shown. Showing the flash screen anew to tell
  // them would make it blink (gone, the main window, back again), so it stays as it is: its
  // stay-on-top request keeps it in front of the main window wherever the desktop honours that.
  windowHandle()->setTransientParent(parent);
  raise();
}

void TfrmAbout::FormCreate(const ProductInfo& product) {
  m_lblCopyRight->setText(rightsText(product));
  m_lblWWWDat->setText(toQString(product.makerWebAddress));
  m_lblPhoneDat->setText(toQString(product.makerPhone));
  m_lblEMailDat->setText(toQString(product.makerSupportEmail));
  setFixedSize(WindowWidth, WindowHeight);
  if (const QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
  m_btnOK->setVisible(m_asModal);
  m_panAll->show();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == m_imgCorvanti) {
      btnCloseClick();
      return true;
    }
    if (watched == m_lblWWWDat) {
      lblWWWDatClick();
      return true;
    }
    if (watched == m_lblEMailDat) {
      lblEMailDatClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmAbout::btnCloseClick() { close(); }

void TfrmAbout::lblWWWDatClick() { openThroughShell(m_lblWWWDat->text()); }

void TfrmAbout::lblEMailDatClick() { openThroughShell(QStringLiteral("mailto:") + m_lblEMailDat->text()); }

void TfrmAbout::openThroughShell(const QString& address) {
  // A shell that cannot open the address says nothing; the hourglass comes back off regardless.
  const OverrideCursorGuard hourglass;
  m_shell.openUrl(address);
}

}  // namespace lunasoma
