// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tastatur.h"

#include <algorithm>
#include <numeric>

namespace zelmo::tastatur {

int blaetterSchritt(int taste, Qt::KeyboardModifiers umschalter) {
    if (!(umschalter & Qt::ControlModifier) || (umschalter & (Qt::AltModifier | Qt::MetaModifier))) return 0;
    const bool shift = umschalter & Qt::ShiftModifier;
    switch (taste) {
        case Qt::Key_Tab:
            return shift ? -1 : 1;
        case Qt::Key_Backtab:
            return -1;
        case Qt::Key_PageDown:
            return shift ? 0 : 1;
        case Qt::Key_PageUp:
            return shift ? 0 : -1;
        default:
            return 0;
    }
}

int blaetterEbene(const std::vector<Register>& r, int schritt, bool tab) {
    if (r.empty()) return -1;
    if (!tab || schritt == 0) return 0;
    for (size_t i = 0; i + 1 < r.size(); ++i) {
        const bool amRand = schritt > 0 ? r[i].aktuell >= r[i].anzahl - 1 : r[i].aktuell <= 0;
        if (!amRand) return int(i);
    }
    return int(r.size()) - 1;
}

namespace {
constexpr int ueberlappung = 2;  // rectangles that merely touch stand in different rows
}

std::vector<int> leseReihenfolge(const std::vector<QRect>& r) {
    std::vector<int> offen(r.size());
    std::iota(offen.begin(), offen.end(), 0);
    std::stable_sort(offen.begin(), offen.end(), [&r](int a, int b) {
        return r[size_t(a)].top() != r[size_t(b)].top() ? r[size_t(a)].top() < r[size_t(b)].top()
                                                        : r[size_t(a)].left() < r[size_t(b)].left();
    });
    std::vector<int> ergebnis;
    size_t i = 0;
    while (i < offen.size()) {
        const QRect& erster = r[size_t(offen[i])];
        size_t ende = i + 1;
        while (ende < offen.size() && r[size_t(offen[ende])].top() < erster.bottom() - ueberlappung) ++ende;
        std::stable_sort(offen.begin() + long(i), offen.begin() + long(ende), [&r](int a, int b) {
            return r[size_t(a)].left() != r[size_t(b)].left() ? r[size_t(a)].left() < r[size_t(b)].left()
                                                              : r[size_t(a)].top() < r[size_t(b)].top();
        });
        ergebnis.insert(ergebnis.end(), offen.begin() + long(i), offen.begin() + long(ende));
        i = ende;
    }
    return ergebnis;
}

}  // namespace zelmo::tastatur
