#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Runs kelvra-cli over every golden case (cases.sh) with each job count, and
# compares its standard output, standard error and exit status with the
# expected ones byte for byte; tells the first differing line of each.
#   check.sh KELVRA_CLI [SOURCE_DIR]
set -uo pipefail
cli=$1
source_dir=${2:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)}
golden=$source_dir/tests/cli/golden
# shellcheck source=cases.sh
. "$golden/cases.sh"
[[ -x $cli ]] || { echo "no kelvra-cli at $cli" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# first_difference WHAT EXPECTED GOT: silent when the files are the same.
first_difference() {
  local what=$1 expected=$2 got=$3 line message
  message=$(cmp "$expected" "$got" 2>&1) && return 0
  if [[ $message == *EOF* ]]; then  # one file is the start of the other
    local a b
    a=$(wc -l < "$expected") b=$(wc -l < "$got")
    line=$(( (a < b ? a : b) + 1 ))
  else
    line=$(sed -n 's/.* line \([0-9]*\).*/\1/p' <<< "$message")
  fi
  # The line from a little before its first differing byte.
  EXPECTED=$(sed -n "${line}p" "$expected") GOT=$(sed -n "${line}p" "$got") LC_ALL=C awk -v what="$what" -v line="$line" '
    BEGIN {
      a = ENVIRON["EXPECTED"]; b = ENVIRON["GOT"]
      for (i = 1; i <= length(a) && substr(a, i, 1) == substr(b, i, 1); i++) {}
      from = i > 60 ? i - 60 : 1
      printf "%s differs in line %d, byte %d:\n  expected: %s\n  got:      %s\n", what, line, i,
             substr(a, from, 160), substr(b, from, 160)
    }' | cat -v
  return 1
}

runs=0 failures=0
check_case() {
  local case=$1 input=$2 jobs ok
  shift 2
  local expected=$golden/expected/$case
  if [[ -f $expected.out.gz ]]; then
    gzip -dc "$expected.out.gz" > "$work/expected.out"
  else
    cp "$expected.out" "$work/expected.out" || { failures=$((failures + 1)); return; }
  fi
  for jobs in "${golden_jobs[@]}"; do
    runs=$((runs + 1))
    run_golden "$cli" "$source_dir" "$input" "$work/out" "$work/err" "$jobs" "$@"
    local label="$case (kelvra-cli $* --jobs $jobs < $input)"
    ok=1
    first_difference "$label: standard output" "$work/expected.out" "$work/out" || ok=0
    first_difference "$label: standard error" "$expected.err" "$work/err" || ok=0
    first_difference "$label: exit status" "$expected.status" "$work/out.status" || ok=0
    [[ $ok == 1 ]] || failures=$((failures + 1))
  done
}
for_each_golden_case check_case
echo "$((runs - failures)) of $runs golden runs gave the expected bytes"
[[ $runs -gt 0 && $failures == 0 ]]
