# The editor as a pupil without special rights meets two file errors, and loses nothing:
# a list it may not read is reported and never opened (so it cannot be emptied), and a
# save into a folder it may not write is reported while the editor stays open with the
# change typed; once the folder is writable again, "Ja" saves exactly that change.
# Lerno runs as an ordinary user so that permissions apply (root ignores them).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

NUTZER=lerno-e2e
if [ "$(id -u)" -eq 0 ]; then
  if ! id "$NUTZER" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$NUTZER" 2>/dev/null || id "$NUTZER" >/dev/null 2>&1 \
      || { echo "ÜBERSPRUNGEN: kein Benutzer $NUTZER anlegbar (useradd fehlt oder scheitert)"; exit 0; }
  fi
  command -v setpriv >/dev/null && command -v xhost >/dev/null \
    || { echo "ÜBERSPRUNGEN: setpriv oder xhost fehlt"; exit 0; }
  NUTZER_ID=$(id -u "$NUTZER")
  GRUPPEN_ID=$(id -g "$NUTZER")
  xhost "+SI:localuser:$NUTZER" >/dev/null
else
  NUTZER_ID=""
fi

installieren
chmod 755 "$ARBEIT"
mkdir -p "$ARBEIT/heim" "$ARBEIT/xdg"
chmod 700 "$ARBEIT/xdg"
[ -n "$NUTZER_ID" ] && chown -R "$NUTZER_ID:$GRUPPEN_ID" "$PROG" "$ARBEIT/heim" "$ARBEIT/xdg"

umlaute_binden
if [ -n "$NUTZER_ID" ]; then
  (cd "$PROG" && exec env HOME="$ARBEIT/heim" XDG_RUNTIME_DIR="$ARBEIT/xdg" \
    setpriv --reuid="$NUTZER_ID" --regid="$GRUPPEN_ID" --clear-groups ./lerno) >"$ARBEIT/lerno.log" 2>&1 &
else
  (cd "$PROG" && exec ./lerno) >"$ARBEIT/lerno.log" 2>&1 &
fi
LERNO_PID=$!
fenster "Lerno language" >/dev/null
V="$PROG/Vokabeln"
[ -n "$NUTZER_ID" ] && [ "$(stat -c %u "$V/Demo.dva")" != "$NUTZER_ID" ] && fehler "Liste gehört nicht $NUTZER"
for b in a b c; do cp "$V/Demo.dv$b" "$ARBEIT/vorher.dv$b"; done

editor_waehlen() {
  tasten alt+d b
  fenster "Welche Vokabeln möchtest du bearbeiten ?" >/dev/null
  tasten Return # Demo.dva is the only list and preselected
}
kein_editor() {
  if xdotool search --onlyvisible --name "$(muster "Vokabeln Bearbeiten")" >/dev/null 2>&1; then
    fehler "der Editor ist offen"
  fi
}
unveraendert() {
  for b in a b c; do cmp -s "$V/Demo.dv$b" "$ARBEIT/vorher.dv$b" || fehler "Demo.dv$b verändert ($1)"; done
  [ "$(ls -A "$V" | wc -l)" -eq 3 ] || fehler "unerwartete Dateien ($1): $(ls -A "$V")"
}

# 1. A list the pupil may not read: reported, no editor, nothing written.
chmod 000 "$V/Demo.dva"
editor_waehlen
fenster "Dateifehler" >/dev/null
kein_editor
tasten Return
fenster_weg "Dateifehler"
sleep 0.5
kein_editor
chmod 644 "$V/Demo.dva"
unveraendert "nicht lesbar"

# 2. A folder the pupil may not write: the save fails, the editor stays with the change.
chmod 555 "$V"
editor_waehlen
editor=$(fenster "Vokabeln Bearbeiten")
zeile_y() { echo $((40 + 3 + 25 * $1 + 12)); }
klicken "$editor" 223 "$(zeile_y 5)" # word of row 5, "to open"
tasten ctrl+a
tippen "to unlock"
klicken "$editor" 590 442 # "ok"
klicken "$editor" 430 402 # "Ja"
fenster "Dateifehler" >/dev/null
tasten Return
fenster_weg "Dateifehler"
xdotool search --onlyvisible --name "$(muster "Vokabeln Bearbeiten")" >/dev/null 2>&1 \
  || fehler "der Editor schloss nach dem Schreibfehler"
chmod 755 "$V"
unveraendert "Ordner schreibgeschützt"

# The cause gone, "Ja" saves the change typed before the error.
editor=$(fenster "Vokabeln Bearbeiten")
klicken "$editor" 590 442 # "ok"
klicken "$editor" 430 402 # "Ja"
fenster_weg "Vokabeln Bearbeiten"
LC_ALL=C sed -e 's/^005#to open#/005#to unlock#/' "$ARBEIT/vorher.dva" >"$ARBEIT/a"
cmp -s "$V/Demo.dva" "$ARBEIT/a" || { zeige "$V/Demo.dva"; fehler "Demo.dva ohne die Änderung"; }
[ "$(ls -A "$V" | wc -l)" -eq 3 ] || fehler "unerwartete Dateien: $(ls -A "$V")"

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "Dateifehler im Editor: nichts verloren: ok"
