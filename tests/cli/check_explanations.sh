#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# kelvra-cli --explain over a few hundred generated couples, every explained
# row re-added independently by scripts/check-explanations.py, which also
# holds each row's starting harmony memory to the one the analysed row before
# it left, across the refused rows in between. Fails when kelvra-cli fails,
# when a row does not add up, or when the input no longer has refused rows.
#   check_explanations.sh KELVRA_CLI PYTHON3 SOURCE_DIR
set -euo pipefail
cli=$1 python=$2 source_dir=$3
couples=300

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$python" "$source_dir/tests/cli/golden/make_input.py" couples "$couples" > "$work/couples.csv"

status=0
env -u TZ LANG=C LC_ALL=C "$cli" --explain --jobs 2 "$work/couples.csv" > "$work/explained.jsonl" 2> "$work/err" ||
  status=$?
# Refused rows make the status 1; anything else, or any message, is a failure.
if [[ $status != 1 || -s $work/err ]]; then
  echo "kelvra-cli --explain exited with status $status (expected 1, for the refused rows):"
  cat "$work/err"
  exit 1
fi
lines=$(wc -l < "$work/explained.jsonl")
[[ $lines == "$couples" ]] || { echo "kelvra-cli wrote $lines lines for $couples couples"; exit 1; }

"$python" "$source_dir/scripts/check-explanations.py" < "$work/explained.jsonl"

grep -q '"error":' "$work/explained.jsonl" || { echo "the input no longer has refused rows"; exit 1; }
