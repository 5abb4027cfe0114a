#!/usr/bin/env bash
# layers_test.sh over a small tree: the clean tree passes in silence, and each
# single fault added to it is reported and fails the run.
# Usage: layers_selfcheck.sh QT_HEADERS_DIR
set -uo pipefail
qt=${1:?usage: layers_selfcheck.sh QT_HEADERS_DIR}
check="$(dirname "$0")/layers_test.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

put() {  # TREE PATH TEXT
  mkdir -p "$(dirname "$1/$2")"
  printf '%b\n' "$3" >"$1/$2"
}

clean="$work/clean"
put "$clean" src/charts/zodiac.h '#pragma once\n#include <string>'
put "$clean" src/cosmodynes/analysis.h '#include "charts/zodiac.h"'
put "$clean" src/wheel/wheel_scene.h '#include "cosmodynes/analysis.h"'
put "$clean" src/wheel/wheel_scene.cpp '#include "wheel_scene.h"\n  #  include "charts/zodiac.h"'
put "$clean" src/drawing/painter.h '#include <QPainter>\n#include <QSvgGenerator>\n#include "wheel/wheel_scene.h"'
put "$clean" src/birthtime/birth_time.h '#include <QString>\n#include <QtCore/QDateTime>'
put "$clean" src/report/frm.cpp '#include <QWidget>\n#include "drawing/painter.h"\n#include "frm.moc"'
put "$clean" cli/CMakeLists.txt 'add_library(batch STATIC batch.cpp)\nadd_library(picture MODULE  # Qt Gui only here\n  picture.cpp)'
put "$clean" cli/batch.cpp '#include "cli/batch.h"\n#include "birthtime/birth_time.h"\n#include <vector>'
put "$clean" cli/batch.h ''
put "$clean" cli/picture.cpp '#include <QGuiApplication>\n#include "drawing/painter.h"\n#include "cli/batch.h"'
put "$clean" bench/sub/b.cpp '#include "tests/wheel/fixed.h"\n#include "cli/batch.h"'
put "$clean" tests/wheel/fixed.h '#include "anything.h"'
put "$clean" build/CMakeCache.txt ''
put "$clean" build/moc_frm.cpp '#include "nowhere/frm.h"'
put "$clean" docs/notes.txt ''

status=0
out=$(bash "$check" "$clean" "$qt" 2>&1)
rc=$?
if [[ $rc -ne 0 || -n $out ]]; then
  echo "the clean tree fails (exit $rc):"
  echo "$out"
  status=1
fi

# Each case: a file added to (or replacing one of) the clean tree | its text | what must be reported.
cases=(
  'src/charts/up.h|#include "wheel/wheel_scene.h"|src/charts/up.h:1: charts may not include wheel/wheel_scene.h'
  'src/unplaced/x.h|#pragma once|src/unplaced has no place among the layers'
  'extra/x.cpp|int x;|extra/ holds sources but has no place among the layers'
  'src/wheel/bare.cpp|#include "zodiac.h"|src/wheel/bare.cpp:1: "zodiac.h" is no file beside it'
  'src/wheel/gone.cpp|#include "charts/gone.h"|src/wheel/gone.cpp:1: "charts/gone.h" names no file of the project'
  'src/cosmodynes/q.h|#include <QString>|src/cosmodynes/q.h:1: cosmodynes may use no Qt, not <QString> (QtCore)'
  'src/charts/q.h|#include <QtCore/QList>|src/charts/q.h:1: charts may use no Qt, not <QtCore/QList>'
  'src/birthtime/w.h|#include <QGuiApplication>|src/birthtime/w.h:1: birthtime may use Qt Core only, not <QGuiApplication> (QtGui)'
  'src/drawing/w.cpp|#include <QPainter>\n#include <QWidget>|src/drawing/w.cpp:2: drawing may use Qt Gui without widgets, not <QWidget> (QtWidgets)'
  'src/drawing/u.cpp|#include <QNoSuchClass>|drawing may use Qt Gui without widgets, not <QNoSuchClass>'
  'cli/main.cpp|#include <QGuiApplication>|cli/main.cpp:1: cli may use no Qt, not <QGuiApplication> (QtGui)'
  'cli/batch.cpp|#include "drawing/painter.h"|cli/batch.cpp:1: cli may not include drawing/painter.h'
  'cli/picture.cpp|#include <QWidget>|cli/picture.cpp:1: cli (loadable module) may use Qt Gui without widgets, not <QWidget> (QtWidgets)'
  'cli/picture.cpp|#include "report/frm.cpp"|cli/picture.cpp:1: cli (loadable module) may not include report/frm.cpp'
  'app/main.cpp|#include "cli/batch.h"|app/main.cpp:1: app may not include cli/batch.h'
)
n=0
for entry in "${cases[@]}"; do
  IFS='|' read -r path text expected <<<"$entry"
  tree="$work/case$((n += 1))"
  cp -r "$clean" "$tree"
  put "$tree" "$path" "$text"
  out=$(bash "$check" "$tree" "$qt" 2>&1)
  rc=$?
  if [[ $rc -ne 1 || $out != *"$expected"* ]]; then
    echo "$path ($text): expected exit 1 and \"$expected\", got exit $rc:"
    echo "$out"
    status=1
  fi
done
exit $status
