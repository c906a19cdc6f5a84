#include <QFile>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "platform/LinuxWallpaperService.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

using Mechanism = LinuxWallpaperService::Mechanism;

// Records every run; answers from a table of programs that are installed and a rule per program.
class FakeRunner : public CommandRunner {
 public:
  struct Run {
    QString program;
    QStringList arguments;
  };
  using Rule = std::function<CommandResult(const QStringList&)>;

  void install(const QString& program, Rule rule) { m_rules[program] = std::move(rule); }
  bool isAvailable(const QString& program) override { return m_rules.count(program) != 0; }
  CommandResult run(const QString& program, const QStringList& arguments) override {
    m_runs.push_back(Run{program, arguments});
    const auto rule = m_rules.find(program);
    return rule == m_rules.end() ? CommandResult{} : rule->second(arguments);
  }
  QStringList programsRun() const {
    QStringList programs;
    for (const Run& run : m_runs) programs << run.program;
    return programs;
  }
  const std::vector<Run>& runs() const { return m_runs; }

 private:
  std::map<QString, Rule> m_rules;
  std::vector<Run> m_runs;
};

CommandResult exitWith(int code) { return CommandResult{code, {}}; }

// gsettings backed by a store that outlives each process, as dconf is.
FakeRunner::Rule persistentGsettings(std::map<QString, QString>& store) {
  return [&store](const QStringList& args) {
    if (args.value(0) == "set") {
      store[args.value(2)] = args.value(3);
      return exitWith(0);
    }
    return CommandResult{0, store[args.value(2)] + "\n"};
  };
}

class WallpaperTest : public ::testing::Test {
 protected:
  WallpaperTest() {
    QFile file(m_bitmap);
    file.open(QIODevice::WriteOnly);
    file.write("BM");
  }

  test::TempFolder m_temp;
  QString m_bitmap = m_temp.path() + "/Bio.bmp";
  FakeRunner m_runner;
  std::map<QString, QString> m_gsettings;
};

struct DesktopRow {
  const char* name;
  QString desktop;
  std::vector<Mechanism> expected;
};

class MechanismOrder : public ::testing::TestWithParam<DesktopRow> {};

