#include "project/PictureLoader.h"

#include "common/TextFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>
#include <sys/mman.h>
#include <turbojpeg.h>

namespace vsm {

namespace {

// Largest picture file read; far beyond any photo, and it keeps a mistaken
// choice (a disk image, a film) from filling memory.
constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;
constexpr size_t kHugePage = size_t(2) << 20;

// A photo's pixels fill hundreds of megabytes. Asking for huge pages makes the
// first touch of that memory far cheaper than page by page, which is much of
// the time a large photo takes to load.
QImage allocatePicture(int width, int height) {
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (bytes < 4 * kHugePage) return QImage(width, height, QImage::Format_RGB32);
    void* memory = nullptr;
    if (posix_memalign(&memory, kHugePage, bytes) != 0) return {};
    madvise(memory, bytes, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(memory), width, height, bytesPerLine, QImage::Format_RGB32,
                  [](void* m) { std::free(m); }, memory);
}

bool looksLikeJpeg(const QByteArray& bytes) { return bytes.startsWith("\xFF\xD8\xFF"); }

// libjpeg-turbo straight into the picture's memory; nothing for what it cannot
// decode to RGB (CMYK files, for one), which the general reader then takes.
// The smallest of libjpeg-turbo's scales (M/8) that keeps at least the wanted size.
void scaleToCover(int& width, int& height, const QSize& atLeast) {
    if (atLeast.isEmpty()) return;
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    int bestW = width, bestH = height;
    for (int i = 0; factors && i < count; ++i) {
        const int w = TJSCALED(width, factors[i]), h = TJSCALED(height, factors[i]);
        if (w <= width && w >= atLeast.width() && h >= atLeast.height() && w < bestW) {
            bestW = w;
            bestH = h;
        }
    }
    width = bestW;
    height = bestH;
}

std::optional<QImage> decodeJpeg(const QByteArray& bytes, const QSize& atLeast) {
    tjhandle decoder = tjInitDecompress();
    if (!decoder) return std::nullopt;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    std::optional<QImage> result;
    if (tjDecompressHeader3(decoder, data, static_cast<unsigned long>(bytes.size()), &width,
                            &height, &subsampling, &colourspace) == 0 &&
        colourspace != TJCS_CMYK && colourspace != TJCS_YCCK && width > 0 && height > 0) {
        scaleToCover(width, height, atLeast);
        QImage picture = allocatePicture(width, height);
        if (!picture.isNull() &&
            tjDecompress2(decoder, data, static_cast<unsigned long>(bytes.size()), picture.bits(),
                          width, int(picture.bytesPerLine()), height, TJPF_BGRX, 0) == 0)
            result = std::move(picture);
    }
    tjDestroy(decoder);
    return result;
}

// The orientation a camera wrote into the file.
QImageIOHandler::Transformations orientationMark(QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").transformation();
}

// Turns the decoded photo so that it stands up.
QImage applyOrientation(const QImage& picture, QImageIOHandler::Transformations t) {
    if (t == QImageIOHandler::TransformationNone) return picture;
    return picture.transformed(QImage::trueMatrix(
        QTransform().rotate(t & QImageIOHandler::TransformationRotate90 ? 90 : 0)
            .scale(t & QImageIOHandler::TransformationMirror ? -1 : 1,
                   t & QImageIOHandler::TransformationFlip ? -1 : 1),
        picture.width(), picture.height()));
}

std::optional<QImage> readWithQt(QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull()) return std::nullopt;
    return picture;
}

}  // namespace

std::optional<QImage> loadPicture(const QString& path) { return loadPicture(path, QSize()); }

std::optional<QImage> loadPicture(const QString& path, const QSize& atLeast) {
    if (!TextFile::isRegularFile(path)) return std::nullopt;
    QFile file(path);
    if (file.size() > kMaxPictureFileBytes || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    // Photos of 100 megapixels and more are ordinary; Qt's default limit of 128 MB
    // would refuse them.
    QImageReader::setAllocationLimit(4096);
    if (looksLikeJpeg(bytes)) {
        const auto mark = orientationMark(bytes);
        const QSize wanted = mark & QImageIOHandler::TransformationRotate90 ? atLeast.transposed()
                                                                           : atLeast;
        if (auto picture = decodeJpeg(bytes, wanted)) return applyOrientation(*picture, mark);
    }
    return readWithQt(bytes);
}

std::optional<QImage> PictureCache::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    const qint64 modified = info.lastModified().toMSecsSinceEpoch();
    for (const Entry& e : entries_)
        if (e.path == path && e.size == info.size() && e.modified == modified) return e.picture;
    auto picture = loadPicture(path);
    if (!picture) return std::nullopt;
    entries_[next_] = {path, info.size(), modified, *picture};
    next_ = (next_ + 1) % entries_.size();
    return picture;
}

}  // namespace vsm
