#pragma once
// The common dialogs of the chart commands, the print dialog, the print preview and the "Save As
// Bitmap" dialog, behind one small interface so that the main window can be driven without a modal
// loop (tests hand it a scripted stand-in). It only asks the user and shows; what is printed and
// saved is the caller's.

#include <functional>
#include <optional>

#include "ui/ExportDialogSetup.h"

class QPrinter;
class QWidget;

namespace lunasoma {

class ChartDialogs {
 public:
  virtual ~ChartDialogs() = default;

  // Lets the user choose the printer and the number of copies; the choices land in `printer`
  // (its copy count is the number of copies). A PDF file, where one is offered, is proposed under
  // the printer's document name. False when the user cancelled.
  virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;

  // The Print command run on a printer already set up (as the preview's page settings left it),
  // from a dialog `parent`: it asks for the printer and copies and prints. False when the user
  // cancelled.
  using PrintCommand = std::function<bool(QPrinter& printer, QWidget* parent)>;

  // Shows the pages that `paint` draws on `printer` until the user closes the preview; printing
  // from it runs `print` on that printer, and the preview closes once it has printed.
  virtual void previewPrint(QPrinter& printer, const std::function<void(QPrinter& target)>& paint,
                            const PrintCommand& print, QWidget* parent) = 0;

  // Asks for the file to save the chart in; nothing when the user cancelled.
  virtual std::optional<ExportChoice> chooseExportFile(const ExportDialogSetup& setup, QWidget* parent) = 0;
};

}  // namespace lunasoma
