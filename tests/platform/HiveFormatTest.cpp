#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/Hive.h"
#include "platform/HiveFormat.h"

namespace lunasoma {
namespace {

HiveValue dwordValue(std::string name, std::uint32_t number) {
  return {std::move(name), RegistryValue{number}, std::nullopt};
}
HiveValue textValue(std::string name, std::string text) {
  return {std::move(name), RegistryValue{std::move(text)}, std::nullopt};
}
HiveValue binaryValue(std::string name, std::vector<std::uint8_t> bytes) {
  return {std::move(name), RegistryValue{std::move(bytes)}, std::nullopt};
}

// The hive every lenient spelling below stands for, built without the parser.
Hive referenceHive() {
  Hive hive;
  hive.setValue("Software\\Corvanti\\Lunasoma", dwordValue("Range", 10));
  hive.setValue("Software\\Corvanti\\Lunasoma", binaryValue("Birth", {0x00, 0x00, 0x00, 0x00, 0x00, 0x6a, 0xe5, 0x40}));
  hive.setValue("Software\\Corvanti\\Lunasoma", textValue("RecExportFileName", "C:\\My \"Charts\"\\Bio.BMP"));
  hive.setValue("Software\\Corvanti\\Lunasoma", textValue("", "default"));
  return hive;
}

const std::string Canonical =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\n"
    "\"Range\"=dword:0000000a\n"
    "\"Birth\"=hex:00,00,00,00,00,6a,e5,40\n"
    "\"RecExportFileName\"=\"C:\\\\My \\\"Charts\\\"\\\\Bio.BMP\"\n"
    "@=\"default\"\n";

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string utf16WithBom(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

TEST(HiveFormatTest, WritesTheRegistryExportForm) {
  // Parents that were never named get no section: a deep key costs one line, not one per level.
  EXPECT_EQ(formatHive(referenceHive(), CurrentUserRoot),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\n"
            "\"Range\"=dword:0000000a\n"
            "\"Birth\"=hex:00,00,00,00,00,6a,e5,40\n"
            "\"RecExportFileName\"=\"C:\\\\My \\\"Charts\\\"\\\\Bio.BMP\"\n"
            "@=\"default\"\n");
}

TEST(HiveFormatTest, ReadsTheSpellingsAHandEditedFileCanHave) {
  struct Row {
    const char* label;
    std::string text;
  };
  const Row rows[]{
      {"as written", Canonical},
      {"CRLF line ends", replaceAll(Canonical, "\n", "\r\n")},
      {"no final newline", Canonical.substr(0, Canonical.size() - 1)},
      {"blank lines and blanks",
       "\n; saved by hand\n  Windows Registry Editor Version 5.00  \n\n\n"
       "\t[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\t\n\n"
       "\"Range\" = dword:0000000a\n  \n"
       "\"Birth\"=hex:00,00,00,00,00,6a,e5,40   \n"
       "\"RecExportFileName\"=\"C:\\\\My \\\"Charts\\\"\\\\Bio.BMP\"\n@=\"default\"\n\n\n"},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF" + Canonical},
      {"UTF-16LE with byte order mark", utf16WithBom(replaceAll(Canonical, "\n", "\r\n"))},
      {"older header", replaceAll(Canonical, "Windows Registry Editor Version 5.00", "REGEDIT4")},
      {"hex list continued on indented lines",
       replaceAll(Canonical, "00,00,00,00,00,6a", "00,00,00,\\\n  00,00,\\\r\n\t6a")},
      {"short and upper-case hex", replaceAll(replaceAll(Canonical, "dword:0000000a", "DWORD:A"), "6a,e5", "6A,E5")},
      {"key spelled in other case with doubled separators",
       replaceAll(Canonical, "[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]",
                  "[hkey_current_user\\\\Software\\Corvanti\\\\Lunasoma\\]")},
      {"values split over two sections of one key",
       replaceAll(Canonical, "\"RecExportFileName\"",
                  "\n[HKEY_CURRENT_USER\\SOFTWARE\\CORVANTI\\LUNASOMA]\n\"RecExportFileName\"")},
  };
  const Hive expected = referenceHive();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      EXPECT_TRUE(parseHive(row.text, CurrentUserRoot) == expected)
          << formatHive(parseHive(row.text, CurrentUserRoot), CurrentUserRoot);
    } catch (const HiveFormatError& error) {
      ADD_FAILURE() << error.what();
    }
  }
}

// Comments after the header are the writer's notes: they come back where they stood, among the
// values they sat between, while the values themselves are read as usual.
TEST(HiveFormatTest, CommentsComeBackWhereTheyStood) {
  const std::string text =
      "Windows Registry Editor Version 5.00\n\n"
      "; settings of two programs\n\n"
      "[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\n"
      "\"Range\"=dword:0000000a\n"
      "  ; a comment between values\n"
      "\"Style\"=dword:00000001\n\n";
  const Hive hive = parseHive(text, CurrentUserRoot);
  const std::string written = formatHive(hive, CurrentUserRoot);
  EXPECT_NE(written.find("; settings of two programs\n"), std::string::npos) << written;
  const std::size_t range = written.find("\"Range\"");
  const std::size_t comment = written.find("  ; a comment between values\n");
  const std::size_t style = written.find("\"Style\"");
  ASSERT_NE(comment, std::string::npos) << written;
  EXPECT_LT(range, comment);
  EXPECT_LT(comment, style);
  EXPECT_EQ(formatHive(parseHive(written, CurrentUserRoot), CurrentUserRoot), written)
      << "a second save changes nothing";
}

std::string deepPath(std::size_t levels, const std::string& name) {
  std::string path;
  for (std::size_t i = 0; i < levels; ++i) path += (i == 0 ? "" : "\\") + name;
  return path;
}

TEST(HiveFormatTest, KeepsWhatItCannotReadWhereItStood) {
  // Each text stands between two readable values of one key (or, starting a section, after the
  // first). Writing the hive read from it must give the file back unchanged, so that a save
  // loses none of another program's lines and moves none of them.
  struct Row {
    const char* label;
    std::string unreadable;
    bool section;
  };
  const std::string cr = "\r";
  const Row rows[]{
      {"value deletion", "\"a\"=-", false},
      {"dword of nine digits", "\"a\"=dword:000000001", false},
      {"dword that is not hex", "\"a\"=dword:0000000g", false},
      {"dword without digits", "\"a\"=dword:", false},
      {"hex byte of three digits", "\"a\"=hex:01,002", false},
      {"hex list with an empty item", "\"a\"=hex:01,,02", false},
      {"hex list ending in a comma", "\"a\"=hex:01,02,", false},
      {"continued hex list followed by a blank line", "\"a\"=hex:01,02,\\\n", false},
      {"continued hex list followed by a value", "\"a\"=hex:01,\\\n\"b\"=dword:00000001", false},
      {"another program's text over three lines", "\"a\"=\"line one\nline two\n\n  ; line four\nline five\"", false},
      {"escape other than \\\\ and \\\"", "\"a\"=\"one\\ntwo\"", false},
      {"text after the closing quote", "\"a\"=\"one\" two", false},
      {"unknown type", "\"a\"=qword:0000000000000001", false},
      {"hex type that is not a number", "\"a\"=hex(z):01", false},
      {"name without =", "\"a\" dword:00000001", false},
      {"stray line", "Range=2", false},
      {"line ends of another editor", "Range=2" + cr + "\n  Style=1" + cr, false},
      {"bytes that are no text", std::string("\"a\"=\x01\xFF\0\x80", 8), false},
      {"key deletion", "[-HKEY_CURRENT_USER\\Key]", true},
      {"key deletion with its values", "[-HKEY_CURRENT_USER\\Gone]\n\"x\"=dword:00000001\n\n\"y\"=\"z\"", true},
      {"section of another root", "[HKEY_LOCAL_MACHINE\\Key]\n\"x\"=dword:00000001", true},
      {"root name merely begins the same", "[HKEY_CURRENT_USERS\\Key]", true},
      {"section without closing bracket", "[HKEY_CURRENT_USER\\Key", true},
      {"key deeper than 512 levels", "[HKEY_CURRENT_USER\\" + deepPath(513, "k") + "]\n\"x\"=dword:00000001", true},
      {"key path longer than 16383 characters", "[HKEY_CURRENT_USER\\" + deepPath(2, std::string(8192, 'k')) + "]",
       true},
  };
  const std::string top =
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Key]\n\"before\"=dword:00000001\n";
  const std::string after = "\"after\"=dword:00000002\n";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const std::string text = top + (row.section ? "\n" : "") + row.unreadable + "\n" + after;
    try {
      const Hive hive = parseHive(text, CurrentUserRoot);
      EXPECT_EQ(formatHive(hive, CurrentUserRoot), text);
      EXPECT_NE(hive.findValue("Key", "before"), nullptr);
      // A value after a refused section belongs to it, not to the key before.
      EXPECT_EQ(hive.findValue("Key", "after") != nullptr, !row.section);
      EXPECT_EQ(hive.findValue("Key", "a"), nullptr);
    } catch (const HiveFormatError& error) {
      ADD_FAILURE() << error.what();
    }
  }
}

