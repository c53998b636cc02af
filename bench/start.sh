#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: starts the program and an empty Qt Widgets window alternately, ten times each,
# and prints the medians of the time to the first painted frame, of the peak memory and the processor
# time up to then, and the program's ratios to the empty window; and how many shared libraries each has
# mapped at that moment.
#
#   bench/start.sh [build folder]          (default: build; needs the targets zelmotron,
#                                           leeres_fenster and erstes_bild)
#   RUNDEN=20 bench/start.sh               more starts each
#
# Without a display it runs itself under xvfb-run; QT_QPA_PLATFORM=offscreen measures without X.
# The time runs from just before the start (bash's $EPOCHREALTIME) until the first window's paint has
# gone to the window system; the memory is the peak resident set size up to that moment. Each start
# ends right there (nothing is saved), so every start of the program is a first start in an empty
# folder, with the help file beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
bau=$(realpath "${1:-build}")
runden=${RUNDEN:-10}

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen && -z "${ZELMO_IM_XVFB:-}" ]]; then
  exec env ZELMO_IM_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

for datei in zelmotron ZelmosV121.chm bench/start/leeres_fenster bench/start/liberstes_bild.so; do
  [[ -e "$bau/$datei" ]] || { echo "missing $bau/$datei (cmake --build $bau --target zelmotron leeres_fenster erstes_bild)" >&2; exit 2; }
done

ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cp "$bau/zelmotron" "$bau/ZelmosV121.chm" "$ordner/"
cp "$bau/bench/start/leeres_fenster" "$ordner/"
vorlader="$bau/bench/start/liberstes_bild.so"

# one start: prints "milliseconds kibibytes processor-milliseconds libraries"
messe() {
  local programm=$1
  rm -f "$ordner/messung" "$ordner"/ZelmosV121.ini "$ordner"/ZelmosV121.dat
  (cd "$ordner" && ZELMO_MESSUNG="$ordner/messung" LD_PRELOAD="$vorlader" ZELMO_START=$EPOCHREALTIME \
    exec "./$programm" >/dev/null 2>&1) || true
  if [[ ! -s "$ordner/messung" ]]; then
    echo "$programm: no frame measured" >&2
    exit 1
  fi
  cat "$ordner/messung"
}

source bench/messreihe.sh
abwechselnd_messen

p_zeit=$(cut -d' ' -f1 "$ordner/programm.txt" | median)
l_zeit=$(cut -d' ' -f1 "$ordner/leer.txt" | median)
p_kib=$(cut -d' ' -f2 "$ordner/programm.txt" | median)
l_kib=$(cut -d' ' -f2 "$ordner/leer.txt" | median)
p_cpu=$(cut -d' ' -f3 "$ordner/programm.txt" | median)
l_cpu=$(cut -d' ' -f3 "$ordner/leer.txt" | median)
p_bib=$(cut -d' ' -f4 "$ordner/programm.txt" | median)
l_bib=$(cut -d' ' -f4 "$ordner/leer.txt" | median)
awk -v pz="$p_zeit" -v lz="$l_zeit" -v pk="$p_kib" -v lk="$l_kib" -v pc="$p_cpu" -v lc="$l_cpu" -v n="$runden" \
  -v pb="$p_bib" -v lb="$l_bib" \
  -v qpa="${QT_QPA_PLATFORM:-xcb}" 'BEGIN {
  printf "start-up, medians of %d starts each (platform %s)\n", n, qpa
  printf "%-14s %14s %14s %16s %10s\n", "", "first frame", "peak memory", "processor time", "libraries"
  printf "%-14s %11.1f ms %10.1f MiB %13.1f ms %10d\n", "zelmotron", pz, pk / 1024, pc, pb
  printf "%-14s %11.1f ms %10.1f MiB %13.1f ms %10d\n", "empty window", lz, lk / 1024, lc, lb
  printf "%-14s %13.2fx %13.2fx %15.2fx\n", "ratio", pz / lz, pk / lk, pc / lc
  printf "targets: first frame at most 1.50x, peak memory at most 1.40x of the empty window\n"
}'
