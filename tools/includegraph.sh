#!/usr/bin/env bash
# The layer check of Lerno's sources (.h and .cpp). It reports
#   1. every include the layer table below does not allow;
#   2. every cycle between units, of any length: a .h and its .cpp are one unit, an
#      include "x" is resolved by path (the including file's folder, then the top, then
#      the folders above the including file);
#   3. every window file (frm*, dlg*) of any folder with more than 300 non-blank lines;
#   4. every source file of the program (all but tests/, bench/, fuzz/) with more than
#      500 non-blank lines;
#   5. every `namespace lerno::X` where X is not the file's own unit.
# Prints each finding and a summary, exits 1 if there is any.
# Usage: includegraph.sh [top folder]   (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}"

# Who may include whom. A row: the including files (a folder, or files of lists/ by name),
# then what they may include besides their own folder: folders ("x/"), single files, "*"
# for anything, "-" for nothing more. The rows that match a file add up; a file that
# matches no row is a finding.
export LERNO_SCHICHTEN='
app/                  entry/ practice/ vocabtest/ editor/ transfer/ lernstand/ learning/ lists/ ui/
entry/                learning/ lists/ ui/
practice/             learning/ lists/ ui/
vocabtest/            learning/ lists/ ui/
editor/               learning/ lists/ ui/
transfer/             learning/ lists/ ui/
lernstand/            learning/ lists/ ui/
learning/             lists/
lists/                -
lists/dlg*            ui/
lists/Listenwahl.*    ui/
lists/moddelfile.*    ui/
ui/                   lists/Programmordner.h
tests/                *
bench/                *
fuzz/                 *
tools/                *
'

mapfile -t quellen < <(find . -mindepth 1 -type d \( -name 'build*' -o -name '.*' \) -prune \
                         -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | LC_ALL=C sort)
if [ "${#quellen[@]}" -eq 0 ]; then
  echo "no sources below $(pwd)"
  exit 1
fi

