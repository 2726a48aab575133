#include "project/PictureLoader.h"
#include "support/TempAppFolder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vsm;

namespace {

// A picture whose top-left quarter is red, so its orientation can be told.
QImage markedPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < h / 4; ++y)
        for (int x = 0; x < w / 4; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

bool isRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 80; }

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
    ASSERT_EQ(QProcess::execute(convert, {dir.path("/rgb.png"), "-colorspace", "CMYK",
                                          dir.path("/cmyk.jpg")}),
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

TEST(PictureLoader, LargePhotosBeyondQtsDefaultLimit) {
    test::TempAppFolder dir(false);
    QImage big(12000, 9000, QImage::Format_Grayscale8);  // 108 megapixels
    big.fill(200);
    ASSERT_TRUE(big.save(dir.path("/big.png")));
    big = QImage();
    const auto picture = loadPicture(dir.path("/big.png"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->pixels.size(), QSize(12000, 9000));
}
