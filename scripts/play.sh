#!/usr/bin/env bash
# Sets up, builds and starts Vaskorath Campaign; save files live in the directory it is started from.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" play
(
  cd "$root"
  cmake --preset play >/dev/null
  cmake --build --preset play >/dev/null
)
exec "$root/build/play/vaskorath"
