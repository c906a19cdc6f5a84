#pragma once
// The maker's product list: a modal dialog that tells where the maker's latest products can be
// found, with the address opening through the shell, and a Close button. It lists no products.

#include <QDialog>

class QLabel;

namespace lunasoma {

class ShellService;
struct ProductInfo;

class TfrmProducts : public QDialog {
  Q_OBJECT

 public:
  // Shows the dialog modally and returns when it has been closed.
  static void execute(const ProductInfo& product, ShellService& shell, QWidget* parent);

  TfrmProducts(const ProductInfo& product, ShellService& shell, QWidget* parent = nullptr);

 private:
  void lblAddressClick(const QString& address);

  ShellService& m_shell;
};

}  // namespace lunasoma
