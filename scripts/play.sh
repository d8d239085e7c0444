#!/usr/bin/env bash
# Sets up, builds and starts Vaskorath Campaign; save files live in the directory it is started from.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" play
(
  cd "$root"
  # Touched after every build that worked: a later start builds only when a source is newer.
  stamp=build/play/gebaut.stamp
  if [[ ! -f "$stamp" ]]; then
    echo "Baue das Spiel (einmalig, einige Minuten) ..."
  elif [[ -n "$(find src CMakeLists.txt CMakePresets.json -newer "$stamp" -print -quit)" ]]; then
    echo "Die Quellen wurden geaendert, baue das Spiel neu ..."
  else
    exit 0
  fi
  cmake --preset play >/dev/null
  cmake --build --preset play
  touch "$stamp"
)
exec "$root/build/play/vaskorath"
