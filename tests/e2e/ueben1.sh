# "Vokabeln üben 1" on the demo list, reached by the menu's access keys: a few wrong
# answers, then "Ende". The list keeps its records in order, the counts grow by exactly
# the wrong answers, records that reached 2 or 4 are in the stage lists, no scratch file.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
starten
fenster "Lerno language" >/dev/null
V="$PROG/Vokabeln"
cp "$V/Demo.dva" "$ARBEIT/vorher.dva"

tasten alt+d udiaeresis 1
fenster "Welche Vokabeln möchtest du üben ?" >/dev/null
tasten Return # Demo.dva is the only list and preselected
ueben=$(fenster "Vokabeln üben")
[ -f "$V/Demo.dvd" ] || fehler "Demo.dvd fehlt während des Übens"

falsch=6
for ((i = 0; i < falsch; i++)); do
  tippen "xyz"
  tasten Return
done
# "Ende" lies below the menu bar; its label is tall enough to absorb the bar's height.
klicken "$ueben" 166 378
fenster_weg "Vokabeln üben"

[ ! -e "$V/Demo.dvd" ] || fehler "Demo.dvd ist geblieben"
export LC_ALL=C
# Same records in the same order: only the count and the reserve may change.
schluessel() { tr -d '\r' <"$1" | sed 's/.#.#$//'; }
diff <(schluessel "$ARBEIT/vorher.dva") <(schluessel "$V/Demo.dva") >&2 \
  || fehler "Demo.dva hat andere Einträge oder eine andere Reihenfolge"
summe() { tr -d '\r' <"$1" | awk -F'#' '{ s += $(NF-2) } END { print s }'; }
zuwachs=$(($(summe "$V/Demo.dva") - $(summe "$ARBEIT/vorher.dva")))
[ "$zuwachs" -eq "$falsch" ] || fehler "Fehlerstand wuchs um $zuwachs statt $falsch"
tr -d '\r' <"$V/Demo.dva" | grep -q '#0#$' || fehler "Reserve nicht 0"

# Every record at 2 or more has its key in .dvb, at 4 or more also in .dvc.
tr -d '\r' <"$V/Demo.dva" | while IFS= read -r zeile; do
  stand=$(awk -F'#' '{ print $(NF-2) }' <<<"$zeile")
  key=${zeile%?#?#}
  if [ "$stand" -ge 2 ]; then
    tr -d '\r' <"$V/Demo.dvb" | grep -qF -- "$key" || fehler "$key fehlt in Demo.dvb"
  fi
  if [ "$stand" -ge 4 ]; then
    tr -d '\r' <"$V/Demo.dvc" | grep -qF -- "$key" || fehler "$key fehlt in Demo.dvc"
  fi
done

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "üben 1: ok"
