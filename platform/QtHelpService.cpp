#include "platform/QtHelpService.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "platform/InstalledLanguage.h"

namespace lunasoma {

namespace {

bool readText(const QString& path, QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  text = QString::fromUtf8(file.readAll());
  return file.error() == QFileDevice::NoError;
}

}  // namespace

QtHelpService::QtHelpService(ShellService& shell) : m_shell(shell) {}

QtHelpService::~QtHelpService() { delete m_viewer.data(); }

QString QtHelpService::contentsFileFor(const QString& helpFile) {
  const QFileInfo info(helpFile);
  return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".cnt");
}

QString QtHelpService::translatedHelpFor(const QString& helpFile) {
  const QString embedded =
      resourceInLanguage(QStringLiteral(":/help/") + QFileInfo(helpFile).completeBaseName(), QStringLiteral(".hlp"));
  return QFile::exists(embedded) ? embedded : QString();
}

bool QtHelpService::showContents(QWidget* parent, const QString& helpFile) {
  const QFileInfo info(helpFile);
  QString html;
  if (!info.isFile() || !readText(helpFile, html)) return false;
  QString contentsText;
  readText(contentsFileFor(helpFile), contentsText);
  // The help in the user's language replaces the English text; its pictures and links still come
  // from the folder beside the program.
  const QString translated = translatedHelpFor(helpFile);
  if (!translated.isEmpty() && readText(translated, html)) readText(contentsFileFor(translated), contentsText);

  if (!m_viewer) {
    // No parent: the help is a window of its own, not one that disappears with a dialog.
    m_viewer = new HelpViewer(m_shell);
    if (parent) {
      const QRect owner = parent->window()->frameGeometry();
      const QScreen* screen = QGuiApplication::screenAt(owner.center());
      if (screen == nullptr) screen = parent->window()->screen();
      const QRect place = screen != nullptr ? helpViewerPlace(owner, m_viewer->size(), screen->availableGeometry())
                                            : QRect(owner.center() - m_viewer->rect().center(), m_viewer->size());
      m_viewer->resize(place.size());
      m_viewer->move(place.topLeft());
    }
  }
  m_viewer->load(html, info.absolutePath(), HelpContents::parse(contentsText));
  m_viewer->show();
  m_viewer->raise();
  m_viewer->activateWindow();
  return true;
}

void QtHelpService::quit() {
  if (m_viewer) m_viewer->close();
}

}  // namespace lunasoma
