#!/usr/bin/env bash
# Installs what Lexoria needs, builds it with its tests and runs them all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
