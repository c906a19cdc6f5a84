#pragma once
// Opens the help viewer on a help file: the HTML document itself and, beside it, the contents
// file of the same name with the extension ".cnt" (without one the document is shown alone).
// One viewer at a time; asking again reloads and raises it. quit() closes it; the window itself
// lives until the service ends, which must be before the QApplication does.

#include <QPointer>
#include <QString>

#include "platform/HelpViewer.h"
#include "platform/HostServices.h"

namespace lunasoma {

class QtHelpService : public HelpService {
 public:
  explicit QtHelpService(ShellService& shell);
  ~QtHelpService() override;
  QtHelpService(const QtHelpService&) = delete;
  QtHelpService& operator=(const QtHelpService&) = delete;

  bool showContents(QWidget* parent, const QString& helpFile) override;
  void quit() override;

  // The open viewer, or null.
  HelpViewer* viewer() const { return m_viewer; }
  static QString contentsFileFor(const QString& helpFile);

 private:
  ShellService& m_shell;
  QPointer<HelpViewer> m_viewer;
};

}  // namespace lunasoma
