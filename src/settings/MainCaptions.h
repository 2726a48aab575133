// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/UiText.h"

#include <QList>
#include <QPair>
#include <QString>

namespace vsm {

// The captions a language puts on the main window's menus and labels, by control
// name. Separators and the cover-search sites are not translated.
QList<QPair<QString, QString>> mainWindowCaptions(const UiText& text);

// Caption of Format menu entry k (k = 0..17): the name of model k.
QString formatEntryCaption(const UiText& text, int k);

// Name of model k in the model list.
QString modelName(const UiText& text, int k);

constexpr int kFormatMenuEntries = 18;
constexpr int kToolbarButtons = 10;

}  // namespace vsm
