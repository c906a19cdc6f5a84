#include <gtest/gtest.h>

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "tests/support/FakeHostServices.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

constexpr DayNumber Today = 46000;  // 9 December 2025

std::vector<std::uint8_t> bytesOfDouble(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  std::vector<std::uint8_t> bytes(8);
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return bytes;
}

BiorhythmSettings defaultsOn(DayNumber today) {
  BiorhythmSettings settings;
  settings.Birth = today;
  settings.Start = today;
  return settings;
}

std::string contentsOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(SettingsStoreTest, AnEmptyStoreGivesTheDefaultsWithTodayForBothDates) {
  test::MemoryRegistry hive;
  BiorhythmSettings settings;
  settings.Range = 5;  // whatever the record held before is replaced
  settings.RecExportFileName = "old.bmp";
  loadSettings(settings, hive, Today);
  EXPECT_EQ(settings, defaultsOn(Today));
  EXPECT_EQ(settings.RecExportFileName, "Bio.BMP");
}

// The defaults as a first run stores them, written out here rather than taken from the record,
// so that a changed default in the record fails this test.
TEST(SettingsStoreTest, AFirstRunStoresTheDefaultOfEveryValue) {
  struct Row {
    const char* name;
    RegistryValue stored;
  };
  const auto dword = [](std::uint32_t n) { return RegistryValue{n}; };
  const Row rows[]{
      {"Left", dword(0)},
      {"Top", dword(0)},
      {"Right", dword(640)},
      {"Bottom", dword(480)},
      {"WindowState", dword(0)},
      {"Range", dword(2)},
      {"Style", dword(0)},
      {"ShowPhysical", dword(1)},
      {"ShowMental", dword(1)},
      {"ShowEmotional", dword(1)},
      {"ShowOverall", dword(1)},
      {"ShowLines", dword(0)},
      {"WidthPhysical", dword(3)},
      {"WidthMental", dword(3)},
      {"WidthEmotional", dword(3)},
      {"WidthOverall", dword(6)},
      {"ColorPhysical", dword(10)},
      {"ColorMental", dword(14)},
      {"ColorEmotional", dword(9)},
      {"ColorOverall", dword(11)},
      {"ColorText", dword(15)},
      {"ColorBack", dword(6)},
      {"Birth", RegistryValue{bytesOfDouble(Today)}},
      {"Start", RegistryValue{bytesOfDouble(Today)}},
      {"DivLeft", dword(20)},
      {"RecExportFileName", RegistryValue{std::string("Bio.BMP")}},
      {"RecExportIndex", dword(1)},
      {"ShowHints", dword(1)},
      {"HideFlashScreen", dword(0)},
      {"SaveStartDate", dword(0)},
  };
  ASSERT_EQ(std::size(rows), settingsTable().size());

  test::MemoryRegistry hive;
  BiorhythmSettings settings;
  loadSettings(settings, hive, Today);
  saveSettings(settings, hive, "/opt/Lunasoma");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(hive.readValue(SettingsKeyPath, row.name), row.stored);
  }
}

TEST(SettingsStoreTest, SavingWritesAppPathVersionAndEveryFieldInLoadOrder) {
  test::MemoryRegistry hive;
  saveSettings(defaultsOn(Today), hive, "/opt/Lunasoma/");

  std::vector<std::string> expected{"AppPath", "Version"};
  for (const SettingRow& row : settingsTable()) expected.emplace_back(row.name);
  EXPECT_EQ(hive.valueNames(SettingsKeyPath), expected);
  EXPECT_EQ(expected.size(), 32u);
  EXPECT_EQ(hive.readString(SettingsKeyPath, "AppPath"), "/opt/Lunasoma");
  EXPECT_EQ(hive.readString(SettingsKeyPath, "Version"), "1.0");
  for (const SettingRow& row : settingsTable()) {
    SCOPED_TRACE(std::string(row.name));
    const std::optional<RegistryValue> value = hive.readValue(SettingsKeyPath, row.name);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type(), row.type);
  }
  EXPECT_EQ(hive.readBinary(SettingsKeyPath, "Birth"), bytesOfDouble(Today));
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "ShowHints"), 1u);
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "ShowLines"), 0u);
}

