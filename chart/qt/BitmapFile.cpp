#include "chart/qt/BitmapFile.h"

#include <QImage>
#include <QSaveFile>

#include <cstdint>

namespace lunasoma {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
// 96 pixels per inch, in pixels per metre, as Windows writes screen captures.
constexpr std::uint32_t PixelsPerMetre = 3780;

void put16(char* at, std::uint16_t value) {
  at[0] = static_cast<char>(value & 0xFF);
  at[1] = static_cast<char>(value >> 8);
}

void put32(char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

QByteArray encodeBitmap24(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  const qsizetype width = rgb.width();
  const qsizetype height = rgb.height();
  const qsizetype rowBytes = (width * 3 + 3) / 4 * 4;
  const qsizetype pixelBytes = rowBytes * height;
  const qsizetype offset = FileHeaderSize + InfoHeaderSize;

  QByteArray file(offset + pixelBytes, '\0');
  char* header = file.data();
  header[0] = 'B';
  header[1] = 'M';
  put32(header + 2, static_cast<std::uint32_t>(file.size()));
  put32(header + 10, static_cast<std::uint32_t>(offset));
  char* info = header + FileHeaderSize;
  put32(info, InfoHeaderSize);
  put32(info + 4, static_cast<std::uint32_t>(width));
  put32(info + 8, static_cast<std::uint32_t>(height));  // positive: rows run bottom-up
  put16(info + 12, 1);                                  // planes
  put16(info + 14, 24);                                 // bits per pixel
  put32(info + 16, 0);                                  // no compression
  put32(info + 20, static_cast<std::uint32_t>(pixelBytes));
  put32(info + 24, PixelsPerMetre);
  put32(info + 28, PixelsPerMetre);

  for (qsizetype y = 0; y < height; ++y) {
    const uchar* source = rgb.constScanLine(static_cast<int>(y));
    char* target = file.data() + offset + (height - 1 - y) * rowBytes;
    for (qsizetype x = 0; x < width; ++x) {
      target[3 * x] = static_cast<char>(source[3 * x + 2]);
      target[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
      target[3 * x + 2] = static_cast<char>(source[3 * x]);
    }
  }
  return file;
}

QString writeFileWhole(const QByteArray& bytes, const QString& path) {
  // QSaveFile writes beside the target and renames over it on commit; any failure on the way
  // removes its temporary file and leaves the target as it was. It is unbuffered because a
  // buffered file that fills the disk while it is flushed at commit reports success with a
  // file cut short.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  // A write that fills the disk stores what fits and reports no error ("Unknown error"); only a
  // write that then stores nothing carries the system's reason, so the rest is written again
  // until all of it is stored or a write fails.
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 stored = file.write(bytes.constData() + written, bytes.size() - written);
    if (stored <= 0) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return reason;
    }
    written += stored;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

QString writeBitmapFile(const QImage& picture, const QString& path) {
  const QByteArray bytes = encodeBitmap24(picture);
  if (bytes.isEmpty()) return QStringLiteral("There is no picture to write.");
  return writeFileWhole(bytes, path);
}

}  // namespace lunasoma
