#include <string_view>

#include <gtest/gtest.h>

#include "platform/Utf8Text.h"

namespace lunasoma {
namespace {

// Views into a longer text end where the view ends, not at the next NUL; multi-byte characters
// arrive whole, and an embedded NUL is a character like any other.
TEST(Utf8Text, TakesExactlyTheViewAsUtf8) {
  constexpr std::string_view whole = "Lunasoma.exe\0Setup.exe";
  struct Row {
    const char* name;
    std::string_view utf8;
    QString expected;
  };
  const Row rows[] = {
      {"empty", {}, QString()},
      {"front of a longer text", whole.substr(0, 8), QStringLiteral("Lunasoma")},
      {"middle of a longer text", whole.substr(4, 4), QStringLiteral("soma")},
      {"embedded NUL kept", std::string_view("a\0b", 3), QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b")},
      {"two-byte characters", "M\xC3\xA4rz", QStringLiteral("M\u00E4rz")},
      {"copyright sign", "\xC2\xA9 1997", QStringLiteral("\u00A9 1997")},
  };
  for (const Row& row : rows) EXPECT_EQ(toQString(row.utf8), row.expected) << row.name;
}

}  // namespace
}  // namespace lunasoma
