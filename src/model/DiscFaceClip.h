// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vsm {

struct Session;

// With the output option on, every disc face of a disc model shows and prints
// only on the disc, its centre hole left white: a mask on the zones' pictures,
// set after the titles so that they are clipped too.
void clipDiscFaces(Session& s);

}  // namespace vsm
