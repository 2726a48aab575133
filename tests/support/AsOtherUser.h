// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace vsm::test {

// Runs body in a child process. When the tests run as root, the child first
// becomes the unprivileged user "nobody", so that file permissions hold as they
// do for a real user. Returns body's result, or -1 when the child failed.
int runUnprivileged(const std::function<int()>& body);

}  // namespace vsm::test
