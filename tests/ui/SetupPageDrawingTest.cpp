// The pixels of the setup page's owner-drawn list items, painted onto plain images.
#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "ui/SetupItemPainter.h"
#include "ui/SetupPage.h"

namespace lunasoma {
namespace {

const QColor background(250, 240, 230);
const QColor black(0, 0, 0);
constexpr QRect item(0, 0, 50, 13);

QImage blankItem() {
  QImage image(item.size(), QImage::Format_RGB32);
  image.fill(QColor(10, 20, 30));  // anything the painting does not cover stays this colour
  return image;
}

QImage widthItem(int width, bool focused) {
  QImage image = blankItem();
  QPainter painter(&image);
  paintWidthItem(painter, item, width, focused, background, black);
  return image;
}

// The rows of one column that are black.
std::vector<int> blackRows(const QImage& image, int x) {
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixelColor(x, y) == black) rows.push_back(y);
  }
  return rows;
}

TEST(SetupItemPainter, WidthBarIsWPixelsThickAndCentred) {
  struct Row {
    int width;
    int firstRow;  // 13 / 2 - width / 2
  };
  const Row rows[] = {{1, 6}, {2, 5}, {3, 5}, {6, 3}, {9, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.width);
    const QImage image = widthItem(row.width, false);
    std::vector<int> expected;
    for (int y = row.firstRow; y < row.firstRow + row.width; ++y) expected.push_back(y);
    EXPECT_EQ(blackRows(image, 25), expected);
    EXPECT_EQ(blackRows(image, 2), expected) << "the bar starts 2 pixels in";
    EXPECT_EQ(blackRows(image, 47), expected) << "and ends 2 pixels before the right edge";
    EXPECT_EQ(image.pixelColor(1, row.firstRow), background);
    EXPECT_EQ(image.pixelColor(48, row.firstRow), background);
  }
}

TEST(SetupItemPainter, WidthZeroWritesNoLineInsteadOfABar) {
  const QImage image = widthItem(0, false);
  int inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    EXPECT_NE(image.pixelColor(47, y), black) << "no bar reaches the right end, row " << y;
    for (int x = 0; x < image.width(); ++x) inked += image.pixelColor(x, y) != background;
  }
  EXPECT_GT(inked, 20) << "the text \"No Line\" is written";
  EXPECT_EQ(image.pixelColor(0, 6), background) << "the text starts 2 pixels in";
}

TEST(SetupItemPainter, NoLineIsWrittenWholeWhereTheItemIsNarrow) {
  // The open list gives an item the box's 50 pixels; the closed box gives it less, beside its arrow.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  struct Row {
    const char* name;
    int width;
  };
  const Row rows[] = {{"open list", 50}, {"closed box", 34}, {"closed box of a wide arrow", 25}};
  for (const Row& row : rows) {
    QImage image(60, item.height(), QImage::Format_RGB32);
    image.fill(background);
    {
      QPainter painter(&image);
      painter.setFont(font);
      paintWidthItem(painter, QRect(0, 0, row.width, item.height()), 0, false, background, black);
    }
    int inked = 0;
    int lastInkedColumn = -1;
    for (int x = 0; x < image.width(); ++x) {
      for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != background) {
          ++inked;
          lastInkedColumn = x;
        }
      }
    }
    EXPECT_GT(inked, 20) << row.name << ": the text is written";
    // Text cut at the item's edge would ink its last columns.
    EXPECT_LT(lastInkedColumn, row.width - 1) << row.name << ": the text ends before the item does";
  }
}

TEST(SetupItemPainter, ColorItemIsAnOutlinedSwatchInsetTwoPixels) {
  const QColor red(255, 0, 0);
  QImage image = blankItem();
  {
    QPainter painter(&image);
    paintColorItem(painter, item, red, background, black);
  }
  struct Probe {
    const char* where;
    QPoint at;
    QColor color;
  };
  const Probe probes[] = {
      {"margin top-left", {1, 1}, background}, {"margin bottom-right", {48, 11}, background},
      {"outline top-left", {2, 2}, black},     {"outline bottom-right", {47, 10}, black},
      {"outline top middle", {25, 2}, black},  {"inside top-left", {3, 3}, red},
      {"inside bottom-right", {46, 9}, red},   {"centre", {25, 6}, red},
  };
  for (const Probe& probe : probes) EXPECT_EQ(image.pixelColor(probe.at), probe.color) << probe.where;
}

