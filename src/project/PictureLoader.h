#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace vsm {

// Reads a picture file. Only regular files are opened; folders, devices and pipes
// are refused without being read. The picture's own orientation mark is applied.
std::optional<QImage> loadPicture(const QString& path);

// The same, for a use that needs no more than atLeast pixels: a JPEG is decoded
// straight to the smallest size of its built-in scales that still covers it,
// which is several times quicker for a large photo.
std::optional<QImage> loadPicture(const QString& path, const QSize& atLeast);

// Loads pictures that are asked for again and again (the templates are reloaded at
// every refresh) once, as long as the file keeps its size and modification time.
class PictureCache {
public:
    std::optional<QImage> load(const QString& path);

private:
    struct Entry {
        QString path;
        qint64 size = -1;
        qint64 modified = 0;
        QImage picture;
    };
    std::array<Entry, 8> entries_{};
    size_t next_ = 0;
};

}  // namespace vsm
