#pragma once
// Reads from a QPrinter the facts the chart needs in printer mode: printable size, resolution and
// whether it prints in colour. It neither begins a document nor draws.

#include "chart/ChartDrawing.h"

class QPrinter;

namespace lunasoma {

// Every print is made at this resolution. The chart's line widths are device pixels, so at the
// 1200 dpi of a high-resolution PDF a width of 3 would be a hairline and the widths of a
// monochrome printer could not be told apart; at 300 dpi they keep the weight they are meant to.
constexpr int PrintResolution = 300;

// screenPpi is the main window's pixels per inch, which scales the chart's fonts onto paper.
ChartDevice printerChartDevice(const QPrinter& printer, int screenPpi);

}  // namespace lunasoma
