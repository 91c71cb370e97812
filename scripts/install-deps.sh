#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Lexoria need.
# Idempotent: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-translations-l10n qt6-svg-dev
  libcurl4-openssl-dev libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core ca-certificates
  bibtool tidy unrtf python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=300 update
$sudo apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends "${missing[@]}"
