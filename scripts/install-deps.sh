#!/usr/bin/env bash
# Installs the Debian packages the project needs. Quiet and quick when they
# are all present already.
set -euo pipefail

packages=(build-essential cmake libgtest-dev)
# The bounce sample: 32-bit MinGW cross tools, and Wine in a virtual X server
# with screenshot and resource tools for its tests.
packages+=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 xvfb x11-apps
  imagemagick icoutils)
# The Windows distribution is a zip; its tests unpack it.
packages+=(zip unzip)
# The benchmark measures peak memory with GNU time.
packages+=(time)
# The fuzz target: clang with libFuzzer and the sanitizer runtimes.
packages+=(clang libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# wine32 comes from the i386 architecture, which a fresh machine lacks.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
