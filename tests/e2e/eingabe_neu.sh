# A new list through "Vokabeln eingeben": three pairs with umlauts and ß typed and saved
# with Enter; the list holds exactly them, numbered 001-003, and its stage lists exist empty.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
starten
fenster "Lerno language" >/dev/null

tasten alt+d v
wastun=$(fenster "Was möchtest du tun ???")
klicken "$wastun" 170 50 # "Eine neue Datei erstellen"
fenster "In welche Datei möchtest du deine Vokabeln speichern" >/dev/null
tippen "Englisch"
tasten Return

fenster "Vokabeln eingeben" >/dev/null
for paar in "the mouse|die Maus" "green|grün" "the street|die Straße"; do
  tippen "${paar%%|*}"
  tasten Tab
  tippen "${paar#*|}"
  tasten Return
done
eingabe=$(fenster "Vokabeln eingeben")
klicken "$eingabe" 166 354 # "Ende"
fenster_weg "Vokabeln eingeben"

liste="$PROG/Vokabeln/Englisch.dva"
cp_zeilen "001#the mouse#die Maus#0#0#" "002#green#grün#0#0#" "003#the street#die Straße#0#0#" \
  >"$ARBEIT/erwartet"
cmp -s "$liste" "$ARBEIT/erwartet" || { zeige "$liste"; fehler "Englisch.dva nicht wie erwartet"; }
for b in dvb dvc; do
  [ -f "$PROG/Vokabeln/Englisch.$b" ] && [ ! -s "$PROG/Vokabeln/Englisch.$b" ] \
    || fehler "Englisch.$b fehlt oder ist nicht leer"
done

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "neue Liste: ok"
