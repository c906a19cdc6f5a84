#include <string>

#include <gtest/gtest.h>

#include "model/AsciiCase.h"

namespace lunasoma {
namespace {

struct CaseRow {
  std::string name;
  char in;
  char out;
};

// The letters' neighbours in the code table are where an off-by-one range would show; the bytes
// of UTF-8 sequences must come through untouched (a locale's tolower could change them).
TEST(AsciiCase, OnlyAToZChange) {
  const CaseRow rows[] = {
      {"first capital", 'A', 'a'},
      {"last capital", 'Z', 'z'},
      {"before the capitals", '@', '@'},
      {"after the capitals", '[', '['},
      {"lower case stays", 'q', 'q'},
      {"digit stays", '7', '7'},
      {"backslash stays", '\\', '\\'},
      {"NUL stays", '\0', '\0'},
      {"UTF-8 lead byte of A with diaeresis", '\xC3', '\xC3'},
      {"UTF-8 continuation byte of A with diaeresis", '\x84', '\x84'},
      {"Latin-1 capital A with diaeresis", '\xC4', '\xC4'},
      {"highest byte", '\xFF', '\xFF'},
  };
  for (const CaseRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(lowerAscii(row.in), row.out);
  }
}

}  // namespace
}  // namespace lunasoma
