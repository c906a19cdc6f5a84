// The gsettings desktops against the real gsettings and dconf, each command on a private session bus
// whose dconf database lives in the test's folder; the values are read back by another process.

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "platform/LinuxWallpaperService.h"
#include "platform/ProcessCommandRunner.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

using test::EnvironmentGuard;

// Runs every program through dbus-run-session: the bus and the dconf service it starts last as long
// as the command, and the database they write stays for the next.
class PrivateBusRunner : public CommandRunner {
 public:
  bool isAvailable(const QString& program) override { return m_real.isAvailable(program); }
  CommandResult run(const QString& program, const QStringList& arguments) override {
    return m_real.run(QStringLiteral("dbus-run-session"), QStringList{"--", program} + arguments);
  }

 private:
  ProcessCommandRunner m_real;
};

class RealGsettings : public ::testing::Test {
 protected:
  RealGsettings() {
    for (const char* folder : {"config", "cache", "run", "empty"}) QDir().mkpath(m_temp.path() + "/" + folder);
    test::writeFile(m_bitmap, "BM");
  }

  void SetUp() override {
    ASSERT_TRUE(m_runner.isAvailable("dbus-run-session")) << "tools/install-deps.sh installs it";
    ASSERT_TRUE(m_runner.isAvailable("gsettings")) << "tools/install-deps.sh installs it";
  }

  QString get(CommandRunner& runner, const QString& schema, const QString& key) {
    return runner.run("gsettings", {"get", schema, key}).output.trimmed();
  }

  test::TempFolder m_temp;
  // A folder name that gsettings prints between double quotes, with a character beyond ASCII.
  QString m_bitmap = m_temp.path() + QString::fromUtf8("/José's charts/Bio.bmp");
  QByteArray m_config = (m_temp.path() + "/config").toLocal8Bit();
  QByteArray m_cache = (m_temp.path() + "/cache").toLocal8Bit();
  QByteArray m_run = (m_temp.path() + "/run").toLocal8Bit();
  EnvironmentGuard m_configHome{"XDG_CONFIG_HOME", m_config.constData()};
  EnvironmentGuard m_cacheHome{"XDG_CACHE_HOME", m_cache.constData()};
  EnvironmentGuard m_runtimeDir{"XDG_RUNTIME_DIR", m_run.constData()};
  EnvironmentGuard m_backend{"GSETTINGS_BACKEND", "dconf"};
  EnvironmentGuard m_schemaDir{"GSETTINGS_SCHEMA_DIR", nullptr};
  PrivateBusRunner m_runner;
};

struct GsettingsRow {
  const char* name;
  const char* desktop;
  QString schema;
  QString pictureKey;
  bool byUri;
};

class RealGsettingsDesktop : public RealGsettings, public ::testing::WithParamInterface<GsettingsRow> {};

TEST_P(RealGsettingsDesktop, StoresTheFileAndModeWhereTheDesktopReadsThem) {
  const GsettingsRow& row = GetParam();
  LinuxWallpaperService service(m_runner, row.desktop);
  const QString expected = row.byUri ? LinuxWallpaperService::fileUri(m_bitmap) : m_bitmap;

  ASSERT_TRUE(service.setWallpaper(m_bitmap, true));
  EXPECT_EQ(LinuxWallpaperService::parseVariantString(get(m_runner, row.schema, row.pictureKey)), expected);
  EXPECT_EQ(get(m_runner, row.schema, "picture-options"), "'wallpaper'");

  ASSERT_TRUE(service.setWallpaper(m_bitmap, false));
  EXPECT_EQ(LinuxWallpaperService::parseVariantString(get(m_runner, row.schema, row.pictureKey)), expected);
  EXPECT_EQ(get(m_runner, row.schema, "picture-options"), "'centered'");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RealGsettingsDesktop,
    ::testing::Values(GsettingsRow{"gnome", "GNOME", "org.gnome.desktop.background", "picture-uri", true},
                      GsettingsRow{"mate", "MATE", "org.mate.background", "picture-filename", false},
                      GsettingsRow{"cinnamon", "X-Cinnamon", "org.cinnamon.desktop.background", "picture-uri", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RealGsettings, WithoutASessionBusIsARefusal) {
  ProcessCommandRunner noBus;
  const EnvironmentGuard memory("GSETTINGS_BACKEND", "memory");
  for (const char* desktop : {"GNOME", "MATE", "Cinnamon"}) {
    EXPECT_FALSE(LinuxWallpaperService(noBus, desktop).setWallpaper(m_bitmap, true)) << desktop;
  }
}

TEST_F(RealGsettings, WithoutTheSchemaIsARefusal) {
  const QByteArray empty = (m_temp.path() + "/empty").toLocal8Bit();
  const EnvironmentGuard schemas("GSETTINGS_SCHEMA_DIR", empty.constData());
  const EnvironmentGuard data("XDG_DATA_DIRS", empty.constData());
  for (const char* desktop : {"GNOME", "MATE", "Cinnamon"}) {
    EXPECT_FALSE(LinuxWallpaperService(m_runner, desktop).setWallpaper(m_bitmap, true)) << desktop;
  }
}

}  // namespace
}  // namespace lunasoma