TEST(SettingsStoreTest, EveryFieldSurvivesASaveAndLoadThroughTheFile) {
  test::TempFolder folder;
  const std::string path = folder.file("user.reg").toStdString();
  // Every field away from its default; Birth keeps a time of day as stored.
  const BiorhythmSettings saved{{-1200, -5, 2147483647, -2147483647 - 1},
                                WindowShowState::Maximized,
                                7,
                                ChartStyle::HighLow,
                                false,
                                false,
                                false,
                                false,
                                true,
                                0,
                                9,
                                1,
                                2,
                                0,
                                1,
                                2,
                                3,
                                4,
                                5,
                                12345.75,
                                -693593,
                                100,
                                "/home/user/Charts/\"Mine\" \\ Gr\xC3\xBC\xC3\x9F"
                                "e.bmp",
                                255,
                                false,
                                true,
                                true};
  {
    HiveFile hive(path, std::string(CurrentUserRoot));
    saveSettings(saved, hive, "/opt/Lunasoma");
  }
  BiorhythmSettings loaded;
  loadSettings(loaded, HiveFile(path, std::string(CurrentUserRoot)), Today);
  EXPECT_EQ(loaded, saved);
}

TEST(SettingsStoreTest, StoredValuesAreTruncatedCheckedOrReplacedByTheirDefault) {
  struct Row {
    const char* label;
    std::string name;
    RegistryValue stored;
    std::function<void(BiorhythmSettings&)> expect;  // applied to the defaults
  };
  const auto dword = [](std::uint32_t n) { return RegistryValue{n}; };
  const auto binary = [](std::vector<std::uint8_t> b) { return RegistryValue{std::move(b)}; };
  const Row rows[]{
      {"Range stored as text", "Range", RegistryValue{std::string("5")}, [](BiorhythmSettings&) {}},
      {"Range keeps its low 8 bits", "Range", dword(261), [](BiorhythmSettings& s) { s.Range = 5; }},
      {"Range above 7", "Range", dword(8), [](BiorhythmSettings&) {}},
      {"WidthOverall 262 is 6", "WidthOverall", dword(262), [](BiorhythmSettings& s) { s.WidthOverall = 6; }},
      {"WidthPhysical 265 is 9", "WidthPhysical", dword(265), [](BiorhythmSettings& s) { s.WidthPhysical = 9; }},
      {"WidthPhysical above 9", "WidthPhysical", dword(10), [](BiorhythmSettings&) {}},
      {"ColorText 271 is 15", "ColorText", dword(271), [](BiorhythmSettings& s) { s.ColorText = 15; }},
      {"ColorBack above 15", "ColorBack", dword(16), [](BiorhythmSettings&) {}},
      {"Style above 1", "Style", dword(2), [](BiorhythmSettings&) {}},
      {"DivLeft of 100", "DivLeft", dword(100), [](BiorhythmSettings& s) { s.DivLeft = 100; }},
      {"DivLeft above 100", "DivLeft", dword(101), [](BiorhythmSettings&) {}},
      {"WindowState above 2", "WindowState", dword(3), [](BiorhythmSettings&) {}},
      {"RecExportIndex keeps its low 8 bits unchecked", "RecExportIndex", dword(300),
       [](BiorhythmSettings& s) { s.RecExportIndex = 44; }},
      {"ShowHints 5 is true", "ShowHints", dword(5), [](BiorhythmSettings& s) { s.ShowHints = true; }},
      {"ShowLines 256 is true", "ShowLines", dword(256), [](BiorhythmSettings& s) { s.ShowLines = true; }},
      {"ShowPhysical 0 is false", "ShowPhysical", dword(0), [](BiorhythmSettings& s) { s.ShowPhysical = false; }},
      {"ShowLines stored as binary", "ShowLines", binary({1, 0, 0, 0}), [](BiorhythmSettings&) {}},
      {"negative Left", "Left", dword(0xFFFFFFF6), [](BiorhythmSettings& s) { s.Bounds.left = -10; }},
      {"Bottom as text", "Bottom", RegistryValue{std::string("480")}, [](BiorhythmSettings&) {}},
      {"Birth of 4 bytes", "Birth", binary({0, 0, 0x80, 0x3F}), [](BiorhythmSettings&) {}},
      {"Birth of 9 bytes", "Birth", binary({0, 0, 0, 0, 0, 0x6A, 0xE5, 0x40, 0}), [](BiorhythmSettings&) {}},
      {"Birth as a number", "Birth", dword(30000), [](BiorhythmSettings&) {}},
      {"Birth of 8 bytes", "Birth", binary(bytesOfDouble(30000.5)), [](BiorhythmSettings& s) { s.Birth = 30000.5; }},
      {"Birth not a number", "Birth", binary(bytesOfDouble(std::nan(""))), [](BiorhythmSettings&) {}},
      {"Birth infinite", "Birth", binary(bytesOfDouble(std::numeric_limits<double>::infinity())),
       [](BiorhythmSettings&) {}},
      {"Birth after the year 9999", "Birth", binary(bytesOfDouble(lastDayNumber + 1)), [](BiorhythmSettings&) {}},
      {"Start on the last day, late", "Start", binary(bytesOfDouble(lastDayNumber + 0.9)),
       [](BiorhythmSettings& s) { s.Start = lastDayNumber + 0.9; }},
      {"Start before the year 1", "Start", binary(bytesOfDouble(firstDayNumber - 1)), [](BiorhythmSettings&) {}},
      {"RecExportFileName as a number", "RecExportFileName", dword(1), [](BiorhythmSettings&) {}},
      {"RecExportFileName empty", "RecExportFileName", RegistryValue{std::string()},
       [](BiorhythmSettings& s) { s.RecExportFileName.clear(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    test::MemoryRegistry hive;
    hive.writeValues(SettingsKeyPath, {{row.name, row.stored}});
    BiorhythmSettings loaded;
    loadSettings(loaded, hive, Today);
    BiorhythmSettings expected = defaultsOn(Today);
    row.expect(expected);
    EXPECT_EQ(loaded, expected);
  }
}

TEST(SettingsStoreTest, CodedFieldsReadAndWriteTheNumbersTheStoreHolds) {
  struct Row {
    const char* name;
    std::uint32_t stored;
    std::function<bool(const BiorhythmSettings&)> loaded;
  };
  const Row rows[]{
      {"Style", 0, [](const BiorhythmSettings& s) { return s.Style == ChartStyle::Line; }},
      {"Style", 1, [](const BiorhythmSettings& s) { return s.Style == ChartStyle::HighLow; }},
      {"WindowState", 0, [](const BiorhythmSettings& s) { return s.WindowState == WindowShowState::Normal; }},
      {"WindowState", 1, [](const BiorhythmSettings& s) { return s.WindowState == WindowShowState::Minimized; }},
      {"WindowState", 2, [](const BiorhythmSettings& s) { return s.WindowState == WindowShowState::Maximized; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.stored));
    test::MemoryRegistry hive;
    hive.writeDword(SettingsKeyPath, row.name, row.stored);
    BiorhythmSettings settings;
    loadSettings(settings, hive, Today);
    EXPECT_TRUE(row.loaded(settings));
    saveSettings(settings, hive, "/opt/Lunasoma");
    EXPECT_EQ(hive.readDword(SettingsKeyPath, row.name), row.stored);
  }
}

TEST(SettingsStoreTest, ABooleanIsSavedBackAsOneOrZero) {
  test::MemoryRegistry hive;
  hive.writeValues(SettingsKeyPath,
                   {{"ShowHints", RegistryValue{std::uint32_t{5}}}, {"ShowLines", RegistryValue{std::uint32_t{0}}}});
  BiorhythmSettings settings;
  loadSettings(settings, hive, Today);
  saveSettings(settings, hive, "/opt/Lunasoma");
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "ShowHints"), 1u);
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "ShowLines"), 0u);
}

