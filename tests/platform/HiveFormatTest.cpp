#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/Hive.h"
#include "platform/HiveFormat.h"

namespace lunasoma {
namespace {

HiveValue dwordValue(std::string name, std::uint32_t number) { return {std::move(name), RegistryValue{number}, std::nullopt}; }
HiveValue textValue(std::string name, std::string text) { return {std::move(name), RegistryValue{std::move(text)}, std::nullopt}; }
HiveValue binaryValue(std::string name, std::vector<std::uint8_t> bytes) { return {std::move(name), RegistryValue{std::move(bytes)}, std::nullopt}; }

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
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) text.replace(at, from.size(), to);
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
  // Parents are written as sections of their own, as the registry editor exports them.
  EXPECT_EQ(formatHive(referenceHive(), CurrentUserRoot),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software]\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Corvanti]\n"
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
      {"blank lines, blanks and comments",
       "\n; saved by hand\n  Windows Registry Editor Version 5.00  \n\n\n;[HKEY_CURRENT_USER\\Ignored]\n"
       "\t[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]\t\n\n"
       "\"Range\" = dword:0000000a\n  ; a comment between values\n"
       "\"Birth\"=hex:00,00,00,00,00,6a,e5,40   \n"
       "\"RecExportFileName\"=\"C:\\\\My \\\"Charts\\\"\\\\Bio.BMP\"\n@=\"default\"\n\n\n"},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF" + Canonical},
      {"UTF-16LE with byte order mark", utf16WithBom(replaceAll(Canonical, "\n", "\r\n"))},
      {"older header", replaceAll(Canonical, "Windows Registry Editor Version 5.00", "REGEDIT4")},
      {"hex list continued on indented lines", replaceAll(Canonical, "00,00,00,00,00,6a", "00,00,00,\\\n  00,00,\\\r\n\t6a")},
      {"short and upper-case hex", replaceAll(replaceAll(Canonical, "dword:0000000a", "DWORD:A"), "6a,e5", "6A,E5")},
      {"key spelled in other case with doubled separators",
       replaceAll(Canonical, "[HKEY_CURRENT_USER\\Software\\Corvanti\\Lunasoma]", "[hkey_current_user\\\\Software\\Corvanti\\\\Lunasoma\\]")},
      {"values split over two sections of one key",
       replaceAll(Canonical, "\"RecExportFileName\"", "\n[HKEY_CURRENT_USER\\SOFTWARE\\CORVANTI\\LUNASOMA]\n\"RecExportFileName\"")},
  };
  const Hive expected = referenceHive();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      EXPECT_TRUE(parseHive(row.text, CurrentUserRoot) == expected) << formatHive(parseHive(row.text, CurrentUserRoot), CurrentUserRoot);
    } catch (const HiveFormatError& error) {
      ADD_FAILURE() << error.what();
    }
  }
}

TEST(HiveFormatTest, RefusesWhatItCannotReadExactly) {
  struct Row {
    const char* label;
    std::string text;
    std::size_t line;
  };
  const std::string header = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Key]\n";
  const Row rows[]{
      {"plain text", "hello world\n", 1},
      {"binary junk", std::string("\x89PNG\r\n\x1a\n\0\0", 10), 1},
      {"value before any section", "Windows Registry Editor Version 5.00\n\"a\"=dword:00000001\n", 2},
      {"section of another root", "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\Key]\n", 2},
      {"root name merely begins the same", "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USERS\\Key]\n", 2},
      {"section without closing bracket", "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Key\n", 2},
      {"key deletion", "Windows Registry Editor Version 5.00\n[-HKEY_CURRENT_USER\\Key]\n", 2},
      {"value deletion", header + "\"a\"=-\n", 3},
      {"dword of nine digits", header + "\"a\"=dword:000000001\n", 3},
      {"dword that is not hex", header + "\"a\"=dword:0000000g\n", 3},
      {"dword without digits", header + "\"a\"=dword:\n", 3},
      {"hex byte of three digits", header + "\"a\"=hex:01,002\n", 3},
      {"hex list with an empty item", header + "\"a\"=hex:01,,02\n", 3},
      {"hex list ending in a comma", header + "\"a\"=hex:01,02,\n", 3},
      {"continued hex list cut off by the end of the file", header + "\"a\"=hex:01,02,\\\n", 3},
      {"continued hex list followed by a blank line", header + "\"a\"=hex:01,02,\\\n\n\"b\"=dword:00000001\n", 4},
      {"text cut off before its closing quote", header + "\"a\"=\"unfinished", 3},
      {"name cut off before its closing quote", header + "\"unfinish", 3},
      {"escape other than \\\\ and \\\"", header + "\"a\"=\"one\\ntwo\"\n", 3},
      {"text after the closing quote", header + "\"a\"=\"one\" two\n", 3},
      {"unknown type", header + "\"a\"=qword:0000000000000001\n", 3},
      {"hex type that is not a number", header + "\"a\"=hex(z):01\n", 3},
      {"name without =", header + "\"a\" dword:00000001\n", 3},
      {"stray line", header + "Range=2\n", 3},
      {"UTF-16 with an odd number of bytes", utf16WithBom(header) + "x", 1},
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
  hive.setValue("Gr\xC3\xBC\xC3\x9F" "e", textValue("\"quoted\" \\ name", "\xE2\x82\xAC"));
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