TEST(HiveFormatTest, KeptLinesStayInPlaceThroughChanges) {
  const std::string text =
      "Windows Registry Editor Version 5.00\n"
      "stray before any section\n"
      "\n[HKEY_CURRENT_USER\\A]\n\"one\"=dword:00000001\n\"bad\"=\"multi\nline\"\n\"two\"=dword:00000002\n"
      "\n[-HKEY_CURRENT_USER\\A\\Old]\n"
      "\n[HKEY_CURRENT_USER\\A\\B]\n\"three\"=dword:00000003\n"
      "\n[HKEY_CURRENT_USER\\A\\B\\C]\n"
      "\n[HKEY_LOCAL_MACHINE\\Elsewhere]\n\"x\"=\"y\"\n";
  Hive hive = parseHive(text, CurrentUserRoot);
  hive.deleteValue("A", "one");
  hive.setValue("A", dwordValue("new", 4));
  hive.deleteKey("A\\B");  // its refused section moves up to A, its own content goes
  EXPECT_EQ(formatHive(hive, CurrentUserRoot),
            "Windows Registry Editor Version 5.00\n"
            "stray before any section\n"
            "\n[HKEY_CURRENT_USER\\A]\n\"bad\"=\"multi\nline\"\n\"two\"=dword:00000002\n\"new\"=dword:00000004\n"
            "\n[-HKEY_CURRENT_USER\\A\\Old]\n"
            "[HKEY_LOCAL_MACHINE\\Elsewhere]\n\"x\"=\"y\"\n");
  const Hive reread = parseHive(formatHive(hive, CurrentUserRoot), CurrentUserRoot);
  EXPECT_TRUE(reread == hive);
  EXPECT_TRUE(parseHive("Windows Registry Editor Version 5.00\n\"x\"=\"y\"\n[HKEY_CURRENT_USER\\K]\n", CurrentUserRoot)
                  .keyExists("K"));
}

