// The wizard's window: its components, their places and texts, and what it does when it opens.
#include "setup/TfrmInstall.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTreeView>

#include "app/ProductInfo.h"
#include "platform/InstalledLanguage.h"
#include "setup/InstallText.h"
#include "setup/InstallWizardFlow.h"
#include "setup/WaitSeconds.h"

namespace lunasoma {

namespace {

QWidget* makePage(const char* name) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  return page;
}

QLabel* makeLabel(QWidget* page, const char* name, const QString& text, const QRect& place, bool wrap) {
  auto* label = new QLabel(text, page);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QCheckBox* makeCheckBox(QWidget* page, const char* name, const QString& text, const QString& hint, int top) {
  auto* box = new QCheckBox(text, page);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(hint);
  box->setChecked(true);
  box->setGeometry(15, top, 320, 20);
  return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QString& hint, int left) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setGeometry(left, 282, 75, 22);
  return button;
}

}  // namespace

TfrmInstall::TfrmInstall(ProgramContext& context, QWidget* parent, std::function<void(int seconds)> wait)
    : QDialog(parent), m_context(context), m_wait(std::move(wait)) {
  buildWindow();
  formCreate();
}

void TfrmInstall::buildWindow() {
  setObjectName(QStringLiteral("frmInstall"));
  // A fixed dialog without a close box or system menu: Cancel (or Esc) is the only way out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(489, 311);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  auto* panGraphic = new QFrame(this);
  panGraphic->setObjectName(QStringLiteral("panGraphic"));
  panGraphic->setGeometry(12, 12, 103, 262);
  panGraphic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panGraphic->setLineWidth(2);
  panGraphic->setAutoFillBackground(true);
  QPalette teal = panGraphic->palette();
  teal.setColor(QPalette::Window, QColor(0, 128, 128));
  panGraphic->setPalette(teal);
  auto* imgCorvanti = new QLabel(panGraphic);
  imgCorvanti->setObjectName(QStringLiteral("imgCorvanti"));
  imgCorvanti->setGeometry(panGraphic->contentsRect());
  imgCorvanti->setAlignment(Qt::AlignCenter);
  imgCorvanti->setPixmap(QPixmap(QStringLiteral(":/install-logo.png")));

  m_pagMain = new QStackedWidget(this);
  m_pagMain->setObjectName(QStringLiteral("pagMain"));
  m_pagMain->setGeometry(129, 12, 349, 262);
  m_pagMain->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  // The creation order is the page order that Next and Back step through.
  m_pagMain->addWidget(buildIntroPage());
  m_pagMain->addWidget(buildInstallToPage());
  m_pagMain->addWidget(buildStartMenuPage());
  m_pagMain->addWidget(buildFinishPage());
  buildResultPages();
  m_pagMain->addWidget(m_tabPosResult);
  m_pagMain->addWidget(m_tabNegResult);
  m_pagMain->addWidget(buildOldVersionPage());

  m_btnBack = makeButton(this, "btnBack", QCoreApplication::translate("TfrmInstall", "< &Back"),
                         QCoreApplication::translate("TfrmInstall", "Previous page"), 244);
  m_btnBack->setEnabled(false);
  m_btnNext = makeButton(this, "btnNext", QCoreApplication::translate("TfrmInstall", "Next >"),
                         QCoreApplication::translate("TfrmInstall", "Next page"), 319);
  m_btnNext->setDefault(true);
  m_btnCancel = makeButton(this, "btnCancel", QCoreApplication::translate("TfrmInstall", "Cancel"),
                           QCoreApplication::translate("TfrmInstall", "Cancel installation"), 403);
  connect(m_btnBack, &QPushButton::clicked, this, [this] { btnControls(WizardControl::Back); });
  connect(m_btnNext, &QPushButton::clicked, this, [this] { btnControls(WizardControl::Next); });
  connect(m_btnCancel, &QPushButton::clicked, this, [this] { btnControls(WizardControl::Cancel); });
}

QWidget* TfrmInstall::buildIntroPage() {
  QWidget* page = makePage("tabIntro");
  m_rtfIntro = new QTextBrowser(page);
  m_rtfIntro->setObjectName(QStringLiteral("rtfIntro"));
  m_rtfIntro->setGeometry(0, 0, 347, 260);
  m_rtfIntro->setReadOnly(true);
  m_rtfIntro->setOpenLinks(false);
  QPalette white = m_rtfIntro->palette();
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Text, Qt::black);
  m_rtfIntro->setPalette(white);
  return page;
}

