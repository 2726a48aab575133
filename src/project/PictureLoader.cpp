#include "project/PictureLoader.h"

#include "common/TextFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace vsm {

std::optional<QImage> loadPicture(const QString& path) {
    if (!TextFile::isRegularFile(path)) return std::nullopt;
    // Photos of 100 megapixels and more are ordinary; Qt's default limit of 128 MB
    // would refuse them.
    QImageReader::setAllocationLimit(2048);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull()) return std::nullopt;
    return picture;
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
