// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Refresh.h"

#include "model/Session.h"
#include "common/Rounding.h"

#include "model/CaseKinds.h"
#include "model/DiscFaceClip.h"
#include "model/ModelScale.h"
#include "model/PictureFit.h"
#include "model/SlimPieces.h"
#include "model/Templates.h"
#include "model/TitleDrawing.h"

namespace vsm {

void refreshPictures(Session& s) {
    CaricaCopertineSmile(s);
    // Zones start from their undrawn pictures, so titles of an earlier refresh are
    // gone before they are drawn again; slots 2 and 3 too, or a disc-face title
    // would be drawn over itself at every refresh.
    s.preview.image1.picture = s.pictureSlots.master;
    s.preview.image2.picture = s.pictureSlots[2].picture;
    s.preview.image3.picture = s.pictureSlots[3].picture;
    fitZonePictures(s);
    if (caseKind(s.model.currentModel).slim) cutSlimPieces(s);
    drawTitles(s);
    clipDiscFaces(s);
}

void refreshPreview(Session& s, InnerSize inner) {
    applyModelScale(s, inner.height);
    refreshPictures(s);
    layOutPreview(s, inner);
}

}  // namespace vsm
