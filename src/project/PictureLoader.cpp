// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PictureLoader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace vsm {

namespace {

constexpr size_t kHugePage = size_t(2) << 20;
// The orientation mark sits in the header, before the first scan.
constexpr qint64 kJpegHeaderBytes = qint64(1) << 20;

using FilePtr = std::unique_ptr<FILE, int (*)(FILE*)>;

// Opens the path only when it is a regular file of at most maxBytes. Opening does
// not wait on a FIFO, and the check is made on what was opened, so a path
// swapped for a pipe in between is refused too.
FilePtr openRegularFile(const QString& path, qint64 maxBytes) {
    FilePtr none(nullptr, std::fclose);
    if (path.isEmpty()) return none;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return none;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes ||
        ::fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return none;
    }
    FILE* file = ::fdopen(fd, "rb");
    if (!file) ::close(fd);
    return FilePtr(file, std::fclose);
}

// A photo's pixels fill tens of megabytes. Asking for huge pages makes the first
// touch of that memory far cheaper than page by page.
QImage allocatePicture(int width, int height) {
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (bytes < 4 * kHugePage) return QImage(width, height, QImage::Format_RGB32);
    void* memory = nullptr;
    if (posix_memalign(&memory, kHugePage, bytes) != 0) return {};
    madvise(memory, bytes, MADV_HUGEPAGE);
    return QImage(
        static_cast<uchar*>(memory), width, height, bytesPerLine, QImage::Format_RGB32,
        [](void* m) { std::free(m); }, memory);
}

QSize fittedToLongSide(const QSize& size, int longSide) {
    if (std::max(size.width(), size.height()) <= longSide) return size;
    const QSize fitted = size.scaled(longSide, longSide, Qt::KeepAspectRatio);
    return QSize(std::max(1, fitted.width()), std::max(1, fitted.height()));
}

QImage reducedToLongSide(const QImage& picture, int longSide) {
    const QSize held = fittedToLongSide(picture.size(), longSide);
    if (held == picture.size()) return picture;
    return picture.scaled(held, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool tooManyPixels(const QSize& size) {
    return qint64(size.width()) * size.height() > PictureLimits::kMaxSourcePixels;
}

QImageIOHandler::Transformations orientationMark(QByteArray header) {
    QBuffer buffer(&header);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").transformation();
}

// Turns the decoded photo so that it stands up.
QImage applyOrientation(const QImage& picture, QImageIOHandler::Transformations t) {
    if (t == QImageIOHandler::TransformationNone) return picture;
    return picture.transformed(
        QImage::trueMatrix(QTransform()
                               .rotate(t & QImageIOHandler::TransformationRotate90 ? 90 : 0)
                               .scale(t & QImageIOHandler::TransformationMirror ? -1 : 1,
                                      t & QImageIOHandler::TransformationFlip ? -1 : 1),
                           picture.width(), picture.height()));
}

// --- JPEG through libjpeg ---------------------------------------------------------

// libjpeg reports a fatal error by calling error_exit, which must not return; it
// jumps back to the step that started the work. Warnings about missing or corrupt
// data mean part of the picture is made up.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    bool damaged = false;
};

JpegErrors& errorsOf(j_common_ptr info) {
    return *static_cast<JpegErrors*>(info->client_data);
}

[[noreturn]] void jpegFailed(j_common_ptr info) {
    std::longjmp(errorsOf(info).jump, 1);
}

void jpegMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    switch (info->err->msg_code) {
        case JWRN_JPEG_EOF:
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_MUST_RESYNC:
            errorsOf(info).damaged = true;
            break;
        default:
            break;
    }
}

