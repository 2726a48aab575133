// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace vsm::test {

// A picture of one colour.
inline QImage solidPicture(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A picture in four flat quarters (top left, top right, bottom left, bottom right),
// so that edges inside a zone show too.
inline QImage quarteredPicture(int w, int h, const QColor (&colours)[4]) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, colours[0]);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, colours[1]);
    p.fillRect(0, h / 2, w / 2, h - h / 2, colours[2]);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, colours[3]);
    return image;
}

// A picture of noise, which compresses badly: most of its JPEG is picture data.
inline QImage noisyPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    quint32 seed = 7;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, qRgb(int(seed >> 24), int((seed >> 16) & 0xFF), x % 256));
        }
    return image;
}

inline QByteArray jpegBytes(const QImage& image, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// The size fields of the first frame header (SOF0 or SOF2) set to the given size.
inline QByteArray claimingSize(QByteArray jpeg, int width, int height) {
    int at = jpeg.indexOf("\xFF\xC0");
    if (at < 0) at = jpeg.indexOf("\xFF\xC2");
    jpeg[at + 5] = char(height >> 8);
    jpeg[at + 6] = char(height & 0xFF);
    jpeg[at + 7] = char(width >> 8);
    jpeg[at + 8] = char(width & 0xFF);
    return jpeg;
}

}  // namespace vsm::test
