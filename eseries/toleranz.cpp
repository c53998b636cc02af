// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eseries/toleranz.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "eseries/dreier.h"
#include "values/zahlen.h"
#include "values/zahltext.h"

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
void wertAnhaengen(QString& ziel, double x, const QString& einheit, QChar dezimal) {
    static const QChar leer[6] = {u' ', u' ', u' ', u' ', u' ', u' '};
    const qsizetype vor = ziel.size();
    festkommaAnhaengen(ziel, AnzeigeWert(x), 2, dezimal);
    const qsizetype n = ziel.size() - vor;
    if (n < 6) ziel.insert(vor, leer, 6 - n);
    ziel += EinheitVorsatz(x, einheit);
}

QString wertText(double x, const QString& einheit, QChar dezimal) {
    QString t;
    wertAnhaengen(t, x, einheit, dezimal);
    return t;
}

// The shown line from the texts of its two table values.
QString zeileAus(const QString& a, const QString& b, double BE, double F, const QString& einheit, QChar dezimal) {
    QString z;
    z.reserve(40);
    z += u' ';
    z += a;
    z += u'\t';
    z += b;
    z += u'\t';
    wertAnhaengen(z, BE, einheit, dezimal);
    z += u'\t';
    festkommaAnhaengen(z, F, 2, dezimal);
    z += u'%';
    return z;
}

// Texts of the table values in the decade of one calculation, each made when first needed.
class Wertetexte {
public:
    Wertetexte(std::span<const double> E, double temp1, const QString& einheit, QChar dezimal)
        : m_E(E), m_temp1(temp1), m_einheit(einheit), m_dezimal(dezimal), m_texte(E.size()), m_da(E.size()) {}

    struct Text {
        QString voll;       // as shown
        QString ohneRand;   // without the blanks in front: what the comparison of neighbours reads
        QString gekuerzt;   // the same without its last character (prefix or unit)
    };
    const Text& operator[](int i) {
        if (!m_da[size_t(i)]) {
            Text& t = m_texte[size_t(i)];
            t.voll = wertText(m_E[size_t(i)] * m_temp1, m_einheit, m_dezimal);
            t.ohneRand = ohneRand(t.voll);
            t.gekuerzt = t.ohneRand;
            t.gekuerzt.chop(1);
            m_da[size_t(i)] = true;
        }
        return m_texte[size_t(i)];
    }
    double temp1() const { return m_temp1; }
    const QString& einheit() const { return m_einheit; }
    QChar dezimal() const { return m_dezimal; }

private:
    std::span<const double> m_E;
    double m_temp1;
    QString m_einheit;
    QChar m_dezimal;
    std::vector<Text> m_texte;
    std::vector<char> m_da;
};

// The deviation as festkomma(F, 3) writes it, in numbers: whether a minus sign stands in front and
// the amount in thousandths. Nothing where only the digits can tell: within rounding noise of half a
// thousandth, for amounts too large for the quick estimate, and for a separator other than "," and
// "." (the number reading takes no other one as a separator).
struct Tausendstel {
    bool minus;
    std::uint64_t betrag;
};

std::optional<Tausendstel> tausendstel(double F, QChar dezimal) {
    if (dezimal != u',' && dezimal != u'.') return std::nullopt;
    const double x = std::fabs(F) * 1000;
    // below 1e8 the product and the 15 significant digits stay within 1e-6 of the exact amount
    if (!(x < 1e8)) return std::nullopt;
    const double ganz = std::floor(x);
    const double rest = x - ganz;
    if (std::fabs(rest - 0.5) < 1e-6) return std::nullopt;
    const auto betrag = std::uint64_t(ganz) + (rest > 0.5 ? 1 : 0);
    return Tausendstel{std::signbit(F) && betrag != 0, betrag};
}

// The number formed by the first `breite` characters of that text, in thousandths.
double kopfZahl(Tausendstel t, int breite) {
    const int platz = breite - (t.minus ? 1 : 0);
    const std::uint64_t ganz = t.betrag / 1000;
    int stellen = 1;
    for (std::uint64_t g = ganz; g >= 10; g /= 10) ++stellen;
    std::uint64_t wert;
    if (stellen >= platz) {
        // only the leading digits of the integer part fit
        std::uint64_t teiler = 1;
        for (int i = platz; i < stellen; ++i) teiler *= 10;
        wert = ganz / teiler * 1000;
    } else {
        const int nachkomma = std::min(platz - stellen - 1, 3);
        std::uint64_t teiler = 1;
        for (int i = nachkomma; i < 3; ++i) teiler *= 10;
        wert = t.betrag / teiler * teiler;
    }
    // the text's number is the nearest double to this amount, as is this quotient
    const double zahl = double(wert) / 1000.0;
    return t.minus ? -zahl : zahl;
}