// The smallest of libjpeg's M/8 scales that still covers atLeast, and never one
// that keeps more than the longest side allows (down to 1/8).
int scaleEighths(const QSize& source, const QSize& atLeast, int longSide) {
    const auto scaled = [&](int m) {
        return QSize(int((qint64(source.width()) * m + 7) / 8),
                     int((qint64(source.height()) * m + 7) / 8));
    };
    int m = 8;
    if (!atLeast.isEmpty())
        for (int k = 1; k <= 8; ++k)
            if (scaled(k).width() >= atLeast.width() && scaled(k).height() >= atLeast.height()) {
                m = k;
                break;
            }
    while (m > 1 && std::max(scaled(m).width(), scaled(m).height()) > longSide) --m;
    return m;
}

// Reads the header and sets the decoding up; false when the file is no JPEG.
bool readJpegHeader(jpeg_decompress_struct& info, FILE* file) {
    if (setjmp(errorsOf(reinterpret_cast<j_common_ptr>(&info)).jump)) return false;
    jpeg_stdio_src(&info, file);
    return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
}

bool computeJpegOutput(jpeg_decompress_struct& info, int eighths) {
    if (setjmp(errorsOf(reinterpret_cast<j_common_ptr>(&info)).jump)) return false;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    info.scale_num = unsigned(eighths);
    info.scale_denom = 8;
    info.dct_method = JDCT_ISLOW;
    jpeg_calc_output_dimensions(&info);
    return info.output_components == 4;
}

// Decodes every row into the picture's memory. What a fatal error leaves unread is
// kept white and the picture counts as damaged, as long as some rows were read.
bool decodeJpegRows(jpeg_decompress_struct& info, uchar* bits, qsizetype bytesPerLine) {
    JpegErrors& errors = errorsOf(reinterpret_cast<j_common_ptr>(&info));
    if (setjmp(errors.jump)) {
        errors.damaged = true;
        return info.output_scanline > 0;
    }
    if (!jpeg_start_decompress(&info)) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + bytesPerLine * qsizetype(info.output_scanline);
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

void whitenRowsFrom(QImage& picture, int row) {
    for (int y = row; y < picture.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(picture.scanLine(y)), picture.width(), qRgb(255, 255, 255));
}

// CMYK JPEGs are written inverted, as Adobe's programs do.
void cmykRowsToRgb(QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        uchar* p = picture.scanLine(y);
        auto* out = reinterpret_cast<QRgb*>(p);
        for (int x = 0; x < picture.width(); ++x, p += 4) {
            const int k = p[3];
            out[x] = qRgb(k * p[0] / 255, k * p[1] / 255, k * p[2] / 255);
        }
    }
}

class JpegDecoder {
public:
    JpegDecoder() {
        info_.err = jpeg_std_error(&errors_.manager);
        errors_.manager.error_exit = jpegFailed;
        errors_.manager.emit_message = jpegMessage;
        info_.client_data = &errors_;
        jpeg_create_decompress(&info_);
        info_.mem->max_memory_to_use = long(PictureLimits::kMaxDecodeBytes);
    }
    ~JpegDecoder() { jpeg_destroy_decompress(&info_); }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    std::optional<LoadedPicture> decode(FILE* file, const PictureLimits& limits,
                                        QImageIOHandler::Transformations mark) {
        if (!readJpegHeader(info_, file)) return std::nullopt;
        const QSize source(int(info_.image_width), int(info_.image_height));
        if (source.isEmpty() || tooManyPixels(source)) return std::nullopt;
        const bool turned = mark & QImageIOHandler::TransformationRotate90;
        const QSize atLeast = turned ? limits.atLeast.transposed() : limits.atLeast;
        if (!computeJpegOutput(info_, scaleEighths(source, atLeast, limits.longSide)))
            return std::nullopt;
        QImage picture = allocatePicture(int(info_.output_width), int(info_.output_height));
        if (picture.isNull()) return std::nullopt;
        if (!decodeJpegRows(info_, picture.bits(), picture.bytesPerLine())) return std::nullopt;
        whitenRowsFrom(picture, int(info_.output_scanline));
        if (info_.out_color_space == JCS_CMYK) cmykRowsToRgb(picture);
        picture = applyOrientation(reducedToLongSide(picture, limits.longSide), mark);
        return LoadedPicture{picture, turned ? source.transposed() : source, errors_.damaged};
    }

private:
    jpeg_decompress_struct info_{};
    JpegErrors errors_;
};