QWidget* TfrmInstall::buildInstallToPage() {
  QWidget* page = makePage("tabInstallTo");
  makeLabel(
      page, "lblDestination",
      QCoreApplication::translate("TfrmInstall", "Please select a parent folder for %s. Click on Next to proceed."),
      QRect(15, 15, 320, 44), true);
  m_drvInstallTo = new QComboBox(page);
  m_drvInstallTo->setObjectName(QStringLiteral("drvInstallTo"));
  m_drvInstallTo->setToolTip(
      QCoreApplication::translate("TfrmInstall", "Select the drive where you want to install this program"));
  m_drvInstallTo->setGeometry(15, 66, 310, 22);
  m_lblInstallTo = makeLabel(page, "lblInstallTo", QString(), QRect(15, 90, 310, 16), false);

  m_folderModel = new QFileSystemModel(page);
  m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
  m_folderModel->setReadOnly(true);
  m_flbInstallTo = new QTreeView(page);
  m_flbInstallTo->setObjectName(QStringLiteral("flbInstallTo"));
  m_flbInstallTo->setToolTip(
      QCoreApplication::translate("TfrmInstall", "Select the folder(s) where you want to install this program"));
  m_flbInstallTo->setGeometry(15, 108, 310, 130);
  m_flbInstallTo->setModel(m_folderModel);
  m_flbInstallTo->setHeaderHidden(true);
  for (int column = 1; column < m_folderModel->columnCount(); ++column) m_flbInstallTo->hideColumn(column);

  connect(m_drvInstallTo, &QComboBox::activated, this, [this](int index) { driveChosen(index); });
  // The model reads folders in the background; once a folder on the way to the chosen one has
  // arrived, the tree can open down to it.
  connect(m_folderModel, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (m_selectedFolder.startsWith(loaded)) revealSelectedFolder();
  });
  connect(m_flbInstallTo->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) folderClicked(m_folderModel->filePath(current));
          });
  return page;
}

QWidget* TfrmInstall::buildStartMenuPage() {
  QWidget* page = makePage("tabStartMenu");
  makeLabel(page, "lblStartMenu",
            QCoreApplication::translate("TfrmInstall", "Please select from where you would like to be able to run %s."),
            QRect(15, 15, 320, 44), true);
  m_chkStartMenu =
      makeCheckBox(page, "chkStartMenu", QCoreApplication::translate("TfrmInstall", "Add %s to the Start Menu"),
                   QCoreApplication::translate("TfrmInstall", "Creates a group in Windows' Start Menu"), 72);
  m_chkOnWinStartup = makeCheckBox(
      page, "chkOnWinStartup", QCoreApplication::translate("TfrmInstall", "Automatically run %s on Windows startup"),
      QCoreApplication::translate("TfrmInstall", "Automatically runs this program when you start Windows"), 102);
  m_chkDesktop =
      makeCheckBox(page, "chkDesktop", QCoreApplication::translate("TfrmInstall", "Add %s icon to the Desktop"),
                   QCoreApplication::translate("TfrmInstall", "Creates a shortcut icon on your desktop"), 132);
  return page;
}

QWidget* TfrmInstall::buildFinishPage() {
  QWidget* page = makePage("tabFinish");
  makeLabel(page, "lblFinish1",
            QCoreApplication::translate("TfrmInstall", "The following files will be installed on your system"),
            QRect(15, 15, 320, 16), false);
  m_lstFinish = new QListWidget(page);
  m_lstFinish->setObjectName(QStringLiteral("lstFinish"));
  m_lstFinish->setToolTip(QCoreApplication::translate("TfrmInstall", "These files will be installed on your system"));
  m_lstFinish->setGeometry(15, 36, 320, 172);
  makeLabel(page, "lblFinish2", QCoreApplication::translate("TfrmInstall", "Click on Finish to install %s."),
            QRect(15, 216, 320, 16), false);
  return page;
}

