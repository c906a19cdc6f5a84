// The arithmetic under the chart commands: date moves, pointer zones and the 24-bit bitmap file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "chart/ChartPaging.h"
#include "chart/PointerZones.h"
#include "chart/qt/BitmapFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

constexpr DayNumber Birth = 30000;  // 18 February 1982
const DayNumber LastStart = *encodeDate(9999, 11, 4);

TEST(ChartPaging, MovesKeepTheStartOnOrAfterBirth) {
  struct Row {
    const char* name;
    DateMove move;
    DayNumber start;
    DayNumber birth;
    int range;
    DayNumber today;
    DayNumber expected;
  };
  const Row rows[] = {
      {"next page of three weeks", DateMove::NextPage, Birth + 100, Birth, 2, 0, Birth + 121},
      {"previous page of three weeks", DateMove::PreviousPage, Birth + 100, Birth, 2, 0, Birth + 79},
      {"a page of eight weeks", DateMove::NextPage, Birth + 100, Birth, 7, 0, Birth + 156},
      {"a page of one week", DateMove::PreviousPage, Birth + 100, Birth, 0, 0, Birth + 93},
      {"previous page three days after birth lands on birth", DateMove::PreviousPage, Birth + 3, Birth, 2, 0, Birth},
      {"one day back on the birth date stays", DateMove::OneDayBack, Birth, Birth, 2, 0, Birth},
      {"one day back", DateMove::OneDayBack, Birth + 10, Birth, 2, 0, Birth + 9},
      {"one day forward", DateMove::OneDayForward, Birth + 10, Birth, 2, 0, Birth + 11},
      {"today", DateMove::Today, Birth + 10, Birth, 2, Birth + 5000, Birth + 5000},
      {"today before birth gives birth", DateMove::Today, Birth + 10, Birth, 2, Birth - 400, Birth},
      {"next page from no date is lifted to birth", DateMove::NextPage, 0, Birth, 2, 0, Birth},
      {"next page from no date before an early birth", DateMove::NextPage, 0, 2, 2, 0, 21},
      {"no birth date does not hold the start back", DateMove::OneDayBack, Birth, 0, 2, 0, Birth - 1},
      // The chart can draw no first day after 4 November 9999; paging forward stops there.
      {"next page stops at the last start", DateMove::NextPage, LastStart - 10, Birth, 7, 0, LastStart},
      {"one day forward onto the last start", DateMove::OneDayForward, LastStart - 1, Birth, 2, 0, LastStart},
      {"one day forward from the last start", DateMove::OneDayForward, LastStart, Birth, 2, 0, LastStart},
      {"next page from the last start", DateMove::NextPage, LastStart, Birth, 0, 0, LastStart},
      {"a typed start past it is not moved back", DateMove::NextPage, LastStart + 20, Birth, 2, 0, LastStart + 20},
      {"one day back from the last start", DateMove::OneDayBack, LastStart, Birth, 2, 0, LastStart - 1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(movedStart(row.move, row.start, row.birth, row.range, row.today), row.expected) << row.name;
  }
}

TEST(PointerZones, FiveZonesOfWidthDivFive) {
  struct Row {
    const char* name;
    int x;
    int width;
    std::optional<DateMove> expected;
  };
  const Row rows[] = {
      {"first pixel", 0, 203, DateMove::PreviousPage},
      {"end of zone 1", 39, 203, DateMove::PreviousPage},
      {"start of zone 2", 40, 203, DateMove::OneDayBack},
      {"zone 3", 100, 203, DateMove::Today},
      {"end of zone 4", 159, 203, DateMove::OneDayForward},
      {"start of zone 5", 160, 203, DateMove::NextPage},
      {"end of zone 5", 199, 203, DateMove::NextPage},
      {"left over pixels", 200, 203, std::nullopt},
      {"last pixel", 202, 203, std::nullopt},
      {"captured pointer just left of the chart", -1, 203, std::nullopt},
      {"captured pointer far right", 500, 203, std::nullopt},
      {"five pixels: zone 1", 0, 5, DateMove::PreviousPage},
      {"five pixels: zone 5", 4, 5, DateMove::NextPage},
      {"four pixels have no zones", 0, 4, std::nullopt},
      {"no width", 0, 0, std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(pointerZoneMove(row.x, row.width), row.expected) << row.name;
  }
}

std::uint32_t read32(const QByteArray& bytes, int at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::uint16_t read16(const QByteArray& bytes, int at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1])
                                                                               << 8);
}

