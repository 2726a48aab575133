// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Units.h"

#include <QWidget>

namespace vsm {

// A new control of type T under parent, named as the designed form names it (the
// tests find controls by these names), at its designed place in twips.
template <typename T>
T* placeControl(QWidget* parent, const char* name, const TwipsRect& at) {
    auto* control = new T(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipsToPixels(at));
    return control;
}

template <typename T>
T* placeControl(QWidget* parent, const char* name, double left, double top, double width,
                double height) {
    return placeControl<T>(parent, name, TwipsRect::of(left, top, width, height));
}

}  // namespace vsm
