#!/usr/bin/env bash
# Builds the AFL++ fuzzers under ASan and UBSan and runs one of them for a bounded time:
#   scripts/fuzz.sh build                      (only builds them)
#   scripts/fuzz.sh dialogue|loader [SECONDS]
# A crash, a sanitizer report or a timeout fails the run; the inputs that caused it are kept in
# fuzz/regressions/<fuzzer>/, which the ordinary test run replays.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
fuzzer="${1:?build, dialogue or loader}"
seconds="${2:-60}"
case "$fuzzer" in
  build) ;;
  dialogue) timeout_ms=5000 ;;   # one input under the sanitizers takes a few milliseconds to a second
  loader) timeout_ms=20000 ;;    # one load of a 32 MB file under the sanitizers takes about a second
  *) echo "Unbekannter Fuzzer: $fuzzer (dialogue oder loader)" >&2; exit 2 ;;
esac

"$root/scripts/setup.sh" fuzz
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
[[ "$fuzzer" == build ]] && exit 0

findings="$(mktemp -d)"
trap 'rm -rf "$findings"' EXIT
# The machine is shared and has no core dump handler of AFL's liking: both are fine for a bounded run.
AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1 AFL_NO_AFFINITY=1 AFL_NO_UI=1 AFL_FAST_CAL=1 \
  afl-fuzz -i "fuzz/corpus/$fuzzer" -o "$findings" -m none -t "$timeout_ms" -V "$seconds" \
  -- "build/fuzz/fuzz/vaskorath_${fuzzer}_fuzzer" >"$findings/log" 2>&1 || {
  tail -20 "$findings/log" >&2
  exit 1
}

stats="$findings/default/fuzzer_stats"
value() { awk -v key="$1" '$1 == key { print $3 }' "$stats"; }
echo "$fuzzer: $(value execs_done) Eingaben in $(value run_time) s, $(value execs_per_sec) je Sekunde," \
  "$(value saved_crashes) Abstuerze, $(value saved_hangs) Zeitueberschreitungen"
failed=0
for kind in crashes hangs; do
  for input in "$findings/default/$kind"/id:*; do
    [[ -e "$input" ]] || continue
    name="$kind-$(sha1sum "$input" | cut -c1-12)"
    cp "$input" "fuzz/regressions/$fuzzer/$name"
    echo "Gefunden: fuzz/regressions/$fuzzer/$name" >&2
    failed=1
  done
done
exit "$failed"
