#!/usr/bin/env bash
# The layer check itself: a small clean tree passes, and each kind of finding, added to it
# once, is reported alone, while what the table allows stays quiet.
#   includegraph_test.sh <path of tools/includegraph.sh>
set -euo pipefail
pruefer=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0

# datei <path> [include ...]: a source file with those includes.
datei() {
  local pfad=$1; shift
  mkdir -p "$(dirname "$pfad")"
  : >"$pfad"
  local z
  for z in "$@"; do printf '#include "%s"\n' "$z" >>"$pfad"; done
}
# zeilen <path> <n>: a file of n non-blank lines, with blank lines between that do not count.
zeilen() {
  mkdir -p "$(dirname "$1")"
  for ((i = 1; i <= $2; ++i)); do printf 'int x%d;\n\n' "$i"; done >"$1"
}

# Every layer once, with the includes the table allows across them.
grundbaum() {
  datei app/main.cpp entry/modEingabe.h lists/Liste.h ui/Knopf.h learning/Regel.h
  datei entry/modEingabe.h
  printf 'namespace lerno::modEingabe {\n}\n' >>entry/modEingabe.h
  datei entry/modEingabe.cpp entry/modEingabe.h lists/Liste.h learning/Regel.h ui/Knopf.h
  datei learning/Regel.h lists/Liste.h
  datei lists/Liste.h
  datei lists/Programmordner.h
  datei lists/dlgWahl.cpp ui/Knopf.h lists/Liste.h
  datei lists/Listenwahl.cpp lists/dlgWahl.h ui/Knopf.h
  datei lists/dlgWahl.h
  datei ui/Knopf.h
  datei ui/Knopf.cpp ui/Knopf.h lists/Programmordner.h QWidget
  datei ui/klang/Spieler.cpp Knopf.h
  datei tests/common/Hilfe.h
  datei tests/core/Test.cpp common/Hilfe.h app/main.cpp entry/modEingabe.h ui/Knopf.h
  zeilen tests/core/Lang.cpp 600
  zeilen lernstand/dlgGrenze.cpp 300
  zeilen lists/Grenze.cpp 500
}

# Rows: name | what the row adds | expected exit code | a line the output must hold.
zeile_sauber() { :; }
zeile_feature() { datei transfer/Import.cpp entry/modEingabe.h; }
zeile_boden() { datei ui/Meldung.cpp lists/Liste.h; }
zeile_listenlogik() { datei lists/Logik.cpp ui/Knopf.h; }
zeile_lernen() { datei learning/Gedaechtnis.cpp ui/Knopf.h; }
zeile_ordner() { datei druck/Seite.cpp; }
# A needs B's header, B's .cpp needs C, C's header needs A: a cycle only when a .h and
# its .cpp count as one unit.
zeile_kreis() {
  datei lists/A.h lists/B.h
  datei lists/B.h
  datei lists/B.cpp lists/B.h lists/C.h
  datei lists/C.h lists/A.h
}
# Names resolved from a folder above the including file, as tests/ includes its helpers.
zeile_darueber() {
  datei tests/common/Fall.h core/Fall.h
  datei tests/core/Fall.h common/Fall.h
}
zeile_fenster() { zeilen lernstand/frmGross.cpp 301; }
zeile_datei() { zeilen lists/Gross.cpp 501; }
zeile_namensraum() { printf 'namespace lerno::lernstand {\n}\n' >lists/Verlauf.h; }

faelle=(
  "sauber|0|   none"
  "feature|1|   transfer/Import.cpp -> entry/modEingabe.h   (allowed: learning/ lists/ ui/)"
  "boden|1|   ui/Meldung.cpp -> lists/Liste.h   (allowed: lists/Programmordner.h)"
  "listenlogik|1|   lists/Logik.cpp -> ui/Knopf.h   (nothing outside its folder)"
  "lernen|1|   learning/Gedaechtnis.cpp -> ui/Knopf.h   (allowed: lists/)"
  "ordner|1|   druck/Seite.cpp: its folder is in no row of the table"
  "kreis|1|   lists/A -> lists/B -> lists/C -> lists/A"
  "darueber|1|   tests/common/Fall -> tests/core/Fall -> tests/common/Fall"
  "fenster|1|   lernstand/frmGross.cpp: 301"
  "datei|1|   lists/Gross.cpp: 501"
  "namensraum|1|   lists/Verlauf.h: lerno::lernstand"
)

for fall in "${faelle[@]}"; do
  IFS='|' read -r name code erwartet <<<"$fall"
  baum="$tmp/$name"
  mkdir -p "$baum"
  (cd "$baum" && grundbaum && "zeile_$name")
  set +e
  ausgabe=$(bash "$pruefer" "$baum" 2>&1)
  ergebnis=$?
  set -e
  # Each break comes alone: the clean tree around it has nothing to report.
  anzahl=$([ "$code" -eq 0 ] && echo "no findings" || echo "1 finding")
  if [ "$ergebnis" -ne "$code" ] || ! grep -qxF -- "$erwartet" <<<"$ausgabe" || ! grep -q "^$anzahl:" <<<"$ausgabe"; then
    echo "FEHLER in Zeile \"$name\": exit $ergebnis (erwartet $code), erwartet \"$erwartet\" und \"$anzahl\":"
    echo "$ausgabe"
    fehler=1
  fi
done
[ "$fehler" -eq 0 ] && echo "${#faelle[@]} rows passed"
exit "$fehler"