// The same from the text itself, for the cases the numbers cannot settle.
QString kopf(double F, QChar dezimal) { return festkomma(F, 3, dezimal) + QStringLiteral("    |"); }

struct SortEintrag {
    double schluessel;  // magnitude of the key
    int index;
};

// The list quicksort; the pivot is followed by index as entries are exchanged.
void quicksort(std::vector<SortEintrag>& k, int L, int R) {
    int I;
    do {
        I = L;
        int J = R;
        int P = (L + R) / 2;
        do {
            while (k[size_t(I)].schluessel < k[size_t(P)].schluessel) ++I;
            while (k[size_t(J)].schluessel > k[size_t(P)].schluessel) --J;
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

std::vector<ToleranzKandidat> sortiert(std::vector<ToleranzKandidat>&& liste, QChar dezimal) {
    std::vector<double> schluessel;
    schluessel.reserve(liste.size());
    for (const auto& k : liste) schluessel.push_back(sortierSchluessel(k.F, dezimal));
    std::vector<ToleranzKandidat> aus;
    aus.reserve(liste.size());
    for (int i : toleranzFolge(schluessel)) aus.push_back(liste[size_t(i)]);
    return aus;
}

std::vector<ToleranzZeile> ausgabe(std::span<const ToleranzKandidat> sortiert, Wertetexte& texte, double maxF,
                                   bool parallel) {
    std::vector<ToleranzZeile> aus;
    aus.reserve(sortiert.size());
    const double temp1 = texte.temp1();
    // the two values of a candidate as the comparison reads them: the first seven and the next nine
    // characters of the line after its leading blank, without blanks and tabs around them, in the
    // parallel list also without their last character; with value texts of seven characters these
    // are just the two value texts
    const auto langform = [&](const QString& zeile) {
        QString v1 = ohneRand(zeile.mid(1, 7));
        QString v2 = ohneRand(zeile.mid(8, 9));
        if (parallel) {
            v1.chop(1);
            v2.chop(1);
        }
        return std::pair{v1, v2};
    };
    const auto zeileVon = [&](const ToleranzKandidat& k) {
        return zeileAus(texte[k.a].voll, texte[k.b].voll, k.BE * temp1, k.F, texte.einheit(), texte.dezimal());
    };
    const auto wert = [&](const Wertetexte::Text& t) -> const QString& { return parallel ? t.gekuerzt : t.ohneRand; };
    for (size_t cp = 0; cp < sortiert.size(); ++cp) {
        const ToleranzKandidat& k = sortiert[cp];
        std::optional<QString> zeile;
        if (cp >= 1) {
            const ToleranzKandidat& v = sortiert[cp - 1];
            const auto& ka = texte[k.a];
            const auto& kb = texte[k.b];
            const auto& va = texte[v.a];
            const auto& vb = texte[v.b];
            bool gespiegelt;
            if (ka.voll.size() == 7 && kb.voll.size() == 7 && va.voll.size() == 7 && vb.voll.size() == 7) {
                gespiegelt = wert(ka) == wert(vb) && wert(kb) == wert(va);
            } else {
                zeile = zeileVon(k);
                const auto [v1, v2] = langform(*zeile);
                const auto [v3, v4] = langform(zeileVon(v));
                gespiegelt = v1 == v4 && v2 == v3;
            }
            if (gespiegelt) continue;  // the previous pair in swapped order
        }
        const double t2 = farbWert(k.F, texte.dezimal());
        const bool gruen = -maxF / 2 <= t2 && t2 <= maxF / 2;
        aus.push_back({zeile ? std::move(*zeile) : zeileVon(k), gruen});
    }
    return aus;
}

// Shown lines of triples: the best ones in the order of the pair lists (the same key and sort), each
// " a\tb\tc\tformula\tBE\tF%".
std::vector<ToleranzZeile> dreierAusgabe(std::vector<DreierKandidat>&& beste, Wertetexte& texte, double maxF, int art) {
    std::vector<double> schluessel;
    schluessel.reserve(beste.size());
    for (const auto& k : beste) schluessel.push_back(sortierSchluessel(k.F, texte.dezimal()));
    QString formeln[4];
    for (int s = 0; s < 4; ++s) formeln[s] = dreierFormel(Dreierschaltung(s), art);
    std::vector<ToleranzZeile> aus;
    aus.reserve(beste.size());
    for (int i : toleranzFolge(schluessel)) {
        const DreierKandidat& k = beste[size_t(i)];
        QString z;
        z.reserve(56);
        z += u' ';
        z += texte[k.a].voll;
        z += u'\t';
        z += texte[k.b].voll;
        z += u'\t';
        z += texte[k.c].voll;
        z += u'\t';
        z += formeln[int(k.schaltung)];
        z += u'\t';
        wertAnhaengen(z, k.BE * texte.temp1(), texte.einheit(), texte.dezimal());
        z += u'\t';
        festkommaAnhaengen(z, k.F, 2, texte.dezimal());
        z += u'%';
        const double t2 = farbWert(k.F, texte.dezimal());
        aus.push_back({std::move(z), -maxF / 2 <= t2 && t2 <= maxF / 2});
    }
    return aus;
}

// The pairs (a, b) of the table, in the order a, then b, whose connection comes within the window:
// its deviation F from the wanted value in percent lies inside maxF by more than 0.0001.
// The connection grows with b, so for each a only one run of values b can come near the window;
// two bisections with room to spare (0.01 %, far beyond rounding) find it, the test above decides
// within it. A table that is not ascending, positive and finite is searched through in full.
template <class V>
void paareSuchen(std::span<const double> E, double Wert, double maxF, V verbindung,
                 std::vector<ToleranzKandidat>& liste) {
    const int n = int(E.size());
    const bool geordnet =
        std::isfinite(maxF) &&
        std::all_of(E.begin(), E.end(), [](double e) { return e > 0 && std::isfinite(e); }) &&
        std::adjacent_find(E.begin(), E.end(), [](double x, double y) { return !(x < y); }) == E.end();
    const double rand = std::fabs(maxF) + 0.01;
    for (int i = 0; i < n; ++i) {
        const double a = E[size_t(i)];
        const auto abweichung = [&](int j) { return verbindung(a, E[size_t(j)]) * 100 / Wert - 100; };
        int von = 0;
        int bis = n;
        if (geordnet) {
            von = erster(0, n, [&](int j) { return abweichung(j) > -rand; });
            bis = erster(von, n, [&](int j) { return abweichung(j) >= rand; });
        }
        for (int j = von; j < bis; ++j) {
            const double BE = verbindung(a, E[size_t(j)]);
            const double F = BE * 100 / Wert - 100;
            if (maxF - std::fabs(F) > 0.0001) liste.push_back({i, j, BE, F});
        }
    }
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
        case EReihe::E192: return 0.5;
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
    double zahl = leseCZahl(ascii).value_or(0.0);
    if (!(zahl > 0) || !std::isfinite(zahl)) return std::nullopt;
    while (zahl > 100) zahl = zahl / 10;
    while (zahl < 0.1) zahl = zahl * 10;
    return zahl;
}

double sortierSchluessel(double F, QChar dezimal) {
    if (const auto t = tausendstel(F, dezimal)) return kopfZahl(*t, 4);
    return Zahleneingabe(kopf(F, dezimal).left(4), dezimal).value_or(0.0);
}

double farbWert(double F, QChar dezimal) {
    if (const auto t = tausendstel(F, dezimal)) return kopfZahl(*t, 6);
    return Zahleneingabe(kopf(F, dezimal).trimmed().left(6), dezimal).value_or(std::nan(""));
}

std::vector<int> toleranzFolge(std::span<const double> schluessel) {
    std::vector<SortEintrag> k;
    k.reserve(schluessel.size());
    for (size_t i = 0; i < schluessel.size(); ++i) k.push_back({std::fabs(schluessel[i]), int(i)});
    if (k.size() >= 2) quicksort(k, 0, int(k.size()) - 1);
    std::vector<int> folge;
    folge.reserve(k.size());
    for (const auto& e : k) folge.push_back(e.index);
    return folge;
}

QString toleranzZeile(double a, double b, double BE, double F, const QString& einheit, QChar dezimal) {
    return zeileAus(wertText(a, einheit, dezimal), wertText(b, einheit, dezimal), BE, F, einheit, dezimal);
}

std::vector<ToleranzZeile> toleranzAusgabe(std::span<const ToleranzKandidat> sortiert, std::span<const double> E,
                                           double temp1, double maxF, bool parallel, const QString& einheit,
                                           QChar dezimal) {
    Wertetexte texte(E, temp1, einheit, dezimal);
    return ausgabe(sortiert, texte, maxF, parallel);
}

QString parallelTitel(int anzahl) {
    return QStringLiteral(" Parallelsch. =  ") + QString::number(anzahl) + QStringLiteral(u" mögliche Kombinationen ");
}

QString reiheTitel(int anzahl) {
    return QStringLiteral(" Reihensch. =  ") + QString::number(anzahl) + QStringLiteral(u" mögliche Kombinationen ");
}

namespace {
QString titel(const char16_t* anfang, int anzahl, std::int64_t alle) {
    if (alle <= anzahl) return QString::fromUtf16(anfang) + QString::number(anzahl) + QStringLiteral(u" mögliche Kombinationen ");
    return QString::fromUtf16(anfang) + QString::number(anzahl) + QStringLiteral(u" von ") + QString::number(alle) +
           QStringLiteral(u" Kombinationen ");
}
}  // namespace

QString parallelTitel(int anzahl, std::int64_t alle) { return titel(u" Parallelsch. =  ", anzahl, alle); }

QString reiheTitel(int anzahl, std::int64_t alle) { return titel(u" Reihensch. =  ", anzahl, alle); }

std::vector<double> bestandSkaliert(const std::vector<double>& bestand, double temp1, double von, double bis) {
    std::vector<double> v;
    v.reserve(bestand.size());
    for (double b : bestand) {
        const double x = b / temp1;
        if (x > 0 && std::isfinite(x) && x >= von * (1 - 1e-12) && x <= bis * (1 + 1e-12)) v.push_back(x);
    }
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

std::optional<ToleranzErgebnis> Toleranz_Berechnung(const QString& text, std::span<const double> E, double maxF,
                                                    int art, QChar dezimal) {
    return Toleranz_Berechnung(text, E, maxF, art, dezimal, ToleranzSuche{});
}

std::optional<ToleranzErgebnis> Toleranz_Berechnung(const QString& text, std::span<const double> E, double maxF,
                                                    int art, QChar dezimal, const ToleranzSuche& suche) {
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
        for (EReihe r : toleranzEReihen)
            for (double e : reihe(r))
                if (e == *zahl) {
                    erg.fett[size_t(r)] = true;
                    break;
                }
    }

    erg.teile = suche.teile == 3 ? 3 : 2;
    if (erg.teile == 3) {
        // triples from the wider span (or the stock within it)
        const std::span<const double> weit = suche.dreierWerte.empty() ? E : suche.dreierWerte;
        std::vector<double> eigene;
        std::span<const double> werte = weit;
        if (suche.bestand) {
            eigene = bestandSkaliert(*suche.bestand, Temp1, weit.front(), weit.back());
            werte = eigene;
        }
        Wertetexte texte(werte, Temp1, einheit, dezimal);
        auto par = dreierSuchen(werte, Wert, maxF, art, true, suche.hoechstens);
        auto ser = dreierSuchen(werte, Wert, maxF, art, false, suche.hoechstens);
        erg.parallelAlle = par.anzahl;
        erg.seriellAlle = ser.anzahl;
        erg.parallelKandidaten = int(par.beste.size());
        erg.seriellKandidaten = int(ser.beste.size());
        erg.parallel = dreierAusgabe(std::move(par.beste), texte, maxF, art);
        erg.seriell = dreierAusgabe(std::move(ser.beste), texte, maxF, art);
    } else {
        // every ordered pair, a value with itself included; numbers only, the texts follow for the
        // lines that are shown
        std::vector<double> eigene;
        std::span<const double> werte = E;
        if (suche.bestand) {
            eigene = bestandSkaliert(*suche.bestand, Temp1, E.front(), E.back());
            werte = eigene;
        }
        std::vector<ToleranzKandidat> parallelList;
        std::vector<ToleranzKandidat> reiheList;
        const auto summe = [](double a, double b) { return a + b; };
        if (art == artR || art == artL) {
            paareSuchen(werte, Wert, maxF, [](double a, double b) { return (a * b) / (a + b); }, parallelList);
            paareSuchen(werte, Wert, maxF, summe, reiheList);
        } else {
            paareSuchen(werte, Wert, maxF, summe, parallelList);
            paareSuchen(werte, Wert, maxF, [](double a, double b) { return 1 / (1 / a + 1 / b); }, reiheList);
        }
        erg.parallelKandidaten = int(parallelList.size());
        erg.seriellKandidaten = int(reiheList.size());
        erg.parallelAlle = erg.parallelKandidaten;
        erg.seriellAlle = erg.seriellKandidaten;
        Wertetexte texte(werte, Temp1, einheit, dezimal);
        erg.parallel = ausgabe(sortiert(std::move(parallelList), dezimal), texte, maxF, true);
        erg.seriell = ausgabe(sortiert(std::move(reiheList), dezimal), texte, maxF, false);
    }

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
