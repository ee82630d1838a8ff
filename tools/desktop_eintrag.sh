#!/usr/bin/env bash
# Puts Lerno into the desktop's application menu for this user: lerno.desktop in the
# applications folder and the symbol in the hicolor icon theme.
#   bash tools/desktop_eintrag.sh <program folder>
# Uses $XDG_DATA_HOME (default ~/.local/share); prints where the entry went.
set -euo pipefail

ordner=${1:?Aufruf: bash tools/desktop_eintrag.sh <Programmordner>}
ordner=$(cd "$ordner" && pwd)
daten=${XDG_DATA_HOME:-$HOME/.local/share}
anwendungen=$daten/applications
eintrag=$anwendungen/lerno.desktop

# Exec is split like a shell line: a path with blanks or special characters is quoted,
# and inside the quotes " ` $ \ are escaped; a literal % is %%. Every value then
# doubles its backslashes.
exec_wert() {
  local p=$1
  if [[ $p =~ ^[A-Za-z0-9/._+-]+$ ]]; then
    printf '%s' "$p"
  else
    p=${p//\\/\\\\}; p=${p//\"/\\\"}; p=${p//\`/\\\`}; p=${p//\$/\\\$}
    printf '"%s"' "$p"
  fi
}
wert() { printf '%s' "${1//\\/\\\\}"; }

mkdir -p "$anwendungen"
symbole=()
for groesse in 16 32 48 64 128 256; do
  quelle=$ordner/symbole/lerno-$groesse.png
  [ -f "$quelle" ] || continue
  ziel=$daten/icons/hicolor/${groesse}x${groesse}/apps
  mkdir -p "$ziel"
  cp "$quelle" "$ziel/lerno.png"
  symbole+=("$ziel/lerno.png")
done

# Written beside and renamed over the old entry: the menu never sees half a file.
neu=$(mktemp "$anwendungen/.lerno.desktop.XXXXXX")
{
  echo "[Desktop Entry]"
  echo "Type=Application"
  echo "Version=1.4"
  echo "Name=Lerno"
  echo "GenericName=Vokabeltrainer"
  echo "Comment=Vokabeln eingeben, üben und abfragen"
  echo "Keywords=Vokabeln;Sprachen;Schule;Englisch;Französisch;Latein;"
  exec_zeile=$(wert "$(exec_wert "$ordner/lerno")")
  echo "Exec=${exec_zeile//%/%%}"
  echo "Path=$(wert "$ordner")"
  echo "Icon=lerno"
  echo "Terminal=false"
  echo "StartupNotify=true"
  echo "StartupWMClass=lerno"
  echo "Categories=Education;Languages;"
} > "$neu"
chmod 644 "$neu"
mv -f "$neu" "$eintrag"
command -v update-desktop-database >/dev/null && update-desktop-database -q "$anwendungen" 2>/dev/null || true

echo "Menüeintrag: $eintrag"
for s in "${symbole[@]}"; do
  echo "Symbol:      $s"
done
echo "Lerno wieder starten: im Anwendungsmenü „Lerno“ wählen, oder im Terminal:"
echo "  $(exec_wert "$ordner/lerno")"
