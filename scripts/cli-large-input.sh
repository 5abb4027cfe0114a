#!/usr/bin/env bash
# Times kelvra-cli on the two inputs that strain its CSV reader most: one
# field of 4 MB (the reader's buffer) and a 50 MB line of empty fields (what
# the reader keeps of a row). Run after the test command; by default it uses the
# sanitizer build, where a slow buffer shows most.
#   bash scripts/cli-large-input.sh [BUILD_DIR]      (default build-asan)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cli="${1:-build-asan}/cli/kelvra-cli"
[[ -x $cli ]] || { echo "no $cli: run bash scripts/dev.sh test first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
header=$(head -n 1 tests/desktop/couples.csv)
couple=$(sed -n 2p tests/desktop/couples.csv)
{ echo "$header"; head -c $((4 << 20)) /dev/zero | tr '\0' A; echo ",${couple#*,}"; } > "$work/field.csv"
{ echo "$header"; head -c $((50 << 20)) /dev/zero | tr '\0' ,; echo; echo "$couple"; } > "$work/commas.csv"

run() {  # name file: seconds and peak memory of one run
  local start end status=0
  start=$(date +%s%N)
  if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -f "%M" -o "$work/peak" "$cli" "$2" > /dev/null 2>&1 || status=$?
  else
    "$cli" "$2" > /dev/null 2>&1 || status=$?
  fi
  end=$(date +%s%N)
  local peak="peak memory not measured (no /usr/bin/time)"
  [[ -s $work/peak ]] && peak="peak memory $(( $(tail -n 1 "$work/peak") / 1024 )) MiB"
  local ms=$(( (end - start) / 1000000 ))
  printf '%-34s %3d.%02d s   %s   exit %d\n' "$1" $((ms / 1000)) $((ms % 1000 / 10)) "$peak" "$status"
}

echo "kelvra-cli: $cli"
run "one field of 4 MB (goal < 2 s)" "$work/field.csv"
run "a 50 MB line of empty fields" "$work/commas.csv"
