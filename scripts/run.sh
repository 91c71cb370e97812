#!/usr/bin/env bash
# Installs what Lexoria needs, builds it and starts the desktop program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build -DLEXORIA_BUILD_TESTS=OFF -DLEXORIA_BUILD_BENCH=OFF
if [ -x "$root/build/bin/lexoria" ]; then
  exec "$root/build/bin/lexoria" "$@"
fi
exec "$root/build/bin/lexoria-cli" --help
