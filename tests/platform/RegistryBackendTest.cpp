// The behaviour every hive shares, run against the in-memory hive and the file-backed one. For the
// file, values are read back through a second HiveFile opened on the same path, so what is checked
// is what reached the disk.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

struct MemoryBackend {
  test::MemoryRegistry registry;
  Registry& writer() { return registry; }
  Registry& reader() { return registry; }
};

struct FileBackend {
  test::TempFolder folder;
  std::string path = folder.file("user.reg").toStdString();
  HiveFile file{path, std::string(CurrentUserRoot)};
  std::optional<HiveFile> reopened;
  Registry& writer() { return file; }
  Registry& reader() {
    reopened.emplace(path, std::string(CurrentUserRoot));
    return *reopened;
  }
};

template <typename Backend>
class RegistryBackendTest : public ::testing::Test {
 protected:
  Backend backend;
};

using Backends = ::testing::Types<MemoryBackend, FileBackend>;
TYPED_TEST_SUITE(RegistryBackendTest, Backends);

std::vector<std::uint8_t> countingBytes(std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  return bytes;
}

TYPED_TEST(RegistryBackendTest, EveryTypeComesBackAsWritten) {
  static constexpr char WithBreaksAndNul[] = "two\nlines\r\nand a NUL \0 inside";
  const std::vector<NamedRegistryValue> values{
      {"zero", RegistryValue{std::uint32_t{0}}},
      {"all ones", RegistryValue{std::uint32_t{0xFFFFFFFF}}},
      {"ten", RegistryValue{std::uint32_t{10}}},
      {"no bytes", RegistryValue{std::vector<std::uint8_t>{}}},
      {"day number", RegistryValue{std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0x6A, 0xE5, 0x40}}},
      {"long binary", RegistryValue{countingBytes(300)}},
      {"empty text", RegistryValue{std::string()}},
      {"path with quotes", RegistryValue{std::string("C:\\Program Files\\\"Luna\"\\")}},
      {"non-ASCII", RegistryValue{std::string("Gr\xC3\xBC\xC3\x9F"
                                              "e \xE2\x82\xAC \xF0\x9F\x8C\x99")}},
      {"line breaks", RegistryValue{std::string(WithBreaksAndNul, sizeof WithBreaksAndNul - 1)}},
      {"Name \"with\" \\ odd = characters ]", RegistryValue{std::string("x")}},
      {"", RegistryValue{std::string("the default value")}},
  };
  this->backend.writer().writeValues("Software\\Test", values);

  Registry& reader = this->backend.reader();
  std::vector<std::string> expectedNames;
  for (const NamedRegistryValue& value : values) {
    SCOPED_TRACE(value.name);
    EXPECT_EQ(reader.readValue("Software\\Test", value.name), value.value);
    expectedNames.push_back(value.name);
  }
  EXPECT_EQ(reader.valueNames("Software\\Test"), expectedNames);
}

TYPED_TEST(RegistryBackendTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
  Registry& writer = this->backend.writer();
  writer.writeDword("Software\\Corvanti\\Lunasoma", "ShowHints", 1);
  writer.writeDword("SOFTWARE\\corvanti\\LUNASOMA", "SHOWHINTS", 0);

  Registry& reader = this->backend.reader();
  EXPECT_EQ(reader.readDword("software\\CORVANTI\\lunasoma", "showhints"), 0u);
  EXPECT_EQ(reader.valueNames("Software\\Corvanti\\Lunasoma"), std::vector<std::string>{"ShowHints"});
  EXPECT_EQ(reader.subkeyNames("software\\corvanti"), std::vector<std::string>{"Lunasoma"});
  EXPECT_EQ(reader.subkeyNames("SOFTWARE"), std::vector<std::string>{"Corvanti"});
}

TYPED_TEST(RegistryBackendTest, LeadingAndDoubledBackslashesNameTheSameKey) {
  this->backend.writer().writeString("\\Software\\\\Corvanti\\", "Name", "value");

  Registry& reader = this->backend.reader();
  EXPECT_EQ(reader.readString("Software\\Corvanti", "Name"), "value");
  EXPECT_TRUE(reader.keyExists("\\Software\\Corvanti"));
  EXPECT_EQ(reader.subkeyNames(""), std::vector<std::string>{"Software"});
  EXPECT_EQ(reader.subkeyNames("\\"), std::vector<std::string>{"Software"});
}

