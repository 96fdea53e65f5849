#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, whatever the build, the tests and the tools still lack.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    fonts-dejavu-core fonts-liberation xvfb xauth
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file
    locales
)

# The suite runs once more under a desktop locale that writes decimals with a comma.
comma_locale="de_DE.UTF-8"


missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix "${comma_locale/UTF-8/utf8}"; then
    echo "Generating the $comma_locale locale"
    "${sudo[@]}" sed -i "s/^# *\($comma_locale UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$comma_locale UTF-8" /etc/locale.gen ||
        echo "$comma_locale UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
fi
