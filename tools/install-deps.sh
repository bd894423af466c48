#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when any is missing.
set -euo pipefail

packages=(
  # the core, the command-line calculator, tests and benchmarks
  cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev googletest libbenchmark-dev
  # the fuzz target
  clang libclang-rt-14-dev
  # the Linux program and its tests with real X input
  qt6-base-dev fonts-wqy-microhei xvfb xauth xdotool xclip x11-xserver-utils openbox x11-utils libx11-dev imagemagick
  # the Windows program, cross-built and run under Wine
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32 fonts-wine
  file
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# wine32 lives in the i386 architecture
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
