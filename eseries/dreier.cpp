// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eseries/dreier.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <queue>

#include "eseries/toleranz.h"
#include "values/prozessor.h"

namespace zelmo {

namespace {

constexpr std::array<Dreierschaltung, 2> parallelListe{Dreierschaltung::alleParallel,
                                                       Dreierschaltung::parallelZurReihe};
constexpr std::array<Dreierschaltung, 2> reihenListe{Dreierschaltung::alleInReihe,
                                                     Dreierschaltung::reiheZurParallelen};

// Where a deviation stands against the window: below it, inside, above it (the test of the pairs).
enum class Lage { unten, drin, oben };

struct Fenster {
    double Wert;
    double maxF;
    double F(double BE) const { return BE * 100 / Wert - 100; }
    Lage lage(double F) const {
        if (maxF - std::fabs(F) > 0.0001) return Lage::drin;
        return F < 0 ? Lage::unten : Lage::oben;
    }
};

struct NachBetrag {
    bool operator()(const DreierKandidat& x, const DreierKandidat& y) const {
        return std::fabs(x.F) < std::fabs(y.F);
    }
};

// The best ones found so far: a heap with the worst kept one on top.
class Bestenliste {
public:
    explicit Bestenliste(std::size_t hoechstens) : m_hoechstens(hoechstens) {}
    // Whether a deviation of this size would still be kept.
    bool lohnt(double F) const {
        return m_hoechstens > 0 && (m_heap.size() < m_hoechstens || std::fabs(F) < std::fabs(m_heap.top().F));
    }
    void nimm(const DreierKandidat& k) {
        if (!lohnt(k.F)) return;
        if (m_heap.size() == m_hoechstens) m_heap.pop();
        m_heap.push(k);
    }
    std::vector<DreierKandidat> alle() && {
        std::vector<DreierKandidat> v;
        v.reserve(m_heap.size());
        while (!m_heap.empty()) {
            v.push_back(m_heap.top());
            m_heap.pop();
        }
        return v;
    }

private:
    std::size_t m_hoechstens;
    std::priority_queue<DreierKandidat, std::vector<DreierKandidat>, NachBetrag> m_heap;
};

// The third part z in [von, bis), with BE(z) growing with z: counts the run inside the window and
// hands the ones worth keeping to the list, from the middle of the run outwards. Answers where the
// run starts against the window, so that the caller can stop its loop: Lage::oben when already the
// smallest z lies above the window.
template <class W, class K>
Lage dritterTeil(int von, int bis, const Fenster& f, W BE, K kandidat, DreierFund& fund, Bestenliste& beste) {
    if (von >= bis) return Lage::oben;
    const double unterster = BE(von);
    if (f.lage(f.F(unterster)) == Lage::oben) return Lage::oben;
    if (f.lage(f.F(BE(bis - 1))) == Lage::unten) return Lage::unten;
    const auto lage = [&](int z) { return f.lage(f.F(BE(z))); };
    const int anfang = erster(von, bis, [&](int z) { return lage(z) != Lage::unten; });
    const int ende = erster(anfang, bis, [&](int z) { return lage(z) == Lage::oben; });
    fund.anzahl += ende - anfang;
    if (ende > anfang) {
        const int mitte = erster(anfang, ende, [&](int z) { return f.F(BE(z)) >= 0; });
        for (int z = mitte - 1; z >= anfang; --z) {
            const double be = BE(z);
            const double F = f.F(be);
            if (!beste.lohnt(F)) break;
            beste.nimm(kandidat(z, be, F));
        }
        for (int z = mitte; z < ende; ++z) {
            const double be = BE(z);
            const double F = f.F(be);
            if (!beste.lohnt(F)) break;
            beste.nimm(kandidat(z, be, F));
        }
    }
    return Lage::drin;
}

// R1‖R2‖R3 or R1+R2+R3: a <= b <= c; for each a and b the third part c from b on.
void alleGleich(std::span<const double> v, Dreierschaltung s, int art, const Fenster& f, DreierFund& fund,
                Bestenliste& beste) {
    const int n = int(v.size());
    const bool parallel = s == Dreierschaltung::alleParallel;
    const auto paar = [&](double x, double y) { return parallel ? parallelWert(art, x, y) : reihenWert(art, x, y); };
    for (int i = 0; i < n; ++i) {
        bool weiter = false;  // whether a larger b can still fit
        for (int j = i; j < n; ++j) {
            const double ab = paar(v[size_t(i)], v[size_t(j)]);
            const Lage l = dritterTeil(
                j, n, f, [&](int k) { return paar(ab, v[size_t(k)]); },
                [&](int k, double be, double F) { return DreierKandidat{i, j, k, s, be, F}; }, fund, beste);
            if (l == Lage::oben) break;  // b and c only grow from here
            weiter = true;
        }
        if (!weiter) {
            // with a, b and c at least v[i] already above the window nothing larger fits
            const double aaa = paar(paar(v[size_t(i)], v[size_t(i)]), v[size_t(i)]);
            if (f.lage(f.F(aaa)) == Lage::oben) break;
        }
    }
}

// R1‖(R2+R3) or R1+(R2‖R3): b <= c in the brackets, for each such pair the part a outside them.
void mitKlammer(std::span<const double> v, Dreierschaltung s, int art, const Fenster& f, DreierFund& fund,
                Bestenliste& beste) {
    const int n = int(v.size());
    const bool aussenParallel = s == Dreierschaltung::parallelZurReihe;
    for (int j = 0; j < n; ++j) {
        bool erstesOben = false;
        for (int k = j; k < n; ++k) {
            const double innen = aussenParallel ? reihenWert(art, v[size_t(j)], v[size_t(k)])
                                                : parallelWert(art, v[size_t(j)], v[size_t(k)]);
            const Lage l = dritterTeil(
                0, n, f,
                [&](int a) {
                    return aussenParallel ? parallelWert(art, v[size_t(a)], innen) : reihenWert(art, v[size_t(a)], innen);
                },
                [&](int a, double be, double F) { return DreierKandidat{a, j, k, s, be, F}; }, fund, beste);
            if (l == Lage::oben) {
                // the bracket only grows with c, and with b
                erstesOben = k == j;
                break;
            }
        }
        if (erstesOben) break;
    }
}

}  // namespace

std::span<const Dreierschaltung> dreierschaltungen(bool parallel) {
    return parallel ? std::span<const Dreierschaltung>(parallelListe) : std::span<const Dreierschaltung>(reihenListe);
}

QString dreierFormel(Dreierschaltung s, int art) {
    const QString b = art == artL ? QStringLiteral("L") : art == artC ? QStringLiteral("C") : QStringLiteral("R");
    const QString t1 = b + u'1';
    const QString t2 = b + u'2';
    const QString t3 = b + u'3';
    const QChar par(0x2016);  // ‖
    switch (s) {
        case Dreierschaltung::alleParallel: return t1 + par + t2 + par + t3;
        case Dreierschaltung::parallelZurReihe: return t1 + par + u'(' + t2 + u'+' + t3 + u')';
        case Dreierschaltung::alleInReihe: return t1 + u'+' + t2 + u'+' + t3;
        case Dreierschaltung::reiheZurParallelen: return t1 + u'+' + u'(' + t2 + par + t3 + u')';
    }
    return {};
}

// As the pair search: the rules of resistors for R and L, those of capacitors for C and for a kind
// outside the group.
double parallelWert(int art, double a, double b) {
    return art == artR || art == artL ? (a * b) / (a + b) : a + b;
}

double reihenWert(int art, double a, double b) { return art == artR || art == artL ? a + b : 1 / (1 / a + 1 / b); }

double dreierWert(Dreierschaltung s, int art, double a, double b, double c) {
    switch (s) {
        case Dreierschaltung::alleParallel: return parallelWert(art, parallelWert(art, a, b), c);
        case Dreierschaltung::parallelZurReihe: return parallelWert(art, a, reihenWert(art, b, c));
        case Dreierschaltung::alleInReihe: return reihenWert(art, reihenWert(art, a, b), c);
        case Dreierschaltung::reiheZurParallelen: return reihenWert(art, a, parallelWert(art, b, c));
    }
    return 0;
}

DreierFund dreierSuchen(std::span<const double> werte, double Wert, double maxF, int art, bool parallel,
                        std::size_t hoechstens) {
    DreierFund fund;
    Bestenliste beste(hoechstens);
    const Fenster f{Wert, maxF};
    const bool brauchbar =
        !werte.empty() && std::isfinite(maxF) && Wert > 0 &&
        std::all_of(werte.begin(), werte.end(), [](double e) { return e > 0 && std::isfinite(e); }) &&
        std::adjacent_find(werte.begin(), werte.end(), [](double x, double y) { return !(x < y); }) == werte.end();
    if (!brauchbar) return fund;
    avxOberhaelftenFrei();
    for (Dreierschaltung s : dreierschaltungen(parallel)) {
        if (s == Dreierschaltung::alleParallel || s == Dreierschaltung::alleInReihe)
            alleGleich(werte, s, art, f, fund, beste);
        else
            mitKlammer(werte, s, art, f, fund, beste);
    }
    fund.beste = std::move(beste).alle();
    return fund;
}

}  // namespace zelmo
