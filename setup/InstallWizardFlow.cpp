#include "setup/InstallWizardFlow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lunasoma {

namespace {

constexpr int FinishIndex = static_cast<int>(WizardPage::Finish);
constexpr double StaleAfterDays = 180.0;
constexpr int OldestSupportedVersion = 390;

// Whether the folder lies on the drive: the root itself, or below it at a separator.
bool isOnDrive(const QString& root, const QString& folder) {
  if (root.isEmpty() || !folder.startsWith(root)) return false;
  return folder.size() == root.size() || root.endsWith(QLatin1Char('/')) || folder.at(root.size()) == QLatin1Char('/');
}

}  // namespace

int pageAfterBack(int page) { return page > 0 ? page - 1 : page; }

int pageAfterNext(int page) { return (page + 1) % WizardPageCount; }

bool cancelAsksFirst(int page) { return page <= FinishIndex; }

WizardButtons buttonsFor(int page) {
  WizardButtons buttons;
  buttons.backEnabled = page > 0;
  buttons.backVisible = page <= FinishIndex;
  buttons.nextVisible = page <= FinishIndex;
  buttons.nextCaption = page == FinishIndex ? QCoreApplication::translate("TfrmInstall", "Finish")
                                            : QCoreApplication::translate("TfrmInstall", "Next >");
  buttons.cancelCaption = page > FinishIndex ? QCoreApplication::translate("TfrmInstall", "Close")
                                             : QCoreApplication::translate("TfrmInstall", "Cancel");
  return buttons;
}

bool systemSupported(int versionNumber) { return versionNumber >= OldestSupportedVersion; }

bool isStaleProgram(const QDateTime& programModified, const QDateTime& now) {
  const double days = static_cast<double>(programModified.date().daysTo(now.date())) -
                      programModified.time().msecsSinceStartOfDay() / 86'400'000.0;
  return days > StaleAfterDays;
}

int driveIndexFor(const std::vector<Drive>& drives, const QString& folder) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(drives.size()); ++i) {
    const QString& root = drives[static_cast<std::size_t>(i)].root;
    if (isOnDrive(root, folder) && (best < 0 || root.size() > drives[static_cast<std::size_t>(best)].root.size())) {
      best = i;
    }
  }
  return best;
}

QString nearestExistingFolder(const QString& folder) {
  QString candidate = QDir::cleanPath(folder);
  while (!QFileInfo(candidate).isDir()) {
    const QString parent = QFileInfo(candidate).path();
    if (parent == candidate) break;
    candidate = parent;
  }
  return candidate;
}

}  // namespace lunasoma
