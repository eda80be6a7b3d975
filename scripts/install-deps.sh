#!/usr/bin/env bash
# Installs the Debian packages the build, tests, demo and benchmarks need.
# Idempotent: only packages that are missing are installed.
# --quiet: say nothing when nothing is missing (how `make test` and `make demo` call it).
set -euo pipefail

quiet=0
if [ "${1:-}" = "--quiet" ]; then quiet=1; fi

packages=(
  build-essential
  cmake
  pkg-config
  clang-format
  clang
  libclang-rt-14-dev
  googletest
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libfreetype-dev
  libfontconfig-dev
  fonts-dejavu-core
  libpng-dev
  nlohmann-json3-dev
  qt6-base-dev
  xvfb
  xauth
  libcli11-dev
  libfast-float-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  if [ "$quiet" -eq 0 ]; then echo "install-deps: all packages present"; fi
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
