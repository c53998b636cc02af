# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The measuring rounds the whole-program benchmarks share (sourced by bench/start.sh and
# bench/schliessen.sh): after one uncounted run of each to warm the file cache, the program and the empty
# window are measured alternately, $runden times each, with the script's own function messe; the lines
# messe prints go to $ordner/programm.txt and $ordner/leer.txt. median reads numbers, one per line.

median() { sort -g | awk '{ w[NR] = $1 } END { if (NR % 2) print w[(NR + 1) / 2]; else print (w[NR / 2] + w[NR / 2 + 1]) / 2 }'; }

abwechselnd_messen() {
  messe zelmotron >/dev/null
  messe leeres_fenster >/dev/null
  : >"$ordner/programm.txt"
  : >"$ordner/leer.txt"
  local i
  for ((i = 0; i < runden; ++i)); do
    messe zelmotron >>"$ordner/programm.txt"
    messe leeres_fenster >>"$ordner/leer.txt"
  done
}
