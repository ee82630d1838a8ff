# First start in a fresh program folder: the list folder is created with the demo list,
# and the menu's "Programm beenden" (by its access keys) ends Lerno at once.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
starten
fenster "Lerno language" >/dev/null

[ -d "$PROG/Vokabeln" ] || fehler "Vokabeln fehlt"
for f in Demo.dva Demo.dvb Demo.dvc; do
  gleich "$PROG/Vokabeln/$f" "$QUELLE/data/$f"
  [ ! -e "$PROG/$f" ] || fehler "$f liegt noch im Programmordner"
done

tasten alt+d p
beendet_innerhalb 2 || fehler "lerno läuft 2 s nach 'Programm beenden' noch"
echo "erster Start: ok"
