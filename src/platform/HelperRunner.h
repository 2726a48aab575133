// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace vsm {

// Asks for a desktop helper program (update-mime-database and the like) to be run.
using HelperRunner = std::function<void(const QString& program, const QStringList& arguments)>;

// Collects the helpers asked for and starts them later, detached: each can take
// seconds, so they must not delay the window.
class DeferredHelpers {
public:
    HelperRunner runner() {
        return [this](const QString& program, const QStringList& arguments) {
            helpers_.emplace_back(program, arguments);
        };
    }

    void startAll(ProcessLauncher& launcher, const QString& workingFolder) {
        for (const auto& [program, arguments] : helpers_)
            launcher.startDetached(program, arguments, workingFolder);
        helpers_.clear();
    }

private:
    std::vector<std::pair<QString, QStringList>> helpers_;
};

}  // namespace vsm
