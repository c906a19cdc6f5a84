#include "ui/TfrmProducts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/OverrideCursorGuard.h"
#include "app/ProductInfo.h"
#include "platform/HostServices.h"
#include "platform/Utf8Text.h"

namespace lunasoma {

void TfrmProducts::execute(const ProductInfo& product, ShellService& shell, QWidget* parent) {
  TfrmProducts dialog(product, shell, parent);
  dialog.exec();
}

TfrmProducts::TfrmProducts(const ProductInfo& product, ShellService& shell, QWidget* parent)
    : QDialog(parent), m_shell(shell) {
  setObjectName(QStringLiteral("frmProducts"));
  setWindowTitle(QCoreApplication::translate("TfrmProducts", "Latest %1 Products").arg(toQString(product.makerName)));
  setModal(true);

  const QString maker = toQString(product.makerName);
  const QString address = toQString(product.makerWebAddress);
  auto* lblInfo = new QLabel(
      QCoreApplication::translate(
          "TfrmProducts",
          "<p>%1 keeps adding to its range of programs for body and mind.</p>"
          "<p>The latest %1 products, updates to %2 and free trial versions are waiting for you "
          "on the World Wide Web at</p>"
          "<p align=\"center\"><a href=\"%3\">%3</a></p>"
          "<p>Drop by now and then: new titles appear there first.</p>")
          .arg(maker.toHtmlEscaped(), toQString(product.productName).toHtmlEscaped(), address.toHtmlEscaped()),
      this);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  lblInfo->setWordWrap(true);
  lblInfo->setTextFormat(Qt::RichText);
  lblInfo->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(lblInfo, &QLabel::linkActivated, this, &TfrmProducts::lblAddressClick);

  auto* btnClose = new QPushButton(QCoreApplication::translate("TfrmProducts", "Close"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setDefault(true);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblInfo);
  layout->addLayout(buttons);
  setFixedWidth(360);
}

void TfrmProducts::lblAddressClick(const QString& address) {
  const OverrideCursorGuard hourglass;
  m_shell.openUrl(address);
}

}  // namespace lunasoma
