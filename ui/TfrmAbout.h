#pragma once
// The about box, which doubles as the start-up flash screen: a borderless window with the maker's
// logo, the product and rights text and the maker's addresses, the web and e-mail addresses
// opening through the shell. Modal with an OK button from the Help menu; modeless without one as
// the flash screen. Each opening makes a fresh window that destroys itself when closed.

#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;

namespace lunasoma {

class ShellService;
struct ProductInfo;

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  // Modal: shows the box and returns when it has been closed (the result is then null).
  // Modeless: shows the flash screen, paints it at once and returns it; the pointer becomes null
  // when the window closes, however that happens.
  static QPointer<TfrmAbout> execute(const ProductInfo& product, ShellService& shell, bool asModal,
                                     QWidget* parent = nullptr);

  static QString rightsText(const ProductInfo& product);

  // Keeps the flash screen in front of the main window, which has just been shown, without
  // hiding it even for a moment.
  void stayAbove(QWidget& mainWindow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Only execute() makes the window: it destroys itself when closed, so it must live on the heap.
  TfrmAbout(const ProductInfo& product, ShellService& shell, bool asModal, QWidget* parent);

  void FormCreate(const ProductInfo& product);
  void btnCloseClick();
  void lblWWWDatClick();
  void lblEMailDatClick();
  void openThroughShell(const QString& address);

  ShellService& m_shell;
  bool m_asModal;
  QFrame* m_panAll;
  QLabel* m_imgCorvanti;
  QLabel* m_lblCopyRight;
  QLabel* m_lblWWWDat;
  QLabel* m_lblEMailDat;
  QLabel* m_lblPhoneDat;
  QPushButton* m_btnOK;
};

}  // namespace lunasoma
