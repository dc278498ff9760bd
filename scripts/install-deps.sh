#!/usr/bin/env bash
# Installs the Debian packages the project needs. Quiet and quick when they
# are all present already.
set -euo pipefail

packages=(build-essential cmake libgtest-dev)
# The bounce sample and the support libraries: 32-bit MinGW cross tools, and
# a virtual X server with screenshot and resource tools for their tests.
packages+=(g++-mingw-w64-i686 binutils-mingw-w64-i686 xvfb x11-apps imagemagick icoutils)
# The GUI tests act as a user at the X server (scripts/xtest.py,
# park-pointer.py) through these two libraries.
packages+=(libx11-6:amd64 libxtst6:amd64)
# The Windows distribution is a zip; its tests unpack it.
packages+=(zip unzip)
# The benchmark measures peak memory with GNU time and compares with TinyCC.
packages+=(time tcc)
# The fuzz target: clang with libFuzzer and the sanitizer runtimes.
packages+=(clang libclang-rt-14-dev)
# The generator of random expression programs for their compile test.
packages+=(python3)
# Wine runs the Windows programs. Its tests skip, and say why, where it is
# missing, so a package mirror that cannot deliver it stops nothing else.
wine_packages=(wine wine32:i386)

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_wine < <(missing_of "${wine_packages[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_wine[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]} ${missing_wine[*]}"
export DEBIAN_FRONTEND=noninteractive
# wine32 comes from the i386 architecture, which a fresh machine lacks.
if [ ${#missing_wine[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror in the middle of a sync serves some package lists of the wrong
# size; a later try usually gets them. Whatever lists did arrive are used.
for attempt in 1 2 3; do
  $sudo apt-get update -qq && break
  echo "apt-get update failed (attempt $attempt of 3)"
  [ "$attempt" -lt 3 ] && sleep 20
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The 32-bit libraries must match their 64-bit twins version for version.
# When one suite's i386 list could not be fetched, the resolver finds no such
# pair; the main suites alone, without that suite, still give one.
main_suites_only() {
  local dir
  dir=$(mktemp -d)
  grep -rhs -E '^deb(-src)? ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | grep -v -- '-security' > "$dir/main.list" || true
  awk 'BEGIN { RS = ""; ORS = "\n\n" } !/-security/' /etc/apt/sources.list.d/*.sources > "$dir/main.sources" 2>/dev/null || true
  $sudo apt-get -o Dir::Etc::sourceparts="$dir" -o Dir::Etc::sourcelist=/dev/null "$@"
  local status=$?
  rm -rf "$dir"
  return $status
}
if [ ${#missing_wine[@]} -gt 0 ]; then
  if ! $sudo apt-get install -y -qq --no-install-recommends "${missing_wine[@]}" >/dev/null 2>&1 &&
     ! main_suites_only install -y -qq --no-install-recommends "${missing_wine[@]}" >/dev/null; then
    echo "warning: could not install ${missing_wine[*]}; the tests that run Windows programs under Wine will be skipped"
  fi
fi
