#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Release signing for the update server (Ed25519, with the openssl command).
#
#   tools/freigabe.sh schluessel ORDNER      make a key pair in ORDNER (a new folder, owner-only):
#                                            freigabe_privat.pem, freigabe_oeffentlich.pem, and
#                                            freigabeschluessel.h to replace net/freigabeschluessel.h
#   tools/freigabe.sh signieren PRIVAT.pem ARCHIV.zip
#                                            write ARCHIV.zip.sig, the detached signature (64 bytes)
#   tools/freigabe.sh pruefen OEFFENTLICH.pem ARCHIV.zip
#                                            check ARCHIV.zip.sig against the archive
#
# The private key stays on the release machine, in a folder only its owner reads, and goes into no
# repository, no build machine, no CI and no update server.
set -euo pipefail

fehler() {
  echo "freigabe.sh: $*" >&2
  exit 1
}

case "${1:-}" in
  schluessel)
    ordner=${2:?Ordner fehlt}
    [[ -e "$ordner" ]] && fehler "$ordner gibt es schon; der Schlüssel wird nur in einen neuen Ordner geschrieben"
    (umask 077 && mkdir -p "$ordner")
    (umask 077 && openssl genpkey -algorithm ed25519 -out "$ordner/freigabe_privat.pem")
    openssl pkey -in "$ordner/freigabe_privat.pem" -pubout -out "$ordner/freigabe_oeffentlich.pem"
    # the raw 32 bytes of the public key are the last 32 bytes of its DER form
    bytes=$(openssl pkey -in "$ordner/freigabe_privat.pem" -pubout -outform DER | tail -c 32 |
      od -An -v -tx1 | tr -s ' \n' ' ' | sed -e 's/^ //' -e 's/ $//' -e 's/\([0-9a-f][0-9a-f]\)/0x\1,/g' -e 's/,$//')
    {
      echo '#pragma once'
      echo '// The public half of the release key: only an archive signed with its private half is unpacked.'
      echo '// Made with tools/freigabe.sh; the private half never enters the repository.'
      echo
      echo '#include <array>'
      echo
      echo 'namespace zelmo::net {'
      echo
      echo "inline constexpr std::array<unsigned char, 32> freigabeSchluessel{$bytes};"
      echo
      echo '}  // namespace zelmo::net'
    } > "$ordner/freigabeschluessel.h"
    echo "Schlüsselpaar in $ordner; freigabeschluessel.h nach net/ kopieren, freigabe_privat.pem sicher verwahren."
    ;;
  signieren)
    privat=${2:?privater Schlüssel fehlt}
    archiv=${3:?Archiv fehlt}
    [[ -f "$archiv" ]] || fehler "$archiv nicht gefunden"
    openssl pkeyutl -sign -rawin -inkey "$privat" -in "$archiv" -out "$archiv.sig"
    [[ $(stat -c %s "$archiv.sig") -eq 64 ]] || fehler "die Signatur hat nicht 64 Bytes"
    echo "$archiv.sig"
    ;;
  pruefen)
    oeffentlich=${2:?öffentlicher Schlüssel fehlt}
    archiv=${3:?Archiv fehlt}
    openssl pkeyutl -verify -rawin -pubin -inkey "$oeffentlich" -in "$archiv" -sigfile "$archiv.sig"
    ;;
  *)
    sed -n '2,14p' "$0" >&2
    exit 2
    ;;
esac
