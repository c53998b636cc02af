#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Release signing for the update server (Ed25519, with the openssl command).
#
#   tools/freigabe.sh schluessel ORDNER      make a key pair in ORDNER (a new folder, owner-only):
#                                            freigabe_privat.pem, freigabe_oeffentlich.pem, and
#                                            freigabeschluessel.txt, the entry for the key list in
#                                            net/freigabeschluessel.h
#   tools/freigabe.sh signieren PRIVAT.pem ARCHIV.zip VERSION
#                                            write ARCHIV.zip.sig, the signed release record that names
#                                            the archive (SHA-256 and size) as VERSION of this program
#   tools/freigabe.sh pruefen OEFFENTLICH.pem ARCHIV.zip VERSION
#                                            check ARCHIV.zip.sig: signed with that key, for this
#                                            archive, as VERSION
#
# The record is the statement "Zelmotron-Update" 0x00 VERSION 0x0A SHA256 0x0A SIZE 0x0A (decimal
# version without leading zeros, 64 lower-case hex digits, decimal size in bytes), followed by the
# 64-byte Ed25519 signature of the statement (net/freigabe.h).
#
# The private key stays on the release machine, in a folder only its owner reads, and goes into no
# repository, no build machine, no CI and no update server.
set -euo pipefail

fehler() {
  echo "freigabe.sh: $*" >&2
  exit 1
}

# The version: decimal digits without sign or leading zero, at most 2147483647; the archive must be the
# one the server offers for it.
pruefe_angaben() {
  local archiv=$1 version=$2
  [[ $version =~ ^[1-9][0-9]{0,9}$ ]] && ((10#$version <= 2147483647)) ||
    fehler "'$version' ist keine Versionsnummer (Ziffern ohne führende Null, höchstens 2147483647)"
  [[ -f "$archiv" ]] || fehler "$archiv nicht gefunden"
  [[ $(basename -- "$archiv") == "Zel-mosV$version.zip" ]] ||
    fehler "$archiv heißt nicht Zel-mosV$version.zip; unter diesem Namen lädt das Programm Version $version"
}

# The statement for the archive as the version, on standard output.
aussage() {
  local archiv=$1 version=$2 summe groesse
  summe=$(openssl dgst -sha256 -binary -- "$archiv" | od -An -v -tx1 | tr -d ' \n')
  [[ ${#summe} -eq 64 ]] || fehler "SHA-256 von $archiv nicht berechnet"
  groesse=$(stat -c %s -- "$archiv")
  printf 'Zelmotron-Update\0%s\n%s\n%s\n' "$version" "$summe" "$groesse"
}

case "${1:-}" in
  schluessel)
    ordner=${2:?Ordner fehlt}
    [[ -e "$ordner" ]] && fehler "$ordner gibt es schon; der Schlüssel wird nur in einen neuen Ordner geschrieben"
    (umask 077 && mkdir -p "$ordner")
    (umask 077 && openssl genpkey -algorithm ed25519 -out "$ordner/freigabe_privat.pem")
    openssl pkey -in "$ordner/freigabe_privat.pem" -pubout -out "$ordner/freigabe_oeffentlich.pem"
    # the raw 32 bytes of the public key are the last 32 bytes of its DER form; two lines of 16
    zeilen=$(openssl pkey -in "$ordner/freigabe_privat.pem" -pubout -outform DER | tail -c 32 |
      od -An -v -tx1 | sed -e 's/^ *//' -e 's/ *$//' -e 's/\([0-9a-f][0-9a-f]\)/0x\1,/g' -e 's/,$//' -e 's/, */, /g')
    erste=$(sed -n 1p <<<"$zeilen")
    zweite=$(sed -n 2p <<<"$zeilen")
    {
      echo "    Freigabeschluessel{$erste,"
      echo "                       $zweite},"
    } > "$ordner/freigabeschluessel.txt"
    echo "Schlüsselpaar in $ordner; den Eintrag aus freigabeschluessel.txt in die Liste in"
    echo "net/freigabeschluessel.h setzen (README, Abschnitt zur Freigabe), freigabe_privat.pem sicher verwahren."
    ;;
  signieren)
    [[ $# -eq 4 ]] || fehler "Aufruf: freigabe.sh signieren PRIVAT.pem ARCHIV.zip VERSION"
    privat=$2 archiv=$3 version=$4
    pruefe_angaben "$archiv" "$version"
    tmp=$(mktemp -d)
    trap 'rm -rf -- "$tmp"' EXIT
    aussage "$archiv" "$version" > "$tmp/aussage"
    openssl pkeyutl -sign -rawin -inkey "$privat" -in "$tmp/aussage" -out "$tmp/signatur"
    [[ $(stat -c %s "$tmp/signatur") -eq 64 ]] || fehler "die Signatur hat nicht 64 Bytes (ist $privat ein Ed25519-Schlüssel?)"
    cat "$tmp/aussage" "$tmp/signatur" > "$tmp/satz"
    mv -f -- "$tmp/satz" "$archiv.sig"
    echo "$archiv.sig"
    ;;
  pruefen)
    [[ $# -eq 4 ]] || fehler "Aufruf: freigabe.sh pruefen OEFFENTLICH.pem ARCHIV.zip VERSION"
    oeffentlich=$2 archiv=$3 version=$4
    pruefe_angaben "$archiv" "$version"
    [[ -f "$archiv.sig" ]] || fehler "$archiv.sig nicht gefunden"
    tmp=$(mktemp -d)
    trap 'rm -rf -- "$tmp"' EXIT
    laenge=$(stat -c %s -- "$archiv.sig")
    ((laenge > 64)) || fehler "$archiv.sig hat $laenge Bytes und ist kein Freigabesatz"
    head -c $((laenge - 64)) -- "$archiv.sig" > "$tmp/signiert"
    tail -c 64 -- "$archiv.sig" > "$tmp/signatur"
    openssl pkeyutl -verify -rawin -pubin -inkey "$oeffentlich" -in "$tmp/signiert" -sigfile "$tmp/signatur" \
      > /dev/null 2>&1 || fehler "die Signatur in $archiv.sig stammt nicht von diesem Schlüssel oder wurde verändert"
    aussage "$archiv" "$version" > "$tmp/erwartet"
    cmp -s "$tmp/signiert" "$tmp/erwartet" ||
      fehler "$archiv.sig ist gültig signiert, aber nicht für dieses Archiv als Version $version:" \
        "signiert ist '$(tr '\0\n' '| ' < "$tmp/signiert")', erwartet '$(tr '\0\n' '| ' < "$tmp/erwartet")'"
    echo "$archiv.sig: gültig, $(basename -- "$archiv") als Version $version"
    ;;
  *)
    sed -n '2,20p' "$0" >&2
    exit 2
    ;;
esac
