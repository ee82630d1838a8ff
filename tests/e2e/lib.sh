# Shared steps of the end-to-end tests. Sourced with: BUILD SOURCE as $1 $2.
set -euo pipefail

BUILD=$1
QUELLE=$2
ARBEIT=$(mktemp -d)
PROG="$ARBEIT/Lerno"
LERNO_PID=""

aufraeumen() {
  if [ -n "$LERNO_PID" ] && kill -0 "$LERNO_PID" 2>/dev/null; then
    kill "$LERNO_PID" 2>/dev/null || true
  fi
  rm -rf "$ARBEIT"
}
trap aufraeumen EXIT

fehler() {
  echo "FEHLER: $*" >&2
  [ -f "$ARBEIT/lerno.log" ] && { echo "--- lerno log ---" >&2; cat "$ARBEIT/lerno.log" >&2; }
  exit 1
}

# A fresh program folder, as a pupil gets it before the first start.
installieren() {
  mkdir -p "$PROG"
  for teil in Unspecified assets demo; do
    cmake --install "$BUILD" --prefix "$PROG" --component "$teil" >/dev/null
  done
}

# xdotool types a character missing from the keymap by remapping a spare key and
# reverting it at once; under load Qt reads the map after the revert and the umlaut is
# lost. Bound once for the whole run (the server runs with -noreset), they never move.
umlaute_binden() {
  command -v xmodmap >/dev/null || return 0
  xmodmap -pke | grep -q adiaeresis && return 0
  local frei
  frei=($(xmodmap -pke | awk 'NF == 3 { print $2 }' | tail -n 4))
  [ ${#frei[@]} -eq 4 ] || return 0
  xmodmap -e "keycode ${frei[0]} = adiaeresis Adiaeresis" -e "keycode ${frei[1]} = odiaeresis Odiaeresis" \
    -e "keycode ${frei[2]} = udiaeresis Udiaeresis" -e "keycode ${frei[3]} = ssharp"
}

starten() {
  umlaute_binden
  (cd "$PROG" && exec ./lerno) >"$ARBEIT/lerno.log" 2>&1 &
  LERNO_PID=$!
}

# Waits for a visible window with exactly this caption and gives it the keyboard.
# Captions are matched literally (they contain "?" and ".").
muster() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')"; }

fenster() {
  local titel=$1 wid
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name "$(muster "$titel")" | head -n1) \
    || fehler "Fenster '$titel' erscheint nicht"
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  sleep 0.3
  echo "$wid"
}

tasten() { xdotool key --delay 60 "$@"; sleep 0.3; }
tippen() { xdotool type --delay 40 -- "$1"; sleep 0.2; }

# Succeeds when lerno has ended within the given number of seconds, with exit code 0.
# A sanitizer build ends more slowly (the leak check runs at exit): LERNO_E2E_ZEITFAKTOR
# stretches the limit there.
beendet_innerhalb() {
  local sek=$(($1 * ${LERNO_E2E_ZEITFAKTOR:-1})) i rc
  for ((i = 0; i < sek * 20; i++)); do
    if ! kill -0 "$LERNO_PID" 2>/dev/null; then
      rc=0
      wait "$LERNO_PID" 2>/dev/null || rc=$?
      LERNO_PID=""
      [ "$rc" -eq 0 ] || fehler "lerno endete mit Code $rc"
      return 0
    fi
    sleep 0.05
  done
  return 1
}

gleich() { cmp -s "$1" "$2" || fehler "$1 unterscheidet sich von $2"; }

# Clicks at a point given in pixels relative to a window's client area.
klicken() {
  local wid=$1 x=$2 y=$3
  xdotool mousemove --window "$wid" "$x" "$y"
  sleep 0.15
  # A second small move: the labels enlarge on a move, and a click needs the pointer on them.
  xdotool mousemove --window "$wid" "$((x + 1))" "$y" click 1
  sleep 0.4
}

# Waits until no visible window with this caption is left.
fenster_weg() {
  local titel=$1 i
  for ((i = 0; i < 100; i++)); do
    xdotool search --onlyvisible --name "$(muster "$titel")" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fehler "Fenster '$titel' schließt nicht"
}

# Imports the file $1 through "Datei" > "Vokabeln importieren …" as the preview reads it
# into a new list named $2; the summary that follows is left open.
neu_importieren() {
  local wastun
  tasten alt+d i
  fenster "Vokabeln importieren" >/dev/null
  tippen "$1"
  tasten Return
  fenster "Import-Vorschau" >/dev/null
  tasten Return
  fenster_weg "Import-Vorschau"
  wastun=$(fenster "Was möchtest du tun ???")
  klicken "$wastun" 170 50 # "Eine neue Datei erstellen"
  fenster "In welche Datei möchtest du deine Vokabeln speichern" >/dev/null
  tippen "$2"
  tasten Return
}

# Windows-1252 bytes of a UTF-8 text, one CR LF after each argument.
cp_zeilen() {
  local z
  for z in "$@"; do printf '%s\r\n' "$z"; done | iconv -f UTF-8 -t WINDOWS-1252
}

# Hex dump for a readable difference in the log.
zeige() { od -c "$1" | head -n 20 >&2; }

# The voice's surroundings: this test's own runtime folder and home (speech-dispatcher keeps
# its socket, pid, logs and settings there) and a private sound server whose silent sink
# "stumm" takes all that is played. Skips the test without speech-dispatcher. When the test
# ends, speech-dispatcher (continued first, should the test have stopped it), the server
# and a recorder in AUFNAHME_PID go too.
SERVER_PID="" AUFNAHME_PID=""
sprache_vorbereiten() {
  command -v speech-dispatcher >/dev/null || { echo "ÜBERSPRUNGEN: speech-dispatcher ist nicht installiert"; exit 0; }
  export XDG_RUNTIME_DIR="$ARBEIT/laufzeit" HOME="$ARBEIT/heim"
  mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
  trap sprache_aufraeumen EXIT
  tonserver_starten
}
# A private PulseAudio with one silent sink "stumm" as the default; its PID in SERVER_PID.
tonserver_starten() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
    -L "module-null-sink sink_name=stumm" -L module-native-protocol-unix 2>"$ARBEIT/server.log" &
  SERVER_PID=$!
  for ((i = 0; i < 100; i++)); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl set-default-sink stumm || fehler "kein Tonserver"
}
sprache_aufraeumen() {
  local rc=$? spd
  [ -z "$AUFNAHME_PID" ] || kill "$AUFNAHME_PID" 2>/dev/null || true
  spd=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
  [ -z "$spd" ] || { kill -CONT "$spd"; kill "$spd"; } 2>/dev/null || true
  [ -z "$SERVER_PID" ] || kill "$SERVER_PID" 2>/dev/null || true
  aufraeumen
  exit "$rc"
}
