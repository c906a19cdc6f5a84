#pragma once
// The five pointer shapes of the chart (the paging arrowheads and the "Today" arrow), loaded once
// from the program's resources as 32 x 32 two-colour pointers with their hot spots. It does not
// decide which shape the chart shows where.

#include <QCursor>
#include <QPoint>
#include <QString>

#include <array>

namespace lunasoma {

// Numbered as the cursor numbers the chart pointer uses.
enum class PointerShape { LeftSingle = 1, LeftDouble = 2, RightSingle = 3, RightDouble = 4, Today = 5 };

class PointerShapes {
 public:
  // Needs the application object: pointers cannot exist before it.
  PointerShapes();

  const QCursor& cursor(PointerShape shape) const { return m_cursors[index(shape)]; }

  static QString resourceName(PointerShape shape);  // "LEFT_SINGLE" ... "TODAY"
  static QString resourcePath(PointerShape shape);
  static QPoint hotSpot(PointerShape shape);
  static constexpr std::array<PointerShape, 5> All{PointerShape::LeftSingle, PointerShape::LeftDouble,
                                                   PointerShape::RightSingle, PointerShape::RightDouble,
                                                   PointerShape::Today};

 private:
  static std::size_t index(PointerShape shape) { return static_cast<std::size_t>(shape) - 1; }

  std::array<QCursor, 5> m_cursors;
};

}  // namespace lunasoma