std::optional<LoadedPicture> loadJpeg(FILE* file, const PictureLimits& limits) {
    QByteArray header(int(kJpegHeaderBytes), Qt::Uninitialized);
    header.resize(int(std::fread(header.data(), 1, size_t(header.size()), file)));
    std::rewind(file);
    return JpegDecoder().decode(file, limits, orientationMark(header));
}

// --- Every other format through Qt's readers ---------------------------------------

// libpng takes memory for a chunk as large as its length field claims before it
// reads the chunk; a PNG whose chunks claim more bytes than the file holds is cut
// off or forged, and is refused before it is read.
bool pngChunksFitTheFile(QIODevice& device) {
    const qint64 size = device.size();
    qint64 at = 8;  // the signature
    while (at + 8 <= size) {
        if (!device.seek(at)) return false;
        const QByteArray head = device.read(8);
        if (head.size() != 8) return false;
        const quint32 length = (quint32(uchar(head[0])) << 24) | (quint32(uchar(head[1])) << 16) |
                               (quint32(uchar(head[2])) << 8) | quint32(uchar(head[3]));
        at += 12 + qint64(length);
        if (at > size) return false;
        if (head.mid(4, 4) == "IEND") break;
    }
    return device.seek(0);
}

// Qt's readers decode most formats whole before a picture can be reduced; that is
// allowed up to the decode budget, which the header's size is checked against.
std::optional<LoadedPicture> loadWithQt(FILE* file, const PictureLimits& limits) {
    QFile device;
    if (!device.open(file, QIODevice::ReadOnly)) return std::nullopt;
    QImageReader::setAllocationLimit(int(PictureLimits::kMaxDecodeBytes >> 20));
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    // Only the formats whose readers size the picture from its header; the rarer
    // plugins (icns, tga and others) can allocate before any limit applies.
    static const QList<QByteArray> kReadable = {"png", "bmp", "gif", "tiff", "webp", "ico",
                                                "svg", "svgz", "jpeg"};
    if (!kReadable.contains(reader.format())) return std::nullopt;
    if (reader.format() == "png" && !pngChunksFitTheFile(device)) return std::nullopt;
    const QSize stored = reader.size();
    if (stored.isValid()) {
        if (stored.isEmpty() || tooManyPixels(stored)) return std::nullopt;
        // Most readers that take a scaled size still decode the whole picture first.
        const bool drawn = reader.format() == "svg" || reader.format() == "svgz";
        if (!drawn && qint64(stored.width()) * stored.height() * 4 > PictureLimits::kMaxDecodeBytes)
            return std::nullopt;
        const QSize held = fittedToLongSide(stored, limits.longSide);
        if (held != stored && reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(held);
    }
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QImage picture = reader.read();
    if (picture.isNull()) return std::nullopt;
    QSize source = stored.isValid() ? stored : picture.size();
    if (turned && stored.isValid()) source.transpose();
    return LoadedPicture{reducedToLongSide(picture, limits.longSide), source, false};
}

bool startsLikeJpeg(FILE* file) {
    unsigned char magic[3] = {};
    const size_t got = std::fread(magic, 1, sizeof magic, file);
    std::rewind(file);
    return got == 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF;
}

}  // namespace

std::optional<LoadedPicture> loadPicture(const QString& path, const PictureLimits& limits) {
    const FilePtr file = openRegularFile(path, PictureLimits::kMaxFileBytes);
    if (!file) return std::nullopt;
    return startsLikeJpeg(file.get()) ? loadJpeg(file.get(), limits)
                                      : loadWithQt(file.get(), limits);
}

std::optional<LoadedPicture> PictureCache::load(const QString& path) {
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
