#pragma once
// The drawing surface the chart is drawn on: screen, printer page, bitmap or a test recorder.
// It carries the drawing rules the chart relies on (opaque text, end points left unpainted,
// one-pixel frames) so that the chart code is the same everywhere.
// Colours are palette colour values: red in the lowest byte.

#include <cstdint>
#include <string>
#include <string_view>

namespace lunasoma {

enum class PenStyle { Solid, Dot };

struct FontSpec {
  std::string face;    // "MS Sans Serif", "Arial"
  int cellHeight = 0;  // ascent + descent in device pixels, internal leading included
  bool bold = false;
  std::uint32_t color = 0;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Width 0 draws one pixel wide, like width 1.
  virtual void setPen(std::uint32_t color, int width, PenStyle style) = 0;
  virtual void setBrush(std::uint32_t color) = 0;
  virtual void setFont(const FontSpec& font) = 0;
  virtual const FontSpec& font() const = 0;

  virtual int textWidth(std::string_view utf8) = 0;
  // Draws the text with its cell's top-left at (x, y), the cell filled with the brush colour.
  virtual void textOut(int x, int y, std::string_view utf8) = 0;

  virtual void moveTo(int x, int y) = 0;
  // Draws from the current position to (x, y), which becomes the current position. With a pen one
  // pixel wide the end point itself is not painted; wider pens have round ends.
  virtual void lineTo(int x, int y) = 0;

  // Right and bottom are exclusive for both.
  virtual void fillRect(int left, int top, int right, int bottom) = 0;
  virtual void frameRect(int left, int top, int right, int bottom) = 0;  // one pixel, brush colour
};

}  // namespace lunasoma
