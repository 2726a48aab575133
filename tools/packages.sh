# SPDX-License-Identifier: GPL-3.0-or-later
# Debian packages Vessomar needs, and a function that installs the missing ones.
# Sourced by run.sh, test.sh and .ci/run.

VESSOMAR_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
  qt6-multimedia-dev libqt6svg6-dev libcups2-dev libjpeg62-turbo-dev qt6-qpa-plugins qt6-image-formats-plugins
  fonts-liberation"
VESSOMAR_TEST_PACKAGES="libgtest-dev libgmock-dev xvfb xauth poppler-utils cups
  printer-driver-cups-pdf cups-client libjpeg-turbo-progs imagemagick desktop-file-utils appstream
  clang libclang-rt-14-dev"

vessomar_install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"; then
        $sudo apt-get update -q
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    fi
}
