#include "project/PictureSlot.h"

namespace vsm {

QImage blankPicture() {
    static const QImage blank = [] {
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(7874);  // 200 dpi
        image.setDotsPerMeterY(7874);
        return image;
    }();
    return blank;
}

void PictureSlots::put(int number, const QImage& picture, const QString& path) {
    (*this)[number].picture = picture;
    (*this)[number].path = path;
    if (number == 1) master = picture;
}

}  // namespace vsm
