#pragma once
// Opens the help viewer on a help file: the HTML document itself and, beside it, the contents
// file of the same name with the extension ".cnt" (without one the document is shown alone).
// One viewer at a time; asking again reloads and raises it. quit() closes it; the window itself
// lives until the service ends, which must be before the QApplication does. Where the program runs
// in another language and the help is embedded in that language (":/help/Lunasoma_de.hlp" beside
// ":/help/Lunasoma_de.cnt"), that help is shown instead of the English file's.

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
  // The embedded help in the program's language for this help file; empty when there is none.
  static QString translatedHelpFor(const QString& helpFile);

 private:
  ShellService& m_shell;
  QPointer<HelpViewer> m_viewer;
};

}  // namespace lunasoma