TEST_P(MechanismOrder, FollowsTheCurrentDesktop) {
  EXPECT_EQ(LinuxWallpaperService::mechanismsFor(GetParam().desktop), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MechanismOrder,
    ::testing::Values(DesktopRow{"unknown", "", {Mechanism::Gnome, Mechanism::Plasma, Mechanism::Xfce}},
                      DesktopRow{"otherDesktop", "LXQt", {Mechanism::Gnome, Mechanism::Plasma, Mechanism::Xfce}},
                      DesktopRow{"gnome", "GNOME", {Mechanism::Gnome}},
                      DesktopRow{"ubuntu", "ubuntu:GNOME", {Mechanism::Gnome}},
                      DesktopRow{"plasmaLowerCase", "kde", {Mechanism::Plasma}},
                      DesktopRow{"xfce", "XFCE", {Mechanism::Xfce}},
                      DesktopRow{"budgieOnGnome", "Budgie:GNOME", {Mechanism::Gnome}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WallpaperTest, FileUriIsAbsoluteEncodedAndQuoteFree) {
  const QString uri = LinuxWallpaperService::fileUri("/tmp/it's a\\b#c.bmp");
  EXPECT_TRUE(uri.startsWith("file:///tmp/")) << uri.toStdString();
  for (const QChar c : QString(" '\"\\#")) EXPECT_FALSE(uri.contains(c)) << uri.toStdString();
  EXPECT_EQ(QUrl(uri).toLocalFile(), "/tmp/it's a\\b#c.bmp");
}

TEST_F(WallpaperTest, GnomeSetsUriAndTiledOrCentredOption) {
  m_runner.install("gsettings", persistentGsettings(m_gsettings));
  LinuxWallpaperService service(m_runner, "GNOME");
  const QString uri = "'" + LinuxWallpaperService::fileUri(m_bitmap) + "'";

  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  EXPECT_EQ(m_gsettings["picture-uri"], uri);
  EXPECT_EQ(m_gsettings["picture-uri-dark"], uri);
  EXPECT_EQ(m_gsettings["picture-options"], "'wallpaper'");

  ASSERT_TRUE(service.setWallpaper(m_bitmap, false));
  EXPECT_EQ(m_gsettings["picture-options"], "'centered'");
  for (const FakeRunner::Run& run : m_runner.runs()) EXPECT_EQ(run.arguments.value(1), "org.gnome.desktop.background");
}

// Without a session bus gsettings keeps the value in memory for one process and exits with 0.
TEST_F(WallpaperTest, GnomeThatForgetsTheValueIsARefusal) {
  m_runner.install("gsettings", [](const QStringList& args) {
    return args.value(0) == "set" ? exitWith(0) : CommandResult{0, "'file:///usr/share/backgrounds/default.png'\n"};
  });
  LinuxWallpaperService service(m_runner, "GNOME");
  EXPECT_FALSE(service.setWallpaper(m_bitmap, false));
}

TEST_F(WallpaperTest, OlderGnomeWithoutDarkKeyStillSucceeds) {
  m_runner.install("gsettings", [this](const QStringList& args) {
    if (args.value(2) == "picture-uri-dark") return exitWith(1);
    return persistentGsettings(m_gsettings)(args);
  });
  LinuxWallpaperService service(m_runner, "GNOME");
  EXPECT_TRUE(service.setWallpaper(m_bitmap, true));
}

TEST_F(WallpaperTest, PlasmaScriptCarriesFileAndFillMode) {
  m_runner.install("dbus-send", [](const QStringList&) { return exitWith(0); });
  LinuxWallpaperService service(m_runner, "KDE");
  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  ASSERT_TRUE(service.setWallpaper(m_bitmap, false));
  ASSERT_EQ(m_runner.runs().size(), 2u);
  const QStringList tiled = m_runner.runs()[0].arguments;
  EXPECT_TRUE(tiled.contains("--print-reply"));
  EXPECT_TRUE(tiled.contains("--dest=org.kde.plasmashell"));
  EXPECT_TRUE(tiled.last().startsWith("string:"));
  EXPECT_TRUE(tiled.last().contains("\"" + LinuxWallpaperService::fileUri(m_bitmap) + "\""));
  EXPECT_TRUE(tiled.last().contains("\"FillMode\", 3"));
  EXPECT_TRUE(m_runner.runs()[1].arguments.last().contains("\"FillMode\", 6"));
}

TEST_F(WallpaperTest, XfceSetsEveryMonitorAndWorkspace) {
  std::map<QString, QString> properties;
  m_runner.install("xfconf-query", [&properties](const QStringList& args) {
    if (args.contains("-l")) {
      return CommandResult{0,
                           "/backdrop/screen0/monitor0/workspace0/last-image\n"
                           "/backdrop/screen0/monitor0/workspace0/image-style\n"
                           "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n"
                           "/desktop-icons/style\n"};
    }
    properties[args.value(args.indexOf("-p") + 1)] = args.value(args.indexOf("-s") + 1);
    return exitWith(0);
  });
  LinuxWallpaperService service(m_runner, "XFCE");
  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  EXPECT_EQ(properties, (std::map<QString, QString>{{"/backdrop/screen0/monitor0/workspace0/last-image", m_bitmap},
                                                    {"/backdrop/screen0/monitor0/workspace0/image-style", "2"},
                                                    {"/backdrop/screen0/monitorHDMI-1/workspace1/last-image", m_bitmap},
                                                    {"/backdrop/screen0/monitorHDMI-1/workspace1/image-style", "2"}}));
  ASSERT_TRUE(service.setWallpaper(m_bitmap, false));
  EXPECT_EQ(properties["/backdrop/screen0/monitor0/workspace0/image-style"], "1");
}

TEST_F(WallpaperTest, XfceWithoutBackdropsIsARefusal) {
  m_runner.install("xfconf-query", [](const QStringList&) { return CommandResult{0, "/desktop-icons/style\n"}; });
  LinuxWallpaperService service(m_runner, "XFCE");
  EXPECT_FALSE(service.setWallpaper(m_bitmap, true));
}

TEST_F(WallpaperTest, UnknownDesktopTriesInTurnUntilOneSucceeds) {
  m_runner.install("gsettings", [](const QStringList&) { return exitWith(1); });
  m_runner.install("dbus-send", [](const QStringList&) { return exitWith(0); });
  m_runner.install("xfconf-query", [](const QStringList&) { return exitWith(0); });
  LinuxWallpaperService service(m_runner, "");
  EXPECT_TRUE(service.setWallpaper(m_bitmap, true));
  EXPECT_EQ(m_runner.programsRun(), (QStringList{"gsettings", "dbus-send"}));
}

TEST_F(WallpaperTest, AllFailingIsARefusal) {
  for (const char* program : {"gsettings", "dbus-send", "xfconf-query"}) {
    m_runner.install(program, [](const QStringList&) { return CommandResult{}; });
  }
  LinuxWallpaperService service(m_runner, "");
  EXPECT_FALSE(service.setWallpaper(m_bitmap, false));
  EXPECT_EQ(m_runner.programsRun(), (QStringList{"gsettings", "dbus-send", "xfconf-query"}));
}

TEST_F(WallpaperTest, NothingAvailableIsARefusalWithoutRunningAnything) {
  LinuxWallpaperService service(m_runner, "");
  EXPECT_FALSE(service.setWallpaper(m_bitmap, true));
  EXPECT_TRUE(m_runner.runs().empty());
}

// On a known desktop another desktop's settings would "succeed" and change nothing on screen.
TEST_F(WallpaperTest, KnownDesktopDoesNotFallBackToOtherDesktops) {
  m_runner.install("gsettings", persistentGsettings(m_gsettings));
  m_runner.install("dbus-send", [](const QStringList&) { return exitWith(1); });
  LinuxWallpaperService service(m_runner, "KDE");
  EXPECT_FALSE(service.setWallpaper(m_bitmap, true));
  EXPECT_EQ(m_runner.programsRun(), QStringList{"dbus-send"});
}

TEST_F(WallpaperTest, MissingBitmapIsARefusal) {
  m_runner.install("gsettings", persistentGsettings(m_gsettings));
  LinuxWallpaperService service(m_runner, "GNOME");
  EXPECT_FALSE(service.setWallpaper(m_temp.path() + "/gone.bmp", true));
  EXPECT_TRUE(m_runner.runs().empty());
}

}  // namespace
}  // namespace lunasoma