awk '
function oben(pfad) { sub(/\/.*/, "", pfad); return pfad }
function einheit(pfad) { sub(/\.(cpp|h)$/, "", pfad); return pfad }
function name(pfad) { sub(/.*\//, "", pfad); return pfad }
function ordner(pfad) { if (pfad !~ /\//) return ""; sub(/\/[^\/]*$/, "", pfad); return pfad }
function glob_regex(m) { gsub(/\./, "\\.", m); gsub(/\*/, ".*", m); return "^" m }
function passt(muster, pfad) { return muster ~ /\/$/ ? index(pfad, muster) == 1 : pfad ~ (glob_regex(muster) "$") }

# The file an include names, or "" for one outside the tree (Qt, the system, generated).
function aufloesen(von, ziel,    d) {
    d = ordner(von)
    if (d != "" && ((d "/" ziel) in datei)) return d "/" ziel
    if (ziel in datei) return ziel
    while (d != "") {
        d = ordner(d)
        if (d != "" && ((d "/" ziel) in datei)) return d "/" ziel
    }
    return ""
}

# What a file may include besides its own folder, as a list; "" when no row names it (a
# row that names it always adds a blank, even a row of "-").
function erlaubt_fuer(pfad,    i, e) {
    e = ""
    for (i = 1; i <= zeilen; ++i)
        if (passt(tab_von[i], pfad)) e = e " " tab_darf[i]
    return e
}
function darf(von, ziel, liste,    n, teile, i) {
    if (oben(von) == oben(ziel)) return 1
    n = split(liste, teile, " ")
    for (i = 1; i <= n; ++i) {
        if (teile[i] == "*" || teile[i] == ziel) return 1
        if (teile[i] ~ /\/$/ && index(ziel, teile[i]) == 1) return 1
    }
    return 0
}

# Tarjan: strongly connected groups of units; each group of more than one is a cycle.
function verbinden(v,    k, n, w, teile, glied, anzahl) {
    index_[v] = ++zaehler; tief[v] = zaehler
    stapel[++hoehe] = v; auf_stapel[v] = 1
    n = split(nach[v], teile, " ")
    for (k = 1; k <= n; ++k) {
        w = teile[k]
        if (!(w in index_)) {
            verbinden(w)
            if (tief[w] < tief[v]) tief[v] = tief[w]
        } else if (auf_stapel[w] && index_[w] < tief[v]) {
            tief[v] = index_[w]
        }
    }
    if (tief[v] == index_[v]) {
        anzahl = 0; ++gruppen
        do {
            glied = stapel[hoehe--]; auf_stapel[glied] = 0
            gruppe[glied] = gruppen; ++anzahl
        } while (glied != v)
        if (anzahl > 1) kreise[++kreiszahl] = v
    }
}
# One way round a cycle: the shortest path from v back to v inside its group.
function rundweg(v,    schlange, vorher, kopf, ende, u, n, teile, k, w, weg) {
    kopf = 1; ende = 0; u = v
    while (!(v in vorher)) {
        n = split(nach[u], teile, " ")
        for (k = 1; k <= n; ++k) {
            w = teile[k]
            if (gruppe[w] == gruppe[v] && !(w in vorher)) { vorher[w] = u; schlange[++ende] = w }
        }
        if (kopf > ende) break
        u = schlange[kopf++]
    }
    weg = v; u = vorher[v]
    while (u != v) { weg = u " -> " weg; u = vorher[u] }
    return v " -> " weg
}

BEGIN {
    n = split(ENVIRON["LERNO_SCHICHTEN"], roh, "\n")
    for (i = 1; i <= n; ++i) {
        if (roh[i] !~ /[^ \t]/) continue
        ++zeilen
        tab_von[zeilen] = roh[i]; sub(/[ \t].*/, "", tab_von[zeilen])
        tab_darf[zeilen] = roh[i]; sub(/^[^ \t]+[ \t]+/, "", tab_darf[zeilen])
        if (tab_darf[zeilen] == "-") tab_darf[zeilen] = ""
    }
    for (i = 1; i < ARGC; ++i) { datei[ARGV[i]] = 1; zeilen_von[ARGV[i]] = 0; reihe[++dateien] = ARGV[i] }
}
/[^ \t\r]/ { ++zeilen_von[FILENAME] }
/^[ \t]*#[ \t]*include[ \t]*"/ {
    z = $0; sub(/^[^"]*"/, "", z); sub(/".*/, "", z)
    inc_von[++includes] = FILENAME; inc_ziel[includes] = z
}
/^[ \t]*namespace[ \t]+lerno::[A-Za-z0-9_]+/ {
    z = $0; sub(/^[ \t]*namespace[ \t]+lerno::/, "", z); sub(/[^A-Za-z0-9_].*/, "", z)
    if (z != einheit(name(FILENAME))) ns_fund[++ns_funde] = FILENAME ": lerno::" z
}
END {
    funde = 0
    print "1. includes the layer table does not allow:"
    schicht = 0
    for (i = 1; i <= dateien; ++i) {
        f = reihe[i]
        if (erlaubt_fuer(f) == "") { print "   " f ": its folder is in no row of the table"; ++schicht }
    }
    for (i = 1; i <= includes; ++i) {
        von = inc_von[i]; ziel = aufloesen(von, inc_ziel[i])
        if (ziel == "") continue
        a = einheit(von); b = einheit(ziel)
        if (a != b && !((a, b) in kante)) { kante[a, b] = 1; nach[a] = nach[a] " " b }
        liste = erlaubt_fuer(von)
        if (liste != "" && !darf(von, ziel, liste)) {
            sub(/^ +/, "", liste)
            print "   " von " -> " ziel "   (" (liste == "" ? "nothing outside its folder" : "allowed: " liste) ")"
            ++schicht
        }
    }
    if (!schicht) print "   none"

    print "2. cycles between units:"
    for (i = 1; i <= dateien; ++i) {
        v = einheit(reihe[i])
        if (!(v in index_)) verbinden(v)
    }
    for (i = 1; i <= kreiszahl; ++i) print "   " rundweg(kreise[i])
    if (!kreiszahl) print "   none"

    print "3. window files (frm*, dlg*) over 300 non-blank lines:"
    fenster = 0
    for (i = 1; i <= dateien; ++i) {
        f = reihe[i]
        if (name(f) ~ /^(frm|dlg)/ && zeilen_von[f] > 300) { print "   " f ": " zeilen_von[f]; ++fenster }
    }
    if (!fenster) print "   none"

    print "4. source files of the program over 500 non-blank lines:"
    gross = 0
    for (i = 1; i <= dateien; ++i) {
        f = reihe[i]
        if (oben(f) !~ /^(tests|bench|fuzz)$/ && zeilen_von[f] > 500) { print "   " f ": " zeilen_von[f]; ++gross }
    }
    if (!gross) print "   none"

    print "5. namespaces that are not the file'"'"'s own unit:"
    for (i = 1; i <= ns_funde; ++i) print "   " ns_fund[i]
    if (!ns_funde) print "   none"

    funde = schicht + kreiszahl + fenster + gross + ns_funde
    printf "%s: %d includes against the table, %d cycles, %d long windows, %d long files, %d namespaces (%d files, %d includes)\n", \
        funde == 0 ? "no findings" : funde == 1 ? "1 finding" : funde " findings", schicht, kreiszahl, fenster, gross, ns_funde, dateien, includes
    exit (funde > 0 ? 1 : 0)
}
' "${quellen[@]}"
