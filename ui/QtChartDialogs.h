#pragma once
// The chart's dialogs as the user sees them: Qt's print dialog with copies only, and Qt's own
// (non-native) file dialog for saving a bitmap. Each is created, shown modally and destroyed per
// call; it keeps nothing between calls.

#include "ui/ChartDialogs.h"

namespace lunasoma {

class QtChartDialogs : public ChartDialogs {
 public:
  bool choosePrinter(QPrinter& printer, QWidget* parent) override;
  std::optional<ExportChoice> chooseExportFile(const ExportDialogSetup& setup, QWidget* parent) override;
};

}  // namespace lunasoma
