#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Number conversions that follow the process locale have no place in the program: on a German desktop
# strtod reads "1.5" as 1 and printf writes "1,5", so the same text would mean one thing on the build
# machine and another on the user's. Every conversion of a floating-point number between text and value
# goes through values/zahltext.* (std::from_chars / std::to_chars) or Qt's locale-free QString::number
# and QString::toDouble. This lists every place in the sources that converts otherwise and fails when
# there is one. Tests may set the locale on purpose (they check the program does not depend on it).
set -euo pipefail
cd "$(dirname "$0")/.."

quellen=$(git ls-files -- '*.cpp' '*.h' '*.c' 2>/dev/null || find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print)
quellen=$(grep -v -e '^values/zahltext\.' -e '^\./values/zahltext\.' <<<"$quellen" || true)

fund=0
melde() {
  local was=$1 muster=$2 dateien=$3 treffer
  [[ -z $dateien ]] && return 0
  # shellcheck disable=SC2086
  if treffer=$(grep -nE "$muster" $dateien | grep -vE '^[^:]+:[0-9]+:[[:space:]]*//'); then
    printf '%s\n' "$treffer" | sed "s/^/$was: /"
    fund=1
  fi
}

# reading floating-point numbers with the C library or the standard streams
melde "locale-dependent reading" '\b(strto(d|f|ld)|atof|v?f?sscanf|v?scanf|v?fscanf|wcsto(d|f|ld))[[:space:]]*\(|std::sto(d|f|ld)[[:space:]]*\(' "$quellen"
# writing them with the printf family (a %e, %f, %g or %a conversion) or std::to_string of a double
melde "locale-dependent writing" '\b(v?s?n?printf|v?fprintf|v?dprintf|v?asprintf)[[:space:]]*\(.*%[-+ #0]*[0-9*]*(\.[0-9*]*)?[lL]?[eEfFgGaA]' "$quellen"
# streams format numbers with the global C++ locale
melde "stream conversion" '\b(std::)?(i|o)?(w)?stringstream\b|\bimbue[[:space:]]*\(|std::locale::global' "$quellen"
# Qt's conversions that follow the desktop's locale
melde "desktop-locale conversion" 'QLocale(::system[[:space:]]*\(\))?[[:space:]]*\([[:space:]]*\)[[:space:]]*\.[[:space:]]*(to(Double|Float|String)|toCurrencyString)\b|QLocale::system[[:space:]]*\(\)[[:space:]]*\.[[:space:]]*(to(Double|Float|String))\b|%L[0-9]' "$quellen"
# the program never sets the locale by hand; only tests do, to show it makes no difference
melde "setlocale outside the tests" '\bsetlocale[[:space:]]*\(' "$(grep -v '^tests/' <<<"$quellen" || true)"

if ((fund)); then
  echo "convert numbers with values/zahltext.h (leseCZahl, schreibeCZahl) or QString::number / QString::toDouble" >&2
  exit 1
fi
echo "no locale-dependent number conversion in $(wc -l <<<"$quellen") source files"
