#!/usr/bin/env bash
# Sets up, builds and starts Vaskorath Campaign; save files live in the directory it is started from.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" play
(
  cd "$root"
  if [[ ! -x build/play/vaskorath ]]; then
    echo "Baue das Spiel (einmalig, einige Minuten) ..."
    [[ -f build/play/build.ninja ]] || cmake --preset play >/dev/null
    cmake --build --preset play
  elif [[ "$(cmake --build --preset play -- -n)" != *"no work to do"* ]]; then
    # The sources changed since the last start: only what changed is built again.
    echo "Baue die geaenderten Teile des Spiels neu ..."
    cmake --build --preset play
  fi
)
exec "$root/build/play/vaskorath"
