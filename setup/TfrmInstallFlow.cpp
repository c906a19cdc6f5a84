// The wizard's behaviour: the buttons and the page flow, the folder choice, Finish, the links.
#include "setup/TfrmInstall.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTreeView>

#include "app/OverrideCursorGuard.h"
#include "app/ProductInfo.h"
#include "setup/InstallActions.h"
#include "setup/InstallLayout.h"
#include "setup/InstallText.h"
#include "setup/InstallWizardFlow.h"

namespace lunasoma {

namespace {

constexpr int FinishPage = static_cast<int>(WizardPage::Finish);

}  // namespace

void TfrmInstall::btnControls(WizardControl control) {
  // While Finish runs (its pause processes events) no button, key or close request may start
  // a second installation or close the wizard under it.
  if (m_installing) return;
  const int page = activePage();
  if (control == WizardControl::Back) {
    if (page > 0) activatePage(pageAfterBack(page));
  } else if (control == WizardControl::Next) {
    if (page == FinishPage) {
      finishInstall();
    } else {
      activatePage(pageAfterNext(page));
    }
  } else if (control == WizardControl::Cancel) {
    if (!cancelAsksFirst(page)) {
      closeWizard();
    } else {
      m_context.services.beeper.beep(Beep::Question);
      const MessageButton answer = m_context.services.messages.confirm(
          this,
          withProductName(QCoreApplication::translate("TfrmInstallFlow",
                                                      "Are you sure you want to cancel the installation of %s?")),
          MessageButton::Yes | MessageButton::No);
      if (answer == MessageButton::Yes) closeWizard();
    }
  }
  if (activePage() == FinishPage && control == WizardControl::Next) rebuildFinishList();
  if (control == WizardControl::PositiveResult) activatePage(m_pagMain->indexOf(m_tabPosResult));
  if (control == WizardControl::NegativeResult) activatePage(m_pagMain->indexOf(m_tabNegResult));
  refreshButtons();
}

void TfrmInstall::drvInstallToChange() { m_lblInstallTo->setText(installFolderFor(m_selectedFolder)); }

void TfrmInstall::selectFolder(const QString& folder) {
  m_selectedFolder = QDir::cleanPath(folder);
  const int drive = driveIndexFor(m_drives, m_selectedFolder);
  const QString root = drive >= 0 ? m_drives[static_cast<std::size_t>(drive)].root : QDir::rootPath();
  if (drive >= 0) m_drvInstallTo->setCurrentIndex(drive);

  {
    // The tree follows the chosen folder; its own change signal must not choose it again.
    const QSignalBlocker blocker(m_flbInstallTo->selectionModel());
    m_folderModel->setRootPath(root);
    m_flbInstallTo->setRootIndex(m_folderModel->index(root));
    m_flbInstallTo->setCurrentIndex(m_folderModel->index(m_selectedFolder));
  }
  revealSelectedFolder();
  drvInstallToChange();
}

void TfrmInstall::revealSelectedFolder() {
  const QModelIndex current = m_folderModel->index(m_selectedFolder);
  for (QModelIndex parent = current.parent(); parent.isValid(); parent = parent.parent()) {
    m_flbInstallTo->expand(parent);
  }
  m_flbInstallTo->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

void TfrmInstall::driveChosen(int index) {
  if (index >= 0 && index < static_cast<int>(m_drives.size())) {
    selectFolder(m_drives[static_cast<std::size_t>(index)].root);
  }
}

void TfrmInstall::folderClicked(const QString& folder) {
  m_selectedFolder = folder;
  drvInstallToChange();
}

void TfrmInstall::finishInstall() {
  m_installing = true;
  for (QPushButton* button : {m_btnBack, m_btnNext, m_btnCancel}) button->setEnabled(false);
  // Whatever happens below, the wizard must come back to life.
  auto release = qScopeGuard([this] {
    m_installing = false;
    refreshButtons();
  });

  if (m_beforeInstall) m_beforeInstall();
  const QFileInfo program(m_context.programFile);
  InstallRequest request;
  request.sourceFolder = program.absolutePath();
  request.programFileName = program.fileName();
  request.installFolder = m_lblInstallTo->text();
  for (int row = 0; row < m_lstFinish->count(); ++row) request.targets << m_lstFinish->item(row)->text();
  request.options = {m_chkStartMenu->isChecked(), m_chkOnWinStartup->isChecked(), m_chkDesktop->isChecked()};

  const InstallEnvironment environment{m_context.services, this, m_wait, [this] {
                                         raise();
                                         activateWindow();
                                       }};
  const InstallResult result = lunasoma::finishInstall(request, environment);
  m_installing = false;

  switch (result.outcome) {
    case InstallOutcome::FolderDeclined:
    case InstallOutcome::FolderNotCreated:
      activatePage(static_cast<int>(WizardPage::InstallTo));
      break;
    case InstallOutcome::Complete:
      btnControls(WizardControl::PositiveResult);
      break;
    case InstallOutcome::Incomplete:
      m_lblNegResult->setText(
          incompleteResultText(result, uninstallCommand(request.installFolder, request.programFileName)));
      m_lblWWW1->setText(incompleteResultShowsWebAddress(result) ? toQString(Product.makerWebAddress) : QString());
      btnControls(WizardControl::NegativeResult);
      break;
  }
}

void TfrmInstall::lblWWW1Click(QLabel* label) {
  const QString address = label->text();
  if (address.isEmpty()) return;
  const OverrideCursorGuard starting;
  m_context.services.shell.openUrl(address);
}

void TfrmInstall::reject() { btnControls(WizardControl::Cancel); }

void TfrmInstall::closeEvent(QCloseEvent* event) {
  // A close request from the window manager counts as Cancel, question included.
  event->ignore();
  btnControls(WizardControl::Cancel);
}

bool TfrmInstall::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == m_lblWWW1 || watched == m_lblWWW2) && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    lblWWW1Click(static_cast<QLabel*>(watched));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

int TfrmInstall::activePage() const { return m_pagMain->currentIndex(); }

void TfrmInstall::activatePage(int page) { m_pagMain->setCurrentIndex(page); }

void TfrmInstall::refreshButtons() {
  const WizardButtons buttons = buttonsFor(activePage());
  m_btnBack->setEnabled(buttons.backEnabled);
  m_btnBack->setVisible(buttons.backVisible);
  m_btnNext->setEnabled(true);
  m_btnNext->setVisible(buttons.nextVisible);
  m_btnNext->setText(buttons.nextCaption);
  m_btnCancel->setEnabled(true);
  m_btnCancel->setText(buttons.cancelCaption);
  // On the result pages Next is hidden, and a hidden default button leaves Enter with nothing to
  // press; there Close takes its place, as the only way on.
  m_btnNext->setDefault(buttons.nextVisible);
  m_btnCancel->setDefault(!buttons.nextVisible);
  if (!buttons.nextVisible) m_btnCancel->setFocus();
}

void TfrmInstall::rebuildFinishList() {
  m_lstFinish->clear();
  m_lstFinish->addItems(finishListFor(m_lblInstallTo->text(), m_context.windowsFolder, m_context.systemFolder));
}

void TfrmInstall::closeWizard() { QDialog::done(QDialog::Rejected); }

}  // namespace lunasoma
