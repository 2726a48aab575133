// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Session.h"
#include "model/Refresh.h"
#include "support/TempAppFolder.h"

namespace vsm::test {

// A session on a copy of the shipped data, at the designed window size, with
// the shipped catalogue loaded.
struct SessionFixture {
    TempAppFolder dir;
    Session session;
    InnerSize inner{9930, 7290};

    SessionFixture() {
        session.folder = dir.folder();
        session.loadCatalogue();
        session.model.loadScaleHeight = 7290;
    }
    Session& refresh(int model) {
        session.model.currentModel = model;
        refreshPreview(session, inner);
        return session;
    }
};

}  // namespace vsm::test
