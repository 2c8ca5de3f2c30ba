# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run and scripts/test: installs what is missing and builds the program.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${ORIVENTA_BUILD_DIR:-$ROOT/build}"

PACKAGES=(cmake make g++ qtbase5-dev qttools5-dev qttools5-dev-tools libqt5webkit5-dev libjsoncpp-dev
          xvfb xauth openbox xdotool x11-utils imagemagick dbus python3-dbusmock
          libkf5calendarcore-dev libkf5contacts-dev libical-dev qtkeychain-qt5-dev radicale xandikos openssl python3
          qttranslations5-l10n at-spi2-core python3-pyatspi gir1.2-atspi-2.0)

install_missing_packages() {
    local missing=()
    for pkg in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_program() {
    local werror=OFF
    if [ -n "${CI:-}" ]; then
        werror=ON
    fi
    cmake -S "$ROOT" -B "$BUILD_DIR" -DORIVENTA_WERROR="$werror" >/dev/null
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
