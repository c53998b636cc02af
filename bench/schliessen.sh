#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing benchmark: starts the program and an empty Qt Widgets window alternately, ten times each,
# lets each settle, sends it SIGTERM (as a desktop session that ends does) and measures the time until
# the process has ended; prints the medians and the program's ratio to the empty window. The program
# starts from the settings and data files of tests/storage/dateien (eingabe.*), so that it reads values
# for every page, shows one of them (the tolerance page) and writes both files when it closes; the
# empty window closes on SIGTERM the same way (bench/start/leeresfenster.cpp).
#
#   bench/schliessen.sh [build folder]     (default: build; needs the targets zelmotron and
#                                           leeres_fenster)
#   RUNDEN=20 bench/schliessen.sh          more rounds
#   PROGRAMM=/other/zelmotron bench/schliessen.sh   another build of the program (a before/after figure)
#
# Without a display it runs itself under xvfb-run; QT_QPA_PLATFORM=offscreen measures without X.
# The time runs from just before the signal is sent until bash's wait has seen the process end
# (both taken with $EPOCHREALTIME).
set -euo pipefail
cd "$(dirname "$0")/.."
quellen=$(pwd)
bau=$(realpath "${1:-build}")
runden=${RUNDEN:-10}
programm=${PROGRAMM:-$bau/zelmotron}
ruhe=${RUHE:-1.5}  # seconds a started program gets to show its window and settle

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen && -z "${ZELMO_IM_XVFB:-}" ]]; then
  exec env ZELMO_IM_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

for datei in "$programm" "$bau/ZelmosV121.chm" "$bau/bench/start/leeres_fenster"; do
  [[ -e "$datei" ]] || { echo "missing $datei (cmake --build $bau --target zelmotron leeres_fenster)" >&2; exit 2; }
done

ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cp "$programm" "$ordner/zelmotron"
cp "$bau/ZelmosV121.chm" "$bau/bench/start/leeres_fenster" "$ordner/"

# one close: prints milliseconds from SIGTERM to the end of the process
messe() {
  local name=$1
  # the program keeps its files beside itself when it is not installed
  # with the tolerance page in view: the LED page that eingabe.ini shows brings a box at start-up
  # (its values need fewer LEDs), and a box open at SIGTERM would be measured instead of the closing
  awk '{ l = $0; sub(/\r$/, "", l) } l ~ /^\[/ { s = l } s == "[Register]" && l ~ /^Karte=/ { print "Karte=1\r"; next } { print }' \
    "$quellen/tests/storage/dateien/eingabe.ini" >"$ordner/ZelmosV121.ini"
  cp "$quellen/tests/storage/dateien/eingabe.dat" "$ordner/ZelmosV121.dat"
  (cd "$ordner" && exec "./$name" >/dev/null 2>&1) &
  local pid=$!
  sleep "$ruhe"
  local beginn=${EPOCHREALTIME/,/.}
  kill -TERM "$pid"
  wait "$pid" || true
  local ende=${EPOCHREALTIME/,/.}
  awk -v b="$beginn" -v e="$ende" 'BEGIN { printf "%.3f\n", (e - b) * 1000 }'
}

source bench/messreihe.sh
abwechselnd_messen

p=$(median <"$ordner/programm.txt")
l=$(median <"$ordner/leer.txt")
awk -v p="$p" -v l="$l" -v n="$runden" -v qpa="${QT_QPA_PLATFORM:-xcb}" 'BEGIN {
  printf "SIGTERM to exit, medians of %d closes each (platform %s)\n", n, qpa
  printf "%-14s %8.1f ms\n", "zelmotron", p
  printf "%-14s %8.1f ms\n", "empty window", l
  printf "%-14s %8.2fx   (target: at most 1.50x)\n", "ratio", p / l
}'
