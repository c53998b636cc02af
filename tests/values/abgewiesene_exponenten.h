// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The refused forms of the exponent, written with "," as separator: no entry field and no reader of
// stored numbers takes any of them. A blank inside the exponent or before its sign, a sign, separator
// or digit after it, an exponent without digits or mantissa, one beyond the range of doubles.

namespace zelmo::test {

inline constexpr const char* abgewieseneExponenten[] = {
    "1E 3",   "1e 3",    "1E +3",  "1E -3",   "1E+ 3",    "1E- 3",   "1 E 3",   "1E3,5",         "1E3.5",
    "1E-3,5", "1E3 5",   "1E3+",   "1E3-",    "1E3-2",    "1E+-3",   "1E--3",   "1E++3",         "1E3E3",
    "1E+",    "1E-",     "E3",     "E-3",     "+E3",      "1,2,3E3", "1E1000",  "-1E999",        "1E99999999999",
    "1E2147483648", "1E0x1", "1E3,",  "1E3 ,",  "1E-3.",   "1E3 +",   "1E3 -",
};

}  // namespace zelmo::test