TEST(SettingsStoreTest, LoadingNeverFailsEvenWhenEveryReadDoes) {
  class BrokenHive : public test::MemoryRegistry {
   public:
    std::optional<RegistryValue> readValue(std::string_view, std::string_view) const override {
      throw RegistryError("The disk is gone.");
    }
  };
  BrokenHive hive;
  BiorhythmSettings settings;
  loadSettings(settings, hive, Today);
  EXPECT_EQ(settings, defaultsOn(Today));
}

TEST(SettingsStoreTest, AFailedSaveNamesTheValueAndWritesNothing) {
  test::MemoryRegistry hive;
  hive.writeValues(SettingsKeyPath, {{"Range", RegistryValue{std::uint32_t{1}}}});
  hive.failWritesOf("Birth");
  BiorhythmSettings settings = defaultsOn(Today);
  settings.Range = 6;
  try {
    saveSettings(settings, hive, "/opt/Lunasoma");
    ADD_FAILURE() << "the save reported success";
  } catch (const SettingsError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'Birth'");
  }
  EXPECT_EQ(hive.valueNames(SettingsKeyPath), std::vector<std::string>{"Range"});
  EXPECT_EQ(hive.readDword(SettingsKeyPath, "Range"), 1u);
}

TEST(SettingsStoreTest, AFailedSaveGivesTheSystemsReasonOnTheNextLine) {
  // Each row spoils the folder of a hive that was saved once and returns what puts it right again.
  struct Row {
    const char* label;
    int error;
    bool evenForRoot;
    std::function<std::shared_ptr<void>(const std::string& folder, const std::string& path)> spoil;
  };
  const Row rows[]{
      {"the file is a folder", EISDIR, true,
       [](const std::string&, const std::string& path) {
         std::filesystem::remove(path);
         std::filesystem::create_directory(path);
         return std::shared_ptr<void>();
       }},
      {"the disk is full", EFBIG, true,
       [](const std::string&, const std::string&) {
         return std::shared_ptr<void>(std::make_shared<test::FileSizeLimit>(8));
       }},
      {"the file cannot be read", EACCES, false,
       [](const std::string&, const std::string& path) {
         chmod(path.c_str(), 0);
         return std::shared_ptr<void>(nullptr, [path](void*) { chmod(path.c_str(), 0600); });
       }},
      {"the folder is read-only", EACCES, false,
       [](const std::string& folder, const std::string&) {
         chmod(folder.c_str(), 0500);
         return std::shared_ptr<void>(nullptr, [folder](void*) { chmod(folder.c_str(), 0700); });
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    if (!row.evenForRoot && geteuid() == 0) continue;  // root reads and writes regardless
    test::TempFolder temporary;
    const std::string folder = temporary.path().toStdString() + "/hives";
    const std::string path = folder + "/user.reg";
    HiveFile hive(path, std::string(CurrentUserRoot));
    saveSettings(defaultsOn(Today), hive, "/opt/Lunasoma");
    const std::string before = contentsOf(path);
    BiorhythmSettings changed = defaultsOn(Today);
    changed.Range = 0;
    {
      const std::shared_ptr<void> spoiled = row.spoil(folder, path);
      try {
        saveSettings(changed, hive, "/opt/Lunasoma");
        ADD_FAILURE() << "the save reported success";
      } catch (const SettingsError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Failed to set data for 'AppPath'\n" + std::string(std::strerror(row.error)));
      }
    }
    if (row.error != EISDIR) {
      EXPECT_EQ(contentsOf(path), before);
    }
  }
}

TEST(SettingsStoreTest, AFileThatIsNoHiveAtAllIsKeptAsideAndTheUserToldOnce) {
  struct Row {
    const char* label;
    std::optional<std::string> contents;  // nullopt: no file
    bool warned;
  };
  const Row rows[]{
      {"binary junk",
       std::string("\x7F"
                   "ELF\x02\x01\0\0 junk",
                   13),
       true},
      {"text of another kind", "[Desktop Entry]\nName=x\n", true},
      {"a hive with lines no one can read",
       "Windows Registry Editor Version 5.00\n\n[-HKEY_CURRENT_USER\\X]\nnonsense\n", false},
      {"an empty file", "", false},
      {"no file yet", std::nullopt, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    test::TempFolder folder;
    const QString path = folder.file("user.reg");
    if (row.contents) test::writeFile(path, QByteArray::fromStdString(*row.contents));
    HiveFile hive(path.toStdString(), std::string(CurrentUserRoot));
    test::FakeMessageService messages;
    BiorhythmSettings settings;
    loadSettings(settings, hive, Today);
    warnOfUnreadableSettingsFile(hive, messages);
    warnOfUnreadableSettingsFile(hive, messages);  // told once only
    const QStringList copies = QDir(folder.path()).entryList({"user.reg.corrupt-*"}, QDir::Files);
    if (!row.warned) {
      EXPECT_TRUE(messages.boxes().empty()) << messages.texts().join('|').toStdString();
      EXPECT_TRUE(copies.empty());
      continue;
    }
    ASSERT_EQ(copies.size(), 1);
    const QString copy = folder.path() + "/" + copies.front();
    EXPECT_EQ(contentsOf(copy.toStdString()), *row.contents);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes().front().kind, test::FakeMessageService::Kind::Error);
    EXPECT_TRUE(messages.texts().front().contains("'" + path + "'")) << messages.texts().front().toStdString();
    EXPECT_TRUE(messages.texts().front().contains("'" + copy + "'")) << messages.texts().front().toStdString();

    // The save that follows replaces the file without keeping a second copy.
    saveSettings(settings, hive, "/opt/Lunasoma");
    EXPECT_EQ(QDir(folder.path()).entryList({"user.reg.corrupt-*"}, QDir::Files).size(), 1);
    EXPECT_EQ(HiveFile(path.toStdString(), std::string(CurrentUserRoot)).readDword(SettingsKeyPath, "Range"), 2u);
  }
}

// Two copies of the program on one hive: each close writes only what that copy changed, so a
// change the other copy saved survives unless both changed the same value (the later close wins).
TEST(SettingsStoreTest, TwoCopiesKeepEachOthersChanges) {
  constexpr DayNumber ThirdOfMay1990 = 32996;
  struct Row {
    const char* label;
    std::function<void(BiorhythmSettings&)> first;  // closes first
    std::function<void(BiorhythmSettings&)> second;
    std::function<void(BiorhythmSettings&)> expected;  // applied to what both loaded
  };
  const auto birth = [](DayNumber day) { return [day](BiorhythmSettings& s) { s.Birth = day; }; };
  const auto nothing = [](BiorhythmSettings&) {};
  const Row rows[]{
      {"the first changes the birth date, the second nothing", birth(ThirdOfMay1990), nothing, birth(ThirdOfMay1990)},
      {"the second changes the birth date, the first nothing", nothing, birth(ThirdOfMay1990), birth(ThirdOfMay1990)},
      {"each changes another value", [](BiorhythmSettings& s) { s.Range = 7; },
       [](BiorhythmSettings& s) {
         s.ColorBack = 0;
         s.RecExportFileName = "/home/me/chart.png";
       },
       [](BiorhythmSettings& s) {
         s.Range = 7;
         s.ColorBack = 0;
         s.RecExportFileName = "/home/me/chart.png";
       }},
      {"both change the same value", birth(ThirdOfMay1990), birth(ThirdOfMay1990 + 1), birth(ThirdOfMay1990 + 1)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    test::TempFolder folder;
    const std::string path = folder.file("user.reg").toStdString();
    HiveFile earlier(path, std::string(CurrentUserRoot));
    saveSettings(defaultsOn(Today - 3), earlier, "/opt/Lunasoma");

    HiveFile firstHive(path, std::string(CurrentUserRoot));
    HiveFile secondHive(path, std::string(CurrentUserRoot));
    BiorhythmSettings first;
    BiorhythmSettings second;
    const StoredSettings firstLoaded = loadSettings(first, firstHive, Today);
    const StoredSettings secondLoaded = loadSettings(second, secondHive, Today);
    row.first(first);
    row.second(second);
    saveSettings(first, firstHive, "/opt/Lunasoma", firstLoaded);
    saveSettings(second, secondHive, "/usr/lib/lunasoma", secondLoaded);

    BiorhythmSettings expected = defaultsOn(Today - 3);
    row.expected(expected);
    BiorhythmSettings reloaded;
    loadSettings(reloaded, HiveFile(path, std::string(CurrentUserRoot)), Today);
    EXPECT_EQ(reloaded, expected);
    EXPECT_EQ(secondHive.readString(SettingsKeyPath, "AppPath"), "/usr/lib/lunasoma") << "written at every close";
  }
}

// A first run writes every value, though none of them differs from its default.
TEST(SettingsStoreTest, AFirstRunWritesEveryValueEvenUnchanged) {
  test::MemoryRegistry hive;
  hive.writeString("Software\\Other", "Kept", "yes");
  BiorhythmSettings settings;
  const StoredSettings loaded = loadSettings(settings, hive, Today);
  saveSettings(settings, hive, "/opt/Lunasoma", loaded);
  EXPECT_EQ(hive.valueNames(SettingsKeyPath).size(), settingsTable().size() + 2);
}

// A settings file that cannot be read leaves the program on its defaults; the user hears so at
// start, once, with the file's name and the system's reason, in the box a corrupt file gets.
TEST(SettingsStoreTest, AFileThatCannotBeReadIsToldWithTheSystemsReason) {
  struct Row {
    const char* label;
    std::function<void(const std::string& path)> prepare;
    rlim_t sizeLimit;  // while the file is read and kept aside; 0 for none
    const char* told;  // with %1 for the file and %2 for the reason
    int error;
  };
  const Row rows[]{
      {"a folder in its place", [](const std::string& path) { std::filesystem::create_directory(path); }, 0,
       "The settings file '%1' could not be read: %2. The program starts with its default settings.", EISDIR},
      {"garbage that cannot be kept aside",
       [](const std::string& path) { std::ofstream(path) << std::string(64, 'x'); }, 16,
       "The settings file '%1' could not be read and could not be kept aside: %2. The program starts with its "
       "default settings.",
       EFBIG},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    test::TempFolder folder;
    const std::string path = folder.file("user.reg").toStdString();
    row.prepare(path);
    HiveFile hive(path, std::string(CurrentUserRoot));
    test::FakeMessageService messages;
    BiorhythmSettings settings;
    {
      std::optional<test::FileSizeLimit> limit;
      if (row.sizeLimit != 0) limit.emplace(row.sizeLimit);
      loadSettings(settings, hive, Today);
      warnOfUnreadableSettingsFile(hive, messages);
      warnOfUnreadableSettingsFile(hive, messages);
    }
    EXPECT_EQ(settings, defaultsOn(Today));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes().front().kind, test::FakeMessageService::Kind::Error);
    EXPECT_EQ(messages.texts().front(),
              QString::fromLatin1(row.told).arg(QString::fromStdString(path),
                                                QString::fromLocal8Bit(std::strerror(row.error))));
  }
}

TEST(SettingsStoreTest, AppPathLosesItsTrailingSeparatorButARootKeepsIt) {
  struct Row {
    const char* folder;
    const char* stored;
  };
  const Row rows[]{
      {"/opt/Lunasoma/", "/opt/Lunasoma"},
      {"/opt/Lunasoma", "/opt/Lunasoma"},
      {"/opt//", "/opt"},
      {"/", "/"},
      {"C:\\", "C:\\"},
      {"C:\\Lunasoma\\", "C:\\Lunasoma"},
      {"", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.folder);
    EXPECT_EQ(appPathValue(row.folder), row.stored);
  }
}

}  // namespace
}  // namespace lunasoma
