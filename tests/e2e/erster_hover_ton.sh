# The sounds are loaded only after the start screen is painted, yet the very first hover,
# right after the window appears, is heard: a private sound server with a silent sink
# records what lerno plays. Nothing sounds before the hover.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

export XDG_RUNTIME_DIR="$ARBEIT/laufzeit"
mkdir -m 700 "$XDG_RUNTIME_DIR"
ton_aufraeumen() {
  local rc=$?
  if [ "$rc" -ne 0 ] && [ -f "$ARBEIT/server.log" ]; then
    echo "--- Tonserver (Exit $rc) ---" >&2
    tail -n 20 "$ARBEIT/server.log" >&2
  fi
  [ -z "$AUFNAHME_PID" ] || kill "$AUFNAHME_PID" 2>/dev/null || true
  [ -z "$SERVER_PID" ] || kill "$SERVER_PID" 2>/dev/null || true
  aufraeumen
}
trap ton_aufraeumen EXIT

tonserver_starten
parec -d stumm.monitor --format=s16le --rate=44100 --channels=1 --raw >"$ARBEIT/ton.raw" &
AUFNAHME_PID=$!

installieren
starten
wid=$(fenster "Lerno language")
sleep 0.3
vorher=$(stat -c %s "$ARBEIT/ton.raw")
# Background first, then "Vokabeln eingeben" (twips 360..3525 x 840..1140, below the menu bar).
xdotool mousemove --window "$wid" 700 500
xdotool mousemove --window "$wid" 130 92

# Loudest sample (16-bit) in a byte range of the recording.
# od reads the range itself: a head cutting off a tail that the recording keeps feeding
# would end the script through SIGPIPE and pipefail.
spitze() { od -An -v -td2 -w2 -j "$(($1 & ~1))" -N "$2" "$ARBEIT/ton.raw" |
  awk 'BEGIN { m = 0 } { v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m }'; }
# Under load the sound server may lag behind: wait for the hover sound, at most 8 s.
laut=0
for ((i = 0; i < 40; i++)); do
  sleep 0.2
  gesamt=$(stat -c %s "$ARBEIT/ton.raw")
  laut=$(spitze "$vorher" $((gesamt - vorher)))
  [ "$laut" -le 3000 ] || break
done
kill "$AUFNAHME_PID"; wait "$AUFNAHME_PID" 2>/dev/null || true; AUFNAHME_PID=""
[ "$gesamt" -gt "$vorher" ] || fehler "nichts aufgenommen"
[ "$(spitze 0 "$vorher")" -lt 300 ] || fehler "Ton vor dem ersten Überfahren"
[ "$laut" -gt 3000 ] || fehler "Überfahren von 'Vokabeln eingeben' blieb stumm (Spitze $laut)"

tasten alt+d p
beendet_innerhalb 5 || fehler "lerno endet nicht"
echo "erster Hover-Ton: ok (Spitze $laut)"
