#include "eseries/toleranz.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "values/zahlen.h"

namespace zelmo {

namespace {

// Equal within the relative tolerance max(min(|x|, |y|) * 1e-12, 1e-12).
bool gleich(double x, double y) {
    const double eps = std::max(std::min(std::fabs(x), std::fabs(y)) * 1e-12, 1e-12);
    return std::fabs(x - y) <= eps;
}

bool kleiner(double x, double y) { return x < y && !gleich(x, y); }

// Leading and trailing blanks and tabs removed.
QString ohneRand(const QString& s) {
    qsizetype a = 0;
    qsizetype e = s.size();
    while (a < e && (s[a] == u' ' || s[a] == u'\t')) ++a;
    while (e > a && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
    return s.mid(a, e - a);
}

// "%6.2f" of AnzeigeWert followed by the prefix letter (the unit sign from 1 to below 1000).
QString wertText(double x, const QString& einheit, QChar dezimal) {
    return festkomma(AnzeigeWert(x), 2, dezimal).rightJustified(6, u' ') + EinheitVorsatz(x, einheit);
}

// Everything after the first "|".
QString nachStrich(const QString& zeile) {
    const qsizetype p = zeile.indexOf(u'|');
    return p < 0 ? zeile : zeile.mid(p + 1);
}

struct Kandidat {
    QString zeile;
    double schluessel;
};

int vergleiche(const Kandidat& i, const Kandidat& j) {
    const double a = std::fabs(i.schluessel);
    const double b = std::fabs(j.schluessel);
    if (a < b) return -1;
    if (a > b) return 1;
    return 0;
}

// The list quicksort; the pivot is followed by index as lines are exchanged.
void quicksort(std::vector<Kandidat>& k, int L, int R) {
    int I;
    do {
        I = L;
        int J = R;
        int P = (L + R) / 2;
        do {
            while (vergleiche(k[size_t(I)], k[size_t(P)]) < 0) ++I;
            while (vergleiche(k[size_t(J)], k[size_t(P)]) > 0) --J;
            if (I <= J) {
                if (I != J) std::swap(k[size_t(I)], k[size_t(J)]);
                if (P == I)
                    P = J;
                else if (P == J)
                    P = I;
                ++I;
                --J;
            }
        } while (I <= J);
        if (L < J) quicksort(k, L, J);
        L = I;
    } while (I < R);
}

}  // namespace

QString einheitZeichen(int art) {
    switch (art) {
        case artR: return OhmZeichen;
        case artL: return QStringLiteral("H");
        case artC: return QStringLiteral("F");
        default: return {};
    }
}

double fensterProzent(EReihe r) {
    switch (r) {
        case EReihe::E3: return 36;
        case EReihe::E6: return 20;
        case EReihe::E12: return 10;
        case EReihe::E24: return 5;
        case EReihe::E48: return 2;
        case EReihe::E96: return 1;
    }
    return 10;
}

double* Toleranz::fuer(int art) {
    switch (art) {
        case artR: return &Toleranz_R;
        case artL: return &Toleranz_L;
        case artC: return &Toleranz_C;
        default: return nullptr;
    }
}

const double* Toleranz::fuer(int art) const { return const_cast<Toleranz*>(this)->fuer(art); }

std::optional<double> markenMantisse(const QString& text, QChar dezimal) {
    // in exponent form the exponent is no part of the mantissa ("4,7E3" marks like 4,7)
    qsizetype p = text.indexOf(u'E');
    if (p < 0) p = text.indexOf(u'e');
    QString teil = text;
    if (p >= 0 && p + 1 < text.size()) {
        const QChar n = text[p + 1];
        if ((n >= u'0' && n <= u'9') || n == u'+' || n == u'-') teil = text.left(p);
    }
    std::string ascii;
    int trenner = 0;
    bool ziffer = false;
    for (QChar c : teil) {
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            ziffer = true;
        } else if (c == dezimal) {
            ascii += '.';
            ++trenner;
        }
    }
    if (!ziffer || trenner > 1) return std::nullopt;
    double zahl = std::strtod(ascii.c_str(), nullptr);
    if (!(zahl > 0) || !std::isfinite(zahl)) return std::nullopt;
    while (zahl > 100) zahl = zahl / 10;
    while (zahl < 0.1) zahl = zahl * 10;
    return zahl;
}

QString kandidatenZeile(double F, double a, double b, double BE, double temp1, const QString& einheit,
                        QChar dezimal) {
    QString z = festkomma(F, 3, dezimal);
    z += QStringLiteral("    |");
    z += wertText(a * temp1, einheit, dezimal);
    z += u'\t';
    z += wertText(b * temp1, einheit, dezimal);
    z += u'\t';
    z += wertText(BE * temp1, einheit, dezimal);
    z += u'\t';
    z += festkomma(F, 2, dezimal);
    z += u'%';
    return z;
}

double sortierSchluessel(const QString& zeile, QChar dezimal) {
    return Zahleneingabe(zeile.left(4), dezimal).value_or(0.0);
}

void toleranzSortieren(std::vector<QString>& zeilen, QChar dezimal) {
    if (zeilen.size() < 2) return;
    std::vector<Kandidat> k;
    k.reserve(zeilen.size());
    for (QString& z : zeilen) {
        const double s = sortierSchluessel(z, dezimal);
        k.push_back({std::move(z), s});
    }
    quicksort(k, 0, int(k.size()) - 1);
    for (size_t i = 0; i < k.size(); ++i) zeilen[i] = std::move(k[i].zeile);
}

std::vector<ToleranzZeile> toleranzAusgabe(const std::vector<QString>& sortiert, double maxF, bool parallel,
                                           QChar dezimal) {
    std::vector<ToleranzZeile> aus;
    aus.reserve(sortiert.size());
    // the two values of a line, for the comparison with the previous line
    auto paar = [parallel](const QString& st) {
        QString v1 = ohneRand(st.mid(0, 7));
        QString v2 = ohneRand(st.mid(7, 9));
        if (parallel) {
            v1.chop(1);
            v2.chop(1);
        }
        return std::pair{v1, v2};
    };
    for (size_t cp = 0; cp < sortiert.size(); ++cp) {
        const QString& zeile = sortiert[cp];
        const double t2 = Zahleneingabe(zeile.trimmed().left(6), dezimal).value_or(std::nan(""));
        const bool gruen = -maxF / 2 <= t2 && t2 <= maxF / 2;
        const QString st1 = nachStrich(zeile);
        if (cp >= 1) {
            const auto [v1, v2] = paar(st1);
            const auto [v3, v4] = paar(nachStrich(sortiert[cp - 1]));
            if (v1 == v4 && v2 == v3) continue;  // the previous pair in swapped order
        }
        aus.push_back({u' ' + st1, gruen});
    }
    return aus;
}

QString parallelTitel(int anzahl) {
    return QStringLiteral(" Parallelsch. =  ") + QString::number(anzahl) + QStringLiteral(u" mögliche Kombinationen ");
}

QString reiheTitel(int anzahl) {
    return QStringLiteral(" Reihensch. =  ") + QString::number(anzahl) + QStringLiteral(u" mögliche Kombinationen ");
}

std::optional<ToleranzErgebnis> Toleranz_Berechnung(const QString& text, std::span<const double> E, double maxF,
                                                    int art, QChar dezimal) {
    const auto eingabe = Zahleneingabe(text, dezimal);
    if (!eingabe || !(*eingabe > 0) || !std::isfinite(*eingabe) || E.size() < 3) return std::nullopt;

    ToleranzErgebnis erg;
    const QString einheit = einheitZeichen(art);

    // wanted value into 0.999999 ... below 9.999999 and its decade factor
    double Wert = *eingabe;
    double Temp1 = 1;
    while (Wert >= 9.999999) {
        Wert = Wert / 10;
        Temp1 = Temp1 * 10;
    }
    while (Wert < 0.999999) {
        Wert = Wert * 10;
        Temp1 = Temp1 / 10;
    }
    erg.wert = Wert;
    erg.temp1 = Temp1;

    // bold marks: every series whose table holds the mantissa exactly
    if (const auto zahl = markenMantisse(text, dezimal)) {
        for (EReihe r : alleEReihen)
            for (double e : reihe(r))
                if (e == *zahl) {
                    erg.fett[size_t(r)] = true;
                    break;
                }
    }

    // every ordered pair, a value with itself included
    const bool rl = art == artR || art == artL;
    std::vector<QString> parallelList;
    std::vector<QString> reiheList;
    for (double a : E) {
        for (double b : E) {
            double BE = rl ? (a * b) / (a + b) : a + b;
            double F = BE * 100 / Wert - 100;
            if (maxF - std::fabs(F) > 0.0001)
                parallelList.push_back(kandidatenZeile(F, a, b, BE, Temp1, einheit, dezimal));
            BE = rl ? a + b : 1 / (1 / a + 1 / b);
            F = BE * 100 / Wert - 100;
            if (maxF - std::fabs(F) > 0.0001)
                reiheList.push_back(kandidatenZeile(F, a, b, BE, Temp1, einheit, dezimal));
        }
    }
    erg.parallelKandidaten = int(parallelList.size());
    erg.seriellKandidaten = int(reiheList.size());
    toleranzSortieren(parallelList, dezimal);
    erg.parallel = toleranzAusgabe(parallelList, maxF, true, dezimal);
    toleranzSortieren(reiheList, dezimal);
    erg.seriell = toleranzAusgabe(reiheList, maxF, false, dezimal);

    // neighbours: the series values strictly below and strictly above the wanted value
    const size_t hoechster = E.size() - 1;
    size_t zaehler = 1;
    while (zaehler < hoechster && !kleiner(Wert, E[zaehler])) ++zaehler;
    erg.oben = Zahlenausgabe(E[zaehler] * Temp1, dezimal) + einheit;
    const size_t unten = gleich(Wert, E[zaehler - 1]) && zaehler >= 2 ? zaehler - 2 : zaehler - 1;
    erg.unten = Zahlenausgabe(E[unten] * Temp1, dezimal) + einheit;
    return erg;
}

}  // namespace zelmo
