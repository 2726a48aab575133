// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vsm {

struct Session;

// Cuts the back, spine and front pieces of a slim cover from slot 1's master
// copy, a picture made for the full box.
void cutSlimPieces(Session& session);

}  // namespace vsm
