#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the licence header (REUSE layout) at the top of files that have none yet, in the comment form
# of their type:
#   tools/spdx-kopf.sh datei...   the files named
#   tools/spdx-kopf.sh            every file git knows that has no SPDX-License-Identifier yet
# A file whose type has no comments (pictures, JSON, byte-exact test files, fuzz seeds) is left alone
# and named; give it a line in .reuse/dep5 instead. `reuse lint` shows what is still missing.
set -euo pipefail
cd "$(dirname "$0")/.."

# REUSE-IgnoreStart
KOPIE="SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>"
LIZENZ="SPDX-License-Identifier: GPL-3.0-or-later"
# REUSE-IgnoreEnd

# the comment form of a file: slash (//), hash (#), block (/* */), markup (<!-- -->), or nothing
form() {
  case "$1" in
    *.cpp | *.h) echo slash ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.supp | *.in.desktop | *.desktop.in | \
      packages.txt | .gitignore | */inhalt.txt) echo hash ;;
    *.css | *.exporte) echo block ;;
    *.htm | *.html | *.svg | *.qrc | *.xml | *.xml.in | *.md) echo markup ;;
    *) echo nichts ;;
  esac
}

kopf() {
  local datei=$1 f tmp
  f=$(form "$datei")
  tmp=$(mktemp)
  case "$f" in
    slash) printf '// %s\n// %s\n\n' "$KOPIE" "$LIZENZ" | cat - "$datei" >"$tmp" ;;
    hash)
      # a script keeps its #! line first
      if head -n 1 "$datei" | grep -q '^#!'; then
        { head -n 1 "$datei"; printf '# %s\n# %s\n' "$KOPIE" "$LIZENZ"; tail -n +2 "$datei"; } >"$tmp"
      else
        printf '# %s\n# %s\n' "$KOPIE" "$LIZENZ" | cat - "$datei" >"$tmp"
      fi
      ;;
    block) printf '/* %s\n   %s */\n' "$KOPIE" "$LIZENZ" | cat - "$datei" >"$tmp" ;;
    markup)
      # an XML declaration or an HTML document type stays the first line
      if head -n 1 "$datei" | grep -qi -e '^<?xml' -e '^<!DOCTYPE html'; then
        { head -n 1 "$datei"; printf '<!-- %s\n     %s -->\n' "$KOPIE" "$LIZENZ"; tail -n +2 "$datei"; } >"$tmp"
      else
        printf '<!-- %s\n     %s -->\n' "$KOPIE" "$LIZENZ" | cat - "$datei" >"$tmp"
      fi
      ;;
    *)
      rm -f "$tmp"
      ((benannt)) && echo "$datei: no comments in this type; give it a line in .reuse/dep5" >&2
      return 0
      ;;
  esac
  # keep the file's mode (scripts stay executable)
  cat "$tmp" >"$datei"
  rm -f "$tmp"
  echo "$datei"
}

benannt=0
if (($#)); then
  dateien=("$@")
  benannt=1
else
  mapfile -t dateien < <(git ls-files)
fi
for d in "${dateien[@]}"; do
  [[ -f $d ]] || continue
  grep -q "${LIZENZ%%:*}:" "$d" && continue
  kopf "$d"
done
