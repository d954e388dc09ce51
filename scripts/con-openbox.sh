#!/usr/bin/env bash
# Runs a command on this X display under a real window manager, openbox: the
# game's windows get a frame, and are placed, activated and shown full screen
# by the manager, as on a desktop. The manager is started before the command,
# once it manages the screen, and ended after it.
#   xvfb-run -a bash scripts/con-openbox.sh ctest ...
set -euo pipefail
: "${DISPLAY:?no X display}"

openbox --sm-disable &
gestor=$!
trap 'kill "$gestor" 2>/dev/null; wait "$gestor" 2>/dev/null || true' EXIT

# A manager announces itself on the root window once it runs the screen.
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
        "$@"
        exit
    fi
    kill -0 "$gestor" 2>/dev/null || { echo "openbox ended before managing the screen" >&2; exit 1; }
    sleep 0.1
done
echo "openbox did not manage the screen within 10 seconds" >&2
exit 1
