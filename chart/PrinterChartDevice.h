#pragma once
// Reads from a QPrinter the facts the chart needs in printer mode: printable size, resolution and
// whether it prints in colour. It neither begins a document nor draws.

#include "chart/ChartDrawing.h"

class QPrinter;

namespace lunasoma {

// screenPpi is the main window's pixels per inch, which scales the chart's fonts onto paper.
ChartDevice printerChartDevice(const QPrinter& printer, int screenPpi);

}  // namespace lunasoma
