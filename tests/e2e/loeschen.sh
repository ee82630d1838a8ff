# "Vokabeln löschen": the chosen list goes with all its files; the demo list stays.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
mkdir -p "$PROG/Vokabeln"
mv "$PROG"/Demo.dv? "$PROG/Vokabeln/"
cp_zeilen "001#the mouse#die Maus#0#0#" >"$PROG/Vokabeln/Englisch.dva"
cp_zeilen "001#the mouse#die Maus#2#0#" >"$PROG/Vokabeln/Englisch.dvb"
: >"$PROG/Vokabeln/Englisch.dvc"
: >"$PROG/Vokabeln/Englisch.dvd"
mkdir "$ARBEIT/demo"
cp "$PROG"/Vokabeln/Demo.dv? "$ARBEIT/demo/"

starten
fenster "Lerno language" >/dev/null
tasten alt+d l
fenster "Welche Vokabeln möchtest du löschen ?" >/dev/null
tasten Down Return # Englisch.dva, after Demo.dva
frage=$(fenster "Bist du dir sicher ???")
klicken "$frage" 222 154 # "ok"
fenster_weg "Bist du dir sicher ???"

for b in dva dvb dvc dvd; do
  [ ! -e "$PROG/Vokabeln/Englisch.$b" ] || fehler "Englisch.$b ist noch da"
done
for f in Demo.dva Demo.dvb Demo.dvc; do gleich "$PROG/Vokabeln/$f" "$ARBEIT/demo/$f"; done
[ "$(ls "$PROG/Vokabeln" | wc -l)" -eq 3 ] || fehler "unerwartete Dateien: $(ls "$PROG/Vokabeln")"

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "Liste gelöscht: ok"
