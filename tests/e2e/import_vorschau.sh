# A semicolon list with the German words first under a "Deutsch;Englisch" header, imported
# through "Datei" > "Vokabeln importieren …" and the preview accepted with Enter: the list
# holds the English words as words. LERNO_VORSCHAU_BILD=pfad.png keeps a screenshot of the
# preview for a three-column file.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installieren
printf 'Deutsch;Englisch\r\ndie Katze;the cat\r\ngrün;green\r\ndie Straße;the street\r\n' >"$ARBEIT/deutsch_zuerst.csv"
printf 'Lektion;Deutsch;Englisch\r\n1;die Katze;the cat\r\n1;der Hund;the dog\r\n2;grün;green\r\n2;C#;C sharp\r\n' \
  >"$ARBEIT/drei_spalten.csv"

starten
fenster "Lerno language" >/dev/null

if [ -n "${LERNO_VORSCHAU_BILD:-}" ]; then
  tasten alt+d i
  fenster "Vokabeln importieren" >/dev/null
  tippen "$ARBEIT/drei_spalten.csv"
  tasten Return
  fenster "Import-Vorschau" >/dev/null
  sleep 0.5
  import -window root "$LERNO_VORSCHAU_BILD"
  tasten Escape
  fenster_weg "Import-Vorschau"
fi

neu_importieren "$ARBEIT/deutsch_zuerst.csv" Englisch

fenster "Vokabeln importieren" >/dev/null # the summary
tasten Return
fenster_weg "Vokabeln importieren"

liste="$PROG/Vokabeln/Englisch.dva"
cp_zeilen "001#the cat#die Katze#0#0#" "002#green#grün#0#0#" "003#the street#die Straße#0#0#" >"$ARBEIT/erwartet"
cmp -s "$liste" "$ARBEIT/erwartet" || { zeige "$liste"; fehler "Englisch.dva nicht wie erwartet"; }

tasten alt+d p
beendet_innerhalb 3 || fehler "lerno endet nicht"
echo "Import mit Vorschau: ok"
