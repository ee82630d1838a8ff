# What a screen reader sees: on a private session bus with the AT-SPI registry, the label
# buttons of the start screen, the practice window and the test screen are push buttons
# named by their captions and pressed through their action; the question and the test's
# result sentence can be read.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

LESER="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/zugang_lesen.py"
command -v dbus-launch >/dev/null || fehler "dbus-launch fehlt (tools/setup.sh test installiert dbus-x11)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fehler "at-spi2-core fehlt"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || fehler "python3-pyatspi fehlt"

BUS_PID=""
ATSPI_PID=""
alles_aufraeumen() {
  aufraeumen
  [ -n "$ATSPI_PID" ] && kill "$ATSPI_PID" 2>/dev/null || true
  [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null || true
}
trap alles_aufraeumen EXIT

eval "$(dbus-launch --sh-syntax)"
BUS_PID=$DBUS_SESSION_BUS_PID
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$ARBEIT/atspi.log" 2>&1 &
ATSPI_PID=$!
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

bild() { [ -n "${LERNO_E2E_BILDER:-}" ] && import -window "$1" "$LERNO_E2E_BILDER/$2.png" || true; }

installieren
starten
fenster "Lerno language" >/dev/null
$LESER knoepfe "Lerno language" "Vokabeln eingeben" "Vokabeln üben 1" "Vokabeln üben 2" \
  "Vokabeln üben 3" "Vokabeln löschen" "Vokabeln bearbeiten" "Vokabeltest" "Programm beenden" \
  "Heute ist nichts fällig." || fehler "Startseite"
$LESER druecken "Lerno language" "Vokabeln eingeben" || fehler "Vokabeln eingeben"
fenster "Was möchtest du tun ???" >/dev/null
$LESER knoepfe "Was möchtest du tun ???" "Eine neue Datei erstellen" \
  "Eine vorhandene Datei erweitern" "Abbrechen" || fehler "Neu oder vorhanden"
$LESER druecken "Was möchtest du tun ???" "Abbrechen" || fehler "Abbrechen"
fenster_weg "Was möchtest du tun ???"

V="$PROG/Vokabeln"
cp "$V/Demo.dva" "$ARBEIT/vorher.dva"
fenster "Lerno language" >/dev/null
tasten alt+d udiaeresis 1
fenster "Welche Vokabeln möchtest du üben ?" >/dev/null
tasten Return
fenster "Vokabeln üben" >/dev/null
$LESER knoepfe "Vokabeln üben" "Ende" "?" "ok" "Anhören" || fehler "Üben"
frage=$($LESER text "Vokabeln üben" "Frage") || fehler "Frage"
echo "Frage: $frage"
tr -d '\r' <"$ARBEIT/vorher.dva" | grep -qF -- "#$frage#" || fehler "Frage '$frage' steht nicht in der Liste"
$LESER druecken "Vokabeln üben" "Ende" || fehler "Ende"
fenster_weg "Vokabeln üben"
cmp -s "$V/Demo.dva" "$ARBEIT/vorher.dva" || fehler "Ende ohne Antwort hat Demo.dva verändert"

fenster "Lerno language" >/dev/null
tasten alt+d t
fenster "Aus welchen Vokabeln soll ein Test erstellt werden ?" >/dev/null
tasten Return
fenster "Wähle die Reihenfolge" >/dev/null
$LESER druecken "Wähle die Reihenfolge" "Fremdsprache -> Deutsch" || fehler "Reihenfolge"
test=$(fenster "Vokabeltest")
$LESER knoepfe "Vokabeltest" "Abbrechen" "ok" || fehler "Vokabeltest"
tasten shift+Tab # from the first answer box back round to "ok"
bild "$test" test-fokus
$LESER druecken "Vokabeltest" "ok" || fehler "ok im Test"
sleep 0.5
$LESER knoepfe "Vokabeltest" "Abbrechen" "Fertig" || fehler "Vokabeltest benotet"
satz=$($LESER text "Vokabeltest" "Ergebnis") || fehler "Ergebnissatz"
echo "Ergebnis: $satz"
# The numbers keep the blank a number is written with.
[ "$satz" = "Du hast  0 Vokabeln richtig beantwortet,  20 Vokabeln waren falsch. Das entspricht einer Schulnote von  6" ] \
  || fehler "Ergebnissatz nicht lesbar: '$satz'"
$LESER druecken "Vokabeltest" "Fertig" || fehler "Fertig"
fenster_weg "Vokabeltest"

fenster "Lerno language" >/dev/null
tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "Bildschirmleser: ok"
