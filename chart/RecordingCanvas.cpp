#include "chart/RecordingCanvas.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace lunasoma {

namespace {

int codePointCount(std::string_view utf8) {
  int count = 0;
  for (const char c : utf8) {
    // Continuation bytes (10xxxxxx) belong to the code point before them.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

RecordingCanvas::RecordingCanvas(FontSpec initialFont) : m_font(std::move(initialFont)) {}

void RecordingCanvas::appendInt(int value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  m_text.append(buffer, result.ptr);
}

void RecordingCanvas::appendCall(std::string_view verb, std::initializer_list<int> numbers) {
  // Most calls are a verb and a few numbers; they are put together first and appended at once.
  char line[80];
  char* end = std::copy(verb.begin(), verb.end(), line);
  for (const int n : numbers) {
    *end++ = ' ';
    end = std::to_chars(end, line + sizeof line, n).ptr;
  }
  m_text.append(line, end);
}

void RecordingCanvas::appendColor(std::uint32_t color) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  // The palette value holds red in its lowest byte; the text shows red first.
  for (const int shift : {0, 8, 16}) {
    const unsigned byte = (color >> shift) & 0xFFu;
    m_text += Hex[byte >> 4];
    m_text += Hex[byte & 0xFu];
  }
}

void RecordingCanvas::setPen(std::uint32_t color, int width, PenStyle style) {
  m_text += "pen ";
  appendColor(color);
  m_text += ' ';
  appendInt(width);
  m_text += style == PenStyle::Dot ? " dot\n" : " solid\n";
}

void RecordingCanvas::setBrush(std::uint32_t color) {
  m_text += "brush ";
  appendColor(color);
  m_text += '\n';
}

void RecordingCanvas::setFont(const FontSpec& font) {
  m_font = font;
  m_text += "font ";
  m_text += font.face;
  m_text += ' ';
  appendInt(font.cellHeight);
  m_text += font.bold ? " bold " : " regular ";
  appendColor(font.color);
  m_text += '\n';
}

int RecordingCanvas::textWidth(std::string_view utf8) { return CharWidth * codePointCount(utf8); }

void RecordingCanvas::textOut(int x, int y, std::string_view utf8) {
  appendCall("text", {x, y});
  m_text += ' ';
  m_text += utf8;
  m_text += '\n';
}

void RecordingCanvas::moveTo(int x, int y) {
  appendCall("move", {x, y});
  m_text += '\n';
}

void RecordingCanvas::lineTo(int x, int y) {
  appendCall("line", {x, y});
  m_text += '\n';
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom) {
  appendCall("fill", {left, top, right, bottom});
  m_text += '\n';
}

void RecordingCanvas::frameRect(int left, int top, int right, int bottom) {
  appendCall("frame", {left, top, right, bottom});
  m_text += '\n';
}

std::vector<std::string> RecordingCanvas::lines() const {
  std::vector<std::string> result;
  std::string_view rest = m_text;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    result.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return result;
}

}  // namespace lunasoma
