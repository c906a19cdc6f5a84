#pragma once
// A Canvas that draws nothing: it writes one text line per drawing call, with fixed font metrics
// (every UTF-8 code point is 8 pixels wide, whatever the font), so that the chart's geometry can be
// checked exactly and printed by the command-line renderer. It does not rasterise anything.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "chart/Canvas.h"

namespace lunasoma {

class RecordingCanvas : public Canvas {
 public:
  static constexpr int CharWidth = 8;

  // The font the canvas starts with, as on a fresh paint box: the screen face, black, regular.
  explicit RecordingCanvas(FontSpec initialFont = {"MS Sans Serif", 13, false, 0x000000});

  void setPen(std::uint32_t color, int width, PenStyle style) override;
  void setBrush(std::uint32_t color) override;
  void setFont(const FontSpec& font) override;
  const FontSpec& font() const override { return m_font; }

  int textWidth(std::string_view utf8) override;
  void textOut(int x, int y, std::string_view utf8) override;

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;

  void fillRect(int left, int top, int right, int bottom) override;
  void frameRect(int left, int top, int right, int bottom) override;

  // Everything recorded so far, each line ending in '\n'.
  const std::string& text() const { return m_text; }
  std::vector<std::string> lines() const;
  // Forgets the recorded text but keeps its storage, the font and the other drawing state.
  void clear() { m_text.clear(); }

 private:
  void appendInt(int value);
  void appendCall(std::string_view verb, std::initializer_list<int> numbers);
  void appendColor(std::uint32_t color);

  FontSpec m_font;
  std::string m_text;
};

}  // namespace lunasoma
