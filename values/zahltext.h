// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Numbers to and from their text in C notation ("1.5e-3": a point, no grouping), the same on every
// desktop. The C library's strtod and printf follow the process locale, which Qt sets from the desktop
// (a German desktop reads and writes "1,5"); nothing here depends on it. Every conversion of a
// floating-point number between text and value in the program goes through these two or through
// QString::number / QString::toDouble, which are locale-free as well; tools/zahlwandlung_pruefen.sh
// keeps it so.

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace zelmo {

// The number the whole text spells in C notation (optional sign, digits, point, exponent); nothing
// when anything else is in it, or beyond the range of double (overflow, or a value that is not zero
// but rounds to zero), and never infinity or NaN.
std::optional<double> leseCZahl(std::string_view text);

// The text of a finite value in C notation, correctly rounded to the given number of digits after
// the point (as printf's "%.*e" or "%.*f" in the C locale).
std::string schreibeCZahl(double wert, std::chars_format form, int stellen);

}  // namespace zelmo
