#pragma once
// The chart's dialogs as the user sees them: Qt's print dialog with copies only, Qt's print
// preview, and Qt's own (non-native) file dialog for saving the chart, which refuses a file in a
// folder that does not exist and says so while it stays open. Each is created, shown modally and destroyed per call;
// it keeps nothing between calls.

#include "ui/ChartDialogs.h"

namespace lunasoma {

class MessageService;

class QtChartDialogs : public ChartDialogs {
 public:
  // messages shows the save dialog's refusals.
  explicit QtChartDialogs(MessageService& messages) : m_messages(messages) {}

  bool choosePrinter(QPrinter& printer, QWidget* parent) override;
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter& target)>& paint, const PrintCommand& print,
                    QWidget* parent) override;
  std::optional<ExportChoice> chooseExportFile(const ExportDialogSetup& setup, QWidget* parent) override;

 private:
  MessageService& m_messages;
};

}  // namespace lunasoma
