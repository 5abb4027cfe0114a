#!/usr/bin/env bash
# Every folder of src/, and app, cli, bench and tools, is a layer: its files
# include only the folders the layer lists (and its own), and only as much of
# Qt as its rule grants:
#   none  no Qt          core  Qt Core only
#   gui   Qt Gui and Svg, no widgets          any   any module
# An include names its folder ("charts/zodiac.h"); a bare "x.h" is a file
# beside the including one. The sources of a layer's loadable modules (MODULE
# targets of its CMakeLists.txt, or kelvra_add_module) may have a rule of their own, so that a
# program maps Qt only when it loads them.
# Usage: layers_test.sh SOURCE_DIR QT_HEADERS_DIR
set -uo pipefail
root=${1:?usage: layers_test.sh SOURCE_DIR QT_HEADERS_DIR}
qt=${2:?usage: layers_test.sh SOURCE_DIR QT_HEADERS_DIR}
[[ -d $qt/QtCore ]] || { echo "no Qt headers in $qt"; exit 2; }

below_windows="contracts shell charts cosmodynes birthtime atlas wheel drawing reportdata modules vocabulary csv people"
all_src="program entry report lookup $below_windows"

declare -A qt_rule uses module_rule module_uses
layer() {  # NAME QT_RULE [FOLDER...]
  local name=$1 rule=$2
  shift 2
  qt_rule[$name]=$rule
  uses[$name]="$name $*"
}
loadable() {  # NAME QT_RULE [FOLDER...]: what the layer's loadable modules may add
  local name=$1 rule=$2
  shift 2
  module_rule[$name]=$rule
  module_uses[$name]="${uses[$name]} $*"
}

layer charts     none
layer cosmodynes none charts
layer vocabulary none charts cosmodynes
layer wheel      none charts cosmodynes vocabulary
layer reportdata none charts cosmodynes vocabulary
layer modules    none
layer atlas      none modules vocabulary
layer csv        none vocabulary
layer people     none vocabulary csv
layer birthtime  core
layer contracts  core charts cosmodynes birthtime
layer drawing    gui  wheel charts cosmodynes vocabulary
layer shell      any  vocabulary
layer entry      any  contracts shell charts cosmodynes birthtime atlas vocabulary
layer report     any  contracts shell charts cosmodynes birthtime wheel drawing reportdata vocabulary
layer lookup     any  contracts shell modules vocabulary
layer program    any  entry report lookup $below_windows
layer app        any  $all_src
layer cli        none charts cosmodynes birthtime atlas reportdata modules vocabulary csv people
loadable cli     gui  wheel drawing
layer bench      any  $all_src cli tests
layer tools      any  $all_src tests
# The tests mirror the layers and may use any of them; they are no layer.
not_layers=" tests "

declare -A qt_modules=([none]="" [core]="QtCore" [gui]="QtCore QtGui QtSvg")
declare -A rule_text=([none]="no Qt" [core]="Qt Core only" [gui]="Qt Gui without widgets")

status=0
fail() { echo "$*"; status=1; }

# The Qt module that provides an angle-bracket header, or nothing.
declare -A module_of
qt_module() {
  local header=$1 first=${1%%/*}
  if [[ -z ${module_of[$header]+set} ]]; then
    local found=()
    if [[ $header == */* ]]; then
      [[ $first == Qt* && -d $qt/$first ]] && found=("$qt/$first/x")
    else
      shopt -s nullglob
      found=("$qt"/Qt*/"$header")
      shopt -u nullglob
      [[ ${#found[@]} -eq 0 && $header == Q* ]] && found=("$qt/an unknown module/x")
    fi
    if [[ ${#found[@]} -gt 0 ]]; then
      local dir=${found[0]%/*}
      module_of[$header]=${dir##*/}
    else
      module_of[$header]=""
    fi
  fi
  REPLY=${module_of[$header]}
}

# The sources of the MODULE targets declared under a layer's folder.
module_sources() {
  local cmake dir word
  while IFS= read -r cmake; do
    dir=${cmake%/CMakeLists.txt}
    sed 's/#.*//' "$cmake" | tr '\n' ' ' |
      grep -oE 'add_library\([[:space:]]*[^[:space:])]+[[:space:]]+MODULE[^)]*\)|kelvra_add_module\([^)]*\)' |
      sed -E 's/^add_library\([[:space:]]*[^[:space:]]+[[:space:]]+MODULE//; s/^kelvra_add_module\([[:space:]]*[^[:space:])]+//; s/\)$//' |
      while read -ra words; do
        for word in "${words[@]}"; do
          [[ $word == *'$'* || $word == EXCLUDE_FROM_ALL ]] && continue
          [[ $word == /* ]] && echo "$word" || echo "$dir/$word"
        done
      done
  done < <(find "$1" -name CMakeLists.txt)
}

check_layer() {  # NAME FOLDER
  local name=$1 folder=$2 file line kind header used label rule allowed
  declare -A in_module=()
  if [[ -n ${module_rule[$name]+set} ]]; then
    while IFS= read -r file; do in_module[$file]=1; done < <(module_sources "$folder")
  fi
  while IFS=: read -r file line kind header; do
    if [[ -n ${in_module[$file]+set} ]]; then
      label="$name (loadable module)" rule=${module_rule[$name]} allowed=${module_uses[$name]}
    else
      label=$name rule=${qt_rule[$name]} allowed=${uses[$name]}
    fi
    local where="${file#"$root"/}:$line"
    if [[ $kind == '"' ]]; then
      if [[ $header != */* ]]; then
        [[ -f ${file%/*}/$header || ($header == *.moc && -f ${file%/*}/${header%.moc}.cpp) ]] ||
          fail "$where: \"$header\" is no file beside it; name the include's folder"
        continue
      fi
      used=${header%%/*}
      if [[ ! -f $root/src/$header && ! -f $root/$header ]]; then
        fail "$where: \"$header\" names no file of the project"
      elif [[ " $allowed " != *" $used "* ]]; then
        fail "$where: $label may not include $header"
      fi
    elif [[ $rule != any ]]; then
      qt_module "$header"
      [[ -z $REPLY || " ${qt_modules[$rule]} " == *" $REPLY "* ]] ||
        fail "$where: $label may use ${rule_text[$rule]}, not <$header> ($REPLY)"
    fi
  done < <(find "$folder" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print0 |
             xargs -0r grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]+[>"]' |
             sed -E 's/^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)[>"].*/\1:\2:\3:\4/')
}

for folder in "$root"/src/*/; do
  folder=${folder%/}
  name=${folder##*/}
  if [[ -n ${qt_rule[$name]+set} ]]; then
    check_layer "$name" "$folder"
  else
    fail "src/$name has no place among the layers"
  fi
done
for folder in "$root"/*/; do
  folder=${folder%/}
  name=${folder##*/}
  [[ $name == src || -f $folder/CMakeCache.txt || $not_layers == *" $name "* ]] && continue
  if [[ -n ${qt_rule[$name]+set} && ! -d $root/src/$name ]]; then
    check_layer "$name" "$folder"
  elif [[ -n $(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print -quit) ]]; then
    fail "$name/ holds sources but has no place among the layers"
  fi
done
exit $status
