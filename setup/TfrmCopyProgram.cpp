#include "setup/TfrmCopyProgram.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "setup/CopyProgramAction.h"
#include "setup/InstallText.h"

namespace lunasoma {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, int left) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 166, 75, 22);
  return button;
}

}  // namespace

TfrmCopyProgram::TfrmCopyProgram(ProgramContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
  buildWindow();
  formCreate();
}

void TfrmCopyProgram::execute(ProgramContext& context, QWidget* parent) {
  TfrmCopyProgram dialog(context, parent);
  dialog.exec();
}

void TfrmCopyProgram::buildWindow() {
  setObjectName(QStringLiteral("frmCopyProgram"));
  // A fixed dialog without border icons: Copy and Cancel are the ways out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(324, 192);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  m_tabMain = new QFrame(this);
  QFrame* tabMain = m_tabMain;
  tabMain->setObjectName(QStringLiteral("tabMain"));
  tabMain->setGeometry(6, 6, 311, 155);
  tabMain->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

  m_lblCopy = new QLabel(this);
  m_lblCopy->setObjectName(QStringLiteral("lblCopy"));
  m_lblCopy->setGeometry(15, 15, 260, 84);
  m_lblCopy->setWordWrap(true);
  m_lblCopy->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  m_cboDrive = new QComboBox(this);
  m_cboDrive->setObjectName(QStringLiteral("cboDrive"));
  m_cboDrive->setGeometry(15, 105, 280, 21);
  m_cboDrive->setToolTip(QStringLiteral("Select the drive you want to copy to"));

  m_lblTarget = new QLabel(this);
  m_lblTarget->setObjectName(QStringLiteral("lblTarget"));
  m_lblTarget->setGeometry(15, 129, 295, 16);

  m_btnCopy = makeButton(this, "btnCopy", QStringLiteral("Copy"), 161);
  m_btnCopy->setDefault(true);
  m_btnCancel = makeButton(this, "btnCancel", QStringLiteral("Cancel"), 242);

  connect(m_cboDrive, &QComboBox::currentIndexChanged, this, [this] { cboDriveChange(); });
  connect(m_btnCopy, &QPushButton::clicked, this, [this] {
    btnCopyClick();
    reject();
  });
  connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCopyProgram::formCreate() {
  setWindowTitle(withProductName(QStringLiteral("Copy %s for a Friend")));
  m_lblCopy->setText(fillPercentS(
      QStringLiteral("Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a "
                     "friend.%sThe program's files are copied into a folder of that name at the top of the drive."),
      {installProductName(), QStringLiteral("\n\n")}));

  // Drives are named by their mount points; "drive A" is the first removable one.
  m_drives = m_context.services.drives.drives();
  const Drive driveA = m_context.services.drives.driveA();
  int selected = -1;
  for (std::size_t i = 0; i < m_drives.size(); ++i) {
    if (m_drives[i].root == driveA.root) selected = static_cast<int>(i);
  }
  if (selected < 0 && !driveA.root.isEmpty()) {
    m_drives.insert(m_drives.begin(), driveA);
    selected = 0;
  }
  {
    const QSignalBlocker quiet(m_cboDrive);
    for (const Drive& drive : m_drives) m_cboDrive->addItem(drive.root);
    m_cboDrive->setCurrentIndex(selected);
  }
  cboDriveChange();
  m_cboDrive->setFocus();
  makeRoomForText();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TfrmCopyProgram::makeRoomForText() {
  // The stand-in for "MS Sans Serif" can be wider or taller than the original, so the text may
  // need more lines than its place holds. The controls under it move down and the dialog grows
  // by the difference, keeping their order and the gaps between them.
  const int needed = m_lblCopy->heightForWidth(m_lblCopy->width());
  const int extra = needed - m_lblCopy->height();
  if (extra <= 0) return;
  m_lblCopy->resize(m_lblCopy->width(), needed);
  for (QWidget* below : std::initializer_list<QWidget*>{m_cboDrive, m_lblTarget, m_btnCopy, m_btnCancel})
    below->move(below->x(), below->y() + extra);
  m_tabMain->resize(m_tabMain->width(), m_tabMain->height() + extra);
  setFixedSize(width(), height() + extra);
}

QString TfrmCopyProgram::selectedRoot() const {
  const int index = m_cboDrive->currentIndex();
  return index >= 0 ? m_drives[static_cast<std::size_t>(index)].root : QString();
}

void TfrmCopyProgram::cboDriveChange() {
  const QString target = copyTargetFolder(selectedRoot());
  m_lblTarget->setText(target.isEmpty() ? QString() : QStringLiteral("Copy to folder ") + target);
  // A deep mount point does not fit the label; the hint shows it whole.
  m_lblTarget->setToolTip(target);
}

void TfrmCopyProgram::btnCopyClick() {
  MessageService& messages = m_context.services.messages;
  Beeper& beeper = m_context.services.beeper;
  const QString root = selectedRoot();
  switch (copyProgramFiles(m_context, copyTargetFolder(root))) {
    case CopyOutcome::SameFolder:
      messages.error(this, QStringLiteral("Cannot copy to the same directory this program is running from."));
      break;
    case CopyOutcome::DriveNotReady:
      beeper.beep(Beep::Exclamation);
      messages.error(this, fillPercentS(QStringLiteral("Error writing to drive %s. If this is a removable drive make "
                                                       "sure there is a disk in the drive and try again."),
                                        {root}));
      break;
    case CopyOutcome::MissingFile:
      beeper.beep(Beep::Exclamation);
      messages.error(this, QStringLiteral("One or more files are missing from the original installation. Please "
                                          "obtain a new copy from our web site."));
      break;
    case CopyOutcome::WriteError:
      beeper.beep(Beep::Exclamation);
      messages.error(this, QStringLiteral("An error occurred copying the files. Please make sure you have a disk in "
                                          "the floppy drive and try again."));
      break;
    case CopyOutcome::Done:
      beeper.beep(Beep::Default);
      messages.information(this, QStringLiteral("Done!"));
      break;
  }
}

void openCopyProgramDialog(ProgramContext& context, QWidget* parent) { TfrmCopyProgram::execute(context, parent); }

}  // namespace lunasoma
