#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vessomar into build/ and starts it from there.
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
# shellcheck disable=SC2086
vessomar_install_packages $VESSOMAR_BUILD_PACKAGES
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESSOMAR_TESTS=OFF
cmake --build build --target Vessomar appdata
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Vessomar is a desktop application and needs a display, but none is set" \
         "(DISPLAY and WAYLAND_DISPLAY are empty)." >&2
    echo "Start it from a desktop session, or try: xvfb-run ./run.sh" >&2
    exit 2
fi
exec build/Vessomar "$@"
