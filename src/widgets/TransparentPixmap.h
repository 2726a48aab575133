// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace vsm {

// A clear pixmap to draw a button or icon picture on.
inline QPixmap transparentPixmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace vsm
