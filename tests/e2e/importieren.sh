# A teacher's word list as tab-separated text, imported through "Datei" > "Vokabeln
# importieren …" into a new list (path typed into Qt's file dialog): the list holds exactly
# its pairs, numbered 001 on, with a header and an unusable line left out. Then the list
# goes out again through "Vokabeln exportieren …" and comes back with the same pairs.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
printf 'Englisch\tDeutsch\r\nthe mouse\tdie Maus\r\ngreen\tgrün\r\nC#\tCis\r\nthe street\tdie Straße\r\n' \
  >"$ARBEIT/woerter.tsv"

starten
fenster "Lerno language" >/dev/null

# The preview's defaults are right for this file: accepted with Enter.
neu_importieren "$ARBEIT/woerter.tsv" Import

# The summary: a message box with the same title as the file dialog, closed with Enter.
fenster "Vokabeln importieren" >/dev/null
[ -n "${LERNO_SCHNAPPSCHUSS:-}" ] && import -window root "$LERNO_SCHNAPPSCHUSS"
tasten Return
fenster_weg "Vokabeln importieren"

liste="$PROG/Vokabeln/Import.dva"
cp_zeilen "001#the mouse#die Maus#0#0#" "002#green#grün#0#0#" "003#the street#die Straße#0#0#" \
  >"$ARBEIT/erwartet"
cmp -s "$liste" "$ARBEIT/erwartet" || { zeige "$liste"; fehler "Import.dva nicht wie erwartet"; }
for b in dvb dvc; do
  [ -f "$PROG/Vokabeln/Import.$b" ] && [ ! -s "$PROG/Vokabeln/Import.$b" ] \
    || fehler "Import.$b fehlt oder ist nicht leer"
done

# Export: the chooser lists Demo.dva and Import.dva; the second is wanted.
tasten alt+d x
fenster "Welche Vokabeln möchtest du exportieren ?" >/dev/null
tasten Down Return
fenster "Vokabeln exportieren" >/dev/null
tasten ctrl+a
tippen "$ARBEIT/aus.tsv"
tasten Return
for ((i = 0; i < 100; i++)); do [ -f "$ARBEIT/aus.tsv" ] && break; sleep 0.1; done
[ -f "$ARBEIT/aus.tsv" ] || fehler "aus.tsv wurde nicht geschrieben"
fenster "Vokabeln exportieren" >/dev/null # now the message
tasten Return
fenster_weg "Vokabeln exportieren"

printf '\xEF\xBB\xBFVokabel\tBedeutung\tFehler\r\nthe mouse\tdie Maus\t0\r\ngreen\tgrün\t0\r\nthe street\tdie Straße\t0\r\n' \
  >"$ARBEIT/aus_erwartet"
cmp -s "$ARBEIT/aus.tsv" "$ARBEIT/aus_erwartet" || { zeige "$ARBEIT/aus.tsv"; fehler "aus.tsv nicht wie erwartet"; }
# The same pairs as the imported file, header and unusable line aside.
diff <(tail -n +2 "$ARBEIT/aus.tsv" | tr -d '\r' | cut -f1,2) \
  <(grep -v '#' "$ARBEIT/woerter.tsv" | tail -n +2 | tr -d '\r') >/dev/null \
  || fehler "Export gibt nicht dieselben Paare zurück"

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "importieren und exportieren: ok"
