#!/usr/bin/env bash
# Each folder of src/ includes only the folders below it:
#   program -> entry, report, lookup -> contracts, shell -> charts, cosmodynes
# and the core includes no Qt. Usage: layers_test.sh SOURCE_DIR
set -euo pipefail
src="$1/src"

declare -A allowed=(
  [charts]="charts"
  [cosmodynes]="charts cosmodynes"
  [shell]="shell"
  [contracts]="contracts charts cosmodynes"
  [entry]="entry contracts shell charts cosmodynes"
  [report]="report contracts shell charts cosmodynes"
  [lookup]="lookup contracts shell"
  [program]="program entry report lookup contracts shell charts cosmodynes"
)

status=0
for folder in "${!allowed[@]}"; do
  while IFS=: read -r file line include; do
    used=${include%%/*}
    if [[ " ${allowed[$folder]} " != *" $used "* ]]; then
      echo "${file#"$1"/}:$line: $folder may not include $include"
      status=1
    fi
  done < <(grep -rnoE '^#include "[a-z_]+/[^"]+"' "$src/$folder" | sed -E 's/#include "([^"]+)"/\1/')
done
for folder in charts cosmodynes; do
  if grep -rnE '^#include <Q' "$src/$folder"; then
    echo "the core ($folder) includes Qt"
    status=1
  fi
done
for folder in "$src"/*/; do
  name=$(basename "$folder")
  [[ -n ${allowed[$name]+set} ]] || { echo "src/$name has no place among the layers"; status=1; }
done
exit $status
