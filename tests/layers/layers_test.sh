#!/usr/bin/env bash
# Each folder of src/ includes only the folders below it:
#   program -> entry, report, lookup -> contracts, shell -> atlas, birthtime,
#   wheel -> charts, cosmodynes
# and the core includes no Qt; birthtime uses Qt Core only; the wheel's
# layout (wheel_layout, wheel_scene) includes no Qt. Usage: layers_test.sh SOURCE_DIR
set -euo pipefail
src="$1/src"

declare -A allowed=(
  [charts]="charts"
  [cosmodynes]="charts cosmodynes"
  [shell]="shell"
  [birthtime]="birthtime"
  [modules]="modules"
  [atlas]="atlas modules"
  [contracts]="contracts charts cosmodynes birthtime atlas"
  [entry]="entry contracts shell charts cosmodynes birthtime atlas"
  [wheel]="wheel charts cosmodynes"
  [report]="report contracts shell charts cosmodynes birthtime wheel"
  [lookup]="lookup contracts shell modules"
  [program]="program entry report lookup contracts shell charts cosmodynes birthtime atlas wheel modules"
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
if grep -nE '^#include <Q' "$src"/wheel/wheel_layout.* "$src"/wheel/wheel_scene.*; then
  echo "the wheel's layout includes Qt"
  status=1
fi
if grep -rnE '^#include <Q(tGui|tWidgets|Widget|Gui|Application|Window)' "$src/birthtime"; then
  echo "birthtime uses more of Qt than Qt Core"
  status=1
fi
for folder in "$src"/*/; do
  name=$(basename "$folder")
  [[ -n ${allowed[$name]+set} ]] || { echo "src/$name has no place among the layers"; status=1; }
done
exit $status
