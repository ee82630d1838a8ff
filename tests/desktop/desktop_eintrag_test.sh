#!/usr/bin/env bash
# The menu entry and icons that the start command installs, for a program folder whose
# path needs quoting: the entry passes desktop-file-validate, Exec and Path lead back to
# the folder, and the hicolor icons have their sizes.
#   desktop_eintrag_test.sh <source folder> <build program folder>
set -euo pipefail
quelle=$1 bau=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

ordner="$tmp/Mein Lerno \$HOME \"100%\""
mkdir -p "$ordner"
cp -r "$bau/symbole" "$ordner/"
export XDG_DATA_HOME="$tmp/daten"

for lauf in 1 2; do # a second run replaces the entry and leaves nothing behind
  ausgabe=$(bash "$quelle/tools/desktop_eintrag.sh" "$ordner")
done
eintrag="$XDG_DATA_HOME/applications/lerno.desktop"
grep -qF "$eintrag" <<<"$ausgabe" || fehler "path of the entry not printed: $ausgabe"
# Every path printed is one that exists (no placeholder), and the way back to Lerno is named.
while IFS= read -r pfad; do
  [ -e "$pfad" ] || fehler "printed path does not exist: $pfad"
done < <(sed -n 's/^\(Menüeintrag\|Symbol\): *//p' <<<"$ausgabe")
[ "$(grep -c '^Symbol:' <<<"$ausgabe")" -eq 6 ] || fehler "icons not printed: $ausgabe"
startzeile=$(grep -A1 'wieder starten' <<<"$ausgabe" | tail -n1)
eval "set -- $startzeile"
[ $# -eq 1 ] && [ "$1" = "$ordner/lerno" ] || fehler "start command splits into $# word(s): $*"
[ "$(ls -A "$XDG_DATA_HOME/applications" | grep -v '^mimeinfo.cache$')" = lerno.desktop ] || fehler "leftovers: $(ls -A "$XDG_DATA_HOME/applications")"

meldung=$(desktop-file-validate "$eintrag" 2>&1) || fehler "desktop-file-validate: $meldung"
[ -z "$meldung" ] || fehler "desktop-file-validate warns: $meldung"

wert() { sed -n "s/^$1=//p" "$eintrag"; }
[ "$(wert Categories)" = "Education;Languages;" ] || fehler "Categories: $(wert Categories)"
[ "$(wert Type)" = Application ] || fehler "Type"
[ "$(wert Icon)" = lerno ] || fehler "Icon"
grep -q '^Comment=.*Vokabeln' "$eintrag" || fehler "German comment missing"
[ "$(wert Path)" = "$ordner" ] || fehler "Path: $(wert Path)"

# Undo the string escape (\\ -> \) and %% -> %, then split Exec as its quoting rules say.
exec_zeile=$(wert Exec | sed -e 's/\\\\/\\/g' -e 's/%%/%/g')
eval "set -- $exec_zeile"
[ $# -eq 1 ] && [ "$1" = "$ordner/lerno" ] || fehler "Exec splits into $# word(s): $*"

for groesse in 48 128 256; do
  png="$XDG_DATA_HOME/icons/hicolor/${groesse}x${groesse}/apps/lerno.png"
  [ -f "$png" ] || fehler "no ${groesse} px icon"
  # PNG header: width and height big-endian at bytes 16..23.
  read -r b h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$b" = "$groesse" ] && [ "$h" = "$groesse" ] || fehler "${groesse} px icon is ${b}x${h}"
done
echo "ok"
