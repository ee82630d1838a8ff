# "Eine vorhandene Datei erweitern": the chosen list keeps its records and gets the next
# number, 004, for the pair typed in.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
mkdir -p "$PROG/Vokabeln"
mv "$PROG"/Demo.dv? "$PROG/Vokabeln/"
vorher=(
  "001#the mouse#die Maus#0#0#" "002#green#grün#1#0#" "003#the street#die Straße#0#0#")
cp_zeilen "${vorher[@]}" >"$PROG/Vokabeln/Englisch.dva"
: >"$PROG/Vokabeln/Englisch.dvb"
: >"$PROG/Vokabeln/Englisch.dvc"
cp "$PROG/Vokabeln/Demo.dva" "$ARBEIT/Demo.dva"

starten
fenster "Lerno language" >/dev/null
tasten alt+d v
wastun=$(fenster "Was möchtest du tun ???")
klicken "$wastun" 176 114 # "Eine vorhandene Datei erweitern"
fenster "In welche Datei möchtest du deine Vokabeln speichern" >/dev/null
tasten Down Return # Demo.dva comes first, Englisch.dva second

fenster "Vokabeln eingeben" >/dev/null
tippen "white"
tasten Tab
tippen "weiß"
tasten Return
eingabe=$(fenster "Vokabeln eingeben")
klicken "$eingabe" 166 354 # "Ende"
fenster_weg "Vokabeln eingeben"

cp_zeilen "${vorher[@]}" "004#white#weiß#0#0#" >"$ARBEIT/erwartet"
liste="$PROG/Vokabeln/Englisch.dva"
cmp -s "$liste" "$ARBEIT/erwartet" || { zeige "$liste"; fehler "Englisch.dva nicht wie erwartet"; }
gleich "$PROG/Vokabeln/Demo.dva" "$ARBEIT/Demo.dva"

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "Liste erweitert: ok"
