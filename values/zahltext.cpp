// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "values/zahltext.h"

#include <cmath>

namespace zelmo {

std::optional<double> leseCZahl(std::string_view text) {
    // from_chars takes no plus sign; one before the digits is the sign the text may carry
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    double w = 0.0;
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, w, std::chars_format::general);
    if (fehler != std::errc{} || p != ende || !std::isfinite(w)) return std::nullopt;
    return w;
}

std::string schreibeCZahl(double wert, std::chars_format form, int stellen) {
    char puffer[400];  // "%.17f" of the largest double needs 327
    const auto [p, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert, form, stellen);
    if (fehler != std::errc{}) return {};
    return std::string(puffer, p);
}

}  // namespace zelmo
