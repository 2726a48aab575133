// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vsm {

struct Session;

// The slim pieces are measured on the reference box: the back and the front
// piece are this wide, the spine this wide in the middle.
constexpr double kSlimPieceMm = 129.8;
constexpr double kSlimSpineMm = 14;

// Cuts the back, spine and front pieces of a slim cover from zone 1's undrawn
// picture, slot 1's master copy fitted to the box.
void cutSlimPieces(Session& session);

}  // namespace vsm
