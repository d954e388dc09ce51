#!/usr/bin/env bash
# Runs a test program as a user without privileges, so that checks of owners
# and write bits are tried from both sides: CI runs as root, for whom every
# file is its own. As root, the program is copied where any user may run it
# and run as "nobody", which every Debian has; as anyone else it just runs.
#   scripts/sin-privilegios.sh <program> [arguments...]
set -euo pipefail
programa="$1"
shift
if [ "$(id -u)" -ne 0 ]; then
  exec "$programa" "$@"
fi
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
cp "$programa" "$tmp/"
mkdir "$tmp/casa" && chown nobody:nogroup "$tmp/casa"
setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
  env HOME="$tmp/casa" TMPDIR="$tmp/casa" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
      ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
  "$tmp/$(basename "$programa")" "$@"
