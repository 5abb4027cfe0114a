# SPDX-License-Identifier: AGPL-3.0-or-later
# The golden set's cases, sourced by check.sh and update.sh: inputs, option
# sets and which inputs each set runs over, all with no TZ and the locale of
# GOLDEN_LANG (C unless set): the output is the same in every locale.

# name=path from the source root[:number of lines taken from its start]
golden_inputs=(
  desktop-couples=tests/desktop/couples.csv
  analysis-couples=tests/program/analysis_couples.csv
  mixed=tests/cli/golden/mixed.csv
  # An explained row is some 40 kB: --explain takes the header and the first
  # eight rows, which hold analysed, refused, malformed and short ones.
  mixed-start=tests/cli/golden/mixed.csv:9
)

# name=inputs=options
golden_option_sets=(
  "jsonl=desktop-couples analysis-couples mixed="
  "csv=desktop-couples analysis-couples mixed=--format csv"
  "csv-safe=desktop-couples analysis-couples mixed=--format csv --csv-safe"
  "explain=desktop-couples analysis-couples mixed-start=--explain"
  "true-ut=desktop-couples analysis-couples mixed=--true-ut"
  "true-ut-csv=desktop-couples analysis-couples mixed=--format csv --true-ut"
)

# Every option set gives the same bytes with each of these.
golden_jobs=(1 2 4)

# for_each_golden_case FUNCTION: calls FUNCTION CASE INPUT OPTIONS...
# for every input of every option set; CASE is "input.set".
for_each_golden_case() {
  local set name inputs input entry
  local -a options
  for set in "${golden_option_sets[@]}"; do
    name=${set%%=*}
    inputs=${set#*=}
    read -r -a options <<< "${inputs#*=}"
    for input in ${inputs%%=*}; do
      for entry in "${golden_inputs[@]}"; do
        if [[ ${entry%%=*} == "$input" ]]; then "$1" "$input.$name" "${entry#*=}" "${options[@]}"; fi
      done
    done
  done
}

# run_golden CLI SOURCE_DIR INPUT OUT ERR JOBS OPTIONS...: the exit
# status goes to OUT.status. The input comes on standard input, so that no
# path shows in the output: a whole file as a file, the start of one through
# a pipe, so that both ways of reading are checked.
run_golden() {
  local cli=$1 source_dir=$2 input=$3 out=$4 err=$5 jobs=$6 status=0
  shift 6
  local path=$source_dir/${input%%:*}
  local -a run=(env -u TZ -u LANGUAGE LANG="${GOLDEN_LANG:-C}" LC_ALL="${GOLDEN_LANG:-C}" "$cli" "$@" --jobs "$jobs")
  if [[ $input == *:* ]]; then
    head -n "${input##*:}" "$path" | "${run[@]}" > "$out" 2> "$err" || status=$?
  else
    "${run[@]}" < "$path" > "$out" 2> "$err" || status=$?
  fi
  echo "$status" > "$out.status"
}