TEST(HiveFormatTest, AHexListCutOffByTheEndOfTheFileGetsTheBlankLineItRanInto) {
  // Whatever is written after it would otherwise be swallowed as its next line.
  const std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Key]\n\"a\"=hex:01,02,\\";
  Hive hive = parseHive(text, CurrentUserRoot);
  hive.setValue("Key", dwordValue("later", 1));
  const std::string written = formatHive(hive, CurrentUserRoot);
  EXPECT_EQ(written, text + "\n\n\"later\"=dword:00000001\n");
  EXPECT_TRUE(parseHive(written, CurrentUserRoot) == hive);
}

// A whole list whose last line still asks for one more is read as it stands: the blank line the
// writer puts after it would otherwise complete it on the next read, and the hive would change.
TEST(HiveFormatTest, AWholeHexListContinuedIntoTheEndOfTheFileIsRead) {
  const std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Key]\n\"a\"=hex:01,\\\n  02\\";
  const Hive hive = parseHive(text, CurrentUserRoot);
  Hive expected;
  expected.setValue("Key", binaryValue("a", {1, 2}));
  EXPECT_TRUE(hive == expected) << formatHive(hive, CurrentUserRoot);
  const std::string written = formatHive(hive, CurrentUserRoot);
  EXPECT_TRUE(parseHive(written, CurrentUserRoot) == hive) << written;
  EXPECT_EQ(formatHive(parseHive(written, CurrentUserRoot), CurrentUserRoot), written);
}

