// The real "Save As Bitmap" dialog, driven as a user would from inside its own modal loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QTranslator>

#include <optional>
#include <utility>
#include <vector>

#include "tests/support/FakeHostServices.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TempFolder.h"
#include "ui/ExportDialogSetup.h"
#include "ui/QtChartDialogs.h"

namespace lunasoma {
namespace {

// A file in a folder that does not exist is refused inside the dialog, which stays open with the
// user told why; a file in a folder that exists is then taken.
TEST(QtChartDialogs, TheSaveDialogRefusesAFileInAFolderThatDoesNotExist) {
  test::TempFolder folder;
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  const ExportDialogSetup setup = exportDialogSetup(QStringLiteral("Lunasoma"), "", 1);

  struct Attempt {
    const char* name;
    QString typed;
    bool staysOpen;
  };
  const Attempt attempts[] = {
      {"a folder that does not exist", folder.path() + QStringLiteral("/gone/chart.BMP"), true},
      {"below a file, which is no folder", folder.path() + QStringLiteral("/old.BMP/chart.BMP"), true},
      {"a folder that exists", folder.path() + QStringLiteral("/chart.BMP"), false},
  };
  test::writeFile(folder.path() + QStringLiteral("/old.BMP"));

  std::vector<bool> stayedOpen;
  test::ModalAnswer<QFileDialog> save([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgSave"));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) return dialog->reject();
    for (const Attempt& attempt : attempts) {
      name->setText(attempt.typed);
      QTest::keyClick(name, Qt::Key_Return);
      stayedOpen.push_back(dialog->isVisible());
    }
    // Whatever happened above, the dialog must not be left waiting for a user.
    if (dialog->isVisible()) dialog->reject();
  });
  const std::optional<ExportChoice> choice = dialogs.chooseExportFile(setup, nullptr);

  ASSERT_TRUE(save.answered());
  ASSERT_EQ(stayedOpen.size(), std::size(attempts));
  for (std::size_t i = 0; i < std::size(attempts); ++i) {
    EXPECT_EQ(stayedOpen[i], attempts[i].staysOpen) << attempts[i].name;
  }
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->filePath, folder.path() + QStringLiteral("/chart.BMP"));
  ASSERT_EQ(messages.texts().size(), 2);
  EXPECT_EQ(messages.count(test::FakeMessageService::Kind::Error), 2);
  EXPECT_TRUE(messages.texts().front().contains(folder.path() + QStringLiteral("/gone")))
      << qPrintable(messages.texts().front());
}

// A name typed without a suffix takes the suffix of the filter the user picked in the dialog,
// and the choice says which filter that was.
TEST(QtChartDialogs, ANameWithoutSuffixTakesThePickedFiltersSuffix) {
  test::TempFolder folder;
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  const ExportDialogSetup setup = exportDialogSetup(QStringLiteral("Lunasoma"), "", 1);

  test::ModalAnswer<QFileDialog> save([&](QFileDialog* dialog) {
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!types || !name) return dialog->reject();
    EXPECT_EQ(types->currentText(), QStringLiteral("Bitmap Image (*.BMP)"));
    for (int step = 0; step < 3; ++step) QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(types->currentText(), QStringLiteral("SVG drawing (*.svg)"));
    name->setText(folder.path() + QStringLiteral("/chart"));
    QTest::keyClick(name, Qt::Key_Return);
    if (dialog->isVisible()) dialog->reject();
  });
  const std::optional<ExportChoice> choice = dialogs.chooseExportFile(setup, nullptr);

  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->filePath, folder.path() + QStringLiteral("/chart.svg"));
  EXPECT_EQ(choice->filterIndex, 4);
}

// The preview shows the pages the caller draws, on the printer it was given.
TEST(QtChartDialogs, ThePrintPreviewShowsWhatIsDrawnOnThePrinter) {
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  QPrinter* drawnOn = nullptr;
  const auto paint = [&drawnOn](QPrinter& target) {
    drawnOn = &target;
    QPainter painter(&target);
    painter.drawText(100, 100, QStringLiteral("chart"));
  };

  int pagesShown = -1;
  test::ModalAnswer<QPrintPreviewDialog> preview([&](QPrintPreviewDialog* dialog) {
    EXPECT_EQ(dialog->objectName(), QStringLiteral("dlgPrintPreview"));
    if (auto* pages = dialog->findChild<QPrintPreviewWidget*>()) pagesShown = pages->pageCount();
    dialog->reject();
  });
  dialogs.previewPrint(
      printer, paint, [](QPrinter&, QWidget*) { return false; }, nullptr);

  ASSERT_TRUE(preview.answered());
  EXPECT_EQ(drawnOn, &printer);
  EXPECT_EQ(pagesShown, 1);
}

