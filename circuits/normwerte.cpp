// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuits/normwerte.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "values/zahlen.h"

namespace zelmo::normwerte {

namespace {

constexpr std::array<Normreihe, 7> reihen{{
    {EReihe::E3, u"E 3", 20},
    {EReihe::E6, u"E 6", 20},
    {EReihe::E12, u"E 12", 10},
    {EReihe::E24, u"E 24", 5},
    {EReihe::E48, u"E 48", 2},
    {EReihe::E96, u"E 96", 1},
    {EReihe::E192, u"E 192", 0.5},
}};

// m x 10^e as the double nearest to that decimal value (one exact integer, one exact power of ten,
// one rounding).
double skaliert(int m, int e) {
    static constexpr std::array<double, 23> zehner{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (e >= 0) return e < 23 ? m * zehner[size_t(e)] : m * std::pow(10.0, e);
    return -e < 23 ? m / zehner[size_t(-e)] : m * std::pow(10.0, e);
}

// One decade of the series as three-digit integers (1,0 ... 9,x as 100 ... 9xx).
std::vector<int> mantissen(EReihe r) {
    const std::span<const double> t = reihe(r);
    const size_t n = size_t(hoechsterIndex(r) / 3);
    std::vector<int> m;
    for (size_t i = n; i < 2 * n; ++i) m.push_back(int(std::lround(t[i] * 100)));
    return m;
}

bool brauchbar(double x) { return std::isfinite(x) && x > 0; }

// The candidates of the decades around x, ascending.
std::vector<double> kandidaten(double x, EReihe r) {
    const int d = int(std::floor(std::log10(x)));
    std::vector<double> k;
    for (int dekade = d - 1; dekade <= d + 1; ++dekade)
        for (int m : mantissen(r)) k.push_back(skaliert(m, dekade - 2));
    return k;
}

}  // namespace

std::span<const Normreihe> normreihen() { return reihen; }

int ersteReihe() { return 3; }

std::optional<double> naechsterNormwert(double x, EReihe r) {
    if (!brauchbar(x)) return std::nullopt;
    double best = 0, abstand = std::numeric_limits<double>::infinity();
    for (double k : kandidaten(x, r)) {
        const double a = std::abs(std::log(k / x));
        if (a <= abstand) {  // ascending: of two equally near ones the larger wins
            best = k;
            abstand = a;
        }
    }
    return best;
}

std::optional<double> normwertNichtKleiner(double x, EReihe r) {
    if (!brauchbar(x)) return std::nullopt;
    // a value that is a standard value up to the rounding of the page's arithmetic is that value
    const double grenze = x * (1 - 1e-9);
    for (double k : kandidaten(x, r))
        if (k >= grenze) return k;
    return std::nullopt;  // not reached: the decade above always holds a larger value
}

Spanne toleranzspanne(double wert, double prozent) {
    const double t = prozent / 100;
    return {wert * (1 - t), wert * (1 + t)};
}

Spanne eckenbereich(std::span<const Spanne> kasten, const Funktion& f) {
    const size_t n = kasten.size();
    std::vector<double> x(n);
    Spanne s{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (size_t ecke = 0; ecke < (size_t(1) << n); ++ecke) {
        for (size_t i = 0; i < n; ++i) x[i] = (ecke >> i) & 1 ? kasten[i].max : kasten[i].min;
        const double y = f(x);
        s.min = std::min(s.min, y);
        s.max = std::max(s.max, y);
    }
    return s;
}

double hoechstwert(std::span<const Spanne> kasten, const Funktion& f) {
    const size_t n = kasten.size();
    // a grid through the box, its corners included
    const int schritte = n <= 3 ? 8 : 4;
    size_t punkte = 1;
    for (size_t i = 0; i < n; ++i) punkte *= size_t(schritte + 1);
    std::vector<double> x(n), bestX(n);
    double best = -std::numeric_limits<double>::infinity();
    for (size_t p = 0; p < punkte; ++p) {
        size_t rest = p;
        for (size_t i = 0; i < n; ++i) {
            const int k = int(rest % size_t(schritte + 1));
            rest /= size_t(schritte + 1);
            x[i] = k == schritte ? kasten[i].max : kasten[i].min + (kasten[i].max - kasten[i].min) * k / schritte;
        }
        if (const double y = f(x); y > best) {
            best = y;
            bestX = x;
        }
    }
    // then a search around the best point, the step halving until it is nothing
    x = bestX;
    std::vector<double> schritt(n);
    for (size_t i = 0; i < n; ++i) schritt[i] = (kasten[i].max - kasten[i].min) / schritte;
    for (int runde = 0; runde < 80; ++runde) {
        bool besser = false;
        for (size_t i = 0; i < n; ++i)
            for (double richtung : {-1.0, 1.0}) {
                std::vector<double> y = x;
                y[i] = std::clamp(x[i] + richtung * schritt[i], kasten[i].min, kasten[i].max);
                if (const double v = f(y); v > best) {
                    best = v;
                    x = std::move(y);
                    besser = true;
                }
            }
        if (!besser)
            for (double& s : schritt) s /= 2;
    }
    return best;
}

std::optional<double> leistungsklasse(double p, double lastProzent) {
    for (double k : leistungsklassen)
        // a power exactly at the permitted load is covered (no rounding of the product counts against it)
        if (p <= k * lastProzent / 100 * (1 + 1e-12)) return k;
    return std::nullopt;
}

double lm317Dropout(double strom) {
    if (strom <= 0.5) return 1.5;
    if (strom >= 1.5) return 2.5;
    return 1.5 + (strom - 0.5);
}

double teilerU2(double U, double R1, double R2, double RL) {
    const double unten = RL > 0 ? R2 * RL / (R2 + RL) : R2;
    return U * unten / (R1 + unten);
}

double teilerI2(double I, double R1, double R2, double RL) { return I * R1 / (R1 + R2 + RL); }

double ledStrom(double U, double Uf, int n, double R) { return (U - n * Uf) / R; }

double lm317Spannung(double uref, double iadj, double R1, double R2) { return uref * (1 + R2 / R1) + iadj * R2; }

double lm317Strom(double uref, double iadj, double R) { return uref / R + iadj; }

double ne555T1(double R1, double R2, double C, bool halbHalb) {
    return halbHalb ? 0.694 * R1 * C : (R1 + R2) * 0.694 * C;
}

double ne555T2(double R2, double C) { return 0.694 * R2 * C; }

double ne555Mono(double R1, double C) { return 1.1 * R1 * C; }

double kstromSpannungR1(int schaltung, double V) { return schaltung == 1 || schaltung == 3 ? V - 0.7 : V; }

double kstromSpannungR2(int schaltung, double U, double V) { return schaltung == 0 ? U - 2 * V : U - V; }

double abweichung(double ist, double soll) { return soll == 0 ? 0 : (ist - soll) / soll * 100; }

QString leistungsklasseText(const std::optional<double>& klasse, QChar dezimal) {
    if (!klasse) return QStringLiteral(u"Leistungswiderstand mit Kühlung");
    return allgemein(*klasse, dezimal) + QStringLiteral(" W");
}

QString auswahlHinweis(Auswahl a) {
    switch (a) {
    case Auswahl::naechster:
        return QStringLiteral(u"nächster Normwert");
    case Auswahl::nichtKleiner:
        return QStringLiteral(u"nächsthöherer Normwert, damit der Strom den gewünschten nicht übersteigt");
    case Auswahl::eingegeben:
        return QStringLiteral(u"wie auf der Seite eingegeben");
    }
    return {};
}

namespace {

// A fixed text with numbers written with "," in the user's separator (the text holds no other comma).
QString mitTrenner(const char16_t* text, QChar dezimal) { return QString::fromUtf16(text).replace(u',', dezimal); }

QString wert(double w, const QString& einheit, QChar dezimal) {
    const Anzeige a = AnzeigeMitVorsatz(w, dezimal);
    return a.zahl + u' ' + a.vorsatz.trimmed() + einheit;
}

// Builds the result of one page: parts in the page's order, each with its box; the target quantities
// as functions of the chosen values.
class Rechnung {
public:
    Rechnung(const Wahl& w, QChar dezimal) : m_w(w), m_dezimal(dezimal) {}

    // A resistor computed by the page; its index among the quantities of the box, or nothing when
    // no part can be chosen.
    std::optional<size_t> widerstand(const QString& name, double ideal, Auswahl a) {
        Bauteil b;
        b.name = name;
        b.ideal = ideal;
        b.auswahl = a;
        if (a == Auswahl::eingegeben)
            b.gewaehlt = brauchbar(ideal) ? std::optional<double>(ideal) : std::nullopt;
        else if (a == Auswahl::nichtKleiner)
            b.gewaehlt = normwertNichtKleiner(ideal, m_w.reihe);
        else
            b.gewaehlt = naechsterNormwert(ideal, m_w.reihe);
        m_e.bauteile.push_back(b);
        if (!b.gewaehlt) return std::nullopt;
        m_teil.push_back(m_e.bauteile.size() - 1);
        m_kasten.push_back(toleranzspanne(*b.gewaehlt, m_w.toleranz));
        m_nenn.push_back(*b.gewaehlt);
        return m_kasten.size() - 1;
    }
    size_t kondensator(const QString& name, double wert) {
        Bauteil b;
        b.name = name;
        b.kondensator = true;
        b.ideal = wert;
        b.gewaehlt = wert;
        b.auswahl = Auswahl::eingegeben;
        m_e.bauteile.push_back(b);
        m_teil.push_back(m_e.bauteile.size() - 1);
        m_kasten.push_back(toleranzspanne(wert, m_w.cToleranz));
        m_nenn.push_back(wert);
        return m_kasten.size() - 1;
    }
    // A spread that is no part (the LM317's reference voltage): nominal value and range.
    size_t streuung(double nenn, Spanne s) {
        m_kasten.push_back(s);
        m_nenn.push_back(nenn);
        m_teil.push_back(size_t(-1));
        return m_kasten.size() - 1;
    }
    std::span<const double> nenn() const { return m_nenn; }

    void groesse(const QString& name, const QString& einheit, double soll, const Funktion& f) {
        const Spanne s = eckenbereich(m_kasten, f);
        m_e.groessen.push_back({name, einheit, soll, f(m_nenn), s.min, s.max});
    }
    // The power of the part at quantity index i.
    void leistung(size_t i, const Funktion& p) {
        Bauteil& b = m_e.bauteile[m_teil[i]];
        b.pNenn = p(m_nenn);
        b.pMax = hoechstwert(m_kasten, p);
        b.klasse = leistungsklasse(*b.pMax, m_w.last);
        b.markiert = !b.klasse || *b.klasse > kleineKlasse;
    }
    void hinweis(const QString& h) { m_e.hinweise << h; }

    Ergebnis fertig() {
        // a nominal result outside the tolerance: the computed parts may be handed on
        bool daneben = false;
        for (const Groesse& g : m_e.groessen)
            if (std::abs(abweichung(g.nenn, g.soll)) > m_w.toleranz * (1 + 1e-9)) daneben = true;
        QStringList nichtKleiner, eingegeben;
        for (Bauteil& b : m_e.bauteile) {
            b.weiterreichen = daneben && !b.kondensator && b.auswahl != Auswahl::eingegeben && brauchbar(b.ideal);
            if (b.auswahl == Auswahl::nichtKleiner && b.gewaehlt) nichtKleiner << b.name;
            if (b.auswahl == Auswahl::eingegeben) eingegeben << b.name;
        }
        if (!nichtKleiner.isEmpty())
            m_e.hinweise.prepend(nichtKleiner.join(QStringLiteral(", ")) + QStringLiteral(": ") +
                                 auswahlHinweis(Auswahl::nichtKleiner) + u'.');
        if (!eingegeben.isEmpty())
            m_e.hinweise.prepend(eingegeben.join(QStringLiteral(", ")) +
                                 QStringLiteral(u": wie auf der Seite eingegeben beibehalten."));
        return std::move(m_e);
    }
    QString text(double w, const QString& einheit) const { return wert(w, einheit, m_dezimal); }
    const Wahl& wahl() const { return m_w; }

private:
    const Wahl& m_w;
    QChar m_dezimal;
    Ergebnis m_e;
    std::vector<Spanne> m_kasten;
    std::vector<double> m_nenn;
    std::vector<size_t> m_teil;  // quantity index -> part index (size_t(-1) for a spread)
};

Ergebnis teiler(const Teiler& t, const Wahl& w, QChar dz) {
    Rechnung r(w, dz);
    const auto i1 = r.widerstand(QStringLiteral("R1"), t.R1, Auswahl::naechster);
    const auto i2 = r.widerstand(QStringLiteral("R2"), t.R2, Auswahl::naechster);
    if (!i1 || !i2) {
        r.hinweis(QStringLiteral(u"R1 und R2 müssen größer als 0 Ω sein, sonst gibt es nichts nachzurechnen."));
        return r.fertig();
    }
    const size_t a = *i1, b = *i2;
    if (!t.strom) {
        // the load draws IL at the wanted U2
        const double RL = t.last && t.IL > 0 ? t.U2 / t.IL : 0;
        const auto u2 = [=](std::span<const double> x) { return teilerU2(t.U, x[a], x[b], RL); };
        r.groesse(QStringLiteral("U2"), QStringLiteral("V"), t.U2, u2);
        r.leistung(a, [=](std::span<const double> x) {
            const double u = t.U - u2(x);
            return u * u / x[a];
        });
        r.leistung(b, [=](std::span<const double> x) {
            const double u = u2(x);
            return u * u / x[b];
        });
        if (t.last) r.hinweis(QStringLiteral(u"Last RL = U2 / IL = ") + r.text(RL, OhmZeichen) +
                              QStringLiteral(u", ohne Toleranz."));
    } else {
        // fed with the total current I: I2 = I R1 / (R1 + R2 + RL)
        const double RL = t.last ? t.RL : 0;
        const auto i2f = [=](std::span<const double> x) { return teilerI2(t.I, x[a], x[b], RL); };
        r.groesse(QStringLiteral("I2"), QStringLiteral("A"), t.I2, i2f);
        r.leistung(a, [=](std::span<const double> x) {
            const double i = t.I - i2f(x);
            return i * i * x[a];
        });
        r.leistung(b, [=](std::span<const double> x) {
            const double i = i2f(x);
            return i * i * x[b];
        });
        r.hinweis(QStringLiteral(u"Gespeist mit dem Gesamtstrom I = ") + r.text(t.I, QStringLiteral("A")) +
                  (t.last ? QStringLiteral(u", Last RL = ") + r.text(RL, OhmZeichen) +
                                QStringLiteral(u" ohne Toleranz.")
                          : QStringLiteral(".")));
    }
    return r.fertig();
}

Ergebnis led(const Led& l, const Wahl& w, QChar dz) {
    Rechnung r(w, dz);
    const double uR = l.U - l.n * l.Uf;
    const auto i = r.widerstand(QStringLiteral("R"), l.R, Auswahl::nichtKleiner);
    if (!i || uR <= 0) {
        r.hinweis(QStringLiteral(u"Vorwiderstand 0 Ω: nichts begrenzt den Strom, so arbeitet die Schaltung nicht."));
        return r.fertig();
    }
    const size_t a = *i;
    r.groesse(QStringLiteral("I"), QStringLiteral("A"), l.I, [=](std::span<const double> x) { return ledStrom(l.U, l.Uf, l.n, x[a]); });
    r.leistung(a, [=](std::span<const double> x) { return uR * uR / x[a]; });
    r.hinweis(QStringLiteral(u"Die Streuung der Flußspannung Uf ist nicht berücksichtigt."));
    return r.fertig();
}

Ergebnis lm317(const LM317& l, const Wahl& w, QChar dz) {
    Rechnung r(w, dz);
    const QString annahme = mitTrenner(u" (angenommen: 1,5 V bis 0,5 A und steigend bis 2,5 V bei 1,5 A)", dz);
    if (!l.stromregler) {
        const auto i1 = r.widerstand(QStringLiteral("R1"), l.R1, Auswahl::eingegeben);
        const auto i2 = r.widerstand(QStringLiteral("R2"), l.R2, Auswahl::naechster);
        if (!i1 || !i2) {
            r.hinweis(QStringLiteral(u"R2 = 0 Ω: die Ausgangsspannung ist die Referenzspannung, es ist nichts zu wählen."));
            return r.fertig();
        }
        const size_t a = *i1, b = *i2;
        const size_t u = r.streuung(urefNenn, {urefMin, urefMax});
        const size_t j = r.streuung(0, {0, iadjMax});
        r.groesse(QStringLiteral("U2"), QStringLiteral("V"), l.U2,
                  [=](std::span<const double> x) { return lm317Spannung(x[u], x[j], x[a], x[b]); });
        r.leistung(a, [=](std::span<const double> x) { return x[u] * x[u] / x[a]; });
        r.leistung(b, [=](std::span<const double> x) {
            const double i = x[u] / x[a] + x[j];
            return i * i * x[b];
        });
        if (l.U1 - l.U2 < lm317Dropout(l.I))
            r.hinweis(QStringLiteral(u"Zu wenig Spannung am Regler: U1 − U2 = ") + r.text(l.U1 - l.U2, QStringLiteral("V")) +
                      QStringLiteral(u", bei ") + r.text(l.I, QStringLiteral("A")) + QStringLiteral(u" braucht er ") +
                      r.text(lm317Dropout(l.I), QStringLiteral("V")) + annahme + u'.');
    } else {
        const auto i1 = r.widerstand(QStringLiteral("R"), l.R2, Auswahl::nichtKleiner);
        if (!i1) return r.fertig();
        const size_t a = *i1;
        const size_t u = r.streuung(urefNenn, {urefMin, urefMax});
        const size_t j = r.streuung(0, {0, iadjMax});
        r.groesse(QStringLiteral("I"), QStringLiteral("A"), l.I,
                  [=](std::span<const double> x) { return lm317Strom(x[u], x[j], x[a]); });
        r.leistung(a, [=](std::span<const double> x) { return x[u] * x[u] / x[a]; });
        // the programming resistor drops the reference voltage in series with the IC
        const double kopf = l.U1 - l.U2 - urefNenn;
        if (kopf < lm317Dropout(l.I))
            r.hinweis(mitTrenner(u"Zu wenig Spannung am Regler: U1 − U2 − 1,25 V = ", dz) + r.text(kopf, QStringLiteral("V")) +
                      QStringLiteral(u", bei ") + r.text(l.I, QStringLiteral("A")) + QStringLiteral(u" braucht er ") +
                      r.text(lm317Dropout(l.I), QStringLiteral("V")) + annahme + u'.');
    }
    r.hinweis(mitTrenner(u"Referenzspannung 1,20 V bis 1,30 V und Strom aus ADJ 0 bis 100 µA sind im "
                         u"schlechtesten Fall enthalten.", dz));
    return r.fertig();
}

Ergebnis ne555(const NE555& n, const Wahl& w, QChar dz) {
    Rechnung r(w, dz);
    const auto i1 = r.widerstand(QStringLiteral("R1"), n.R1, Auswahl::eingegeben);
    std::optional<size_t> i2;
    if (!n.monostabil) i2 = r.widerstand(QStringLiteral("R2"), n.halbHalb ? n.R1 : n.R2, Auswahl::eingegeben);
    const size_t c = r.kondensator(QStringLiteral("C"), n.C);
    if (!i1 || (!n.monostabil && !i2)) return r.fertig();
    const size_t a = *i1;
    const double v = ne555Versorgung;
    if (n.monostabil) {
        const auto t1 = [=](std::span<const double> x) { return ne555Mono(x[a], x[c]); };
        r.groesse(QStringLiteral("t1"), QStringLiteral("s"), t1(r.nenn()), t1);
    } else {
        const size_t b = *i2;
        const bool hh = n.halbHalb;
        const auto t1 = [=](std::span<const double> x) { return ne555T1(x[a], x[b], x[c], hh); };
        const auto t2 = [=](std::span<const double> x) { return ne555T2(x[b], x[c]); };
        r.groesse(QStringLiteral("t1"), QStringLiteral("s"), t1(r.nenn()), t1);
        r.groesse(QStringLiteral("t2"), QStringLiteral("s"), t2(r.nenn()), t2);
        const auto f = [=](std::span<const double> x) { return 1 / (t1(x) + t2(x)); };
        r.groesse(QStringLiteral("F"), QStringLiteral("Hz"), f(r.nenn()), f);
        // R2 sees at most the capacitor's upper threshold, two thirds of the supply
        r.leistung(b, [=](std::span<const double> x) { return (2 * v / 3) * (2 * v / 3) / x[b]; });
    }
    // R1 carries the whole supply while the discharge pin conducts
    r.leistung(a, [=](std::span<const double> x) { return v * v / x[a]; });
    r.hinweis(QStringLiteral(u"Leistung der Widerstände höchstens, bei 16 V Betriebsspannung (die Seite kennt U nicht)."));
    r.hinweis(QStringLiteral(u"Die Streuung der Schaltschwellen des NE555 ist nicht berücksichtigt."));
    return r.fertig();
}

Ergebnis konstantstrom(const Konstantstrom& k, const Wahl& w, QChar dz) {
    Rechnung r(w, dz);
    const double uR1 = kstromSpannungR1(k.schaltung, k.V);
    const auto i1 = r.widerstand(QStringLiteral("R1"), k.R1, Auswahl::nichtKleiner);
    std::optional<size_t> i2;
    double uR2 = 0;
    if (k.schaltung != 2) {
        uR2 = kstromSpannungR2(k.schaltung, k.U, k.V);
        i2 = r.widerstand(QStringLiteral("R2"), k.R2, Auswahl::naechster);
        if (!i2) r.hinweis(QStringLiteral(u"R2 ist nicht größer als 0 Ω: die Spannung U reicht für diese Schaltung nicht."));
    }
    if (!i1 || uR1 <= 0) {
        r.hinweis(QStringLiteral(u"R1 ist nicht größer als 0 Ω: die Referenzspannung reicht für diese Schaltung nicht."));
        return r.fertig();
    }
    const size_t a = *i1;
    r.groesse(QStringLiteral("I"), QStringLiteral("A"), k.I, [=](std::span<const double> x) { return uR1 / x[a]; });
    r.leistung(a, [=](std::span<const double> x) { return uR1 * uR1 / x[a]; });
    if (i2) {
        const size_t b = *i2;
        r.leistung(b, [=](std::span<const double> x) { return uR2 * uR2 / x[b]; });
    }
    r.hinweis(QStringLiteral(u"Die Streuung der Halbleiter (UBE, Uf, UGS, UZ) ist nicht berücksichtigt."));
    return r.fertig();
}

}  // namespace

Ergebnis auswerten(const Aufgabe& a, const Wahl& w, QChar dezimal) {
    return std::visit(
        [&](const auto& x) -> Ergebnis {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, Teiler>)
                return teiler(x, w, dezimal);
            else if constexpr (std::is_same_v<T, Led>)
                return led(x, w, dezimal);
            else if constexpr (std::is_same_v<T, LM317>)
                return lm317(x, w, dezimal);
            else if constexpr (std::is_same_v<T, NE555>)
                return ne555(x, w, dezimal);
            else
                return konstantstrom(x, w, dezimal);
        },
        a);
}

}  // namespace zelmo::normwerte
