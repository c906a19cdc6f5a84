#include "chart/qt/PrinterChartDevice.h"

#include <QPrinter>

namespace lunasoma {

ChartDevice printerChartDevice(const QPrinter& printer, int screenPpi) {
  ChartDevice device;
  device.mode = ChartMode::Printer;
  // A painter on the printer starts at the printable area's top-left, so its size is the page.
  device.pageWidth = printer.width();
  device.pageHeight = printer.height();
  device.width = device.pageWidth;
  device.height = device.pageHeight;
  device.printerDpiX = printer.logicalDpiX();
  // Qt reports the colour depth of the output format rather than of the paper; a printer set to
  // grey scale is what a monochrome printer is here.
  device.colorCount = printer.colorMode() == QPrinter::GrayScale ? 2 : printer.colorCount();
  device.screenPpi = screenPpi;
  return device;
}

}  // namespace lunasoma
