#pragma once
// Windows bitmap files of 24 bits per pixel: encoding a picture, and writing it so that the target
// holds either its previous content or the whole new file, never a part of one. It does not draw
// or capture the chart.

#include <QByteArray>
#include <QString>

class QImage;

namespace lunasoma {

// The complete file: the 14-byte file header, the 40-byte information header (uncompressed, 24
// bits), then the rows bottom-up, blue-green-red, each padded to a multiple of four bytes.
// Transparency is dropped. A null picture gives an empty array.
QByteArray encodeBitmap24(const QImage& picture);

// Writes the bytes as the file at path, whole or not at all; the system's reason when it fails, an
// empty text when it succeeds. The old file, if any, survives every failure.
QString writeFileWhole(const QByteArray& bytes, const QString& path);

// Writes the picture to path as a bitmap file, the same way.
QString writeBitmapFile(const QImage& picture, const QString& path);

}  // namespace lunasoma