// Through the item painter of the page's own width list, as its open list and closed box use it.
TEST(SetupPageDrawItem, SelectedOrFocusedWidthItemsAreFramed) {
  BiorhythmSettings settings;
  SetupPage page(settings);
  auto* list = page.findChild<QComboBox*>(QStringLiteral("cboSetPhyWidth"));
  ASSERT_NE(list, nullptr);
  struct Row {
    const char* name;
    QStyle::State state;
    bool framed;
  };
  const Row rows[] = {
      {"plain", QStyle::State_None, false},
      {"focused", QStyle::State_HasFocus, true},
      {"selected in the open list", QStyle::State_Selected, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QImage image = blankItem();
    {
      QPainter painter(&image);
      QStyleOptionViewItem option;
      option.rect = item;
      option.state = row.state;
      list->itemDelegate()->paint(&painter, option, list->model()->index(3, 0));
    }
    const QColor frame = row.framed ? black : list->palette().color(QPalette::Base);
    for (const QPoint corner : {QPoint(0, 0), QPoint(49, 0), QPoint(0, 12), QPoint(49, 12)}) {
      EXPECT_EQ(image.pixelColor(corner), frame) << corner.x() << "," << corner.y();
    }
    const std::vector<int> expected = row.framed ? std::vector<int>{0, 5, 6, 7, 12} : std::vector<int>{5, 6, 7};
    EXPECT_EQ(blackRows(image, 25), expected);
  }
}

// On a high-contrast scheme (white text on a black base) the items are drawn in the list's text
// colour, so bars, outlines and frames stay visible; the open colour list frames its current item.
TEST(SetupPageDrawItem, ItemsAreDrawnInTheListsTextColourOnItsBase) {
  BiorhythmSettings settings;
  SetupPage page(settings);
  const QColor white(255, 255, 255);
  QPalette contrast = page.palette();
  contrast.setColor(QPalette::Base, black);
  contrast.setColor(QPalette::Text, white);
  page.setPalette(contrast);
  struct Row {
    const char* name;
    const char* list;
    int index;
    QStyle::State state;
    QPoint probe;
    QColor expected;
  };
  const Row rows[] = {
      {"width bar", "cboSetPhyWidth", 3, QStyle::State_None, {25, 6}, white},
      {"focus frame of a width item", "cboSetPhyWidth", 3, QStyle::State_HasFocus, {0, 0}, white},
      {"No Line", "cboSetPhyWidth", 0, QStyle::State_None, {-1, -1}, white},
      {"outline of the Black swatch", "cboSetBackColor", 0, QStyle::State_None, {2, 2}, white},
      {"current item of the open colour list", "cboSetBackColor", 9, QStyle::State_Selected, {0, 0}, white},
      {"closed colour box, focused", "cboSetBackColor", 9, QStyle::State_HasFocus, {0, 0}, black},
      {"other items of the open colour list", "cboSetBackColor", 9, QStyle::State_None, {0, 0}, black},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* list = page.findChild<QComboBox*>(QString::fromLatin1(row.list));
    ASSERT_NE(list, nullptr);
    QImage image = blankItem();
    {
      QPainter painter(&image);
      QStyleOptionViewItem option;
      option.rect = item;
      option.state = row.state;
      list->itemDelegate()->paint(&painter, option, list->model()->index(row.index, 0));
    }
    if (row.probe.x() >= 0) {
      EXPECT_EQ(image.pixelColor(row.probe), row.expected);
      continue;
    }
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) > 128;
    }
    EXPECT_GT(inked, 10) << "the text is written in the light text colour";
  }
}

}  // namespace
}  // namespace lunasoma
