# A new list through "Vokabeln eingeben": three pairs with umlauts and ß typed, Enter going
# from the word to the meaning and saving there (once refused for an empty meaning, the word
# kept); "gespeichert (3 Vokabeln)" is read from the window; the list holds exactly the
# pairs, numbered 001-003, and its stage lists exist empty.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

command -v tesseract >/dev/null || fehler "tesseract fehlt (tools/setup.sh test installiert es)"
installieren
starten
fenster "Lerno language" >/dev/null

tasten alt+d v
wastun=$(fenster "Was möchtest du tun ???")
klicken "$wastun" 170 50 # "Eine neue Datei erstellen"
fenster "In welche Datei möchtest du deine Vokabeln speichern" >/dev/null
tippen "Englisch"
tasten Return

eingabe=$(fenster "Vokabeln eingeben")
for paar in "the mouse|die Maus" "green|grün" "the street|die Straße"; do
  tippen "${paar%%|*}"
  tasten Return # on to the meaning box
  # Enter with the meaning still empty is refused and keeps the word typed.
  [ "$paar" = "green|grün" ] && tasten Return
  tippen "${paar#*|}"
  tasten Return
done
# The third save says so between the buttons, for a moment.
import -window "$eingabe" "$ARBEIT/eingabe.png"
convert "$ARBEIT/eingabe.png" -crop 300x30+210+338 +repage -resize 300% "$ARBEIT/gespeichert.png"
tesseract "$ARBEIT/gespeichert.png" "$ARBEIT/gespeichert" -l deu --psm 7 >/dev/null 2>&1 || fehler "tesseract scheitert"
gelesen=$(tr -s ' \n' ' ' <"$ARBEIT/gespeichert.txt")
echo "gelesen: $gelesen"
[[ "$gelesen" == *"gespeichert (3 Vokabeln)"* ]] || fehler "kein 'gespeichert (3 Vokabeln)': '$gelesen'"
[ -n "${LERNO_E2E_BILDER:-}" ] && cp "$ARBEIT/eingabe.png" "$LERNO_E2E_BILDER/eingabe-gespeichert.png"
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
