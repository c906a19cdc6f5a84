#include "ui/QtChartDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>

#include <utility>

#include "platform/HostServices.h"

namespace lunasoma {

namespace {

// A save dialog whose file must lie in a folder that exists. Qt's dialog takes any path and
// leaves the failure to the writing, after the dialog has gone; here the user is told at once
// and can correct the path in the dialog itself.
class SaveDialog : public QFileDialog {
 public:
  SaveDialog(QWidget* parent, const QString& caption, const QString& folder, MessageService& messages)
      : QFileDialog(parent, caption, folder), m_messages(messages) {}

  void accept() override {
    const QStringList files = selectedFiles();
    // A folder typed as the name is the dialog's to open, not a file to refuse.
    if (!files.isEmpty() && !QFileInfo(files.constFirst()).isDir()) {
      const QString missing = missingExportFolder(files.constFirst());
      if (!missing.isEmpty()) {
        m_messages.error(this, QCoreApplication::translate(
                                   "QtChartDialogs", "The folder \"%1\" does not exist.\nCheck the path and try again.")
                                   .arg(QDir::toNativeSeparators(missing)));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  MessageService& m_messages;
};

// Qt's preview keeps the tools of its tool bar out of the tab chain and gives Print no key, so a
// keyboard user could neither reach them nor print from there. Every tool takes the focus with
// Tab, and Print and the zoom tools answer the keys they have everywhere else.
void reachToolsFromKeyboard(QPrintPreviewDialog& preview) {
  for (QToolBar* bar : preview.findChildren<QToolBar*>()) {
    for (QAction* action : bar->actions()) {
      QWidget* tool = bar->widgetForAction(action);
      if (tool && tool->focusPolicy() == Qt::NoFocus) tool->setFocusPolicy(Qt::TabFocus);
    }
  }
  // The tools are known by Qt's own texts, in the language Qt speaks.
  const std::pair<QString, QKeySequence::StandardKey> keys[] = {
      {QCoreApplication::translate("QPrintPreviewDialog", "Print"), QKeySequence::Print},
      {QCoreApplication::translate("QPrintPreviewDialog", "Zoom in"), QKeySequence::ZoomIn},
      {QCoreApplication::translate("QPrintPreviewDialog", "Zoom out"), QKeySequence::ZoomOut},
  };
  for (QAction* action : preview.findChildren<QAction*>()) {
    for (const auto& [text, key] : keys) {
      if (action->text() == text && action->shortcut().isEmpty()) action->setShortcuts(key);
    }
  }
}

}  // namespace

bool QtChartDialogs::choosePrinter(QPrinter& printer, QWidget* parent) {
  printer.setCopyCount(1);
  // Qt proposes a PDF file named after the document only on X11, and there the name is taken as
  // a path; elsewhere it proposes the bare folder, which cannot be written. So the file is named
  // before the dialog opens: without a printer it is what the dialog prints to.
  const QString fileName = printFileName(printer.docName());
  printer.setDocName(fileName);
  const QString proposedFile = QDir::homePath() + QLatin1Char('/') + fileName;
  if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
    printer.setOutputFileName(proposedFile);
  QPrintDialog dlgPrint(&printer, parent);
  dlgPrint.setObjectName(QStringLiteral("dlgPrint"));
  // The chart is one page, so there is no range or selection to choose. Printing to a PDF file
  // stays on offer: on a desktop without printers it is the only way to print at all.
  dlgPrint.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  dlgPrint.setPrintRange(QAbstractPrintDialog::AllPages);
  // Qt 6 shows its "Print range" box (with "Pages from") whatever the options say, and sets it up
  // again each time the dialog is shown; so it is hidden once the dialog is on screen. Should a
  // later Qt name the box otherwise, nothing is hidden and "Print all" is still the default.
  // The file offered while a printer is chosen is filled in the same way, for when the user
  // switches to printing to a file.
  QTimer::singleShot(0, &dlgPrint, [&dlgPrint, &proposedFile] {
    if (auto* range = dlgPrint.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
    auto* file = dlgPrint.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (file && QFileInfo(file->text()).isDir()) file->setText(proposedFile);
  });
  return dlgPrint.exec() == QDialog::Accepted;
}

void QtChartDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter& target)>& paint,
                                  const PrintCommand& print, QWidget* parent) {
  QPrintPreviewDialog dlgPrintPreview(&printer, parent);
  dlgPrintPreview.setObjectName(QStringLiteral("dlgPrintPreview"));
  reachToolsFromKeyboard(dlgPrintPreview);
  QObject::connect(&dlgPrintPreview, &QPrintPreviewDialog::paintRequested, &dlgPrintPreview,
                   [&paint](QPrinter* target) { paint(*target); });
  // The preview's print button would open a print dialog of Qt's own set-up and print a single
  // copy; it runs the caller's Print instead, and the preview closes once that has printed.
  const QString printCaption = QCoreApplication::translate("QPrintPreviewDialog", "Print");
  for (QAction* action : dlgPrintPreview.findChildren<QAction*>()) {
    if (action->text() != printCaption) continue;
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QObject::connect(action, &QAction::triggered, &dlgPrintPreview, [&dlgPrintPreview, &printer, &print] {
      if (print(printer, &dlgPrintPreview)) dlgPrintPreview.accept();
    });
  }
  // Large enough to read the chart's page and to show every tool of the preview's tool bar.
  QSize size = dlgPrintPreview.sizeHint().expandedTo(QSize(640, 600));
  if (parent) size = size.expandedTo(parent->window()->size());
  dlgPrintPreview.resize(size);
  dlgPrintPreview.exec();
}

std::optional<ExportChoice> QtChartDialogs::chooseExportFile(const ExportDialogSetup& setup, QWidget* parent) {
  SaveDialog dlgSave(parent, setup.title, setup.folder, m_messages);
  dlgSave.setObjectName(QStringLiteral("dlgSave"));
  dlgSave.setOption(QFileDialog::DontUseNativeDialog);
  dlgSave.setAcceptMode(QFileDialog::AcceptSave);
  dlgSave.setFileMode(QFileDialog::AnyFile);
  dlgSave.setNameFilters(setup.nameFilters);
  if (setup.selectedFilter >= 0 && setup.selectedFilter < setup.nameFilters.size()) {
    dlgSave.selectNameFilter(setup.nameFilters.at(setup.selectedFilter));
  }
  dlgSave.setDefaultSuffix(setup.defaultSuffix);
  // A name typed without a suffix takes the one of the filter chosen at the time.
  QObject::connect(&dlgSave, &QFileDialog::filterSelected, &dlgSave, [&dlgSave, &setup](const QString& filter) {
    const qsizetype index = setup.nameFilters.indexOf(filter);
    if (index >= 0 && index < setup.defaultSuffixes.size()) dlgSave.setDefaultSuffix(setup.defaultSuffixes.at(index));
  });
  dlgSave.setHistory({});
  if (!setup.fileName.isEmpty()) dlgSave.selectFile(setup.fileName);
  if (dlgSave.exec() != QDialog::Accepted || dlgSave.selectedFiles().isEmpty()) return std::nullopt;

  ExportChoice choice;
  choice.filePath = QFileInfo(dlgSave.selectedFiles().constFirst()).absoluteFilePath();
  choice.filterIndex = static_cast<int>(setup.nameFilters.indexOf(dlgSave.selectedNameFilter())) + 1;
  if (choice.filterIndex < 1) choice.filterIndex = 1;
  return choice;
}

}  // namespace lunasoma
