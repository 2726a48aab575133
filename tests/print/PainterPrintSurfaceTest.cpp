// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Units.h"
#include "print/BatchRender.h"
#include "print/PainterPrintSurface.h"
#include "support/TempAppFolder.h"
#include "support/Pictures.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QRegularExpression>
#include <cmath>
#include <ostream>
#include <gtest/gtest.h>

using namespace vsm;

void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << " x " << size.height();
}

namespace {

// The pixel sizes of the pictures a PDF holds, as its image objects state them.
std::vector<QSize> pdfPictureSizes(const QByteArray& pdf) {
    static const QRegularExpression image(
        QStringLiteral(R"(/Subtype\s*/Image\s*/Width\s+(\d+)\s*/Height\s+(\d+))"));
    std::vector<QSize> sizes;
    for (auto it = image.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        sizes.emplace_back(m.captured(1).toInt(), m.captured(2).toInt());
    }
    return sizes;
}

int pixelsAt(double mm, double dpi) { return int(std::ceil(mm * dpi / kMmPerInch)); }

ComposedPicture photo(int width, int height) {
    return ComposedPicture(test::solidPicture(width, height, Qt::darkCyan));
}

}  // namespace

TEST(PicturesOnPaper, SentAtNoMoreThanTheLimitOrTheDevice) {
    const QSizeF printed(50, 40);
    const struct {
        int deviceDpi;
        double limit;  // 0: none asked for
        QSize picture;
        QSize sent;
    } cases[] = {
        // A printer at 1200 dpi gets the picture at the print limit.
        {1200, 0, {2000, 1600}, {pixelsAt(50, 360), pixelsAt(40, 360)}},
        // Asking for more than the print limit does not raise it.
        {1200, 600, {2000, 1600}, {pixelsAt(50, 360), pixelsAt(40, 360)}},
        {1200, 300, {2000, 1600}, {pixelsAt(50, 300), pixelsAt(40, 300)}},
        // A coarser device gets its own resolution.
        {150, 0, {2000, 1600}, {pixelsAt(50, 150), pixelsAt(40, 150)}},
        // A picture smaller than that is sent as it is.
        {1200, 0, {500, 300}, {500, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.deviceDpi << " dpi, limit " << c.limit);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setResolution(c.deviceDpi);
            PainterPrintSurface surface(&writer);
            if (c.limit > 0) surface.setPictureResolutionLimit(c.limit);
            ASSERT_TRUE(surface.paintPicture(photo(c.picture.width(), c.picture.height()),
                                             MmRect{QRectF(QPointF(10, 10), printed)}));
            ASSERT_TRUE(surface.endDoc());
        }
        const std::vector<QSize> sizes = pdfPictureSizes(pdf.data());
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_EQ(sizes[0], c.sent);
    }
}

// vessomar-render sends the pictures of a PDF at the lower of --dpi and the
// print limit, from a project naming a photo larger than either needs.
TEST(PicturesOnPaper, PdfExportUsesTheLowerOfItsDpiAndThePrintLimit) {
    test::TempAppFolder dir;
    QImage big(4000, 2700, QImage::Format_RGB32);  // kept whole: within the longest side held
    big.fill(Qt::darkRed);
    ASSERT_TRUE(big.save(dir.path("/big.jpg"), "JPEG"));
    const QStringList lines = {dir.path("/big.jpg"), "", "", " 0 ", "", "", "Liberation Sans",
                               "12", " 0 ", " 0 ", " 0 ", " 255 ", " 0 ", " 0 ", " 0 "};
    dir.write("/box.vsm", (lines.join("\r\n") + "\r\n").toUtf8());
    // The box cover's front, spine and back: one zone of 274 x 183 mm.
    for (const auto& [dpi, expected] :
         {std::pair{600, QSize(pixelsAt(274, 360), pixelsAt(183, 360))},
          {200, QSize(pixelsAt(274, 200), pixelsAt(183, 200))}}) {
        SCOPED_TRACE(dpi);
        RenderRequest request;
        request.project = dir.path("/box.vsm");
        request.output = dir.path(QStringLiteral("/box%1.pdf").arg(dpi));
        request.dpi = dpi;
        QString error;
        ASSERT_EQ(renderCover(request, dir.path(""), &error), 0) << error.toStdString();
        QFile pdf(request.output);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const std::vector<QSize> sizes = pdfPictureSizes(pdf.readAll());
        ASSERT_FALSE(sizes.empty());
        EXPECT_EQ(*std::max_element(sizes.begin(), sizes.end(),
                                    [](QSize a, QSize b) { return a.width() < b.width(); }),
                  expected);
    }
}
