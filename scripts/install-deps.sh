#!/usr/bin/env bash
# Installs what building, running and testing need on Debian, and nothing that is already there.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev            # native build and unit tests
    mingw-w64 g++-mingw-w64-x86-64-posix              # the Windows program, cross-compiled
    wine wine64 xvfb                                  # running it, with a virtual display
    locales fonts-wqy-microhei fonts-wine             # code page 936 and fonts that show Chinese
    imagemagick                                       # screenshots to PNG
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# Wine takes its code pages from the locale: zh_CN.UTF-8 gives ANSI and OEM code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
        echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
