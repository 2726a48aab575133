// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintValue.h"

namespace vsm {

struct Session;

// What printing model m draws from the session: the pictures the preview holds,
// the zone places of the catalogue and the zone sizes of the current scale.
PrintValue printValue(const Session& session, int m);

}  // namespace vsm
