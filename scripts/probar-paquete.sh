#!/usr/bin/env bash
# The Debian package as a player gets it. Builds it twice from a build folder
# (the same bytes, every time in it the changelog's date); checks what it
# depends on and recommends; runs lintian (every level), desktop-file-validate,
# appstreamcli (pedantic) and man over it; looks for Debian's hardening in the
# program; unpacks it into a temporary folder and plays the unpacked game from
# /usr/games on a real X server, started from an empty folder of its own with
# a home of its own: the saved game goes to the player's data folder with the
# right bytes, loading games saved in each of the seven scenes shows that
# scene's installed picture, a change of size lands in the settings file, and
# every face the game asks for, Qt's menus and message boxes included, is
# fonts-liberation's.
#   scripts/probar-paquete.sh [build folder]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" != "--en-x" ]; then
  construccion="$(cd "${1:-$raiz/build}" && pwd)"
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construccion/CMakeCache.txt")"
  deb="$construccion/zarrapio-world_${version}_$(dpkg --print-architecture).deb"
  tmp="$(mktemp -d)"
  trap 'rm -rf "$tmp"' EXIT
  fallo() { echo "probar-paquete: $*" >&2; exit 1; }

  # Built twice, a second apart: the same bytes.
  for vez in 1 2; do
    rm -f "$construccion"/zarrapio-world_*.deb
    [ "$vez" = 1 ] || sleep 1
    (cd "$construccion" && cpack -G DEB > /dev/null)
    [ -f "$deb" ] || fallo "falta $deb"
    cp "$deb" "$tmp/$vez.deb"
  done
  cmp -s "$tmp/1.deb" "$tmp/2.deb" || fallo "dos construcciones del paquete dan bytes distintos"
  dpkg-deb -x "$deb" "$tmp/raiz"
  compartido="$tmp/raiz/usr/share"

  programa="$tmp/raiz/usr/games/zarrapio-world"
  escritorio="$compartido/applications/es.trombulenco.ZarrapioWorld.desktop"
  metainfo="$compartido/metainfo/es.trombulenco.ZarrapioWorld.metainfo.xml"
  manual="$compartido/man/man6/zarrapio-world.6.gz"

  # Lintian at every level, overrides shown. A tag gets through only if it is
  # named here with the reason; none has one now.
  permitidas=()
  lintian --allow-root --display-experimental --display-info --pedantic --show-overrides \
    --fail-on none "$deb" > "$tmp/lintian"
  sobran="$(awk -v permitidas="${permitidas[*]}" '
    BEGIN { n = split(permitidas, p, " "); for (i = 1; i <= n; i++) bien[p[i]] = 1 }
    /^[A-Z]: / && !($3 in bien)' "$tmp/lintian")"
  [ -z "$sobran" ] || fallo "lintian dice:"$'\n'"$sobran"

  # Debian's hardening in the program itself: position-independent, its
  # relocations read-only and all bound at start, the stack protector in use
  # (the checked libc calls are lintian's hardening-no-fortify-functions); no
  # RUNPATH, nothing of the compilers' notes.
  cabecera="$(readelf -Wh "$programa")"
  segmentos="$(readelf -Wl "$programa")"
  secciones="$(readelf -WS "$programa")"
  dinamica="$(readelf -Wd "$programa")"
  simbolos="$(readelf -W --dyn-syms "$programa")"
  [[ "$cabecera" =~ Type:\ +DYN ]] && [[ "$dinamica" =~ FLAGS_1.*PIE ]] || fallo "el programa no es PIE"
  [[ "$segmentos" == *GNU_RELRO* ]] || fallo "el programa no tiene RELRO"
  [[ "$dinamica" =~ \(FLAGS\)[^$'\n']*BIND_NOW ]] || fallo "el programa no enlaza todo al empezar (BIND_NOW)"
  [[ "$simbolos" == *" __stack_chk_fail@"* ]] || fallo "el programa no protege la pila"
  [[ ! "$dinamica" =~ R(UN)?PATH ]] || fallo "el programa lleva RUNPATH o RPATH"
  [[ "$secciones" != *" .comment "* ]] || fallo "el programa lleva .comment"

  # A game of Debian's lies in /usr/games, and the menu entry finds it by name
  # along the PATH Debian gives its users.
  [ ! -e "$tmp/raiz/usr/bin" ] || fallo "el paquete instala en /usr/bin"
  orden="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$escritorio")"
  hallado=""
  for d in /usr/local/bin /usr/bin /bin /usr/local/games /usr/games; do
    [ -x "$tmp/raiz$d/$orden" ] && { hallado="$d/$orden"; break; }
  done
  [ "$hallado" = /usr/games/zarrapio-world ] || fallo "Exec=$orden no lleva a /usr/games/zarrapio-world"

  # The icon theme's index, without which the menu entry's icon is not found,
  # is a dependency; Wayland's plugin (and a compositor's libraries) and Qt's
  # own words in Spanish are only recommended.
  campo() { dpkg-deb -f "$deb" "$1" | tr -d ' ' | tr ',' '\n'; }
  for fila in Depends:hicolor-icon-theme Recommends:qt6-wayland Recommends:qt6-translations-l10n; do
    paquete="${fila#*:}"
    for c in Depends Recommends; do
      if [ "$c" = "${fila%%:*}" ]; then
        campo "$c" | grep -qx "$paquete" || fallo "$paquete debe ir en $c"
      else
        ! campo "$c" | grep -qx "$paquete" || fallo "$paquete no debe ir en $c"
      fi
    done
  done

  salida="$(desktop-file-validate "$escritorio" 2>&1)" || fallo "desktop-file-validate: $salida"
  [ -z "$salida" ] || fallo "desktop-file-validate dice:"$'\n'"$salida"

  # The manual page: groff has nothing to say of it, and it names every option
  # the program itself lists.
  salida="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 > /dev/null)" || fallo "man: $salida"
  [ -z "$salida" ] || fallo "man --warnings dice:"$'\n'"$salida"
  opciones="$(cd "$tmp" && HOME="$tmp/casa" XDG_CONFIG_HOME="$tmp/casa/config" QT_QPA_PLATFORM=offscreen \
    "$programa" --help 2> /dev/null | grep -oE '^ +(-[a-zA-Z?], )?--[a-z][a-z-]*' | grep -oE -- '--[a-z-]+')"
  [ -n "$opciones" ] || fallo "--help no lista opciones"
  pagina="$(zcat "$manual")"
  for o in $opciones; do
    [[ "$pagina" == *"${o//-/\\-}"* ]] || fallo "el manual no habla de $o"
  done

  # AppStream, pedantic. Let through: the upper-case letters of the ID, which
  # also names the menu entry, the icon and the windows' desktop file name;
  # and <developer>, AppStream 1.0's, unknown to Debian 12's 0.16 (which reads
  # <developer_name>, there as well).
  salida="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || fallo "appstreamcli:"$'\n'"$salida"
  sobran="$(awk '/^[A-Z]: / && $3 " " $4 != "cid-contains-uppercase-letter es.trombulenco.ZarrapioWorld" \
    && $3 " " $4 != "unknown-tag developer"' <<< "$salida")"
  [ -z "$sobran" ] || fallo "appstreamcli dice:"$'\n'"$sobran"
  # What a software centre shows besides: the homepage, the maker, an age
  # rating, and the release with its date (the changelog's) and notes.
  xp() { xmllint --xpath "$1" "$metainfo"; }
  [[ "$(xp 'string(/component/url[@type="homepage"])')" == https://* ]] || fallo "la metainfo no da la página del juego"
  [ -n "$(xp 'string(/component/developer/name)')" ] && [ -n "$(xp 'string(/component/developer_name)')" ] \
    || fallo "la metainfo no nombra al autor"
  [ "$(xp 'count(/component/content_rating[@type="oars-1.1"]/content_attribute)')" -gt 0 ] \
    || fallo "la metainfo no da la edad recomendada"
  [ "$(xp 'count(/component/releases/release[1]/description/p)')" -gt 0 ] \
    || fallo "la metainfo no describe la versión"

  # The package, its changelog and its metainfo name the same release, of the same day.
  registro="$(zcat "$compartido/doc/zarrapio-world/changelog.gz" | dpkg-parsechangelog -l - -S Version)"
  fecha="$(date -u -d "$(zcat "$compartido/doc/zarrapio-world/changelog.gz" | dpkg-parsechangelog -l - -S Date)" +%F)"
  de_metainfo="$(xp 'string(/component/releases/release[1]/@version)')"
  fecha_metainfo="$(xp 'string(/component/releases/release[1]/@date)')"
  if [ "$(dpkg-deb -f "$deb" Version)" != "$version" ] || [ "$registro" != "$version" ] \
     || [ "$de_metainfo" != "$version" ] || [ "$fecha_metainfo" != "$fecha" ]; then
    fallo "versiones distintas: proyecto $version, changelog $registro del $fecha, metainfo $de_metainfo del $fecha_metainfo"
  fi
  # Every file of the package, its control files and the package's own
  # members bear the changelog's date, to the second.
  momento="$(zcat "$compartido/doc/zarrapio-world/changelog.gz" | dpkg-parsechangelog -l - -S Timestamp)"
  momento="$(date -u -d "@$momento" '+%F %T')"
  otras="$({ dpkg-deb --fsys-tarfile "$deb"; dpkg-deb --ctrl-tarfile "$deb"; } \
    | tar -tv --full-time --utc --ignore-zeros | awk -v m="$momento" '$4 " " $5 != m')"
  [ -z "$otras" ] || fallo "ficheros con otra fecha que la del changelog ($momento):"$'\n'"$otras"
  otras="$(LC_ALL=C TZ=UTC ar tv "$deb" | awk -v m="$(LC_ALL=C date -u -d "$momento" '+%b %-d %H:%M %Y')" '$4 " " $5 " " $6 " " $7 != m')"
  [ -z "$otras" ] || fallo "miembros del paquete con otra fecha que la del changelog ($momento):"$'\n'"$otras"
  # So do the pictures built into the program: rcc writes each one's time in
  # its resource tree, in milliseconds, big-endian; the file's own time
  # unless the build hands it SOURCE_DATE_EPOCH.
  sello="$(printf '%016x' "$(( $(date -u -d "$momento" +%s) * 1000 ))")"
  od -An -v -tx1 "$programa" | tr -d ' \n' | grep -q "$sello" \
    || fallo "las imágenes dentro del programa no llevan la fecha del changelog ($momento)"

  # A display of its own; the game is started from inside it.
  # Its own range of display numbers: the window suites' X server, just
  # stopped, may still be removing its socket from the first free one.
  if ! xvfb-run -a -n 130 -e "$tmp/xvfb.log" -s "-screen 0 1024x768x24 -noreset" bash "$0" --en-x "$tmp"; then
    echo "--- lo que dijo el servidor X:" >&2
    cat "$tmp/xvfb.log" >&2 || true
    echo "--- lo que dijo el juego:" >&2
    grep -v -e '^qt\.text\.font\.match:' -e '^    ' -e '^  request:$' "$tmp/juego.log" >&2 || true
    exit 1
  fi
  echo "paquete bien: $deb"
  exit 0
fi

# --- On the X server. ---
tmp="$2"
graficos="$tmp/raiz/usr/share/zarrapio-world/graficos"
mkdir -p "$tmp/vacia" "$tmp/casa" "$tmp/datos" "$tmp/config" "$tmp/sin-datos" "$tmp/capturas"
partida="$tmp/datos/trombulenco/zarrapio-world/partida"
ajustes="$tmp/config/trombulenco/zarrapio-world.conf"

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
# Qt notes every face the game asks for (its other lines are shown if the
# check fails).
cd "$tmp/vacia"
HOME="$tmp/casa" XDG_DATA_HOME="$tmp/datos" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_DIRS="$tmp/sin-datos" \
  QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="qt.text.font.match.debug=true" \
  "$tmp/raiz/usr/games/zarrapio-world" 2> "$tmp/juego.log" &
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

# Ctrl + plus makes every window bigger, and the size is kept where the manual
# says, in the group and key it names.
w="$(titulo)"
xdotool windowfocus --sync "$w"
xdotool key --clearmodifiers ctrl+plus
zoom_guardado() { sed -n '/^\[ventanas\]$/,/^\[/s/^zoom=//p' "$ajustes" 2>/dev/null || true; }
for _ in $(seq 50); do [ "$(zoom_guardado)" = 1.5 ] && break; sleep 0.1; done
[ "$(zoom_guardado)" = 1.5 ] || fallo "Ctrl + más no deja zoom=1.5 en [ventanas] de $ajustes"

# "&Salir" ends the game.
menu "$w" alt+j s
for _ in $(seq 50); do kill -0 "$juego" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$juego" 2>/dev/null; then kill "$juego"; fallo "\"Salir\" no termina el juego"; fi
wait "$juego" || fallo "el juego terminó con error"

# Every face asked for, with the menus and the "Aviso" box shown, is one of
# fonts-liberation's: left to the platform, "Sans Serif" is whatever the
# system has (Liberation Mono where those are its only fonts).
otras="$(grep -oP '^ +family: \K.*(?= \[)' "$tmp/juego.log" | sort -u | grep -v '^Liberation ' || true)"
[ -z "$otras" ] || fallo "el juego pide tipos de letra ajenos a fonts-liberation: ${otras//$'\n'/, }"
