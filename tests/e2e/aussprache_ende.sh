# The voice never holds up the end: speech-dispatcher stops answering (SIGSTOP) while lerno
# is connected to it, and "Programm beenden" still ends lerno within a second.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

sprache_vorbereiten

installieren
printf 'Demo.dva\tEnglisch\r\n' >"$PROG/Demo.sprache"
starten
fenster "Lerno language" >/dev/null
mv "$PROG/Demo.sprache" "$PROG/Vokabeln/Listensprachen.txt"
tasten alt+o s u # Sound aus: the end waits for no fanfare

tasten alt+d udiaeresis 1
fenster "Welche Vokabeln möchtest du üben ?" >/dev/null
tasten Return
UEBEN=$(fenster "Vokabeln üben")
# The practice window connected the voice (speech-dispatcher is spawned for it); a wrong
# answer has a word said.
tippen "xyz"
tasten Return
# The spawned server rewrites its pid file once it runs as a daemon: read it when it lives.
spd="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
for ((i = 0; i < 100; i++)); do
  SPD_PID=$(cat "$spd" 2>/dev/null || true)
  [ -n "$SPD_PID" ] && [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && kill -0 "$SPD_PID" 2>/dev/null && break
  SPD_PID=""
  sleep 0.1
done
[ -n "$SPD_PID" ] || { echo "ÜBERSPRUNGEN: speech-dispatcher startet hier nicht"; exit 0; }
sleep 1
SPD_PID=$(cat "$spd")

# speech-dispatcher stops answering; one more word leaves the voice waiting for it.
kill -STOP "$SPD_PID"
tippen "xyz"
tasten Return
klicken "$UEBEN" 166 378
fenster_weg "Vokabeln üben"

vorher=$(date +%s%N)
xdotool key alt+d p
beendet_innerhalb 1 || fehler "lerno endet nicht, solange speech-dispatcher nicht antwortet"
ms=$((($(date +%s%N) - vorher) / 1000000))
[ "$ms" -le $((1000 * ${LERNO_E2E_ZEITFAKTOR:-1})) ] || fehler "lerno endete erst nach $ms ms"

echo "Aussprache beim Ende: ok (lerno endete nach ${ms} ms, speech-dispatcher angehalten)"
