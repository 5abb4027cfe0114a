#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# every file in its place, nothing outside the prefix, every library the
# binaries need found, the installed kelvra-cli answering as the built one,
# the program's loader finding the installed lookup module, and the desktop
# entry, icon and metadata agreeing with each other.
#   install_test.sh BUILD PROBE CSV VERSION BINDIR MODULEDIR DATADIR MODULE METAINFO SIZE...
set -euo pipefail
build=$1 probe=$2 csv=$3 version=$4 bindir=$5 moduledir=$6 datadir=$7 module=$8 metainfo=$9
shift 9
sizes=("$@")

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

"${CMAKE_COMMAND:-cmake}" --install "$build" --prefix "$prefix" >/dev/null

# Where the install went.
while IFS= read -r path; do
  [[ $path == "$prefix"/* ]] || fail "installed outside the prefix: $path"
done <"$build/install_manifest.txt"

expected=(
  "$bindir/kelvra" "$bindir/kelvra-cli" "$moduledir/$module"
  "$datadir/applications/kelvra.desktop" "$datadir/metainfo/$metainfo"
  "$datadir/icons/hicolor/scalable/apps/kelvra.svg" "$datadir/doc/kelvra/copyright"
)
for size in "${sizes[@]}"; do expected+=("$datadir/icons/hicolor/${size}x${size}/apps/kelvra.png"); done
for file in "${expected[@]}"; do
  [[ -f $prefix/$file ]] || fail "not installed: $file"
done
for program in kelvra kelvra-cli; do
  [[ -x $prefix/$bindir/$program ]] || fail "not executable: $bindir/$program"
done

# Each PNG is as large as the folder it lies in says (width and height are
# the big-endian words at bytes 16 and 20).
for size in "${sizes[@]}"; do
  png=$prefix/$datadir/icons/hicolor/${size}x${size}/apps/kelvra.png
  [[ -f $png ]] || continue
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
  height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
  [[ $width == "$size" && $height == "$size" ]] || fail "${size}x${size} icon is ${width}x${height}"
done

# Every library the binaries and the module link is found.
for binary in "$bindir/kelvra" "$bindir/kelvra-cli" "$moduledir/$module"; do
  [[ -f $prefix/$binary ]] || continue
  missing=$(ldd "$prefix/$binary" | grep 'not found' || true)
  [[ -z $missing ]] || fail "$binary lacks libraries: $missing"
done

# The installed command line tool runs, and agrees with the one just built.
cli_version=$("$prefix/$bindir/kelvra-cli" --version) || fail "installed kelvra-cli --version failed"
# The version comes first; credits for the data it ships may follow.
[[ ${cli_version%%$'\n'*} == "kelvra-cli $version" ]] || fail "installed kelvra-cli says '$cli_version'"
export LANG=C LC_ALL=C
installed=$("$prefix/$bindir/kelvra-cli" --format csv "$csv") || fail "installed kelvra-cli failed on $csv"
built=$("$build/cli/kelvra-cli" --format csv "$csv")
[[ $(wc -l <<<"$installed") -gt 1 ]] || fail "installed kelvra-cli wrote no rows"
[[ $installed == "$built" ]] || fail "installed kelvra-cli differs from the built one"

# The program finds its lookup module where the install put it, not in the
# build tree it also knows.
cp "$probe" "$prefix/$bindir/"
found=$("$prefix/$bindir/$(basename "$probe")") || fail "the installed program's loader found no usable module"
wanted=$(realpath "$prefix/$moduledir/$module")
[[ $found == "$wanted" ]] || fail "the installed program loads '$found' rather than '$wanted'"
rm "$prefix/$bindir/$(basename "$probe")"

# The entry starts the installed program by name and shows the installed
# icon; the metadata's launchable names the installed entry.
entry=$prefix/$datadir/applications/kelvra.desktop
grep -qx 'Exec=kelvra' "$entry" || fail "the desktop entry does not run kelvra"
grep -qx 'Icon=kelvra' "$entry" || fail "the desktop entry does not show the kelvra icon"
appstreamcli validate-tree --no-net "$prefix" >/dev/null || {
  appstreamcli validate-tree --no-net "$prefix" >&2
  fail "the installed metadata does not fit the installed tree"
}

((failures == 0)) && echo "installed tree in order"
exit $((failures > 0))
