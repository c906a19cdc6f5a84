#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <functional>

#include "app/ProductInfo.h"
#include "tests/support/ModalAnswer.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmProducts.h"

namespace lunasoma {
namespace {

using AboutTest = test::MainWindowFixture;

TEST_F(AboutTest, EachOpeningIsAFreshWindowDestroyedWhenClosed) {
  open();
  struct Row {
    const char* name;
    std::function<void(TfrmAbout*)> close;
  };
  const Row rows[] = {
      {"OK button", [](TfrmAbout* box) { QTest::mouseClick(box->findChild<QPushButton*>("btnOK"), Qt::LeftButton); }},
      {"OK again", [](TfrmAbout* box) { QTest::mouseClick(box->findChild<QPushButton*>("btnOK"), Qt::LeftButton); }},
      {"Enter", [](TfrmAbout* box) { QTest::keyClick(box, Qt::Key_Return); }},
      {"Escape", [](TfrmAbout* box) { QTest::keyClick(box, Qt::Key_Escape); }},
      {"logo", [](TfrmAbout* box) { QTest::mouseClick(box->findChild<QLabel*>("imgCorvanti"), Qt::LeftButton); }},
  };
  for (const Row& row : rows) {
    int destroyed = 0;
    bool okShown = false;
    QObject watcher;
    const test::ModalAnswer<TfrmAbout> about([&](TfrmAbout* box) {
      QObject::connect(box, &QObject::destroyed, &watcher, [&destroyed] { ++destroyed; });
      okShown = box->findChild<QPushButton*>("btnOK")->isVisible();
      row.close(box);
    });
    child<QAction>("mnuAbout")->trigger();
    EXPECT_TRUE(okShown) << row.name;
    EXPECT_EQ(destroyed, 1) << row.name << ": destroyed by the time the command returns";
  }
}

TEST_F(AboutTest, TheRightsTextHasThreeLines) {
  const QPointer<TfrmAbout> box = TfrmAbout::execute(Product, host.shell, false);
  ASSERT_TRUE(box);
  const QStringList lines = box->findChild<QLabel*>("lblCopyRight")->text().split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "Lunasoma - Version 1.0");
  EXPECT_TRUE(lines[1].contains("1997") && lines[1].contains("Corvanti")) << qPrintable(lines[1]);
  EXPECT_EQ(box->findChild<QLabel*>("lblPhoneDat")->text(), "+1 555 0100 0199");
  box->close();
}

// Under a dark colour scheme the texts would take its light text colour on the window's white.
TEST_F(AboutTest, TextsAreBlackOnTheWhiteWindowUnderADarkScheme) {
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  dark.setColor(QPalette::Window, QColor(40, 40, 40));
  dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
  QApplication::setPalette(dark);
  const QPointer<TfrmAbout> box = TfrmAbout::execute(Product, host.shell, false);
  QApplication::setPalette(before);
  ASSERT_TRUE(box);
  for (const char* name : {"lblCopyRight", "lblWWW", "lblPhoneDat"}) {
    SCOPED_TRACE(name);
    const QImage text = box->findChild<QLabel*>(name)->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < text.height(); ++y) {
      for (int x = 0; x < text.width(); ++x) darkest = std::min(darkest, qGray(text.pixel(x, y)));
    }
    EXPECT_LT(darkest, 60);
  }
  box->close();
}

TEST_F(AboutTest, TextsUseTheProgramsStandInForMsSansSerif) {
  const test::ModalAnswer<TfrmAbout> about([](TfrmAbout* box) {
    QList<QWidget*> widgets{box};
    for (QWidget* widget : box->findChildren<QWidget*>()) widgets << widget;
    for (QWidget* widget : widgets) {
      const QFontInfo used(widget->font());
      EXPECT_EQ(used.family(), "Liberation Sans") << widget->objectName().toStdString();
    }
    box->close();
  });
  TfrmAbout::execute(Product, host.shell, true);
}

// Notes whether the hourglass was up while the shell was asked.
class CursorWatchingShell : public test::FakeShell {
 public:
  bool openUrl(const QString& address) override {
    const QCursor* cursor = QApplication::overrideCursor();
    hourglassDuringCall = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    test::FakeShell::openUrl(address);
    return false;  // a shell that cannot open the address; nothing may be reported
  }
  bool hourglassDuringCall = false;
};

TEST_F(AboutTest, AddressesOpenThroughTheShellUnderTheHourglass) {
  struct Row {
    const char* label;
    QString opened;
  };
  const Row rows[] = {
      {"lblWWWDat", "https://www.corvanti.example.com/"},
      {"lblEMailDat", "mailto:support@corvanti.example.com"},
  };
  for (const Row& row : rows) {
    CursorWatchingShell shell;
    const test::ModalAnswer<TfrmAbout> about([&](TfrmAbout* box) {
      QTest::mouseClick(box->findChild<QLabel*>(row.label), Qt::LeftButton);
      box->close();
    });
    TfrmAbout::execute(Product, shell, true);
    ASSERT_EQ(shell.calls().size(), 1u) << row.label;
    EXPECT_EQ(shell.calls().front().target, row.opened);
    EXPECT_TRUE(shell.hourglassDuringCall) << row.label;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << row.label << ": the pointer is back";
    EXPECT_TRUE(host.messages.boxes().empty());
  }
}

TEST_F(AboutTest, TheProductListTellsWhereToLookAndCloses) {
  open();
  bool namesAddress = false;
  const test::ModalAnswer<TfrmProducts> products([&](TfrmProducts* dialog) {
    namesAddress = dialog->findChild<QLabel*>("lblInfo")->text().contains("https://www.corvanti.example.com/");
    QTest::mouseClick(dialog->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
  });
  child<QAction>("mnuProducts")->trigger();
  EXPECT_TRUE(namesAddress);
}

}  // namespace
}  // namespace lunasoma
