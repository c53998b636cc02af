// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The public halves of the release keys: an update is unpacked only when its release record carries
// the signature of one of them (net/freigabe.h). Today's key first; while the keys change, the next one
// follows it, and a later release drops the old one (README, release section). A key no longer in this
// list is refused. Entries are made with tools/freigabe.sh; the private halves never enter the
// repository.

#include <array>
#include <iterator>

namespace zelmo::net {

using Freigabeschluessel = std::array<unsigned char, 32>;

inline constexpr Freigabeschluessel freigabeSchluessel[] = {
    Freigabeschluessel{0x2a, 0x80, 0xaa, 0x76, 0x26, 0x06, 0x8c, 0xfd, 0x21, 0xd5, 0x09, 0x82, 0x39, 0x52, 0x86, 0xf4,
                       0xe3, 0x50, 0x34, 0xe2, 0xdb, 0xbc, 0xf0, 0x4f, 0x05, 0x96, 0xff, 0x17, 0x5b, 0x1b, 0xa1, 0x66},
};
static_assert(std::size(freigabeSchluessel) >= 1 && std::size(freigabeSchluessel) <= 2,
              "today's release key, and the next one only while the keys change");

}  // namespace zelmo::net
