// Where the help window opens relative to the main window and the screen.
#include <gtest/gtest.h>

#include "platform/HelpViewer.h"

namespace lunasoma {
namespace {

TEST(HelpViewerPlace, CentredOnTheOwnerButKeptOnTheScreen) {
  const QRect screen(0, 0, 1280, 994);  // a 1280 x 1024 screen less a panel
  const QSize viewer(760, 520);
  struct Row {
    const char* name;
    QRect owner;
    QRect place;
  };
  const Row rows[] = {
      {"centred where there is room", QRect(200, 200, 640, 480), QRect(140, 180, 760, 520)},
      {"a first run's window in the corner", QRect(0, 0, 640, 480), QRect(0, 0, 760, 520)},
      {"owner near the bottom right", QRect(900, 700, 640, 480), QRect(520, 474, 760, 520)},
      {"owner larger than the screen", QRect(-100, -100, 3000, 2000), QRect(520, 474, 760, 520)},
  };
  for (const Row& row : rows) EXPECT_EQ(helpViewerPlace(row.owner, viewer, screen), row.place) << row.name;

  const QRect second(1280, 0, 1024, 768);
  EXPECT_EQ(helpViewerPlace(QRect(1300, 10, 640, 480), viewer, second), QRect(1280, 0, 760, 520))
      << "a screen right of the first";
  EXPECT_EQ(helpViewerPlace(QRect(0, 0, 640, 480), viewer, QRect(0, 0, 640, 480)), QRect(0, 0, 640, 480))
      << "a screen smaller than the viewer";
}

}  // namespace
}  // namespace lunasoma
