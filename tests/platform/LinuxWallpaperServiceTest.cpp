#include <wordexp.h>

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

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

// The settings a desktop draws from. As in dconf, xfconf and pcmanfm-qt, a value written equal to
// the one held announces nothing, so the desktop redraws only for a change.
struct DesktopSettings {
  std::map<QString, QString> values;
  std::map<QString, int> changes;
  void write(const QString& key, const QString& value) {
    if (values.count(key) != 0 && values[key] == value) return;
    values[key] = value;
    ++changes[key];
  }
  QString read(const QString& key) const {
    const auto found = values.find(key);
    return found == values.end() ? QStringLiteral("'file:///usr/share/backgrounds/default.png'") : found->second;
  }
};

// gsettings over settings that outlive each process, as dconf's do; keys are "schema key".
FakeRunner::Rule persistentGsettings(DesktopSettings& settings) {
  return [&settings](const QStringList& args) {
    const QString key = args.value(1) + " " + args.value(2);
    if (args.value(0) == "set") {
      settings.write(key, args.value(3));
      return exitWith(0);
    }
    return CommandResult{0, settings.read(key) + "\n"};
  };
}

const QString xfceImage = "/backdrop/screen0/monitor0/workspace0/last-image";
const QString xfceStyle = "/backdrop/screen0/monitor0/workspace0/image-style";

FakeRunner::Rule xfconf(DesktopSettings& settings) {
  return [&settings](const QStringList& args) {
    if (args.contains("-l")) return CommandResult{0, xfceImage + "\n" + xfceStyle + "\n/desktop-icons/style\n"};
    settings.write(args.value(args.indexOf("-p") + 1), args.value(args.indexOf("-s") + 1));
    return exitWith(0);
  };
}

// The running pcmanfm-qt takes only a file that exists.
FakeRunner::Rule pcmanfm(DesktopSettings& settings) {
  return [&settings](const QStringList& args) {
    const QString file = args.value(args.indexOf("--set-wallpaper") + 1);
    if (QFileInfo(file).isFile()) settings.write("pcmanfm-qt wallpaper", file);
    for (const QString& arg : args) {
      if (arg.startsWith("--wallpaper-mode=")) settings.write("pcmanfm-qt mode", arg.section('=', 1));
    }
    return exitWith(0);
  };
}

FakeRunner::Rule busWithNames(QStringList owned) {
  return [owned](const QStringList& args) {
    const bool owns = owned.contains(args.last().section(':', 1));
    return CommandResult{0, QString("method return\n   boolean ") + (owns ? "true" : "false") + "\n"};
  };
}

class WallpaperTest : public ::testing::Test {
 protected:
  WallpaperTest() { test::writeFile(m_bitmap, "BM"); }

  void installEveryDesktop() {
    m_runner.install("gsettings", persistentGsettings(m_settings));
    m_runner.install("xfconf-query", xfconf(m_settings));
    m_runner.install("pcmanfm-qt", pcmanfm(m_settings));
    m_runner.install("dbus-send", busWithNames({"org.pcmanfm.PCManFM"}));
    m_runner.install("swaymsg", [](const QStringList&) { return exitWith(0); });
  }

  test::TempFolder m_temp;
  QString m_bitmap = m_temp.path() + "/Bio.bmp";
  FakeRunner m_runner;
  DesktopSettings m_settings;
};

struct DesktopRow {
  const char* name;
  QString desktop;
  QString swaySocket;
  std::vector<Mechanism> expected;
};

class MechanismChoice : public ::testing::TestWithParam<DesktopRow> {};

