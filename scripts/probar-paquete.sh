#!/usr/bin/env bash
# The Debian package as a player gets it. Builds it from a build folder, runs
# lintian, desktop-file-validate and appstreamcli over it, unpacks it into a
# temporary folder and plays the unpacked game on a real X server, started
# from an empty folder of its own with a home of its own: the saved game goes
# to the player's data folder with the right bytes, and loading games saved
# in each of the seven scenes shows that scene's installed picture.
#   scripts/probar-paquete.sh [build folder]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" != "--en-x" ]; then
  construccion="$(cd "${1:-$raiz/build}" && pwd)"
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construccion/CMakeCache.txt")"
  deb="$construccion/zarrapio-world_${version}_$(dpkg --print-architecture).deb"
  rm -f "$construccion"/zarrapio-world_*.deb
  (cd "$construccion" && cpack -G DEB > /dev/null)
  [ -f "$deb" ] || { echo "falta $deb" >&2; exit 1; }

  tmp="$(mktemp -d)"
  trap 'rm -rf "$tmp"' EXIT
  dpkg-deb -x "$deb" "$tmp/raiz"
  compartido="$tmp/raiz/usr/share"

  lintian --fail-on error,warning "$deb"
  desktop-file-validate "$compartido/applications/es.trombulenco.ZarrapioWorld.desktop"
  appstreamcli validate --no-net "$compartido/metainfo/es.trombulenco.ZarrapioWorld.metainfo.xml"

  # The package, its changelog and its metainfo name the same release.
  registro="$(zcat "$compartido/doc/zarrapio-world/changelog.gz" | dpkg-parsechangelog -l - -S Version)"
  metainfo="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$compartido/metainfo/es.trombulenco.ZarrapioWorld.metainfo.xml" | head -n 1)"
  if [ "$(dpkg-deb -f "$deb" Version)" != "$version" ] || [ "$registro" != "$version" ] \
     || [ "$metainfo" != "$version" ]; then
    echo "versiones distintas: proyecto $version, changelog $registro, metainfo $metainfo" >&2
    exit 1
  fi

  # A display of its own; the game is started from inside it.
  # Its own range of display numbers: the window suites' X server, just
  # stopped, may still be removing its socket from the first free one.
  if ! xvfb-run -a -n 130 -e "$tmp/xvfb.log" -s "-screen 0 1024x768x24 -noreset" bash "$0" --en-x "$tmp"; then
    echo "--- lo que dijo el servidor X:" >&2
    cat "$tmp/xvfb.log" >&2 || true
    exit 1
  fi
  echo "paquete bien: $deb"
  exit 0
fi

# --- On the X server. ---
tmp="$2"
graficos="$tmp/raiz/usr/share/zarrapio-world/graficos"
mkdir -p "$tmp/vacia" "$tmp/casa" "$tmp/datos" "$tmp/sin-datos" "$tmp/capturas"
partida="$tmp/datos/trombulenco/zarrapio-world/partida"

fallo() { echo "probar-paquete: $*" >&2; exit 1; }

# The visible window with this title and client width, waited for.
ventana() {
  local titulo="$1" ancho="$2" w
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --name "^${titulo}\$" 2>/dev/null); do
      [[ "$(xwininfo -id "$w")" =~ Width:\ $ancho$'\n' ]] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
titulo() { ventana "Zarrapio World" 577; }
aventura() { ventana "Zarrapio World" 561; }

visibles() { { xdotool search --onlyvisible --class zarrapio-world 2>/dev/null || true; } | wc -l; }

# Opens a window's menu by its access key, waits for it, picks an item by its own.
menu() {
  local w="$1" abre="$2" elige="$3" antes
  antes="$(visibles)"
  xdotool windowfocus --sync "$w"
  xdotool key --clearmodifiers "$abre"
  for _ in $(seq 50); do [ "$(visibles)" -gt "$antes" ] && break; sleep 0.1; done
  xdotool key --clearmodifiers "$elige"
}

# Every window carries the game's icon.
con_icono() {
  local iconos
  iconos="$(xprop -id "$1" _NET_WM_ICON)"
  [[ "$iconos" == *"Icon (48 x 48)"* ]] || fallo "la ventana $1 no lleva el icono"
}

# The scene picture on screen is the installed one: no missing-picture card.
ver_escena() {
  local n="$1" w captura
  w="$(aventura)" || fallo "la escena $n no se ve"
  captura="$tmp/capturas/$n.png"
  import -window "$w" -crop 372x303+0+0 +repage "$captura"
  local distintos
  distintos="$(compare -metric AE -fuzz 2% "$captura" "$graficos/$n.jpg" null: 2>&1 || true)"
  [ "$distintos" = "0" ] || fallo "la escena $n no muestra $n.jpg ($distintos píxeles distintos)"
  con_icono "$w"
}

# The X server answers before the game is started (and, started with -noreset,
# does not reset itself when this first client leaves).
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fallo "el servidor X $DISPLAY no contesta"

# An unrelated empty folder, a home of its own; the system's data folders hold
# nothing, so the pictures can only come from beside the unpacked program.
cd "$tmp/vacia"
HOME="$tmp/casa" XDG_DATA_HOME="$tmp/datos" XDG_DATA_DIRS="$tmp/sin-datos" QT_QPA_PLATFORM=xcb \
  "$tmp/raiz/usr/games/zarrapio-world" &
juego=$!

w="$(titulo)" || fallo "no aparece la ventana del título"
con_icono "$w"

# Save before playing: the fresh game, in the player's folder.
menu "$w" alt+p g
aviso="$(ventana Aviso '[0-9]*')" || fallo "guardar no dice \"Aviso\""
con_icono "$aviso"
xdotool windowfocus --sync "$aviso"
xdotool key --clearmodifiers Return
printf '1\r\n"Mechero"\r\n1,0,0,0,0,0\r\n' | cmp - "$partida" || fallo "la partida guardada no es la esperada"
[ -z "$(ls -A "$tmp/vacia")" ] || fallo "el juego escribió en la carpeta actual"

# Load it back, then a game saved in each other scene.
for n in 1 2 3 4 5 6 7; do
  printf '1\r\n"Mechero"\r\n%d,0,0,0,0,0\r\n' "$n" > "$partida"
  menu "$(titulo)" alt+p c
  ver_escena "$n"
  # "Menú" goes back to the title window.
  xdotool mousemove --window "$(aventura)" 488 296 click 1
  titulo > /dev/null || fallo "\"Menú\" no vuelve al título"
done

# "&Salir" ends the game.
menu "$(titulo)" alt+j s
for _ in $(seq 50); do kill -0 "$juego" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$juego" 2>/dev/null; then kill "$juego"; fallo "\"Salir\" no termina el juego"; fi
wait "$juego" || fallo "el juego terminó con error"
