// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ComposedPicture.h"
#include "project/PictureSlot.h"

#include <QSizeF>
#include <QStringList>
#include <optional>
#include <vector>

namespace vsm {

struct Session;
class UiText;

// The picture made to the shape of a zone printed at printedMm: unchanged for
// Stretch, cut centred to that shape for Fill, framed in white to it for Fit.
ComposedPicture fittedPicture(const ComposedPicture& picture, FitMode mode, QSizeF printedMm);

// The size in millimetres a slot's whole picture prints at on a model, from the
// catalogue's record; nothing when the model does not use the slot. A slim box
// prints slot 1 as pieces cut to the reference box's proportions, so its picture
// stands for the box width scaled to the printed back piece.
std::optional<QSizeF> slotPrintSize(const Session& session, int model, int slot);

// Sets the current model's zone pictures 1 to 3 to the slot pictures fitted to
// their zones, before the slim cuts and the titles.
void fitZonePictures(Session& session);

// How many of the picture file's pixels fall on an inch of paper once it is fitted
// and printed at printedMm: the lower of the two axes.
double printedPixelsPerInch(const ComposedPicture& picture, FitMode mode, QSizeF printedMm);

// Below this a printed picture may look soft.
constexpr double kSoftPixelsPerInch = 150;

struct SoftPicture {
    int slot = 0;
    int pixelsPerInch = 0;
};

// The slots of the model whose own picture prints below kSoftPixelsPerInch; the
// blank picture and the templates never count.
std::vector<SoftPicture> softPictures(const Session& session, int model);

// Text 132 for each soft picture ("Picture 1 prints at 96 pixels per inch ...").
QStringList softPictureWarnings(const Session& session, int model);
QString softPictureWarning(const UiText& text, const SoftPicture& soft);

// The slot's picture takes the mode; false when it had it already.
bool setFitMode(Session& session, int slot, FitMode mode);

// The modes in the order the menus offer them, and their captions (texts 133 to
// 135); the menu of a slot's modes is text 136.
inline constexpr FitMode kFitModes[] = {FitMode::Stretch, FitMode::Fill, FitMode::Fit};
QString fitModeCaption(const UiText& text, FitMode mode);
QString fitMenuCaption(const UiText& text, int slot);

}  // namespace vsm