// The preview's print button runs the caller's Print, from the preview and on its printer, in
// place of a print dialog of Qt's own set-up; the preview closes once Print has printed.
TEST(QtChartDialogs, ThePreviewsPrintButtonRunsTheCallersPrint) {
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  for (const bool printed : {false, true}) {
    SCOPED_TRACE(printed ? "printed" : "cancelled");
    std::vector<std::pair<QPrinter*, bool>> prints;  // the printer, and whether the preview was the parent
    bool stillOpen = false;
    test::ModalAnswer<QPrintPreviewDialog> preview([&](QPrintPreviewDialog* dialog) {
      QAction* print = nullptr;
      for (QAction* action : dialog->findChildren<QAction*>())
        if (action->text() == QStringLiteral("Print")) print = action;
      if (!print) return dialog->reject();
      print->trigger();
      stillOpen = dialog->isVisible();
      if (stillOpen) dialog->reject();
    });
    dialogs.previewPrint(
        printer, [](QPrinter&) {},
        [&](QPrinter& target, QWidget* parent) {
          prints.emplace_back(&target, qobject_cast<QPrintPreviewDialog*>(parent) != nullptr);
          return printed;
        },
        nullptr);

    ASSERT_TRUE(preview.answered());
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints.front().first, &printer);
    EXPECT_TRUE(prints.front().second) << "the print dialog opens over the preview";
    EXPECT_EQ(stillOpen, !printed);
  }
}

// With no printer the dialog can only print to a file, and it proposes one named after the
// document in the home folder: never the bare folder, and never a path through a date's slashes.
TEST(QtChartDialogs, ThePrintDialogProposesAFileNamedAfterTheDocument) {
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  struct Row {
    const char* name;
    QString docName;
    QString proposed;
  };
  const Row rows[] = {
      {"a title with a date", QStringLiteral("Lunasoma 5/17/1990"), QStringLiteral("Lunasoma 5-17-1990.pdf")},
      {"a date with dots", QStringLiteral("Lunasoma 17.05.1990"), QStringLiteral("Lunasoma 17.05.1990.pdf")},
      {"no title", QString(), QStringLiteral("print.pdf")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::PdfFormat) GTEST_SKIP() << "a printer is installed here";
    printer.setDocName(row.docName);
    QString offered;
    test::ModalAnswer<QPrintDialog> print([&](QPrintDialog* dialog) {
      if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) offered = file->text();
      dialog->accept();
    });
    ASSERT_TRUE(dialogs.choosePrinter(printer, nullptr));
    const QString expected = QDir::homePath() + QLatin1Char('/') + row.proposed;
    EXPECT_EQ(offered, expected);
    EXPECT_EQ(printer.outputFileName(), expected);
  }
}
// From the keyboard alone: Tab reaches every tool of the preview's tool bar that can be used, and
// Ctrl+P prints.
TEST(QtChartDialogs, ThePrintPreviewsToolsAnswerTheKeyboard) {
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const auto paint = [](QPrinter& target) { QPainter painter(&target); };

  QStringList unreached;
  bool askedToPrint = false;
  test::ModalAnswer<QPrintPreviewDialog> preview([&](QPrintPreviewDialog* dialog) {
    QApplication::setActiveWindow(dialog);
    if (QApplication::focusWidget() == nullptr) dialog->findChild<QLineEdit*>()->setFocus(Qt::TabFocusReason);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QSet<QWidget*> reached;
    for (int i = 0; i < 60; ++i) {
      reached << QApplication::focusWidget();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QToolBar* bar : dialog->findChildren<QToolBar*>()) {
      for (QAction* action : bar->actions()) {
        QWidget* tool = bar->widgetForAction(action);
        if (tool && tool->isVisible() && tool->isEnabled() && !reached.contains(tool)) unreached << action->text();
      }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    if (dialog->isVisible()) dialog->reject();
  });
  dialogs.previewPrint(
      printer, paint,
      [&](QPrinter&, QWidget*) {
        askedToPrint = true;
        return false;
      },
      nullptr);

  ASSERT_TRUE(preview.answered());
  EXPECT_TRUE(unreached.isEmpty()) << unreached.join(", ").toStdString();
  EXPECT_TRUE(askedToPrint) << "Ctrl+P printed";
}

// Under a translated Qt the preview's tools carry translated texts, and Ctrl+P still prints.
TEST(QtChartDialogs, CtrlPPrintsFromAPreviewInAnotherLanguage) {
  QTranslator german;
  if (!german.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    GTEST_SKIP() << "Qt's German translation is not installed";
  QCoreApplication::installTranslator(&german);
  test::FakeMessageService messages;
  QtChartDialogs dialogs(messages);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  bool askedToPrint = false;
  test::ModalAnswer<QPrintPreviewDialog> preview([&](QPrintPreviewDialog* dialog) {
    QApplication::setActiveWindow(dialog);
    QTest::keyClick(dialog, Qt::Key_P, Qt::ControlModifier);
    if (dialog->isVisible()) dialog->reject();
  });
  dialogs.previewPrint(
      printer, [](QPrinter& target) { QPainter painter(&target); },
      [&](QPrinter&, QWidget*) {
        askedToPrint = true;
        return false;
      },
      nullptr);
  QCoreApplication::removeTranslator(&german);
  ASSERT_TRUE(preview.answered());
  EXPECT_TRUE(askedToPrint);
}

}  // namespace
}  // namespace lunasoma
