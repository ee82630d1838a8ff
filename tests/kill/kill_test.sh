#!/bin/bash
# Kills saves with SIGKILL at random instants and checks that every file the save changes
# is whole afterwards (the old or the new content, nothing torn), that the next start's
# folder set-up leaves nothing behind in the list folder, and that no deleted list comes
# back (offered by a chooser or keeping its language).
#   kill_test.sh <kill_driver> <stufe1|editor|import|verlauf|sprache|loeschen|gedaechtnis> [kills]
set -u
treiber=$1
art=$2
kills=${3:-20}
saves=$("$treiber" "$art" saves) || { echo "FEHLER: Treiber"; exit 1; }

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

"$treiber" "$art" anlegen "$arbeit/start" || { echo "FEHLER: Liste nicht angelegt"; exit 1; }
ms=$("$treiber" "$art" referenz "$arbeit/start" "$arbeit/ref" "$saves") || { echo "FEHLER: Referenz"; exit 1; }
echo "$art: eine Sicherung dauert ${ms} ms; $saves Sicherungen je Lauf"

getoetet=0 geprueft=0 ganz=0 verloren=0 zerrissen=0 versuche=0 fehler=0 reste_vorher=0 reste_nachher=0 zurueck=0
while [ "$getoetet" -lt "$kills" ] && [ "$versuche" -lt $((kills * 3)) ]; do
    versuche=$((versuche + 1))
    rm -rf "$arbeit/lauf"
    cp -r "$arbeit/start" "$arbeit/lauf"
    # A random instant anywhere in the first saves-1 saves (startup included).
    warte=$(( (RANDOM * 32768 + RANDOM) % (ms * (saves - 1) + 1) ))
    "$treiber" "$art" sichern "$arbeit/lauf" "$saves" &
    pid=$!
    sleep "$(printf '%d.%03d' $((warte / 1000)) $((warte % 1000)))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    rc=$?
    if [ "$rc" -ne 137 ]; then
        echo "Lauf $versuche: nicht getötet (rc $rc), wird wiederholt"
        continue
    fi
    getoetet=$((getoetet + 1))
    ergebnis=$("$treiber" "$art" pruefen "$arbeit/lauf" "$arbeit/ref" "$saves")
    rc=$?
    echo "Kill $getoetet nach ${warte} ms: $ergebnis"
    geprueft=$((geprueft + $(sed -n 's/^ganz=[0-9]*\/\([0-9]*\).*/\1/p' <<<"$ergebnis")))
    ganz=$((ganz + $(sed -n 's/^ganz=\([0-9]*\)\/.*/\1/p' <<<"$ergebnis")))
    zurueck=$((zurueck + $(sed -n 's/.*zurueck=\([0-9]*\).*/\1/p' <<<"$ergebnis")))
    verloren=$((verloren + $(sed -n 's/.*verloren=\([0-9]*\).*/\1/p' <<<"$ergebnis")))
    zerrissen=$((zerrissen + $(sed -n 's/.*zerrissen=\([0-9]*\).*/\1/p' <<<"$ergebnis")))
    reste_vorher=$((reste_vorher + $(sed -n 's/.*reste_vorher=\([0-9]*\).*/\1/p' <<<"$ergebnis")))
    reste_nachher=$((reste_nachher + $(sed -n 's/.*reste_nachher=\([0-9]*\).*/\1/p' <<<"$ergebnis")))
    [ "$rc" -eq 0 ] || fehler=1
done

echo "$art: Kills: $getoetet, Dateien geprüft: $geprueft, ganz: $ganz, Datensätze verloren: $verloren, zerrissen: $zerrissen," \
     "Reste vor dem Start: $reste_vorher, nach dem Start: $reste_nachher, Listen zurück: $zurueck"
[ "$getoetet" -eq "$kills" ] || { echo "FEHLER: nur $getoetet Kills"; exit 1; }
[ "$fehler" -eq 0 ] && [ "$ganz" -eq "$geprueft" ] && [ "$verloren" -eq 0 ] && [ "$zerrissen" -eq 0 ] \
    && [ "$reste_nachher" -eq 0 ] && [ "$zurueck" -eq 0 ]
