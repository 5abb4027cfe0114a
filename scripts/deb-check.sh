#!/usr/bin/env bash
# Builds Kelvra's Debian package and tries it on a fresh Debian 12: a minimal
# bookworm root made by debootstrap, where apt installs the package with what
# it depends on, kelvra-cli rates a CSV of couples (compared with the build's
# own kelvra-cli), kelvra starts, and a purge leaves nothing of Kelvra behind.
#   bash scripts/deb-check.sh [--keep]   (as root; --keep leaves the root in /tmp)
# Needs the network to reach deb.debian.org.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

keep=false
[[ ${1:-} == --keep ]] && keep=true
if [[ $(id -u) -ne 0 ]]; then
  echo "deb-check: run as root (debootstrap and chroot need it)" >&2
  exit 2
fi

missing=()
for tool in debootstrap:debootstrap dpkg-shlibdeps:dpkg-dev; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

step() { echo "== deb-check: $*"; }

step "building the package"
build=build-deb
cmake -S . -B "$build" -Wno-dev -DCMAKE_BUILD_TYPE=Release -DKELVRA_BUILD_TESTS=OFF -DKELVRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
(cd "$build" && rm -f kelvra_*.deb && cpack -G DEB >/dev/null)
package=$(ls "$build"/kelvra_*.deb)
echo "$package"
dpkg-deb --field "$package" Depends

root=$(mktemp -d /tmp/kelvra-deb-check.XXXXXX)
chmod 755 "$root"  # apt downloads as the _apt user, who must reach its folders
mounts=("$root/dev/pts" "$root/dev" "$root/proc")
log=$build/deb-check.log
# debootstrap's, apt's and the maintainer scripts' chatter goes to the log,
# shown when they fail.
: >"$log"
quietly() { "$@" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; return 1; }; }
cleanup() {
  local mount
  for mount in "${mounts[@]}"; do
    if mountpoint -q "$mount"; then umount "$mount" || umount --lazy "$mount"; fi
  done
  # Never delete through a mount that is still there.
  if grep -q " $root/" /proc/mounts; then
    echo "deb-check: $root is still mounted; left in place" >&2
  elif $keep; then
    echo "deb-check: the root is kept in $root"
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT

step "making a fresh bookworm root in $root"
quietly debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
mount --bind /proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C LC_ALL=C HOME=/root "$@"; }

step "installing $(basename "$package") with apt"
cp "$package" tests/desktop/couples.csv "$root/tmp/"
quietly in_root apt-get update
quietly in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$(basename "$package")"
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' kelvra

step "running kelvra-cli on a CSV"
in_root kelvra-cli --version
installed=$(in_root kelvra-cli --format csv /tmp/couples.csv)
built=$(LANG=C LC_ALL=C "$build/cli/kelvra-cli" --format csv tests/desktop/couples.csv)
echo "$installed"
if [[ $installed != "$built" ]]; then
  echo "deb-check: FAIL: the installed kelvra-cli differs from the one just built" >&2
  exit 1
fi

step "converting a birth time through the atlas and the tz database"
ut=$(in_root sh -c "head -1 /tmp/couples.csv; echo 'A,1,7,1950,12,0,0,40,43,N,74,0,W,New York,New York,US,B,1,7,1960,12,0,0,69,39,N,18,57,E,Tromso,Troms og Finnmark,NO'" |
  in_root kelvra-cli --true-ut --format csv | tail -1)
echo "$ut"
if [[ $ut != *",1950-07-01T16:00:00,1960-07-01T10:00:00"* ]]; then
  echo "deb-check: FAIL: the installed kelvra-cli did not convert the birth times" >&2
  exit 1
fi

step "drawing a couple's chart wheel with kelvra-cli --wheel"
in_root kelvra-cli --wheel /tmp/wheels /tmp/couples.csv >/dev/null
rm -rf "$build/deb-check-wheels"
LANG=C LC_ALL=C "$build/cli/kelvra-cli" --wheel "$build/deb-check-wheels" tests/desktop/couples.csv >/dev/null
if ! cmp "$root/tmp/wheels/row-1.svg" "$build/deb-check-wheels/row-1.svg"; then
  echo "deb-check: FAIL: the installed kelvra-cli draws another wheel than the one just built" >&2
  exit 1
fi
# Each glyph's outline is defined once (<path id=...>) and placed by <use>.
wheel="$root/tmp/wheels/row-1.svg"
echo "row-1.svg, as built: $(wc -c <"$wheel") bytes; $(grep -c '^<path id=' "$wheel") glyph outlines placed" \
  "$(grep -c '^<use ' "$wheel") times; $(grep '^<path ' "$wheel" | grep -vc '^<path id=') other paths"

step "starting kelvra (offscreen, 5 seconds)"
for binary in /usr/bin/kelvra /usr/bin/kelvra-cli /usr/lib/kelvra/kelvra_lookup_browser.so \
  /usr/lib/kelvra/kelvra_atlas_module.so /usr/lib/kelvra/kelvra_cli_picture_module.so; do
  if in_root ldd "$binary" | grep 'not found'; then
    echo "deb-check: FAIL: $binary lacks libraries" >&2
    exit 1
  fi
done
status=0
in_root timeout 5 env QT_QPA_PLATFORM=offscreen kelvra >/dev/null 2>&1 || status=$?
if ((status != 124)); then
  echo "deb-check: FAIL: kelvra ended with status $status instead of running" >&2
  exit 1
fi
echo "kelvra was still running after 5 seconds"

step "purging the package"
quietly in_root env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y kelvra
left=$(cd "$root" && find usr etc var/lib/dpkg/info -iname '*kelvra*' 2>/dev/null)
if in_root dpkg-query -W kelvra >/dev/null 2>&1 || [[ -n $left ]]; then
  echo "deb-check: FAIL: kelvra remains after the purge: $left" >&2
  exit 1
fi
echo "nothing of kelvra remains"

step "passed"
