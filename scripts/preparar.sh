#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and look right.
# Safe to run again: it only asks apt for what is missing.
set -euo pipefail

paquetes=(
  cmake g++ clang libclang-rt-14-dev make
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libqt6svg6-dev libedit-dev
  fonts-liberation qt6-translations-l10n
  dpkg-dev lintian desktop-file-utils appstream libxml2-utils man-db
  xvfb xauth xdotool x11-utils imagemagick openbox
)

falta=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || falta+=("$p")
done
[ ${#falta[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${falta[@]}"
