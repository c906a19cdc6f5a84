#pragma once
// The help window: the contents list as a tree of books and topics beside the help document, one
// HTML page whose topics are anchors. Choosing a topic scrolls the document to its anchor; links
// inside the document to "#anchor" do the same, any other link is handed to the shell. It reads
// no files: QtHelpService loads it.

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "platform/HelpContents.h"
#include "platform/HostServices.h"

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace lunasoma {

// Where the help window opens: centred on its owner's window, then made no larger than the
// screen's available area and moved as little as needed to lie within it.
QRect helpViewerPlace(const QRect& owner, QSize size, const QRect& available);

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(ShellService& shell, QWidget* parent = nullptr);

  // Shows the document; images and other resources it names are looked up in resourceFolder.
  // Without contents entries the tree is hidden and the document stands alone.
  void load(const QString& html, const QString& resourceFolder, const HelpContents& contents);
  void showTopic(const QString& topic);
  QString currentTopic() const { return m_currentTopic; }

 private:
  void trvContentsItemActivated(QTreeWidgetItem* item);
  void brwTopicAnchorClicked(const QUrl& url);

  ShellService& m_shell;
  QTreeWidget* m_tree;
  QTextBrowser* m_browser;
  QString m_currentTopic;
};

}  // namespace lunasoma