TEST_P(MechanismChoice, FollowsTheDesktopTheSessionNames) {
  EXPECT_EQ(LinuxWallpaperService::mechanismsFor(GetParam().desktop, GetParam().swaySocket), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MechanismChoice,
    ::testing::Values(DesktopRow{"unknown", "", "", {}}, DesktopRow{"i3", "i3", "", {}},
                      DesktopRow{"swayWithoutSocket", "sway", "", {}},
                      DesktopRow{"gnome", "GNOME", "", {Mechanism::Gnome}},

                      DesktopRow{"budgieOnGnome", "Budgie:GNOME", "", {Mechanism::Gnome}},
                      DesktopRow{"unity", "Unity:Unity7:ubuntu", "", {Mechanism::Gnome}},
                      DesktopRow{"mate", "MATE", "", {Mechanism::Mate}},
                      DesktopRow{"cinnamon", "X-Cinnamon", "", {Mechanism::Cinnamon}},
                      DesktopRow{"plasmaLowerCase", "kde", "", {Mechanism::Plasma}},
                      DesktopRow{"lxqt", "LXQt", "", {Mechanism::Lxqt}},

                      DesktopRow{"wlrootsUnnamed", "", "/run/sway.sock", {Mechanism::Sway}},
                      DesktopRow{"swayInsideGnome", "GNOME", "/run/sway.sock", {Mechanism::Sway, Mechanism::Gnome}}),
    [](const auto& row) { return std::string(row.param.name); });

// Where no mechanism serves the session, another desktop's settings would take the picture and show
// it nowhere.
TEST_F(WallpaperTest, UnservedDesktopIsARefusalWithoutTouchingAnyDesktop) {
  installEveryDesktop();
  for (const char* desktop : {"", "i3", "sway", "Hyprland"}) {
    LinuxWallpaperService service(m_runner, desktop);
    EXPECT_FALSE(service.setWallpaper(m_bitmap, true)) << desktop;
  }
  EXPECT_TRUE(m_runner.runs().empty()) << m_runner.programsRun().join(' ').toStdString();
}

TEST_F(WallpaperTest, FileUriIsAbsoluteEncodedAndQuoteFree) {
  const QString uri = LinuxWallpaperService::fileUri("/tmp/it's a\\b#c.bmp");
  EXPECT_TRUE(uri.startsWith("file:///tmp/")) << uri.toStdString();
  for (const QChar c : QString(" '\"\\#")) EXPECT_FALSE(uri.contains(c)) << uri.toStdString();
  EXPECT_EQ(QUrl(uri).toLocalFile(), "/tmp/it's a\\b#c.bmp");
}

// Each desktop gets the file in its own key and form, shows it again on a second set in the same
// mode (the file keeps its name while the chart in it changes), and takes both modes.
struct SetRow {
  const char* name;
  QString desktop;
  QString pictureKey;
  std::function<QString(const QString&)> expected;
  QString modeKey;
  QString tiled;
  QString centred;
};

QString asUri(const QString& file) { return "'" + LinuxWallpaperService::fileUri(file) + "'"; }
QString asPath(const QString& file) { return "'" + file + "'"; }
QString plain(const QString& file) { return file; }

class DesktopSet : public WallpaperTest, public ::testing::WithParamInterface<SetRow> {};

TEST_P(DesktopSet, ShowsTheChartAgainOnEverySetInEitherMode) {
  const SetRow& row = GetParam();
  installEveryDesktop();
  LinuxWallpaperService service(m_runner, row.desktop);
  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  EXPECT_EQ(m_settings.values[row.pictureKey], row.expected(m_bitmap));
  EXPECT_EQ(m_settings.values[row.modeKey], row.tiled);

  const int changesBefore = m_settings.changes[row.pictureKey];
  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  EXPECT_GT(m_settings.changes[row.pictureKey], changesBefore) << "the second set announced no change";
  EXPECT_EQ(m_settings.values[row.pictureKey], row.expected(m_bitmap));

  ASSERT_TRUE(service.setWallpaper(m_bitmap, false));
  EXPECT_EQ(m_settings.values[row.modeKey], row.centred);
  EXPECT_EQ(m_settings.values[row.pictureKey], row.expected(m_bitmap));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DesktopSet,
    ::testing::Values(SetRow{"gnome", "GNOME", "org.gnome.desktop.background picture-uri", asUri,
                             "org.gnome.desktop.background picture-options", "'wallpaper'", "'centered'"},
                      SetRow{"gnomeDark", "GNOME", "org.gnome.desktop.background picture-uri-dark", asUri,
                             "org.gnome.desktop.background picture-options", "'wallpaper'", "'centered'"},
                      SetRow{"mate", "MATE", "org.mate.background picture-filename", asPath,
                             "org.mate.background picture-options", "'wallpaper'", "'centered'"},
                      SetRow{"cinnamon", "X-Cinnamon", "org.cinnamon.desktop.background picture-uri", asUri,
                             "org.cinnamon.desktop.background picture-options", "'wallpaper'", "'centered'"},
                      SetRow{"xfce", "XFCE", xfceImage, plain, xfceStyle, "2", "1"},
                      SetRow{"lxqt", "LXQt", "pcmanfm-qt wallpaper", plain, "pcmanfm-qt mode", "tile", "center"}),
    [](const auto& row) { return std::string(row.param.name); });

// Without a session bus gsettings keeps writes in memory for one process and exits with 0. Where an
// earlier set had stored the very file, reading it back proves nothing.
TEST_F(WallpaperTest, GsettingsThatForgetsIsARefusalEvenWhenItAlreadyHoldsTheFile) {
  const QString stored = asUri(m_bitmap) + "\n";
  m_runner.install("gsettings", [stored](const QStringList& args) {
    return args.value(0) == "set" ? exitWith(0) : CommandResult{0, stored};
  });
  EXPECT_FALSE(LinuxWallpaperService(m_runner, "GNOME").setWallpaper(m_bitmap, true));
}

TEST_F(WallpaperTest, OlderGnomeWithoutDarkKeyStillSucceeds) {
  const FakeRunner::Rule store = persistentGsettings(m_settings);
  m_runner.install("gsettings", [store](const QStringList& args) {
    return args.value(2) == "picture-uri-dark" ? exitWith(1) : store(args);
  });
  EXPECT_TRUE(LinuxWallpaperService(m_runner, "GNOME").setWallpaper(m_bitmap, true));
}

TEST_F(WallpaperTest, PlasmaScriptClearsTheImageBeforeWritingFileAndFillMode) {
  m_runner.install("dbus-send", [](const QStringList&) { return exitWith(0); });
  LinuxWallpaperService service(m_runner, "KDE");
  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  ASSERT_TRUE(service.setWallpaper(m_bitmap, false));
  ASSERT_EQ(m_runner.runs().size(), 2u);
  const QStringList tiled = m_runner.runs()[0].arguments;
  EXPECT_TRUE(tiled.contains("--print-reply"));
  EXPECT_TRUE(tiled.contains("--dest=org.kde.plasmashell"));
  const QString script = tiled.last();
  EXPECT_TRUE(script.startsWith("string:"));
  const qsizetype cleared = script.indexOf("writeConfig(\"Image\", \"\")");
  const qsizetype written =
      script.indexOf("writeConfig(\"Image\", \"" + LinuxWallpaperService::fileUri(m_bitmap) + "\")");
  EXPECT_GE(cleared, 0);
  EXPECT_GT(written, cleared);
  EXPECT_TRUE(script.contains("\"FillMode\", 3"));
  EXPECT_TRUE(m_runner.runs()[1].arguments.last().contains("\"FillMode\", 6"));
}

TEST_F(WallpaperTest, XfceWithoutBackdropsIsARefusal) {
  m_runner.install("xfconf-query", [](const QStringList&) { return CommandResult{0, "/desktop-icons/style\n"}; });
  EXPECT_FALSE(LinuxWallpaperService(m_runner, "XFCE").setWallpaper(m_bitmap, true));
}

TEST_F(WallpaperTest, LxqtWithoutItsDesktopRunningIsARefusal) {
  m_runner.install("pcmanfm-qt", pcmanfm(m_settings));
  m_runner.install("dbus-send", busWithNames({"org.freedesktop.Notifications"}));
  EXPECT_FALSE(LinuxWallpaperService(m_runner, "LXQt").setWallpaper(m_bitmap, true));
  EXPECT_FALSE(m_runner.programsRun().contains("pcmanfm-qt"));
}

// Sway joins a command's words and expands them as a shell would; the path must come through as
// the one word it is, with nothing run on the way (WRDE_NOCMD makes a command substitution an error).
TEST_F(WallpaperTest, SwayGetsThePathAsOneWordWhateverItHolds) {
  m_runner.install("swaymsg", [](const QStringList&) { return exitWith(0); });
  for (const QString folder : {"plain", "with space", "two  spaces", "q'uote", "dq\"uote", "back\\slash", "$(touch x)",
                               "`id`", "$HOME", "semi;colon,comma", "star*?[a]{b,c}~#%&|<>", "ünï"}) {
    const QString bitmap = m_temp.file(folder + "/Bio.bmp");
    test::writeFile(bitmap, "BM");
    LinuxWallpaperService service(m_runner, "sway", "/run/sway.sock");
    ASSERT_TRUE(service.setWallpaper(bitmap, false)) << folder.toStdString();
    const QStringList args = m_runner.runs().back().arguments;
    ASSERT_EQ(args.size(), 7);
    EXPECT_EQ(args.mid(0, 5), (QStringList{"-s", "/run/sway.sock", "output", "*", "bg"}));
    EXPECT_EQ(args[6], "center");
    // Sway takes the quotes off the word and escapes runs of spaces before expanding it.
    const QString word = args[5];
    ASSERT_TRUE(word.startsWith('"') && word.endsWith('"')) << word.toStdString();
    EXPECT_FALSE(word.contains("  ")) << word.toStdString();
    wordexp_t expanded{};
    ASSERT_EQ(wordexp(word.mid(1, word.size() - 2).toUtf8().constData(), &expanded, WRDE_NOCMD | WRDE_UNDEF), 0)
        << word.toStdString();
    ASSERT_EQ(expanded.we_wordc, 1u) << word.toStdString();
    EXPECT_EQ(QString::fromUtf8(expanded.we_wordv[0]), bitmap);
    wordfree(&expanded);
  }
  LinuxWallpaperService tiled(m_runner, "", "/run/sway.sock");
  ASSERT_TRUE(tiled.setWallpaper(m_bitmap, true));
  EXPECT_EQ(m_runner.runs().back().arguments.last(), "tile");
}

// On a named desktop another desktop's settings would "succeed" and change nothing on screen.
TEST_F(WallpaperTest, NamedDesktopDoesNotFallBackToOtherDesktops) {
  installEveryDesktop();
  m_runner.install("dbus-send", [](const QStringList&) { return exitWith(1); });
  EXPECT_FALSE(LinuxWallpaperService(m_runner, "KDE").setWallpaper(m_bitmap, true));
  EXPECT_EQ(m_runner.programsRun(), QStringList{"dbus-send"});
}

TEST_F(WallpaperTest, MissingMechanismIsARefusalWithoutRunningAnything) {
  for (const char* desktop : {"GNOME", "MATE", "Cinnamon", "KDE", "XFCE", "LXQt"}) {
    EXPECT_FALSE(LinuxWallpaperService(m_runner, desktop, "/run/sway.sock").setWallpaper(m_bitmap, true)) << desktop;
  }
  EXPECT_TRUE(m_runner.runs().empty());
}

TEST_F(WallpaperTest, MissingBitmapIsARefusal) {
  installEveryDesktop();
  EXPECT_FALSE(
      LinuxWallpaperService(m_runner, "GNOME", "/run/sway.sock").setWallpaper(m_temp.path() + "/gone.bmp", true));
  EXPECT_TRUE(m_runner.runs().empty());
}

struct PrintedRow {
  const char* printed;
  std::optional<QString> text;
};

TEST(GsettingsPrintedString, ReadsWhatGsettingsPrints) {
  const PrintedRow rows[] = {
      {"'/home/a/Bio.bmp'", QString("/home/a/Bio.bmp")},
      {"''", QString("")},
      {"\"/a/q'uote\"", QString("/a/q'uote")},

      {"\"/a/both\\\"and'x\"", QString("/a/both\"and'x")},
      {"'/a/back\\\\slash'", QString("/a/back\\slash")},

      {"'\\u00e9\\U0001f319'", QString::fromUtf8("é\xF0\x9F\x8C\x99")},
      {"'/home/josé'", QString::fromUtf8("/home/josé")},
      {"", std::nullopt},

      {"'open", std::nullopt},

      {"'a'b'", std::nullopt},
      {"'ends\\'", std::nullopt},
      {"'\\u00'", std::nullopt},

  };
  for (const PrintedRow& row : rows) {
    EXPECT_EQ(LinuxWallpaperService::parseVariantString(QString::fromUtf8(row.printed)), row.text) << row.printed;
  }
}

}  // namespace
}  // namespace lunasoma
