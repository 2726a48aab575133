// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PictureLoader.h"
#include "support/Pictures.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

using namespace vsm;
using test::claimingSize;
using test::jpegBytes;
using test::noisyPicture;

namespace {

// A picture whose top-left quarter is red, so its orientation can be told.
QImage markedPicture(int w, int h) {
    QImage image = test::solidPicture(w, h, Qt::white);
    for (int y = 0; y < h / 4; ++y)
        for (int x = 0; x < w / 4; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

bool isRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 80;
}

}  // namespace

TEST(PictureLoader, ReadsTheCommonFormats) {
    test::TempAppFolder dir(false);
    const QImage source = markedPicture(64, 48);
    const QString convert = QStandardPaths::findExecutable("convert");
    for (const char* format : {"jpg", "png", "bmp", "gif", "ico", "tiff", "webp"}) {
        const QString path = dir.path(QString("/p.") + format);
        if (QString(format) == "gif") {  // Qt reads GIF but does not write it
            if (convert.isEmpty()) continue;
            ASSERT_EQ(QProcess::execute(convert, {dir.path("/p.png"), path}), 0);
        } else {
            ASSERT_TRUE(source.save(path, format)) << format;
        }
        const auto picture = loadPicture(path);
        ASSERT_TRUE(picture.has_value()) << format;
        EXPECT_EQ(picture->pixels.size(), QSize(64, 48)) << format;
        EXPECT_TRUE(isRed(picture->pixels.pixel(2, 2))) << format;
    }
    // The extension does not matter, the contents do.
    QFile::copy(dir.path("/p.png"), dir.path("/png-named.jpg"));
    EXPECT_TRUE(loadPicture(dir.path("/png-named.jpg")).has_value());
}

TEST(PictureLoader, AppliesTheOrientationMarkAndReadsProgressiveJpegs) {
    test::TempAppFolder dir(false);
    QImageWriter rotated(dir.path("/phone.jpg"), "jpg");
    rotated.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(rotated.write(markedPicture(80, 40)));
    const auto upright = loadPicture(dir.path("/phone.jpg"));
    ASSERT_TRUE(upright.has_value());
    EXPECT_EQ(upright->pixels.size(), QSize(40, 80));
    EXPECT_TRUE(isRed(upright->pixels.pixel(36, 2)));  // the red corner turned to the top right

    QImageWriter progressive(dir.path("/progressive.jpg"), "jpg");
    progressive.setProgressiveScanWrite(true);
    ASSERT_TRUE(progressive.write(markedPicture(64, 48)));
    EXPECT_TRUE(loadPicture(dir.path("/progressive.jpg")).has_value());
}

TEST(PictureLoader, ReadsCmykJpegs) {
    const QString convert = QStandardPaths::findExecutable("convert");
    if (convert.isEmpty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    test::TempAppFolder dir(false);
    markedPicture(64, 48).save(dir.path("/rgb.png"));
    ASSERT_EQ(QProcess::execute(
                  convert, {dir.path("/rgb.png"), "-colorspace", "CMYK", dir.path("/cmyk.jpg")}),
              0);
    const auto picture = loadPicture(dir.path("/cmyk.jpg"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->pixels.size(), QSize(64, 48));
    EXPECT_TRUE(isRed(picture->pixels.pixel(2, 2)));
}

TEST(PictureLoader, RefusesWhatIsNotARegularFileAtOnce) {
    test::TempAppFolder dir(false);
    const QString fifo = dir.path("/fifo.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(dir.path("/folder.jpg"));
    for (const QString& path : {fifo, QString("/dev/zero"), dir.path("/folder.jpg"),
                                dir.path("/missing.jpg"), QString()}) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(loadPicture(path).has_value()) << path.toStdString();
        EXPECT_LT(timer.elapsed(), 1000) << path.toStdString();
    }
}

TEST(PictureLoader, BrokenFilesFailCleanly) {
    test::TempAppFolder dir(false);
    dir.write("/text.jpg", "this is not a picture\n");
    dir.write("/empty.jpg", "");
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    markedPicture(200, 200).save(&buffer, "JPEG");
    dir.write("/header-only.jpg", jpeg.left(20));
    dir.write("/truncated.jpg", jpeg.left(jpeg.size() / 2));
    EXPECT_FALSE(loadPicture(dir.path("/text.jpg")).has_value());
    EXPECT_FALSE(loadPicture(dir.path("/empty.jpg")).has_value());
    EXPECT_FALSE(loadPicture(dir.path("/header-only.jpg")).has_value());
    (void)loadPicture(dir.path("/truncated.jpg"));  // whatever it gives, it must not crash
}

TEST(PictureLoader, LargePhotosAreKeptAtWhatPrintingUsesWithTheirOwnSize) {
    test::TempAppFolder dir(false);
    QImage big(12000, 9000,
               QImage::Format_Grayscale8);  // 108 megapixels, beyond Qt's default limit
    big.fill(200);
    ASSERT_TRUE(big.save(dir.path("/big.png")));
    QImage wide(16000, 2000, QImage::Format_RGB32);
    wide.fill(Qt::white);
    QPainter(&wide).fillRect(0, 0, 4000, 500, Qt::red);
    ASSERT_TRUE(wide.save(dir.path("/wide.jpg"), "JPEG", 80));
    big = wide = QImage();

    const auto png = loadPicture(dir.path("/big.png"));
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->sourceSize, QSize(12000, 9000));
    EXPECT_EQ(png->pixels.size(), QSize(PictureLimits::kHeldLongSide, 3051));
    // The JPEG is decoded at libjpeg's 1/4 scale, the largest that fits.
    const auto jpeg = loadPicture(dir.path("/wide.jpg"));
    ASSERT_TRUE(jpeg.has_value());
    EXPECT_EQ(jpeg->sourceSize, QSize(16000, 2000));
    EXPECT_EQ(jpeg->pixels.size(), QSize(4000, 500));
    EXPECT_TRUE(isRed(jpeg->pixels.pixel(900, 100)));
    EXPECT_FALSE(isRed(jpeg->pixels.pixel(1100, 100)));
    EXPECT_FALSE(jpeg->damaged);
}

namespace {

QByteArray littleEndian(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

// A JPEG as a phone writes it: an Exif block straight after the start marker,
// with the orientation the picture must be turned by to stand up, and no JFIF.
QByteArray phoneJpeg(const QImage& sensor, int orientation) {
    QByteArray plain = jpegBytes(sensor);
    if (plain.mid(2, 2) == "\xFF\xE0") {  // drop the writer's JFIF block
        const int length = (uchar(plain[4]) << 8) | uchar(plain[5]);
        plain.remove(2, 2 + length);
    }
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += littleEndian(1, 2) + littleEndian(0x0112, 2) + littleEndian(3, 2) + littleEndian(1, 4) +
            littleEndian(quint32(orientation), 2) + littleEndian(0, 2) + littleEndian(0, 4);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const int length = exif.size() + 2;
    QByteArray app1("\xFF\xE1");
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    return plain.left(2) + app1 + exif + plain.mid(2);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

}  // namespace

// A phone held upright writes a landscape sensor picture with orientation 6; a
// photo that size takes the scaled decoding path, which must turn it too.
TEST(PictureLoader, PhonePhotoWithOrientationSixStandsUp) {
    test::TempAppFolder dir(false);
    QImage sensor(6000, 4000, QImage::Format_RGB32);
    sensor.fill(Qt::white);
    QPainter(&sensor).fillRect(0, 0, 1500, 1000, Qt::red);
    dir.write("/phone.jpg", phoneJpeg(sensor, 6));
    const auto upright = loadPicture(dir.path("/phone.jpg"));
    ASSERT_TRUE(upright.has_value());
    EXPECT_EQ(upright->sourceSize, QSize(4000, 6000));
    EXPECT_EQ(upright->pixels.size(), QSize(2500, 3750));
    EXPECT_TRUE(isRed(upright->pixels.pixel(2450, 50)));  // the red corner turned to the top right
    EXPECT_FALSE(isRed(upright->pixels.pixel(50, 50)));
}

// Headers that claim more than can be held are refused before any pixel memory
// is taken, at once.
TEST(PictureLoader, HeadersClaimingHugePicturesAreRefusedAtOnce) {
    test::TempAppFolder dir(false);
    const QImage tiny = noisyPicture(16, 16);
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(100);
    dir.write("/huge.jpg", claimingSize(jpegBytes(tiny), 65500, 65500));
    // Within the pixel limit, but its coefficients alone would take gigabytes.
    dir.write("/progressive.jpg", claimingSize(jpegBytes(tiny, true), 30000, 19000));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tiny.save(&buffer, "PNG");
    // IHDR's width and height: 20000 x 15000, 1.2 GB once decoded.
    QByteArray hugePng = png;
    hugePng.replace(16, 8, QByteArray("\x00\x00\x4E\x20\x00\x00\x3A\x98", 8));
    const quint32 crc = crc32(hugePng.mid(12, 17));
    for (int i = 0; i < 4; ++i) hugePng[29 + i] = char(crc >> (24 - 8 * i));
    dir.write("/huge.png", hugePng);
    for (const char* name : {"/huge.jpg", "/progressive.jpg", "/huge.png"}) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(loadPicture(dir.path(name)).has_value()) << name;
        EXPECT_LT(timer.elapsed(), 2000) << name;
    }
}

// A file cut off mid-scan still shows what was read, and says it is damaged.
TEST(PictureLoader, CutOffJpegsLoadAsDamaged) {
    test::TempAppFolder dir(false);
    const QImage photo = noisyPicture(320, 240);
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const QByteArray whole = jpegBytes(photo, progressive);
        dir.write("/whole.jpg", whole);
        dir.write("/cut.jpg", whole.left(whole.size() * 8 / 10));
        const auto intact = loadPicture(dir.path("/whole.jpg"));
        ASSERT_TRUE(intact.has_value());
        EXPECT_FALSE(intact->damaged);
        const auto cut = loadPicture(dir.path("/cut.jpg"));
        ASSERT_TRUE(cut.has_value());
        EXPECT_TRUE(cut->damaged);
        EXPECT_EQ(cut->pixels.size(), QSize(320, 240));
    }
}
