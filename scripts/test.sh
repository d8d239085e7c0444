#!/usr/bin/env bash
# Sets up, builds with warnings as errors and runs every test; --sanitize does it under ASan and UBSan.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="test"
if [[ "${1:-}" == "--sanitize" ]]; then
  preset="sanitize"
fi

"$root/scripts/setup.sh" test
cd "$root"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
