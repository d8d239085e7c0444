#!/usr/bin/env bash
# Cross-builds vaskorath.exe for Windows with MinGW-w64, runs its tests under Wine and compares it
# with this system's build; --build-only builds build/windows/vaskorath.exe and nothing else.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" windows
cd "$root"
cmake --preset windows
if [[ "${1:-}" == "--build-only" ]]; then
  cmake --build --preset windows --target vaskorath
  echo "Fertig: $root/build/windows/vaskorath.exe"
  exit 0
fi

# A prefix of its own, made once, so no run writes Wine's first-start messages to standard error.
export WINEDEBUG=-all
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/vaskorath-wine-XXXXXX")"
export WINEPREFIX
stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT
wineboot -i >/dev/null 2>&1
# Wine's server and background services stay up for all tests instead of starting for each one.
setsid -f wineserver -p >/dev/null 2>&1
setsid -f wine cmd /c exit >/dev/null 2>&1

# The test discovery after the build already runs the test program under Wine.
cmake --build --preset windows
ctest --preset windows

# This system's build against the Windows build: the same screens, each loads the other's saves.
"$root/scripts/setup.sh" test
cmake --preset test >/dev/null
cmake --build --preset test
VASKORATH_WINDOWS_PROGRAM="$root/build/windows/vaskorath.exe" ctest --preset test -R '^BothBuilds\.'
