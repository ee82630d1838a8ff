#!/usr/bin/env bash
# Checks the include graph of Lerno's sources:
#   1. no program file outside app/ includes a file of app/ (tests and benchmarks that
#      drive the start screen may);
#   2. no two files include each other (a cycle of two);
#   3. no window's .cpp (frm*/dlg*) has more than 300 non-blank lines.
# Prints each finding and exits 1 if there is any.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

ordner=(app ui lists learning entry practice vocabtest editor lernstand transfer tests bench fuzz tools)
quellen=$(find "${ordner[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
funde=0

echo "1. includes of app/ from outside app/:"
n=0
for f in $quellen; do
  case $f in app/*|tests/*|bench/*) continue ;; esac
  while IFS= read -r zeile; do
    echo "   $f: $zeile"; n=$((n + 1))
  done < <(grep -E '^\s*#\s*include\s+"app/' "$f" || true)
done
[ "$n" -eq 0 ] && echo "   none"
funde=$((funde + n))

echo "2. files that include each other:"
kanten=$(for f in $quellen; do
  grep -oE '^\s*#\s*include\s+"[^"]+"' "$f" | sed -E 's/.*"([^"]+)"/\1/' | while read -r z; do
    [ -f "$z" ] && echo "$f $z"
  done
done | sort -u)
n=0
while read -r a b; do
  [ -n "$a" ] || continue
  # A header and its own .cpp are one unit; the pair is reported once, a < b.
  if [[ "$a" < "$b" ]] && grep -qxF "$b $a" <<<"$kanten"; then
    echo "   $a <-> $b"; n=$((n + 1))
  fi
done <<<"$kanten"
# Cycles through a header pair: a.cpp includes b.h while b.cpp includes a.h.
while read -r a b; do
  [ -n "$a" ] || continue
  case $a in *.cpp) ;; *) continue ;; esac
  case $b in *.h) ;; *) continue ;; esac
  ah=${a%.cpp}.h; bc=${b%.h}.cpp
  [ "$ah" != "$b" ] || continue
  if [[ "$a" < "$bc" ]] && grep -qxF "$bc $ah" <<<"$kanten"; then
    echo "   ${a%.cpp} <-> ${b%.h} (each .cpp includes the other's header)"; n=$((n + 1))
  fi
done <<<"$kanten"
[ "$n" -eq 0 ] && echo "   none"
funde=$((funde + n))

echo "3. window .cpp files over 300 non-blank lines:"
n=0
for f in $(find app ui lists entry practice vocabtest editor transfer -type f \( -name 'frm*.cpp' -o -name 'dlg*.cpp' \) | sort); do
  zeilen=$(grep -c '[^[:space:]]' "$f")
  if [ "$zeilen" -gt 300 ]; then
    echo "   $f: $zeilen"; n=$((n + 1))
  fi
done
[ "$n" -eq 0 ] && echo "   none"
funde=$((funde + n))

echo "largest window files (non-blank lines):"
for f in $(find app ui lists entry practice vocabtest editor transfer -type f \( -name 'frm*.cpp' -o -name 'dlg*.cpp' \)); do
  echo "   $(grep -c '[^[:space:]]' "$f") $f"
done | sort -rn | head -4

[ "$funde" -eq 0 ]
