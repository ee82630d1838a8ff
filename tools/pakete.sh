# Sourced by the set-up and CI scripts: installs those of the given Debian packages that
# are missing, with apt-get, as root or through sudo. Does nothing when all are there.
pakete_installieren() {
  local fehlend=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
  done
  [ ${#fehlend[@]} -gt 0 ] || return 0
  echo "Installiere: ${fehlend[*]}"
  local als_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Bitte als root ausführen oder sudo installieren." >&2; exit 1; }
    als_root=(sudo)
  fi
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}
