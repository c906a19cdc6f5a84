#pragma once
// Paints one item of the setup page's owner-drawn lists (a colour swatch or a line-width bar) into
// a given rectangle. It knows nothing of combo boxes, item views or the settings record, so the
// pixels it produces can be checked on a plain image.

#include <QColor>
#include <QRect>

class QPainter;

namespace lunasoma {

// The area of a colour item that the swatch covers: the item shrunk by 2 pixels on every side.
QRect colorSwatchRect(const QRect& item);

// The bar of a width item w pixels thick, 2 pixels in from either end and centred vertically
// (the middle row is the item's top plus half its height, rounded down, less half of w).
QRect widthBarRect(const QRect& item, int width);

// The items are drawn in `ink` on `background`: the list's text and base colours, black on white
// in the default scheme, so that they read on dark and high-contrast schemes as well.

// Fills the item with the background, then the swatch with `color` inside a one-pixel outline in
// ink; the current item of an open list is framed in ink as well.
void paintColorItem(QPainter& painter, const QRect& item, const QColor& color, const QColor& background,
                    const QColor& ink, bool current = false);

// Frames the item in ink when it has the focus (otherwise in the background colour) and fills it
// with the background; width 0 writes "No Line" in the painter's font, made smaller where the item
// is too narrow for the whole text, any other width a bar in ink.
void paintWidthItem(QPainter& painter, const QRect& item, int width, bool focused, const QColor& background,
                    const QColor& ink);

}  // namespace lunasoma
