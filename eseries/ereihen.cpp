// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eseries/ereihen.h"

#include <cmath>

namespace zelmo {

namespace {

// One decade of each series as integers: two significant digits up to E24, three from E48 on.
constexpr std::array<int, 3> e3{10, 22, 47};
constexpr std::array<int, 6> e6{10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> e12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> e48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                  178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                  316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                  562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> e96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
// As published: every second value is one of E96, and 920 stands where the rounded geometric step
// would give 919.
constexpr std::array<int, 192> e192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// Three decades from 0.1 and the end value 100; each entry is the double nearest to its decimal
// value because it is one exact integer divided by an exact power of ten.
template <size_t N>
constexpr std::array<double, 3 * N + 1> dreiDekaden(const std::array<int, N>& dekade, double basis) {
    std::array<double, 3 * N + 1> t{};
    const double teiler[3] = {basis * 10.0, basis, basis / 10.0};
    for (size_t d = 0; d < 3; ++d)
        for (size_t i = 0; i < N; ++i)
            t[d * N + i] = dekade[i] / teiler[d];
    t[3 * N] = 100.0;
    return t;
}

constexpr auto ReiheE3 = dreiDekaden(e3, 10.0);
constexpr auto ReiheE6 = dreiDekaden(e6, 10.0);
constexpr auto ReiheE12 = dreiDekaden(e12, 10.0);
constexpr auto ReiheE24 = dreiDekaden(e24, 10.0);
constexpr auto ReiheE48 = dreiDekaden(e48, 100.0);
constexpr auto ReiheE96 = dreiDekaden(e96, 100.0);
constexpr auto ReiheE192 = dreiDekaden(e192, 100.0);

}  // namespace

std::span<const double> reihe(EReihe r) {
    switch (r) {
        case EReihe::E3: return ReiheE3;
        case EReihe::E6: return ReiheE6;
        case EReihe::E12: return ReiheE12;
        case EReihe::E24: return ReiheE24;
        case EReihe::E48: return ReiheE48;
        case EReihe::E96: return ReiheE96;
        case EReihe::E192: return ReiheE192;
    }
    return {};
}

int hoechsterIndex(EReihe r) { return int(reihe(r).size()) - 1; }

QString reihenName(EReihe r) {
    static const char* namen[] = {"E3", "E6", "E12", "E24", "E48", "E96", "E192"};
    return QString::fromLatin1(namen[int(r)]);
}

QString toleranzText(EReihe r) {
    static const char* texte[] = {">20%", "20%", "10%", "5%", "2%", "1%", "0,5%"};
    return QString::fromLatin1(texte[int(r)]);
}

std::vector<EReihe> EReihenMitWert(double v) {
    std::vector<EReihe> ergebnis;
    if (!(v > 0.0) || !std::isfinite(v)) return ergebnis;
    long double n = v;
    if (n > 100.0L) {
        while (n > 100.0L) n /= 10.0L;
    } else {
        while (n < 0.1L) n *= 10.0L;
    }
    for (EReihe r : alleEReihen) {
        for (double e : reihe(r)) {
            if (std::fabs(n - static_cast<long double>(e)) <= 0.0001L) {
                ergebnis.push_back(r);
                break;
            }
        }
    }
    return ergebnis;
}

std::optional<EReihe> reiheZuIndex(int i) {
    if (i < 0 || i >= int(toleranzEReihen.size())) return std::nullopt;
    return toleranzEReihen[size_t(i)];
}

}  // namespace zelmo
