#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vessomar and its tests, and runs every test.
# BUILD_DIR and extra CMake options may be given in the environment, e.g.
#   BUILD_DIR=build-asan CMAKE_OPTIONS=-DVESSOMAR_SANITIZE=ON ./test.sh
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
# shellcheck disable=SC2086
vessomar_install_packages $VESSOMAR_BUILD_PACKAGES $VESSOMAR_TEST_PACKAGES
build_dir="${BUILD_DIR:-build}"
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESSOMAR_TESTS=ON \
    ${CMAKE_OPTIONS:-}
cmake --build "$build_dir" -j "$(nproc)"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
