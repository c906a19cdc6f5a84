#include <QBitmap>
#include <QImage>

#include <gtest/gtest.h>

#include "ui/PointerShapes.h"

namespace lunasoma {
namespace {

TEST(PointerShapesTest, FiveTwoColourPointersWithTheirHotSpots) {
  struct Row {
    PointerShape shape;
    QPoint hotSpot;
    bool tipAtHotSpot;  // the arrowheads point exactly at their hot spot
  };
  const Row rows[] = {
      {PointerShape::LeftSingle, {10, 15}, true},  {PointerShape::LeftDouble, {8, 15}, true},
      {PointerShape::RightSingle, {20, 15}, true}, {PointerShape::RightDouble, {23, 15}, true},
      {PointerShape::Today, {0, 0}, false},
  };
  const PointerShapes shapes;
  for (const Row& row : rows) {
    const QString name = PointerShapes::resourceName(row.shape);
    const QCursor& cursor = shapes.cursor(row.shape);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << qPrintable(name) << ": the picture could not be read";
    EXPECT_EQ(cursor.hotSpot(), row.hotSpot) << qPrintable(name);
    const QImage black = cursor.bitmap().toImage();
    const QImage opaque = cursor.mask().toImage();
    EXPECT_EQ(black.size(), QSize(32, 32)) << qPrintable(name);
    // Both colours are used: a black outline around a white fill.
    int blackPixels = 0;
    int whitePixels = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        if (opaque.pixelIndex(x, y) == 0) continue;
        (black.pixelIndex(x, y) == 1 ? blackPixels : whitePixels)++;
      }
    }
    EXPECT_GT(blackPixels, 20) << qPrintable(name);
    EXPECT_GT(whitePixels, 20) << qPrintable(name);
    if (row.tipAtHotSpot) {
      EXPECT_EQ(opaque.pixelIndex(row.hotSpot), 1) << qPrintable(name) << ": tip is drawn";
      const int outward = row.hotSpot.x() < 16 ? -1 : 1;
      EXPECT_EQ(opaque.pixelIndex(row.hotSpot + QPoint(outward, 0)), 0) << qPrintable(name) << ": nothing beyond the tip";
    }
  }
}

}  // namespace
}  // namespace lunasoma