void TfrmInstall::buildResultPages() {
  m_tabPosResult = makePage("tabPosResult");
  QLabel* positive =
      makeLabel(m_tabPosResult, "lblPosResult",
                QCoreApplication::translate("TfrmInstall", "Installation has been completed successfully!"),
                QRect(15, 100, 320, 40), true);
  positive->setAlignment(Qt::AlignCenter);

  m_tabNegResult = makePage("tabNegResult");
  m_lblNegResult = makeLabel(m_tabNegResult, "lblNegResult", QString(), QRect(15, 15, 320, 170), true);
  m_lblWWW1 = makeLinkLabel(m_tabNegResult, "lblWWW1");
  m_lblWWW1->setGeometry(15, 192, 320, 20);
}

QWidget* TfrmInstall::buildOldVersionPage() {
  QWidget* page = makePage("tabOldVersion");
  QLabel* attention = makeLabel(page, "lblOldVersion1", QCoreApplication::translate("TfrmInstall", "Attention"),
                                QRect(15, 15, 320, 24), false);
  QFont bold = attention->font();
  bold.setBold(true);
  bold.setPointSize(12);
  attention->setFont(bold);
  attention->setAlignment(Qt::AlignCenter);
  makeLabel(page, "lblOldVersion2",
            QCoreApplication::translate(
                "TfrmInstall",
                "According to your system clock you have downloaded a version of this program which is "
                "older than 6 months! There is a very good chance that this program has been replaced by a "
                "newer version. Please go to the following WWW address to verify:"),
            QRect(15, 48, 320, 100), true);
  m_lblWWW2 = makeLinkLabel(page, "lblWWW2");
  m_lblWWW2->setGeometry(15, 154, 320, 20);
  makeLabel(page, "lblOldVersion3",
            QCoreApplication::translate("TfrmInstall",
                                        "However, you can continue to install this version by clicking on Next."),
            QRect(15, 190, 320, 40), true);
  return page;
}

QLabel* TfrmInstall::makeLinkLabel(QWidget* page, const char* name) {
  QLabel* link = makeLabel(page, name, QString(), QRect(), false);
  QFont font(QStringLiteral("MS Sans Serif"), 10);
  font.setUnderline(true);
  link->setFont(font);
  QPalette blue = link->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  link->setPalette(blue);
  link->setAlignment(Qt::AlignCenter);
  link->setCursor(Qt::UpArrowCursor);
  link->setToolTip(
      QCoreApplication::translate("TfrmInstall", "Click here to jump to Corvanti's home page on the World Wide Web"));
  link->installEventFilter(this);
  return link;
}

void TfrmInstall::formCreate() {
  HostServices& services = m_context.services;
  setWindowTitle(QCoreApplication::translate("TfrmInstall", "%1 Setup").arg(toQString(Product.productName)));
  loadWelcomeText();

  m_drives = services.drives.drives();
  m_drvInstallTo->clear();
  for (const Drive& drive : m_drives) m_drvInstallTo->addItem(drive.root);
  const QString programFiles = services.folders.programFilesFolder();
  // The default parent may not exist yet (~/.local/opt on a new account). It stays the default
  // all the same: nothing may be created before Finish, and Finish makes the missing folders.
  selectFolder(programFiles.isEmpty() ? QDir::homePath() : programFiles);

  m_lblWWW2->setText(toQString(Product.makerWebAddress));
  for (QLabel* label : findChildren<QLabel*>()) {
    if (label->text().contains(QStringLiteral("%s"))) label->setText(withProductName(label->text()));
  }
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    if (box->text().contains(QStringLiteral("%s"))) box->setText(withProductName(box->text()));
  }
  for (QGroupBox* group : findChildren<QGroupBox*>()) {
    if (group->title().contains(QStringLiteral("%s"))) group->setTitle(withProductName(group->title()));
  }

  const QDateTime modified = QFileInfo(m_context.programFile).lastModified();
  if (modified.isValid() && isStaleProgram(modified, services.system.now())) {
    services.beeper.beep(Beep::Exclamation);
    m_pagMain->setCurrentIndex(static_cast<int>(WizardPage::OldVersion));
  } else {
    m_pagMain->setCurrentIndex(static_cast<int>(WizardPage::Intro));
  }
}

void TfrmInstall::loadWelcomeText() {
  QFile file(resourceInLanguage(QStringLiteral(":/welcome"), QStringLiteral(".html")));
  if (!file.open(QIODevice::ReadOnly)) return;
  QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  for (QString& line : lines) {
    if (line.contains(QStringLiteral("%s"))) line = withProductName(line);
  }
  m_rtfIntro->setHtml(lines.join(QLatin1Char('\n')));
}

}  // namespace lunasoma
