#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace lunasoma {

namespace {

constexpr int topicRole = Qt::UserRole;

}  // namespace

QRect helpViewerPlace(const QRect& owner, QSize size, const QRect& available) {
  const QSize fitting = size.boundedTo(available.size());
  QRect place(QPoint(), fitting);
  place.moveCenter(owner.center());
  const int left = std::clamp(place.left(), available.left(), available.left() + available.width() - fitting.width());
  const int top = std::clamp(place.top(), available.top(), available.top() + available.height() - fitting.height());
  place.moveTopLeft(QPoint(left, top));
  return place;
}

HelpViewer::HelpViewer(ShellService& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), m_shell(shell), m_tree(new QTreeWidget), m_browser(new QTextBrowser) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QCoreApplication::translate("HelpViewer", "Help"));
  resize(760, 520);

  m_tree->setObjectName(QStringLiteral("trvContents"));
  m_tree->setHeaderHidden(true);
  m_tree->setColumnCount(1);
  m_browser->setObjectName(QStringLiteral("brwTopic"));
  m_browser->setOpenLinks(false);

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(m_tree);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 540});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { trvContentsItemActivated(item); });
  connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { trvContentsItemActivated(item); });
  connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::brwTopicAnchorClicked);
}

void HelpViewer::load(const QString& html, const QString& resourceFolder, const HelpContents& contents) {
  m_browser->setSearchPaths({resourceFolder});
  m_browser->setHtml(html);
  if (!contents.title().isEmpty()) setWindowTitle(contents.title());

  m_tree->clear();
  const QIcon bookIcon = style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon topicIcon = style()->standardIcon(QStyle::SP_FileIcon);
  // parents[level - 1] is the last item seen at that level; the parser guarantees that a level is
  // at most one deeper than the one before it.
  std::vector<QTreeWidgetItem*> parents;
  for (const HelpContentsEntry& entry : contents.entries()) {
    parents.resize(static_cast<std::size_t>(entry.level - 1));
    auto* item = parents.empty() ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(parents.back());
    item->setText(0, entry.title);
    item->setData(0, topicRole, entry.topic);
    item->setIcon(0, entry.topic.isEmpty() ? bookIcon : topicIcon);
    parents.push_back(item);
  }
  m_tree->expandAll();
  m_tree->setVisible(!contents.entries().empty());

  m_currentTopic.clear();
  if (!contents.firstTopic().isEmpty()) showTopic(contents.firstTopic());
}

void HelpViewer::showTopic(const QString& topic) {
  m_currentTopic = topic;
  m_browser->scrollToAnchor(topic);
  for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
    if ((*it)->data(0, topicRole).toString() == topic) {
      m_tree->setCurrentItem(*it);
      break;
    }
  }
}

void HelpViewer::trvContentsItemActivated(QTreeWidgetItem* item) {
  const QString topic = item ? item->data(0, topicRole).toString() : QString();
  if (!topic.isEmpty()) showTopic(topic);
}

void HelpViewer::brwTopicAnchorClicked(const QUrl& url) {
  if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) {
    showTopic(url.fragment());
  } else {
    m_shell.openUrl(url.toString());
  }
}

}  // namespace lunasoma
