#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Writes the golden set's expected outputs with BUILD_DIR's kelvra-cli, after
# rewriting mixed.csv from make_input.py (the same bytes unless the script
# changed), then runs check.sh, which also holds --jobs 2 and 4 to them.
#
# Use it only when kelvra-cli's output is meant to change, or after changing
# an input or a case in cases.sh; then read the diff of expected/ before
# committing it: every byte that changes there changes for the users'
# scripts too. Never use it just to make a failing CliGolden test pass.
#   tests/cli/golden/update.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
golden=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$golden/../../.." && pwd)
cli=$build/cli/kelvra-cli
# shellcheck source=cases.sh
. "$golden/cases.sh"
[[ -x $cli ]] || { echo "no kelvra-cli at $cli" >&2; exit 2; }

python3 "$golden/make_input.py" golden > "$golden/mixed.csv"
rm -rf "$golden/expected"
mkdir -p "$golden/expected"
write_case() {
  local expected=$golden/expected/$1 input=$2
  shift 2
  run_golden "$cli" "$source_dir" "$input" "$expected.out" "$expected.err" 1 "$@"
  mv "$expected.out.status" "$expected.status"
  # Large outputs are kept compressed, with no name or time in the header.
  if (( $(stat -c %s "$expected.out") > 16384 )); then gzip -n -9 "$expected.out"; fi
}
for_each_golden_case write_case
bash "$golden/check.sh" "$cli" "$source_dir"
du -sh "$golden"
