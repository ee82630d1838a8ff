# Without the mouse: Tab and Enter on the label buttons, typing in the boxes. A new list
# of two pairs, practised at stage 1 (one right, one wrong answer), then deleted.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
command -v tesseract >/dev/null || fehler "tesseract fehlt (tools/setup.sh test installiert es)"

bild() { [ -n "${LERNO_E2E_BILDER:-}" ] && import -window "$1" "$LERNO_E2E_BILDER/$2.png" || true; }

installieren
starten
start=$(fenster "Lerno language")
V="$PROG/Vokabeln"
mkdir "$ARBEIT/demo"
cp "$V"/Demo.dv? "$ARBEIT/demo/"

# The first label, "Vokabeln eingeben", has the focus when the window comes up.
tasten Return
fenster "Was möchtest du tun ???" >/dev/null
tasten Return # "Eine neue Datei erstellen", first in the dialog
fenster "In welche Datei möchtest du deine Vokabeln speichern" >/dev/null
tippen "Tastatur"
tasten Return

fenster "Vokabeln eingeben" >/dev/null
for paar in "house|Haus" "tree|Baum"; do
  tippen "${paar%%|*}"
  tasten Tab
  tippen "${paar#*|}"
  tasten Return
done
tasten Tab Tab Return # past the meaning box to "Ende"
fenster_weg "Vokabeln eingeben"
cp_zeilen "001#house#Haus#0#0#" "002#tree#Baum#0#0#" >"$ARBEIT/erwartet"
cmp -s "$V/Tastatur.dva" "$ARBEIT/erwartet" || { zeige "$V/Tastatur.dva"; fehler "Tastatur.dva nicht wie erwartet"; }

# Back on the start screen the focus is where it was: one Tab to "Vokabeln üben 1".
fenster "Lerno language" >/dev/null
tasten Tab
bild "$start" start-fokus
tasten Return
fenster "Welche Vokabeln möchtest du üben ?" >/dev/null
tasten Down Return # Tastatur.dva, after Demo.dva
ueben=$(fenster "Vokabeln üben")

# The question is read off the screen (the inside of its box only: with the background
# around it "house" is not read): the answer to it first, then a wrong one.
import -window "$ueben" "$ARBEIT/ueben.png"
convert "$ARBEIT/ueben.png" -crop 356x36+162+94 +repage -resize 300% "$ARBEIT/frage.png"
tesseract "$ARBEIT/frage.png" "$ARBEIT/frage" --psm 6 >/dev/null 2>&1 || fehler "tesseract scheitert"
frage=$(tr -d '\n' <"$ARBEIT/frage.txt")
case "$frage" in
  *house*) tippen "Haus" ;;
  *tree*) tippen "Baum" ;;
  *) fehler "Frage nicht gelesen: '$frage'" ;;
esac
tasten Return
sleep 1.8 # "Bravo" stays an interval
tippen "xyz"
tasten Return
sleep 1.8
tasten Tab # to "Ende"
bild "$ueben" ueben-fokus
tasten Return
fenster_weg "Vokabeln üben"

export LC_ALL=C
summe() { tr -d '\r' <"$1" | awk -F'#' '{ s += $(NF-2) } END { print s }'; }
[ "$(summe "$V/Tastatur.dva")" -eq 1 ] || { zeige "$V/Tastatur.dva"; fehler "Fehlerstand nicht genau 1"; }

# "Vokabeln löschen" is three labels further down; in the question "ok" follows "Abbrechen".
fenster "Lerno language" >/dev/null
tasten Tab Tab Tab Return
fenster "Welche Vokabeln möchtest du löschen ?" >/dev/null
tasten Down Return
fenster "Bist du dir sicher ???" >/dev/null
tasten Tab space
fenster_weg "Bist du dir sicher ???"
for b in dva dvb dvc dvd; do
  [ ! -e "$V/Tastatur.$b" ] || fehler "Tastatur.$b ist noch da"
done
for f in Demo.dva Demo.dvb Demo.dvc; do gleich "$V/$f" "$ARBEIT/demo/$f"; done
[ "$(ls "$V" | wc -l)" -eq 3 ] || fehler "unerwartete Dateien: $(ls "$V")"

# "Programm beenden", the last label.
fenster "Lerno language" >/dev/null
tasten Tab Tab Tab Return
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "nur Tastatur: ok"
