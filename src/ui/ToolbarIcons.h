// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace vsm {

// The tool-bar pictures, drawn for this program; buttons 6 and 7 have none.
QPixmap toolbarIcon(int button, QSize size);

}  // namespace vsm
