# "Vokabeln bearbeiten" on the demo list, reached by the menu's access keys: one word is
# changed by clicking its cell and typing, one pair is removed by emptying its meaning,
# then "ok" and "Ja". The main list holds the edit and lacks the pair; both stage lists
# are rebuilt from it; no scratch file is left.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
starten
fenster "Lerno language" >/dev/null
V="$PROG/Vokabeln"

tasten alt+d b
fenster "Welche Vokabeln möchtest du bearbeiten ?" >/dev/null
tasten Return # Demo.dva is the only list and preselected
editor=$(fenster "Vokabeln Bearbeiten")

# Grid at (120, 40), a 3-pixel frame, header and rows 25 pixels high, columns 233 wide.
zeile_y() { echo $((40 + 3 + 25 * $1 + 12)); }
klicken "$editor" 223 "$(zeile_y 5)" # word of row 5, "to open"
tasten ctrl+a
tippen "to unlock"
klicken "$editor" 456 "$(zeile_y 3)" # meaning of row 3, "der Schlüssel"
tasten ctrl+a BackSpace
klicken "$editor" 590 442 # "ok"
klicken "$editor" 430 402 # "Ja"
fenster_weg "Vokabeln Bearbeiten"

LC_ALL=C sed -e '/^003#/d' -e 's/^005#to open#/005#to unlock#/' "$QUELLE/data/Demo.dva" >"$ARBEIT/a"
cp_zeilen "005#to unlock#öffnen#2#0#" "015#big#groß#4#0#" "018#to listen#zuhören#2#0#" \
  "019#the kitchen#die Küche#5#0#" "029#the foot#der Fuß#2#0#" "038#the oil#das Öl#4#0#" >"$ARBEIT/b"
cp_zeilen "015#big#groß#4#0#" "019#the kitchen#die Küche#5#0#" "038#the oil#das Öl#4#0#" >"$ARBEIT/c"
[ "$(wc -l <"$ARBEIT/a")" -eq 39 ] || fehler "erwartete Liste falsch gebaut"
for b in a b c; do
  cmp -s "$V/Demo.dv$b" "$ARBEIT/$b" || { zeige "$V/Demo.dv$b"; fehler "Demo.dv$b nicht wie erwartet"; }
done
[ "$(ls -A "$V" | wc -l)" -eq 3 ] || fehler "unerwartete Dateien: $(ls -A "$V")"

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "Liste bearbeitet: ok"
