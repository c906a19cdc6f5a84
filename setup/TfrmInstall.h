#pragma once
// The setup wizard window: a logo panel, seven pages without tabs (welcome, folder, shortcut
// options, file list, two result pages and the staleness warning) and the Back, Next and Cancel
// buttons. It only wires widgets: the page rules live in InstallWizardFlow, the work behind
// Finish in InstallActions.

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

#include "app/ProgramContext.h"
#include "setup/WaitSeconds.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QTreeView;

namespace lunasoma {

class TfrmInstall : public QDialog {
  Q_OBJECT

 public:
  // wait makes the pause before the result page, in seconds; waitSeconds keeps the windows alive
  // meanwhile.
  explicit TfrmInstall(ProgramContext& context, QWidget* parent = nullptr,
                       std::function<void(int seconds)> wait = waitSeconds);

  // Runs when the user presses Finish, before anything is installed: the host prepares what it
  // must not create while the user may still cancel.
  void setBeforeInstall(std::function<void()> prepare) { m_beforeInstall = std::move(prepare); }

  // Shows a folder in the folder list, with its drive selected, as if the user had clicked it.
  void selectFolder(const QString& folder);

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What reaches the one handler of the three buttons: a button, or Finish showing a result page.
  enum class WizardControl { Back, Next, Cancel, PositiveResult, NegativeResult };
  void btnControls(WizardControl control);
  // Shows the installation folder for the folder selected in the folder list.
  void drvInstallToChange();
  void finishInstall();
  void lblWWW1Click(QLabel* label);

  void buildWindow();
  QWidget* buildIntroPage();
  QWidget* buildInstallToPage();
  QWidget* buildStartMenuPage();
  QWidget* buildFinishPage();
  void buildResultPages();
  QWidget* buildOldVersionPage();
  QLabel* makeLinkLabel(QWidget* page, const char* name);
  void formCreate();
  void loadWelcomeText();

  int activePage() const;
  void activatePage(int page);
  void refreshButtons();
  void rebuildFinishList();
  void driveChosen(int index);
  void folderClicked(const QString& folder);
  void revealSelectedFolder();
  void closeWizard();

  ProgramContext& m_context;
  std::function<void(int)> m_wait;
  std::function<void()> m_beforeInstall;
  bool m_installing = false;
  std::vector<Drive> m_drives;
  QString m_selectedFolder;

  QStackedWidget* m_pagMain = nullptr;
  QWidget* m_tabPosResult = nullptr;
  QWidget* m_tabNegResult = nullptr;
  QTextBrowser* m_rtfIntro = nullptr;
  QComboBox* m_drvInstallTo = nullptr;
  QLabel* m_lblInstallTo = nullptr;
  QTreeView* m_flbInstallTo = nullptr;
  QFileSystemModel* m_folderModel = nullptr;
  QCheckBox* m_chkStartMenu = nullptr;
  QCheckBox* m_chkOnWinStartup = nullptr;
  QCheckBox* m_chkDesktop = nullptr;
  QListWidget* m_lstFinish = nullptr;
  QLabel* m_lblNegResult = nullptr;
  QLabel* m_lblWWW1 = nullptr;
  QLabel* m_lblWWW2 = nullptr;
  QPushButton* m_btnBack = nullptr;
  QPushButton* m_btnNext = nullptr;
  QPushButton* m_btnCancel = nullptr;
};

}  // namespace lunasoma
