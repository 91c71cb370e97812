#!/usr/bin/env bash
# Configures and builds Lexoria in the folder given (default: build).
# Further arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
dir=${1:-build}
shift || true
cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$root/$dir"
