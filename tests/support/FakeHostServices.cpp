#include "tests/support/FakeHostServices.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace lunasoma::test {

namespace {

QString beepName(Beep kind) {
  switch (kind) {
    case Beep::Default:
      return QStringLiteral("Default");
    case Beep::Exclamation:
      return QStringLiteral("Exclamation");
    case Beep::Question:
      return QStringLiteral("Question");
    case Beep::Stop:
      return QStringLiteral("Stop");
    case Beep::Information:
      return QStringLiteral("Information");
  }
  return QStringLiteral("?");
}

QString kindName(FakeMessageService::Kind kind) {
  switch (kind) {
    case FakeMessageService::Kind::Information:
      return QStringLiteral("information");
    case FakeMessageService::Kind::Confirm:
      return QStringLiteral("confirm");
    case FakeMessageService::Kind::Error:
      return QStringLiteral("error");
  }
  return QStringLiteral("?");
}

bool offers(MessageButtons buttons, MessageButton button) { return buttons.testFlag(button); }

QString madeFolder(const QString& path) {
  QDir().mkpath(path);
  return path;
}

}  // namespace

void FakeMessageService::information(QWidget*, const QString& text) {
  record(Kind::Information, text, {}, MessageButton::Ok);
}

MessageButton FakeMessageService::confirm(QWidget*, const QString& text, MessageButtons buttons) {
  MessageButton fallback = MessageButton::Cancel;
  if (offers(buttons, MessageButton::Yes)) {
    fallback = MessageButton::Yes;
  } else if (offers(buttons, MessageButton::Ok)) {
    fallback = MessageButton::Ok;
  }
  const MessageButton answer = nextAnswer(text, buttons, fallback);
  record(Kind::Confirm, text, buttons, answer);
  return answer;
}

MessageButton FakeMessageService::errorChoice(QWidget*, const QString& text, MessageButtons buttons) {
  const MessageButton answer = nextAnswer(text, buttons | MessageButton::Cancel, MessageButton::Cancel);
  record(Kind::Error, text, buttons, answer);
  return answer;
}

MessageButton FakeMessageService::nextAnswer(const QString& text, MessageButtons buttons, MessageButton fallback) {
  MessageButton answer = fallback;
  if (!m_answers.empty()) {
    answer = m_answers.front();
    m_answers.pop_front();
  } else if (m_defaultAnswer) {
    answer = *m_defaultAnswer;
  }
  // A scripted answer the box could not have given means the test and the code disagree about the
  // question being asked; say so rather than let the test pass on an impossible path.
  if (!offers(buttons, answer)) {
    ADD_FAILURE() << "The box \"" << text.toStdString() << "\" offers buttons " << buttons.toInt()
                  << " but was answered with " << static_cast<int>(answer);
  }
  return answer;
}

void FakeMessageService::error(QWidget*, const QString& text) { record(Kind::Error, text, {}, MessageButton::Ok); }

void FakeMessageService::queueAnswers(std::initializer_list<MessageButton> answers) {
  m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

QStringList FakeMessageService::texts() const {
  QStringList texts;
  for (const Box& box : m_boxes) texts << box.text;
  return texts;
}

int FakeMessageService::count(Kind kind) const {
  int n = 0;
  for (const Box& box : m_boxes) n += box.kind == kind ? 1 : 0;
  return n;
}

void FakeMessageService::record(Kind kind, const QString& text, MessageButtons buttons, MessageButton answer) {
  m_boxes.push_back(Box{kind, text, buttons, answer});
  if (m_journal) *m_journal << kindName(kind) + QLatin1Char(' ') + text;
}

void FakeBeeper::beep(Beep kind) {
  m_beeps.push_back(kind);
  if (m_journal) *m_journal << QStringLiteral("beep ") + beepName(kind);
}

bool FakeShell::openUrl(const QString& address) {
  m_calls.push_back(Call{Kind::Url, address, {}});
  return m_result;
}

bool FakeShell::openFolder(const QString& folder) {
  m_calls.push_back(Call{Kind::Folder, folder, {}});
  return m_result;
}

bool FakeShell::startProgram(const QString& program, const QStringList& arguments) {
  m_calls.push_back(Call{Kind::Program, program, arguments});
  return m_result;
}

bool FakeWallpaper::setWallpaper(const QString& bitmapFile, bool tiled) {
  m_calls.push_back(Call{bitmapFile, tiled});
  if (m_onCall) m_onCall(m_calls.back());
  return m_result;
}

FakeFolders::FakeFolders(const QString& root)
    : m_programs(madeFolder(root + "/Programs")),
      m_startup(madeFolder(root + "/Startup")),
      m_desktop(madeFolder(root + "/Desktop")),
      m_programFiles(madeFolder(root + "/Program Files")),
      m_windows(madeFolder(root + "/Windows") + "/"),
      m_system(madeFolder(root + "/System") + "/"),
      m_temp(madeFolder(root + "/Temp") + "/") {}

QString FakeFolders::programsFolder() {
  ++m_shellFolderReads;
  return m_programs;
}

QString FakeFolders::startupFolder() {
  ++m_shellFolderReads;
  return m_startup;
}

QString FakeFolders::desktopFolder() {
  ++m_shellFolderReads;
  return m_desktop;
}

FakeDrives::FakeDrives(const QString& root)
    : m_drives{Drive{madeFolder(root + "/floppy"), QStringLiteral("floppy"), true},
               Drive{madeFolder(root + "/disk"), QStringLiteral("disk"), false}} {}

Drive FakeDrives::driveA() {
  for (const Drive& drive : m_drives) {
    if (drive.removable) return drive;
  }
  return m_drives.empty() ? Drive{} : m_drives.front();
}

bool FakeHelp::showContents(QWidget*, const QString& helpFile) {
  m_shownFiles << helpFile;
  if (m_forcedResult) return *m_forcedResult;
  const QFileInfo info(helpFile);
  return info.isFile() && info.isReadable();
}

FakeHostServices::FakeHostServices() : folders(root.path() + "/folders"), drives(root.path() + "/drives") {
  machineHive.createKey("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
}

HostServices FakeHostServices::services() {
  return HostServices{userHive,  machineHive, messages, beeper, shell, shortcuts,
                      wallpaper, folders,     drives,   system, help};
}

}  // namespace lunasoma::test