TEST(BitmapFile, WritesTwentyFourBitRowsBottomUpPaddedToFourBytes) {
  // Three pixels a row give nine bytes, padded to twelve; a 32-bit source must still give 24 bits.
  QImage picture(3, 2, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0x80));
  picture.setPixel(1, 0, qRgb(0x44, 0x55, 0x66));
  picture.setPixel(2, 0, qRgb(0x77, 0x88, 0x99));
  picture.setPixel(0, 1, qRgb(0xAA, 0xBB, 0xCC));
  picture.setPixel(1, 1, qRgb(0xDD, 0xEE, 0xFF));
  picture.setPixel(2, 1, qRgb(0x01, 0x02, 0x03));
  const QByteArray file = encodeBitmap24(picture);

  ASSERT_EQ(file.size(), 54 + 2 * 12);
  EXPECT_EQ(file.left(2), "BM");
  EXPECT_EQ(read32(file, 2), 78u) << "file size";
  EXPECT_EQ(read32(file, 10), 54u) << "pixel offset";
  EXPECT_EQ(read32(file, 14), 40u) << "information header size";
  EXPECT_EQ(read32(file, 18), 3u);
  EXPECT_EQ(read32(file, 22), 2u) << "positive height: bottom-up";
  EXPECT_EQ(read16(file, 26), 1u);
  EXPECT_EQ(read16(file, 28), 24u) << "bits per pixel";
  EXPECT_EQ(read32(file, 30), 0u) << "uncompressed";
  EXPECT_EQ(read32(file, 34), 24u) << "pixel data size";

  const QByteArray bottomRow = file.mid(54, 12);
  const QByteArray topRow = file.mid(66, 12);
  EXPECT_EQ(bottomRow, QByteArray::fromHex("ccbbaaffeedd030201000000"));
  EXPECT_EQ(topRow, QByteArray::fromHex("332211665544998877000000")) << "blue, green, red; alpha dropped";

  const QImage readBack = QImage::fromData(file, "BMP");
  ASSERT_FALSE(readBack.isNull());
  EXPECT_EQ(readBack.pixel(1, 1), qRgb(0xDD, 0xEE, 0xFF));
}

TEST(BitmapFile, ReplacesAnOldFileOrLeavesItAsItWas) {
  test::TempFolder folder;
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(qRgb(0x80, 0x80, 0));
  const QString target = folder.file(QStringLiteral("chart.bmp"));
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old chart");
  }
  EXPECT_EQ(writeBitmapFile(picture, target), QString());
  EXPECT_EQ(QImage(target).size(), QSize(40, 30));

  const QString inMissingFolder = folder.path() + QStringLiteral("/gone/chart.bmp");
  EXPECT_FALSE(writeBitmapFile(picture, inMissingFolder).isEmpty());
  EXPECT_FALSE(QFile::exists(inMissingFolder));
  EXPECT_FALSE(writeBitmapFile(QImage(), target).isEmpty()) << "no picture, no file";
  EXPECT_EQ(QImage(target).size(), QSize(40, 30)) << "the failed write left the earlier file";
}

// A disk that fills up while the file is written: the user is told the system's reason, and the
// old file is kept whole whether the disk fills in the first write or only at the end.
TEST(BitmapFile, AFullDiskGivesTheSystemsReasonAndKeepsTheOldFile) {
  struct Row {
    const char* name;
    QSize size;
  };
  const Row rows[] = {
      {"a picture smaller than a write buffer", QSize(20, 20)},
      {"a picture much larger than what fits", QSize(300, 200)},
  };
  const std::string diskFull = std::strerror(EFBIG);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::TempFolder folder;
    const QString target = folder.file(QStringLiteral("chart.bmp"));
    test::writeFile(target, "old chart");
    QImage picture(row.size, QImage::Format_RGB32);
    picture.fill(qRgb(0x80, 0x80, 0));
    std::string reason;
    {
      test::FileSizeLimit fullDisk(1000);
      reason = writeBitmapFile(picture, target).toStdString();
    }
    EXPECT_EQ(reason, diskFull);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old chart");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"chart.bmp"}) << "no temporary file is left";
  }
}

}  // namespace
}  // namespace lunasoma
