#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, and only
# those that are missing, so that a second run costs nothing. Run as root.
set -euo pipefail

# fonts-wqy-microhei: the smallest Debian font with the Chinese characters, so
# that the Chinese windows show text rather than boxes (about 5 MB).
# qt6-translations-l10n: Qt's own texts (standard buttons, file dialog) in Chinese.
# dpkg-dev, file, desktop-file-utils, appstream, lintian: building the Debian
# package (cpack, dpkg-shlibdeps) and checking it, its desktop entry and metainfo.
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev
    locales xvfb xauth imagemagick
    fonts-wqy-microhei qt6-translations-l10n
    dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The number-format tests run once under a locale whose decimal separator is ",".
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
