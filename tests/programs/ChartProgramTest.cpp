// lunasoma-chart run as a script runs it: what it writes for each kind of request, the exit code
// and the one line on standard error for each request it refuses, and the files it leaves (or,
// when it cannot write, does not leave) behind.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/SettingsStore.h"
#include "model/BiorhythmSettings.h"
#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "tests/programs/ProgramRun.h"
#include "tests/support/FileSizeLimit.h"

namespace lunasoma {
namespace {

using test::entriesOf;
using test::ProgramRun;
using test::ProgramSandbox;
using test::writeFile;

// The exit codes the program documents by using them.
constexpr int Drawn = 0;
constexpr int NotWritten = 1;
constexpr int BadRequest = 2;

const QString ChartProgramFile = QStringLiteral(LUNASOMA_CHART_PROGRAM);

class ChartProgram : public ::testing::Test {
 protected:
  // "{out}" in an argument stands for the folder the chart is written to.
  ProgramRun chart(QStringList arguments, std::function<void()> childModifier = {}, QString standardOutputFile = {}) {
    for (QString& argument : arguments) argument.replace("{out}", out.path());
    return test::runProgram(
        {ChartProgramFile, arguments, sandbox.environment(), out.path(), standardOutputFile, std::move(childModifier)});
  }

  ProgramSandbox sandbox;
  test::TempFolder out;
};

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString hexColor(std::uint32_t color) {
  return QStringLiteral("%1%2%3")
      .arg(paletteRed(color), 2, 16, QLatin1Char('0'))
      .arg(paletteGreen(color), 2, 16, QLatin1Char('0'))
      .arg(paletteBlue(color), 2, 16, QLatin1Char('0'))
      .toUpper();
}

TEST_F(ChartProgram, WritesEachKindOfFileItSupports) {
  struct Row {
    const char* name;
    QStringList arguments;
    QString file;      // in the output folder
    QByteArray magic;  // how the file begins
    QSize bitmapSize;  // empty for a PDF
  };
  const Row rows[] = {
      {"png at the default size",
       {"--birth", "1990-05-10", "--out", "{out}/chart.png"},
       "chart.png",
       "\x89PNG",
       {640, 400}},
      {"bmp at a given size",
       {"--birth", "1990-05-10", "--start", "2026-12-01", "--size", "320x200", "--out", "{out}/chart.bmp"},
       "chart.bmp",
       "BM",
       {320, 200}},
      {"upper-case ending", {"--birth", "1990-05-10", "--out", "{out}/CHART.PNG"}, "CHART.PNG", "\x89PNG", {640, 400}},
      {"pdf with every option",
       {"--birth", "1990-05-10", "--start", "2026-12-01", "--weeks", "8", "--style", "highlow", "--lines", "--out",
        "{out}/chart.pdf"},
       "chart.pdf",
       "%PDF-",
       {}},
      {"svg at a given size",
       {"--birth", "1990-05-10", "--size", "320x200", "--out", "{out}/chart.Svg"},
       "chart.Svg",
       "<?xml",
       {320, 200}},
      {"a name relative to the working folder",
       {"--birth", "1990-05-10", "--out", "relative.png"},
       "relative.png",
       "\x89PNG",
       {640, 400}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProgramRun run = chart(row.arguments);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, Drawn);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_EQ(run.err, QByteArray());
    const QString path = out.path() + "/" + row.file;
    EXPECT_TRUE(contentsOf(path).startsWith(row.magic));
    if (row.file.endsWith(".Svg")) {
      QSvgRenderer drawing(path);
      EXPECT_TRUE(drawing.isValid());
      EXPECT_EQ(drawing.viewBox(), QRect(QPoint(0, 0), row.bitmapSize));
      EXPECT_TRUE(contentsOf(path).contains("</text>")) << "texts stay text";
    } else if (!row.bitmapSize.isEmpty()) {
      EXPECT_EQ(QImage(path).size(), row.bitmapSize);
    }
    EXPECT_EQ(entriesOf(out.path()), QStringList{row.file}) << "nothing but the file";
    QFile::remove(path);
    EXPECT_EQ(entriesOf(sandbox.tempFolder()), QStringList()) << "no temporary file left";
  }
}

TEST_F(ChartProgram, PrintsTheDrawingCallsForOps) {
  struct Row {
    const char* name;
    QStringList arguments;
    QByteArray fill;  // the background, the first thing painted
  };
  const Row rows[] = {
      {"default size", {"--birth", "1990-05-10", "--ops"}, "fill 0 0 640 400\n"},
      {"given size", {"--ops", "--size", "1x8192", "--birth", "1990-05-10"}, "fill 0 0 1 8192\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProgramRun run = chart(row.arguments);
    EXPECT_EQ(run.exitCode, Drawn);
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_TRUE(run.out.startsWith("pen ")) << run.out.left(200).toStdString();
    EXPECT_TRUE(run.out.contains("\n" + row.fill)) << run.out.left(200).toStdString();
    EXPECT_TRUE(run.out.endsWith('\n'));
    EXPECT_EQ(entriesOf(out.path()), QStringList()) << "--ops writes no file";
  }
  // The same request draws the same calls every time.
  EXPECT_EQ(chart({"--birth", "1990-05-10", "--start", "2026-12-01", "--ops"}).out,
            chart({"--birth", "1990-05-10", "--start", "2026-12-01", "--ops"}).out);
}

// --stored draws with the user's saved settings, read from the registry folder it is given, and
// writes nothing there: not the user's hive, and no machine hive.
TEST_F(ChartProgram, StoredDrawsWithTheSavedSettingsAndWritesNoHive) {
  const QString userHive = sandbox.registryFolder() + "/user.reg";
  BiorhythmSettings saved;
  saved.ColorBack = 3;
  ASSERT_NE(paletteColor(saved.ColorBack), paletteColor(BiorhythmSettings{}.ColorBack));
  {
    HiveFile hive(userHive.toStdString(), std::string(CurrentUserRoot));
    saveSettings(saved, hive, appPathValue("/opt/Lunasoma/"));
  }
  const QByteArray hiveBefore = contentsOf(userHive);
  ASSERT_FALSE(hiveBefore.isEmpty());
  const QStringList registryBefore = entriesOf(sandbox.registryFolder());
  ASSERT_FALSE(registryBefore.contains("system.reg"));

  const QStringList request{"--birth", "1990-05-10", "--start", "2026-12-01", "--ops"};
  const ProgramRun defaults = chart(request);
  const ProgramRun stored = chart(request + QStringList{"--stored"});
  EXPECT_EQ(stored.exitCode, Drawn);
  EXPECT_EQ(stored.err, QByteArray());
  EXPECT_TRUE(defaults.out.contains("\nbrush " + hexColor(paletteColor(BiorhythmSettings{}.ColorBack)).toLatin1() +
                                    "\nfill 0 0 640 400\n"));
  EXPECT_TRUE(
      stored.out.contains("\nbrush " + hexColor(paletteColor(saved.ColorBack)).toLatin1() + "\nfill 0 0 640 400\n"))
      << stored.out.left(200).toStdString();
  EXPECT_EQ(contentsOf(userHive), hiveBefore);
  EXPECT_EQ(entriesOf(sandbox.registryFolder()), registryBefore);
}

// A store it cannot read gives the defaults and stays exactly as it is: the chart tool only reads,
// so it neither sets the file aside nor creates the folder.
TEST_F(ChartProgram, StoredWithoutAReadableStoreDrawsTheDefaults) {
  const QStringList request{"--birth", "1990-05-10", "--start", "2026-12-01", "--ops"};
  const QByteArray defaults = chart(request).out;
  ASSERT_FALSE(defaults.isEmpty());
  const QString userHive = sandbox.registryFolder() + "/user.reg";
  struct Row {
    const char* name;
    std::function<void()> prepare;
    bool folderExists;
  };
  const Row rows[] = {
      {"no store", [] {}, true},
      {"garbage", [&] { writeFile(userHive, QByteArray("garbage\0\xff\n[[[", 13)); }, true},
      {"a folder in its place", [&] { QDir().mkpath(userHive + "/inside"); }, true},
      {"no registry folder", [&] { QDir(sandbox.registryFolder()).removeRecursively(); }, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QDir(sandbox.registryFolder()).removeRecursively();
    QDir().mkpath(sandbox.registryFolder());
    row.prepare();
    const QStringList before = entriesOf(sandbox.registryFolder());
    const QByteArray contents = contentsOf(userHive);
    const ProgramRun run = chart(request + QStringList{"--stored"});
    EXPECT_EQ(run.exitCode, Drawn);
    EXPECT_EQ(run.out, defaults);
    EXPECT_EQ(entriesOf(sandbox.registryFolder()), before);
    EXPECT_EQ(contentsOf(userHive), contents);
    EXPECT_EQ(QDir(sandbox.registryFolder()).exists(), row.folderExists);
  }
}

// The usage names every option, and a line of its own for each says what it does.
TEST_F(ChartProgram, UsageOnRequest) {
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const ProgramRun run = chart({option});
    EXPECT_EQ(run.exitCode, Drawn);
    EXPECT_TRUE(run.out.startsWith("usage: lunasoma-chart --birth YYYY-MM-DD ")) << run.out.toStdString();
    EXPECT_EQ(run.err, QByteArray());

    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    // The synopsis is the first two lines.
    QStringList named;
    static const QRegularExpression optionName(QStringLiteral("--[a-z]+"));
    for (const QString& line : lines.mid(0, 2)) {
      for (auto match = optionName.globalMatch(line); match.hasNext();) named.append(match.next().captured());
    }
    named.append(QStringLiteral("--help"));
    ASSERT_EQ(named.size(), 10);
    for (const QString& name : named) {
      // "  --weeks 1..8         how many weeks ...": the option, its value, and words saying what it does.
      const QRegularExpression described(QStringLiteral("^  %1\\b\\S*( \\S+)?\\s{2,}\\w+ \\w+").arg(name));
      EXPECT_EQ(lines.filter(described).size(), 1) << name.toStdString();
    }
  }
}

// A script's renderer needs no display: whatever the session's variables name, even an X server or
// a Wayland compositor that has gone, or no session at all, it draws the same picture and says
// nothing. Nor does the scale of the screen change a pixel.
TEST_F(ChartProgram, DrawsTheSamePictureWhateverTheDisplaySays) {
  const QStringList arguments{"--birth", "1990-05-10", "--start", "2026-12-01", "--size", "320x200", "--out"};
  ASSERT_EQ(chart(arguments + QStringList{"{out}/reference.png"}).exitCode, Drawn);
  const QImage reference(out.path() + QStringLiteral("/reference.png"));
  ASSERT_FALSE(reference.isNull());

  struct Row {
    const char* name;
    std::vector<std::pair<QString, QString>> set;  // an empty value removes the variable
  };
  const Row rows[] = {
      {"an X server that has gone", {{"DISPLAY", ":4711"}, {"QT_QPA_PLATFORM", ""}}},
      {"an X session whose display has gone",
       {{"DISPLAY", ":4711"}, {"XDG_SESSION_TYPE", "x11"}, {"QT_QPA_PLATFORM", "xcb"}}},
      {"a Wayland compositor that has gone",
       {{"WAYLAND_DISPLAY", "wayland-4711"}, {"XDG_SESSION_TYPE", "wayland"}, {"QT_QPA_PLATFORM", "wayland"}}},
      {"both, with a desktop theme",
       {{"DISPLAY", ":4711"},
        {"WAYLAND_DISPLAY", "wayland-4711"},
        {"QT_QPA_PLATFORM", ""},
        {"QT_QPA_PLATFORMTHEME", "gtk3"}}},
      {"no session and no runtime folder", {{"QT_QPA_PLATFORM", ""}, {"XDG_RUNTIME_DIR", ""}}},
      // The window's bitmap files are this drawing on any screen, so a scaled one changes nothing.
      {"a screen scaled twice", {{"QT_SCALE_FACTOR", "2"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QProcessEnvironment environment = sandbox.environment();
    for (const auto& [name, value] : row.set) {
      if (value.isEmpty()) {
        environment.remove(name);
      } else {
        environment.insert(name, value);
      }
    }
    const ProgramRun run = test::runProgram({ChartProgramFile,
                                             arguments + QStringList{out.path() + QStringLiteral("/chart.png")},
                                             environment,
                                             out.path(),
                                             {},
                                             {}});
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, Drawn);
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(QImage(out.path() + QStringLiteral("/chart.png")), reference);
    QFile::remove(out.path() + QStringLiteral("/chart.png"));
  }
}

// The picture speaks the user's language as the window does: English, character for character,
// under the C and English locales and where no translation matches.
TEST_F(ChartProgram, DrawsItsWordsInTheUsersLanguage) {
  struct Row {
    const char* name;
    std::vector<std::pair<QString, QString>> set;
    const char* header;
  };
  const Row rows[] = {
      {"the C locale", {{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, "Born on "},
      {"English", {{"LC_ALL", "en_US.UTF-8"}, {"LANGUAGE", ""}}, "Born on "},
      {"a language not shipped", {{"LC_ALL", "ja_JP.UTF-8"}, {"LANGUAGE", ""}}, "Born on "},
      {"German", {{"LC_ALL", "de_DE.UTF-8"}, {"LANGUAGE", ""}}, "Geboren am "},
      {"Russian by LANGUAGE", {{"LC_ALL", "de_DE.UTF-8"}, {"LANGUAGE", "ru"}}, "Дата рождения: "},
  };
  const QStringList request{"--birth", "1990-05-10", "--start", "2026-12-01", "--ops"};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QProcessEnvironment environment = sandbox.environment();
    for (const auto& [name, value] : row.set) environment.insert(name, value);
    const ProgramRun run = test::runProgram({ChartProgramFile, request, environment, out.path(), {}, {}});
    EXPECT_EQ(run.exitCode, Drawn);
    EXPECT_TRUE(run.out.contains(row.header)) << run.out.left(400).toStdString();
    EXPECT_EQ(run.out.contains("Born on "), QByteArray(row.header) == "Born on ");
  }
}

// A request it refuses ends with exit code 2 and one line naming the fault, before anything is
// drawn or written.
TEST_F(ChartProgram, RefusesBadRequestsWithExitCodeTwoAndOneLine) {
  struct Row {
    const char* name;
    QStringList arguments;
    QByteArray error;
  };
  const Row rows[] = {
      {"no arguments", {}, "--birth: required"},
      {"no birth", {"--out", "{out}/c.png"}, "--birth: required"},
      {"value missing at the end", {"--birth", "1990-05-10", "--weeks"}, "--weeks: a value is missing"},
      {"option where a value belongs",
       {"--out", "--birth", "1990-05-10"},
       "--out: the file name must end in .bmp, .png, .svg, .pdf or .csv: --birth"},
      {"no such day", {"--birth", "1990-02-30", "--ops"}, "--birth: not a date in the form YYYY-MM-DD: 1990-02-30"},
      {"short date",
       {"--birth", "1990-05-10", "--start", "2026-1-1", "--ops"},
       "--start: not a date in the form YYYY-MM-DD: 2026-1-1"},
      {"date with slashes",
       {"--birth", "1990/05/10", "--ops"},
       "--birth: not a date in the form YYYY-MM-DD: 1990/05/10"},
      {"no weeks", {"--birth", "1990-05-10", "--weeks", "0", "--ops"}, "--weeks: not a number from 1 to 8: 0"},
      {"nine weeks", {"--birth", "1990-05-10", "--weeks", "9", "--ops"}, "--weeks: not a number from 1 to 8: 9"},
      {"weeks not a number",
       {"--birth", "1990-05-10", "--weeks", "2x", "--ops"},
       "--weeks: not a number from 1 to 8: 2x"},
      {"unknown style",
       {"--birth", "1990-05-10", "--style", "bars", "--ops"},
       "--style: neither line nor highlow: bars"},
      {"style in capitals",
       {"--birth", "1990-05-10", "--style", "LINE", "--ops"},
       "--style: neither line nor highlow: LINE"},
      {"size without height",
       {"--birth", "1990-05-10", "--size", "640", "--ops"},
       "--size: not WIDTHxHEIGHT with each from 1 to 8192: 640"},
      {"zero width",
       {"--birth", "1990-05-10", "--size", "0x400", "--ops"},
       "--size: not WIDTHxHEIGHT with each from 1 to 8192: 0x400"},
      {"too high",
       {"--birth", "1990-05-10", "--size", "640x8193", "--ops"},
       "--size: not WIDTHxHEIGHT with each from 1 to 8192: 640x8193"},
      {"unknown file kind",
       {"--birth", "1990-05-10", "--out", "{out}/chart.jpg"},
       "--out: the file name must end in .bmp, .png, .svg, .pdf or .csv: {out}/chart.jpg"},
      {"neither out nor ops", {"--birth", "1990-05-10"}, "--out/--ops: give exactly one of them"},
      {"both out and ops",
       {"--birth", "1990-05-10", "--out", "{out}/c.png", "--ops"},
       "--out/--ops: give exactly one of them"},
      {"unknown argument", {"--birth", "1990-05-10", "--colour", "--ops"}, "unknown argument: --colour"},
      {"help among other arguments", {"--birth", "1990-05-10", "--help"}, "unknown argument: --help"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProgramRun run = chart(row.arguments);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, BadRequest);
    EXPECT_EQ(run.out, QByteArray());
    const QString error = QString::fromLatin1(row.error).replace("{out}", out.path());
    EXPECT_EQ(QString::fromLocal8Bit(run.err), "lunasoma-chart: " + error + "\n");
    EXPECT_EQ(entriesOf(out.path()), QStringList());
  }
}

// A file that cannot be written ends with exit code 1 and the reason, and leaves no file: neither
// the target nor a temporary one beside it or in the temporary folder.
TEST_F(ChartProgram, AnUnwritableTargetLeavesNothingBehind) {
  struct Row {
    const char* name;
    QString target;  // below the output folder
    QString reason;
  };
  writeFile(out.path() + "/a file", "not a folder");
  for (const char* taken : {"taken.png", "taken.bmp", "taken.svg", "taken.pdf"}) QDir(out.path()).mkdir(taken);
  const Row rows[] = {
      {"png in a missing folder", "missing/chart.png", QString::fromLocal8Bit(std::strerror(ENOENT))},
      {"pdf in a missing folder", "missing/chart.pdf", QString::fromLocal8Bit(std::strerror(ENOENT))},
      {"bmp below a file", "a file/chart.bmp", QString::fromLocal8Bit(std::strerror(ENOTDIR))},
      {"png over a folder", "taken.png", "Filename refers to a directory"},
      {"bmp over a folder", "taken.bmp", "Filename refers to a directory"},
      {"pdf over a folder", "taken.pdf", "Filename refers to a directory"},
      {"svg over a folder", "taken.svg", "Filename refers to a directory"},
  };
  const QStringList before = entriesOf(out.path());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString target = out.path() + "/" + row.target;
    const ProgramRun run = chart({"--birth", "1990-05-10", "--out", target});
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, NotWritten);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_EQ(QString::fromLocal8Bit(run.err), "lunasoma-chart: cannot write " + target + ": " + row.reason + "\n");
    EXPECT_EQ(entriesOf(out.path()), before);
    EXPECT_EQ(entriesOf(out.path() + "/taken.png"), QStringList());
    EXPECT_EQ(contentsOf(out.path() + "/a file"), "not a folder");
    EXPECT_EQ(entriesOf(sandbox.tempFolder()), QStringList());
  }
}

// In the child: every file it writes stops growing at 100 bytes, as on a full disk or under a
// file-size limit; the program must turn that into a failed write itself.
void fillTheDiskAt100Bytes() { test::limitFileSizeOfProgram(100); }

// A disk that fills while the chart is written keeps the file that was there, whole, and leaves no
// temporary file; the PDF fills the temporary folder first, a bitmap the target's own.
TEST_F(ChartProgram, AFullDiskKeepsTheExistingFile) {
  for (const QString name : {"chart.png", "chart.bmp", "chart.svg", "chart.pdf"}) {
    SCOPED_TRACE(name.toStdString());
    const QString target = out.path() + "/" + name;
    writeFile(target, "the chart of last week");
    const ProgramRun run = chart({"--birth", "1990-05-10", "--out", target}, fillTheDiskAt100Bytes);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, NotWritten);
    EXPECT_TRUE(run.err.startsWith("lunasoma-chart: cannot write " + target.toLocal8Bit() + ": "))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith('\n'));
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    if (!name.endsWith(".pdf")) {
      EXPECT_TRUE(run.err.contains(std::strerror(EFBIG))) << run.err.toStdString();
    }
    EXPECT_EQ(contentsOf(target), "the chart of last week");
    EXPECT_EQ(entriesOf(out.path()), QStringList{name});
    EXPECT_EQ(entriesOf(sandbox.tempFolder()), QStringList());
    QFile::remove(target);
  }
}

// Runs the chart program in folder with arguments given as bytes (QProcess would take them as
// text) and returns its exit code, or -1 when it did not end by itself.
int chartWithBytes(const std::vector<QByteArray>& arguments, const QProcessEnvironment& environment,
                   const QString& folder) {
  std::vector<QByteArray> words{QFile::encodeName(ChartProgramFile)};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<QByteArray> settings;
  for (const QString& setting : environment.toStringList()) settings.push_back(setting.toLocal8Bit());
  const QByteArray where = QFile::encodeName(folder);
  const pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (QByteArray& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (QByteArray& setting : settings) envp.push_back(setting.data());
    envp.push_back(nullptr);
    if (chdir(where.constData()) != 0) _exit(126);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The names in a folder as the file system holds them.
std::vector<QByteArray> namesIn(const QByteArray& folder) {
  std::vector<QByteArray> names;
  if (DIR* listing = opendir(folder.constData())) {
    while (const dirent* entry = readdir(listing)) {
      const QByteArray name(entry->d_name);
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(listing);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A name given on the command line that is not text in the system's encoding (an old Latin-1
// name, say) names the file written, byte for byte, in the folder it names.
TEST_F(ChartProgram, ANameInAnotherEncodingIsWrittenAsGiven) {
  struct Row {
    const char* label;
    QByteArray folder;  // below the output folder, made first; empty for the output folder itself
    QByteArray name;
    QByteArray magic;
  };
  const Row rows[] = {
      {"a png whose name is not UTF-8", "", "caf\xE9.png", "\x89PNG"},
      {"a pdf whose name is not UTF-8", "",
       "\xFC"
       "bersicht.pdf",
       "%PDF"},
      {"an svg in a folder whose name is not UTF-8", "d\xE9j\xE0", "chart.svg", "<?xml"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    test::TempFolder own;
    QByteArray folder = QFile::encodeName(own.path());
    if (!row.folder.isEmpty()) {
      folder += "/" + row.folder;
      ASSERT_EQ(mkdir(folder.constData(), 0700), 0);
    }
    const QByteArray target = folder + "/" + row.name;
    // The temporary folder cannot remove names it cannot spell.
    const std::shared_ptr<void> tidy(nullptr, [&](void*) {
      unlink(target.constData());
      if (!row.folder.isEmpty()) rmdir(folder.constData());
    });
    EXPECT_EQ(chartWithBytes({"--birth", "1990-05-10", "--out", target}, sandbox.environment(), own.path()), Drawn);
    EXPECT_EQ(namesIn(folder), std::vector<QByteArray>{row.name});
    QFile written;
    const int fd = open(target.constData(), O_RDONLY);
    ASSERT_GE(fd, 0) << "no file of that name";
    ASSERT_TRUE(written.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    EXPECT_TRUE(written.readAll().startsWith(row.magic));
    EXPECT_EQ(entriesOf(sandbox.tempFolder()), QStringList());
  }
}

// Drawing calls that cannot be written out are a failure too, with the reason: a script must not
// take an empty or cut-short list for the drawing.
TEST_F(ChartProgram, OpsThatCannotBeWrittenFail) {
  if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (const char* weeks : {"1", "8"}) {  // less and more than one buffer of output
    SCOPED_TRACE(weeks);
    const ProgramRun run = chart({"--birth", "1990-05-10", "--weeks", weeks, "--lines", "--ops"}, {}, "/dev/full");
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, NotWritten);
    EXPECT_EQ(QString::fromLocal8Bit(run.err), "lunasoma-chart: cannot write the drawing calls: " +
                                                   QString::fromLocal8Bit(std::strerror(ENOSPC)) + "\n");
  }
}

}  // namespace
}  // namespace lunasoma
