// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture file: loading never fails hard, never takes more memory
// than the limits allow, and what loads is held at most at the kept size.
#include "project/PictureLoader.h"

#include <unistd.h>
#include <QFile>
#include <QGuiApplication>
#include <cstdlib>

namespace {

// The loader reads files, as it does for a drop or a project; the file lives in
// memory-backed storage so each input costs little.
QString inputPath() {
    static const QString path = [] {
        const QString folder =
            QFile::exists("/dev/shm") ? QStringLiteral("/dev/shm") : QStringLiteral("/tmp");
        return folder + QStringLiteral("/vessomar-fuzz-picture-%1").arg(::getpid());
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);  // Qt's picture readers are plugins
    static const QByteArray leftOver = QFile::encodeName(inputPath());
    std::atexit([] { ::unlink(leftOver.constData()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QFile file(inputPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    const auto picture = vsm::loadPicture(inputPath());
    if (!picture) return 0;
    const QSize kept = picture->pixels.size();
    if (kept.isEmpty() || std::max(kept.width(), kept.height()) > vsm::PictureLimits::kHeldLongSide)
        std::abort();
    if (picture->sourceSize.isEmpty()) std::abort();
    return 0;
}
