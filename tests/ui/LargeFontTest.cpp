// A desktop font larger than the layout was designed for grows the main window's layout with it,
// so that no caption is cut; the usual desktop fonts leave the designed layout as it is.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "tests/ui/MainWindowFixture.h"
#include "ui/MainWindowGeometry.h"

namespace lunasoma {
namespace {

TEST(LayoutScale, GrowsOnlyForFontsLargerThanTheDesignedOne) {
  const struct {
    double points;
    double scale;
  } rows[] = {{0, 1.0}, {-1, 1.0}, {8, 1.0}, {10, 1.0}, {11, 1.0}, {16.5, 1.5}, {22, 2.0}};
  for (const auto& row : rows) EXPECT_DOUBLE_EQ(layoutScale(row.points), row.scale) << row.points;
}

class LargeFontTest : public test::MainWindowFixture {
 protected:
  void TearDown() override { QApplication::setFont(m_before); }

  // Opens the window under a desktop font of `points` points.
  void openWithDesktopFont(double points) {
    QFont desktop = m_before;
    desktop.setPointSizeF(points);
    QApplication::setFont(desktop);
    open();
  }

  const QFont m_before = QApplication::font();
};

TEST_F(LargeFontTest, NoCaptionIsCutAndTheUsualFontsKeepTheDesignedPlaces) {
  const struct {
    double points;
    bool grows;
  } rows[] = {{9, false}, {11, false}, {16, true}, {20, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.points);
    openWithDesktopFont(row.points);
    QWidget* back = child<QComboBox>("cboSetBackColor");
    QWidget* colors = child<QGroupBox>("grpSetColors");
    if (row.grows) {
      EXPECT_GT(child<QLabel>("lblBirth")->fontInfo().pixelSize(), 11);
      EXPECT_GT(back->height(), 19);
      // A first run opens large enough to show the whole setup page.
      QWidget* page = child<QWidget>("panSetup");
      child<QTabWidget>("tabRight")->setCurrentWidget(page);
      for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
        const QRect onPage(group->mapTo(page, QPoint(0, 0)), group->size());
        EXPECT_TRUE(page->rect().contains(onPage)) << group->objectName().toStdString();
      }
    } else {
      EXPECT_EQ(child<QLabel>("lblBirth")->fontInfo().pixelSize(), 11);
      EXPECT_EQ(colors->geometry(), QRect(143, 112, 137, 156));
      EXPECT_EQ(back->size(), QSize(50, 19));
    }
    QList<QWidget*> captions;
    for (QLabel* label : m_window->findChildren<QLabel*>()) captions << label;
    for (QAbstractButton* button : child<QWidget>("panSetup")->findChildren<QAbstractButton*>()) captions << button;
    for (QWidget* caption : captions) {
      if (!caption->isVisibleTo(m_window.get()) || caption->objectName().isEmpty()) continue;
      EXPECT_LE(caption->sizeHint().width(), caption->width()) << caption->objectName().toStdString();
      EXPECT_LE(caption->fontMetrics().height(), caption->height()) << caption->objectName().toStdString();
    }
    m_window.reset();
  }
}

}  // namespace
}  // namespace lunasoma
