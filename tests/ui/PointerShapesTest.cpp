#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "ui/PointerShapes.h"

namespace lunasoma {
namespace {

// Colour pointers, since Wayland draws no bitmap-and-mask ones: a black outline around a white
// fill on a transparent ground, and nothing in between that a scaled or blended picture would leave.
TEST(PointerShapesTest, FiveColourPointersBlackOutlineWhiteFillWithTheirHotSpots) {
  struct Row {
    PointerShape shape;
    QPoint hotSpot;
    QPoint outline;  // the arrowheads' tip is at the hot spot
    QPoint inside;
    QPoint outside;
  };
  const Row rows[] = {
      {PointerShape::LeftSingle, {10, 15}, {10, 15}, {11, 15}, {9, 15}},
      {PointerShape::LeftDouble, {8, 15}, {8, 15}, {9, 15}, {7, 15}},
      {PointerShape::RightSingle, {20, 15}, {20, 15}, {19, 15}, {21, 15}},
      {PointerShape::RightDouble, {23, 15}, {23, 15}, {22, 15}, {24, 15}},
      {PointerShape::Today, {0, 0}, {0, 15}, {1, 15}, {0, 0}},
  };
  const PointerShapes shapes;
  for (const Row& row : rows) {
    SCOPED_TRACE(qPrintable(PointerShapes::resourceName(row.shape)));
    const QCursor& cursor = shapes.cursor(row.shape);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << "the picture could not be read";
    ASSERT_FALSE(cursor.pixmap().isNull()) << "a bitmap-and-mask pointer is invisible on Wayland";
    EXPECT_TRUE(cursor.pixmap().hasAlphaChannel());
    EXPECT_EQ(cursor.hotSpot(), row.hotSpot);
    const QImage picture = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.pixel(row.outline), qRgba(0, 0, 0, 255)) << "outline";
    EXPECT_EQ(picture.pixel(row.inside), qRgba(255, 255, 255, 255)) << "fill";
    EXPECT_EQ(qAlpha(picture.pixel(row.outside)), 0) << "ground";
    int black = 0;
    int white = 0;
    int other = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QRgb pixel = picture.pixel(x, y);
        if (qAlpha(pixel) == 0) continue;
        if (pixel == qRgba(0, 0, 0, 255))
          ++black;
        else if (pixel == qRgba(255, 255, 255, 255))
          ++white;
        else
          ++other;
      }
    }
    EXPECT_GT(black, 20);
    EXPECT_GT(white, black) << "the fill is the larger part";
    EXPECT_EQ(other, 0) << "only black, white and transparent";
  }
}

}  // namespace
}  // namespace lunasoma
