// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The preferred-value series E3 ... E192 over three decades (0.1 up to 100) and the membership test.

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace zelmo {

enum class EReihe { E3 = 0, E6, E12, E24, E48, E96, E192 };
// The series of the membership lists of the colour-code pages.
inline constexpr std::array<EReihe, 6> alleEReihen{EReihe::E3, EReihe::E6,  EReihe::E12,
                                                  EReihe::E24, EReihe::E48, EReihe::E96};
// The series the tolerance page offers, in the order of its series group.
inline constexpr std::array<EReihe, 7> toleranzEReihen{EReihe::E3,  EReihe::E6,  EReihe::E12, EReihe::E24,
                                                      EReihe::E48, EReihe::E96, EReihe::E192};

// The 3n + 1 values of a series in ascending order (index 0 is 0.1, the last one 100).
std::span<const double> reihe(EReihe r);
// Highest zero-based index (3n).
int hoechsterIndex(EReihe r);
// "E3" ... "E192"
QString reihenName(EReihe r);
// ">20%", "20%", "10%", "5%", "2%", "1%", "0,5%"
QString toleranzText(EReihe r);

// The series of alleEReihen that contain v (after normalising v into 0.1 ... 100), in the order
// E3 ... E96.
// Zero, negative, infinite and NaN values belong to no series.
std::vector<EReihe> EReihenMitWert(double v);

// Series selected by item i of the tolerance page's series group (0 E3 ... 6 E192); nothing for any
// other index.
std::optional<EReihe> reiheZuIndex(int i);

}  // namespace zelmo
