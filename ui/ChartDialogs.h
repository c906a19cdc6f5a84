#pragma once
// The two common dialogs of the chart commands, the print dialog and the "Save As Bitmap" dialog,
// behind one small interface so that the main window can be driven without a modal loop (tests
// hand it a scripted stand-in). It only asks the user; printing and saving are the caller's.

#include <optional>

#include "ui/ExportDialogSetup.h"

class QPrinter;
class QWidget;

namespace lunasoma {

class ChartDialogs {
 public:
  virtual ~ChartDialogs() = default;

  // Lets the user choose the printer and the number of copies; the choices land in `printer`
  // (its copy count is the number of copies). False when the user cancelled.
  virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;

  // Asks for the bitmap file to save; nothing when the user cancelled.
  virtual std::optional<ExportChoice> chooseExportFile(const ExportDialogSetup& setup, QWidget* parent) = 0;
};

}  // namespace lunasoma
