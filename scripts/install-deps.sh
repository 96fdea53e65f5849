#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, what the named tasks still lack (through sudo when not run as
# root): build (building and running the program), test, display (a virtual display for the
# benchmark and the screenshots), fuzz and package. Usage: install-deps.sh task...
set -euo pipefail

declare -A needs=(
    [build]="cmake ninja-build g++ pkg-config nlohmann-json3-dev qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
             libgl-dev fonts-liberation"
    [test]="fonts-dejavu-core desktop-file-utils appstream locales"
    [display]="xvfb xauth"
    [fuzz]="cmake ninja-build clang-14 libclang-rt-14-dev nlohmann-json3-dev"
    [package]="dpkg-dev file"
)

# The test suite runs once more under a desktop locale that writes decimals with a comma.
comma_locale="de_DE.UTF-8"

packages=()
for task in "$@"; do
    [[ -n "${needs[$task]:-}" ]] || { echo "install-deps.sh: unknown task $task" >&2; exit 2; }
    # shellcheck disable=SC2206 # the lists split at blanks
    packages+=(${needs[$task]})
done

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

if [[ " $* " == *" test "* ]] &&
    ! locale -a 2>/dev/null | grep -qix "${comma_locale/UTF-8/utf8}"; then
    echo "Generating the $comma_locale locale"
    "${sudo[@]}" sed -i "s/^# *\($comma_locale UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$comma_locale UTF-8" /etc/locale.gen ||
        echo "$comma_locale UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
fi