TEST(HiveFormatTest, RefusesTextThatIsNotAHiveAtAll) {
  struct Row {
    const char* label;
    std::string text;
    std::size_t line;
  };
  const Row rows[]{
      {"plain text", "hello world\n", 1},
      {"binary junk", std::string("\x89PNG\r\n\x1a\n\0\0", 10), 1},
      {"header after another line", "; fine\nRange=2\nWindows Registry Editor Version 5.00\n", 2},
      {"UTF-16 with an odd number of bytes", utf16WithBom("Windows Registry Editor Version 5.00\n") + "x", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      parseHive(row.text, CurrentUserRoot);
      ADD_FAILURE() << "the text was accepted";
    } catch (const HiveFormatError& error) {
      EXPECT_EQ(error.line(), row.line) << error.what();
    }
  }
}

TEST(HiveFormatTest, KeyPathsBeyondTheRegistrysLimitsCannotBeStored) {
  struct Row {
    const char* label;
    std::string path;
    bool storable;
  };
  const Row rows[]{
      {"512 levels", deepPath(512, "k"), true},
      {"513 levels", deepPath(513, "k"), false},
      {"512 levels between empty components", "\\\\" + deepPath(512, "k") + "\\\\", true},
      {"16383 characters", deepPath(2, std::string(8191, 'k')), true},
      {"16384 characters", deepPath(2, std::string(8191, 'k')) + "x", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    if (row.storable) {
      EXPECT_NO_THROW(checkKeyPathStorable(row.path));
      const std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\" + row.path + "]\n";
      EXPECT_TRUE(parseHive(text, CurrentUserRoot).keyExists(row.path));
    } else {
      EXPECT_THROW(checkKeyPathStorable(row.path), RegistryError);
    }
  }
}

TEST(HiveFormatTest, BlankTextIsAnEmptyHive) {
  for (const char* text : {"", "\n\r\n  \n", "; nothing but a comment\n"}) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(parseHive(text, CurrentUserRoot) == Hive());
  }
}

TEST(HiveFormatTest, WhatIsWrittenReadsBackUnchanged) {
  Hive hive;
  hive.setValue("", dwordValue("at the root", 1));
  hive.setValue("Odd]Key\\With [brackets]\\ and blanks ", textValue("x", "y"));
  hive.setValue(
      "Gr\xC3\xBC\xC3\x9F"
      "e",
      textValue("\"quoted\" \\ name", "\xE2\x82\xAC"));
  hive.setValue("Texts", textValue("lines", "one\r\ntwo\n"));
  hive.setValue("Texts", textValue("not UTF-8", "\xFF\xFE\r stays in quotes"));
  hive.setValue("Texts", textValue("NUL", std::string("a\0b", 3)));
  hive.setValue("Foreign", HiveValue{"expand", RegistryValue{std::vector<std::uint8_t>{0x25, 0x00, 0x00, 0x00}}, 2});
  hive.setValue("Foreign", HiveValue{"big type", RegistryValue{std::vector<std::uint8_t>{}}, 0xABCDEF01});
  hive.setValue("Foreign", HiveValue{"odd REG_SZ", RegistryValue{std::vector<std::uint8_t>{0x41}}, 1});
  std::vector<std::uint8_t> many(1000);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<std::uint8_t>(i);
  hive.setValue("Binary", binaryValue("many", many));
  hive.createKey("Empty\\Key");

  const std::string text = formatHive(hive, LocalMachineRoot);
  const Hive reread = parseHive(text, LocalMachineRoot);
  EXPECT_TRUE(reread == hive) << text;
  EXPECT_EQ(formatHive(reread, LocalMachineRoot), text);

  // Long hex lists are wrapped as the registry editor wraps them, so no line grows unreadable.
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

TEST(HiveFormatTest, TextWithLineBreaksIsWrittenAsItsRegistryBytes) {
  Hive hive;
  hive.setValue("K", textValue("two", "a\nb"));
  EXPECT_EQ(formatHive(hive, CurrentUserRoot),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n\"two\"=hex(1):61,00,0a,00,62,00,00,00\n");
}

}  // namespace
}  // namespace lunasoma