TYPED_TEST(RegistryBackendTest, AValueOfAnotherTypeReadsAsAbsent) {
  Registry& writer = this->backend.writer();
  writer.writeString("Key", "Range", "2");
  writer.writeDword("Key", "Birth", 5);
  writer.writeBinary("Key", "Name", {0x41, 0x00});

  Registry& reader = this->backend.reader();
  EXPECT_EQ(reader.readDword("Key", "Range"), std::nullopt);
  EXPECT_EQ(reader.readBinary("Key", "Range"), std::nullopt);
  EXPECT_EQ(reader.readString("Key", "Range"), "2");
  EXPECT_EQ(reader.readBinary("Key", "Birth"), std::nullopt);
  EXPECT_EQ(reader.readString("Key", "Name"), std::nullopt);
  EXPECT_EQ(reader.readDword("Key", "Missing"), std::nullopt);
  EXPECT_EQ(reader.readDword("No such key", "Range"), std::nullopt);
}

TYPED_TEST(RegistryBackendTest, KeysExistWithTheirParentsAndGoWithEverythingBelow) {
  Registry& writer = this->backend.writer();
  writer.createKey("A\\B\\C");
  writer.writeDword("A\\B\\C", "deep", 1);
  writer.writeDword("A\\B", "middle", 2);
  writer.writeDword("A\\BB", "sibling", 3);
  EXPECT_TRUE(this->backend.reader().keyExists("a"));
  EXPECT_EQ(this->backend.reader().subkeyNames("A"), (std::vector<std::string>{"B", "BB"}));

  EXPECT_TRUE(writer.deleteKey("a\\b"));
  EXPECT_FALSE(writer.deleteKey("A\\B"));
  Registry& reader = this->backend.reader();
  EXPECT_FALSE(reader.keyExists("A\\B\\C"));
  EXPECT_FALSE(reader.keyExists("A\\B"));
  EXPECT_EQ(reader.readDword("A\\BB", "sibling"), 3u);
  EXPECT_EQ(reader.subkeyNames("A"), std::vector<std::string>{"BB"});
}

TYPED_TEST(RegistryBackendTest, DeletingAValueLeavesItsNeighbours) {
  Registry& writer = this->backend.writer();
  writer.writeValues("Key", {{"first", RegistryValue{std::uint32_t{1}}},
                             {"second", RegistryValue{std::uint32_t{2}}},
                             {"third", RegistryValue{std::uint32_t{3}}}});
  EXPECT_TRUE(writer.deleteValue("KEY", "SECOND"));
  EXPECT_FALSE(writer.deleteValue("Key", "second"));

  Registry& reader = this->backend.reader();
  EXPECT_EQ(reader.valueNames("Key"), (std::vector<std::string>{"first", "third"}));
  EXPECT_EQ(reader.readDword("Key", "third"), 3u);
}

TYPED_TEST(RegistryBackendTest, AValueTheHiveCannotHoldStopsTheWholeWrite) {
  struct Row {
    const char* label;
    NamedRegistryValue refused;
  };
  const Row rows[]{
      {"line break in a name", {"two\nlines", RegistryValue{std::uint32_t{1}}}},
      {"line break in text that is not UTF-8", {"Broken", RegistryValue{std::string("\xFF\n")}}},
  };
  Registry& writer = this->backend.writer();
  writer.writeDword("Key", "kept", 1);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      writer.writeValues("Key", {{"kept", RegistryValue{std::uint32_t{2}}}, row.refused});
      ADD_FAILURE() << "the write was accepted";
    } catch (const RegistryValueError& error) {
      EXPECT_EQ(error.valueName(), row.refused.name);
    }
    EXPECT_EQ(this->backend.reader().readDword("Key", "kept"), 1u);
  }
  EXPECT_THROW(writer.createKey("Key\\with a\nbreak"), RegistryError);
}

}  // namespace
}  // namespace lunasoma
