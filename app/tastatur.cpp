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

namespace {

// The buttons row by row (spaltenweise false) or column by column.
std::vector<int> gitterFolge(const std::vector<QRect>& r, bool spaltenweise) {
    const auto band = [&](int i) { return spaltenweise ? r[size_t(i)].left() : r[size_t(i)].center().y(); };
    const auto entlang = [&](int i) { return spaltenweise ? r[size_t(i)].center().y() : r[size_t(i)].left(); };
    std::vector<int> folge(r.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) { return band(a) < band(b); });
    size_t i = 0;
    while (i < folge.size()) {
        const int erster = folge[i];
        const int toleranz = std::max(1, r[size_t(erster)].height() / 2);
        size_t ende = i + 1;
        while (ende < folge.size() && band(folge[ende]) - band(erster) <= toleranz) ++ende;
        std::stable_sort(folge.begin() + long(i), folge.begin() + long(ende),
                         [&](int a, int b) { return entlang(a) < entlang(b); });
        i = ende;
    }
    return folge;
}

}  // namespace

int pfeilZiel(const std::vector<QRect>& orte, const std::vector<bool>& waehlbar, int von, int taste) {
    int schritt = 0;
    bool spaltenweise = false;
    switch (taste) {
        case Qt::Key_Right: schritt = 1; break;
        case Qt::Key_Left: schritt = -1; break;
        case Qt::Key_Down: schritt = 1, spaltenweise = true; break;
        case Qt::Key_Up: schritt = -1, spaltenweise = true; break;
        default: return -1;
    }
    const int n = int(orte.size());
    if (von < 0 || von >= n || waehlbar.size() != orte.size()) return -1;
    const std::vector<int> folge = gitterFolge(orte, spaltenweise);
    const int stelle = int(std::find(folge.begin(), folge.end(), von) - folge.begin());
    for (int k = 1; k < n; ++k) {
        const int ziel = folge[size_t(((stelle + schritt * k) % n + n) % n)];
        if (waehlbar[size_t(ziel)]) return ziel;
    }
    return -1;
}

}  // namespace zelmo::tastatur
