// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/smdcode.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "colourcode/kondensator.h"
#include "colourcode/widerstand.h"
#include "eseries/ereihen.h"
#include "values/zahlen.h"

namespace zelmo::smdcode {

namespace {

constexpr std::array<Toleranzbuchstabe, 9> toleranzTabelle{{{u'B', 0.1, 0.1, true},
                                                             {u'C', 0.25, 0.25, true},
                                                             {u'D', 0.5, 0.5, true},
                                                             {u'F', 1, 1, false},
                                                             {u'G', 2, 2, false},
                                                             {u'J', 5, 5, false},
                                                             {u'K', 10, 10, false},
                                                             {u'M', 20, 20, false},
                                                             {u'Z', 80, 20, false}}};

constexpr std::array<Spannungscode, 11> spannungsTabelle{{{u"0J", 6.3},
                                                          {u"1A", 10},
                                                          {u"1C", 16},
                                                          {u"1E", 25},
                                                          {u"1V", 35},
                                                          {u"1H", 50},
                                                          {u"2A", 100},
                                                          {u"2D", 200},
                                                          {u"2E", 250},
                                                          {u"2G", 400},
                                                          {u"2J", 630}}};

// The multiplier letters of EIA-96 and the power of ten of each; Y, X, B come before their twins
// R, S, H, so that a value gets the first letter.
struct Multiplikatorbuchstabe {
    char16_t buchstabe;
    int exponent;
};
constexpr std::array<Multiplikatorbuchstabe, 12> eia96Buchstaben{{{u'Z', -3},
                                                                   {u'Y', -2},
                                                                   {u'R', -2},
                                                                   {u'X', -1},
                                                                   {u'S', -1},
                                                                   {u'A', 0},
                                                                   {u'B', 1},
                                                                   {u'H', 1},
                                                                   {u'C', 2},
                                                                   {u'D', 3},
                                                                   {u'E', 4},
                                                                   {u'F', 5}}};
const QString eia96Liste = QStringLiteral("Z, Y, R, X, S, A, B, H, C, D, E, F");
const QString toleranzListe = QStringLiteral("B, C, D, F, G, J, K, M, Z");
const QString spannungsListe = QStringLiteral("0J, 1A, 1C, 1E, 1V, 1H, 2A, 2D, 2E, 2G, 2J");

constexpr double Piko = 1e-12;

bool istZiffer(QChar c) { return c >= u'0' && c <= u'9'; }
bool istBuchstabe(QChar c) { return c >= u'A' && c <= u'Z'; }

// 10^k, exact for every k this file uses (an exact power divided, never multiplied by 0.1).
double zehnHoch(int k) { return k >= 0 ? std::pow(10.0, k) : 1.0 / std::pow(10.0, -k); }

long long ganzZehnHoch(int k) {
    long long p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

int stellen(long long n) {
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

QString mitNullen(long long n, int breite) { return QString::number(n).rightJustified(breite, u'0'); }

// The number-code systems of digits and R: S significant digits, the highest multiplier digit.
struct Ziffernsystem {
    int signifikant;    // S: the code has S + 1 characters
    int hoechsteMulti;  // highest multiplier digit meaning a power of ten
    bool kondensator;   // picofarad; digit 8 and 9 multiply by 0.01 and 0.1; no zero value
};

Ziffernsystem ziffernsystem(System s) {
    switch (s) {
        case System::Dreistellig: return {2, 9, false};
        case System::Vierstellig: return {3, 9, false};
        default: return {2, 7, true};
    }
}

double einheit(const Ziffernsystem& z) { return z.kondensator ? Piko : 1.0; }

// The code of the value n * 10^x (in ohm or picofarad): digits and multiplier from 10^(S-1) on,
// below it the R as decimal point; nothing when the system cannot write it.
std::optional<QString> codeAusRaster(System s, long long n, int x) {
    const Ziffernsystem z = ziffernsystem(s);
    const int S = z.signifikant;
    if (n <= 0) {
        if (n < 0 || z.kondensator) return std::nullopt;
        return QString(S + 1, u'0');  // the zero-ohm bridge
    }
    while (n % 10 == 0) {
        n /= 10;
        ++x;
    }
    const int d = stellen(n);
    const int T = d + x;  // digits before the decimal point
    if (T >= S) {
        const int k = T - S;
        if (d > S || k > z.hoechsteMulti) return std::nullopt;
        return QString::number(n * ganzZehnHoch(S - d)) + QString::number(k);
    }
    if (T >= 1) {
        const int f = S - T;
        if (-x > f) return std::nullopt;
        const QString ziffern = mitNullen(n * ganzZehnHoch(x + f), S);
        return ziffern.left(T) + u'R' + ziffern.mid(T);
    }
    // below 1: "0R10" (4 digits) and "0R5" (capacitor) where they suffice, else "R47", "R047"
    const int kurz = s == System::Vierstellig ? 2 : z.kondensator ? 1 : 0;
    if (kurz > 0 && -x <= kurz) return QStringLiteral("0R") + mitNullen(n * ganzZehnHoch(x + kurz), kurz);
    if (-x <= S) return u'R' + mitNullen(n * ganzZehnHoch(x + S), S);
    return std::nullopt;
}

// Exponent of the leading digit of v > 0 (floor of log10, safe at exact powers).
int dekade(double v) {
    int e = int(std::floor(std::log10(v)));
    if (zehnHoch(e) > v * (1 + 1e-12)) --e;
    if (zehnHoch(e + 1) <= v * (1 + 1e-12)) ++e;
    return e;
}

// A value in code units on the grid of its place: v = q * 10^x, and whether q is a whole number.
struct Rasterlage {
    double q;
    int x;
    bool exakt;
    long long n() const { return std::llround(q); }
};

Rasterlage rasterlage(const Ziffernsystem& z, double v) {
    const int x = v >= 1 ? dekade(v) - (z.signifikant - 1) : -z.signifikant;
    const double q = x >= 0 ? v / zehnHoch(x) : v * zehnHoch(-x);
    const bool exakt = std::abs(q - std::round(q)) <= 1e-9 * std::max(1.0, q);
    return {q, x, exakt};
}

double groessterWert(const Ziffernsystem& z) {
    return double(ganzZehnHoch(z.signifikant) - 1) * zehnHoch(z.hoechsteMulti);
}
double kleinsterWert(const Ziffernsystem& z) { return zehnHoch(-z.signifikant); }

// Every EIA-96 code with its value, ascending.
struct EiaEintrag {
    double wert;
    QString code;
};

int eia96Basis(int nummer) {
    // the E96 decade from 1.00 to 9.76 of the series table, as the integers 100 ... 976
    return int(std::lround(reihe(EReihe::E96)[size_t(95 + nummer)] * 100));
}

const std::vector<EiaEintrag>& eia96Tabelle() {
    static const std::vector<EiaEintrag> t = [] {
        std::vector<EiaEintrag> v;
        for (const auto& b : eia96Buchstaben) {
            if (b.buchstabe == u'R' || b.buchstabe == u'S' || b.buchstabe == u'H') continue;
            for (int i = 1; i <= 96; ++i)
                v.push_back({eia96Basis(i) * zehnHoch(b.exponent), mitNullen(i, 2) + QChar(b.buchstabe)});
        }
        std::sort(v.begin(), v.end(), [](const EiaEintrag& a, const EiaEintrag& b) { return a.wert < b.wert; });
        return v;
    }();
    return t;
}

bool gleich(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b)); }

// --- reading ---

Leseergebnis fehler(const QString& text) { return {std::nullopt, text}; }

QString normalform(const QString& eingabe) {
    QString s;
    for (QChar c : eingabe)
        if (!c.isSpace()) s += c.toUpper();
    return s;
}

// The value of a digits-and-R part in code units, or the message; laenge is the code's length.
struct Teilwert {
    std::optional<double> wert;
    QString fehler;
};

Teilwert ziffernTeil(System s, const QString& t) {
    const Ziffernsystem z = ziffernsystem(s);
    const int laenge = z.signifikant + 1;
    const QString art = s == System::Kondensator ? QStringLiteral("Ein Kondensatorcode")
                        : s == System::Vierstellig ? QStringLiteral("Ein 4-stelliger Code")
                                                   : QStringLiteral("Ein 3-stelliger Code");
    const QString beispiel = s == System::Kondensator   ? QStringLiteral("104 oder 4R7")
                             : s == System::Vierstellig ? QStringLiteral("4702 oder 0R10")
                                                        : QStringLiteral("472 oder 4R7");
    const qsizetype r = t.count(u'R');
    if (r > 1) return {std::nullopt, QStringLiteral("Der Code %1 enthält mehr als ein R: das R steht für das Komma "
                                                    "und kommt höchstens einmal vor.")
                                         .arg(t)};
    const QString ziffernAllein = QString(t).remove(u'R');
    if (!ziffernAllein.isEmpty() && t.size() <= laenge && ziffernAllein.count(u'0') == ziffernAllein.size()) {
        if (z.kondensator)
            return {std::nullopt, QStringLiteral("Der Code %1 ergibt 0 pF: das ist kein Kondensatorwert.").arg(t)};
        return {0.0, {}};  // the zero-ohm bridge: "0", "000", "0000"
    }
    const auto zuLang = [&] {
        const QString was = r ? QStringLiteral("Zeichen") : QStringLiteral("Ziffern");
        return Teilwert{std::nullopt, QStringLiteral("Der Code %1 hat zu viele %2: %3 hat %4 Zeichen (z. B. %5).")
                                          .arg(t, was, art, QString::number(laenge), beispiel)};
    };
    if (t.size() > laenge) return zuLang();
    if (z.kondensator && r == 0 && t.size() < laenge) {
        // "47" on a small ceramic capacitor: picofarad as they are
        return {double(t.toInt()), {}};
    }
    if (t.size() < laenge)
        return {std::nullopt, QStringLiteral("Der Code %1 hat zu wenige Zeichen: %2 hat %3 Zeichen (z. B. %4).")
                                  .arg(t, art, QString::number(laenge), beispiel)};
    if (r == 1) {
        const qsizetype p = t.indexOf(u'R');
        return {double(ziffernAllein.toLongLong()) / zehnHoch(int(t.size() - 1 - p)), {}};
    }
    if (t[0] == u'0')
        return {std::nullopt,
                QStringLiteral("Der Code %1 beginnt mit 0: die erste Ziffer eines Codes mit Multiplikator ist 1 bis 9%2.")
                    .arg(t, z.kondensator ? QString() : QStringLiteral(" (nur %1 ist die Nullohm-Brücke)")
                                                            .arg(QString(laenge, u'0')))};
    const long long m = t.left(laenge - 1).toLongLong();
    const int k = t.back().digitValue();
    if (z.kondensator && k > z.hoechsteMulti) {
        if (k == 8) return {m * 0.01, {}};
        if (k == 9) return {m * 0.1, {}};
    }
    return {m * zehnHoch(k), {}};
}

// A character that does not belong to a code of digits and R: the message names it.
QString fremdesZeichen(System s, const QString& code, QChar c) {
    QString t = QStringLiteral("Das Zeichen %1 gehört nicht in einen %2 Code: er besteht nur aus Ziffern und "
                               "höchstens einem R für das Komma.")
                    .arg(c, s == System::Vierstellig ? QStringLiteral("4-stelligen") : QStringLiteral("3-stelligen"));
    // "01C" looks like EIA-96
    if (code.size() == 3 && istZiffer(code[0]) && istZiffer(code[1]) && istBuchstabe(code[2]))
        t += QStringLiteral("\r\rIst %1 vielleicht ein EIA-96-Code?").arg(code);
    return t;
}

Leseergebnis widerstandLesen(System s, const QString& code) {
    for (QChar c : code)
        if (!istZiffer(c) && c != u'R') return fehler(fremdesZeichen(s, code, c));
    const Teilwert w = ziffernTeil(s, code);
    if (!w.wert) return fehler(w.fehler);
    return {Lesung{*w.wert, code, nullptr, nullptr}, {}};
}

Leseergebnis eia96Lesen(const QString& code) {
    qsizetype ziffern = 0;
    while (ziffern < code.size() && istZiffer(code[ziffern])) ++ziffern;
    if (ziffern > 2)
        return fehler(QStringLiteral("Der Code %1 hat zu viele Ziffern: ein EIA-96-Code hat zwei Ziffern (01 bis 96) "
                                     "und einen Multiplikatorbuchstaben (z. B. 01C).")
                          .arg(code));
    if (ziffern < 2)
        return fehler(QStringLiteral("Der Code %1 beginnt nicht mit zwei Ziffern: ein EIA-96-Code hat zwei Ziffern "
                                     "(01 bis 96) und einen Multiplikatorbuchstaben (z. B. 01C).")
                          .arg(code));
    const int nummer = code.left(2).toInt();
    if (nummer == 0)
        return fehler(QStringLiteral("Die Nummer 00 gibt es im EIA-96-Code nicht: er zählt von 01 bis 96."));
    if (nummer > 96)
        return fehler(QStringLiteral("Die Nummer %1 ist größer als 96: der EIA-96-Code zählt von 01 bis 96.")
                          .arg(code.left(2)));
    if (code.size() == 2)
        return fehler(
            QStringLiteral("Dem Code %1 fehlt der Multiplikatorbuchstabe (%2).").arg(code, eia96Liste));
    const QChar b = code[2];
    const auto* m = std::find_if(eia96Buchstaben.begin(), eia96Buchstaben.end(),
                                 [b](const Multiplikatorbuchstabe& x) { return x.buchstabe == b.unicode(); });
    if (m == eia96Buchstaben.end())
        return fehler(QStringLiteral("Der Buchstabe %1 ist kein Multiplikator des EIA-96-Codes (%2).")
                          .arg(b)
                          .arg(eia96Liste));
    if (code.size() > 3)
        return fehler(QStringLiteral("Nach dem Code %1 steht noch %2: ein EIA-96-Code hat nur drei Zeichen.")
                          .arg(code.left(3), code.mid(3)));
    return {Lesung{eia96Basis(nummer) * zehnHoch(m->exponent), code, nullptr, nullptr}, {}};
}

bool istSpannungsform(const QString& s, qsizetype i) {
    return i + 1 < s.size() && istZiffer(s[i]) && istBuchstabe(s[i + 1]) && s[i + 1] != u'R';
}

QString unbekannteSpannung(const QString& code) {
    return QStringLiteral("Der Spannungscode %1 ist unbekannt (bekannt sind %2).").arg(code, spannungsListe);
}

Leseergebnis kondensatorLesen(const QString& code) {
    QString s = code;
    if (const Spannungscode* nur = spannungsCode(s))
        return fehler(QStringLiteral("Dem Code fehlt der Wert: %1 ist nur der Spannungscode (%2 V).")
                          .arg(s, QString::number(nur->volt).replace(u'.', u',')));
    const Spannungscode* u = nullptr;
    // the voltage code in front: "2A104J"
    if (istSpannungsform(s, 0) && s.size() > 2 && (istZiffer(s[2]) || s[2] == u'R')) {
        u = spannungsCode(s.left(2));
        if (!u) return fehler(unbekannteSpannung(s.left(2)));
        s = s.mid(2);
    }
    qsizetype n = 0;
    while (n < s.size() && (istZiffer(s[n]) || s[n] == u'R')) ++n;
    QString teil = s.left(n);
    QString rest = s.mid(n);
    // "1042A": the voltage code behind the value, without a tolerance letter between them
    if (!u && teil.size() == 4 && !teil.contains(u'R') && rest.size() == 1 && istBuchstabe(rest[0]) &&
        (spannungsCode(teil.right(1) + rest) || !toleranzBuchstabe(rest[0]))) {
        rest = teil.right(1) + rest;
        teil.chop(1);
    }
    if (teil.isEmpty())
        return fehler(QStringLiteral("Der Code %1 beginnt nicht mit dem Wert: ein Kondensatorcode beginnt mit den "
                                     "Ziffern (z. B. 104 oder 4R7), davor darf der Spannungscode stehen (2A104J).")
                          .arg(code));
    const Teilwert w = ziffernTeil(System::Kondensator, teil);
    if (!w.wert) return fehler(w.fehler);
    const Toleranzbuchstabe* t = nullptr;
    if (!rest.isEmpty() && !istZiffer(rest[0])) {
        t = toleranzBuchstabe(rest[0]);
        if (!t)
            return fehler(QStringLiteral("Der Buchstabe %1 ist kein Toleranzbuchstabe (%2).").arg(rest[0]).arg(toleranzListe));
        rest = rest.mid(1);
    }
    if (!rest.isEmpty()) {
        if (rest.size() != 2 || !istSpannungsform(rest, 0))
            return fehler(QStringLiteral("Nach dem Wert steht %1: dort dürfen nur ein Toleranzbuchstabe (%2) und "
                                         "ein Spannungscode (%3) stehen.")
                              .arg(rest, toleranzListe, spannungsListe));
        if (u) return fehler(QStringLiteral("Der Code %1 enthält zwei Spannungscodes.").arg(code));
        u = spannungsCode(rest);
        if (!u) return fehler(unbekannteSpannung(rest));
    }
    const double farad = *w.wert * Piko;
    if (t && !passtZumWert(*t, farad)) return fehler(pikofaradMeldung(t->buchstabe));
    return {Lesung{farad, kondensatorCode(teil, t, u), t, u}, {}};
}

}  // namespace

QString systemName(System s) {
    switch (s) {
        case System::Dreistellig: return QStringLiteral("3-stellig");
        case System::Vierstellig: return QStringLiteral("4-stellig");
        case System::EIA96: return QStringLiteral("EIA-96");
        case System::Kondensator: return QStringLiteral("Kondensator");
    }
    return {};
}

std::span<const Toleranzbuchstabe> toleranzBuchstaben() { return toleranzTabelle; }

const Toleranzbuchstabe* toleranzBuchstabe(QChar c) {
    const QChar g = c.toUpper();
    for (const auto& t : toleranzTabelle)
        if (t.buchstabe == g.unicode()) return &t;
    return nullptr;
}

std::span<const Spannungscode> spannungsCodes() { return spannungsTabelle; }

const Spannungscode* spannungsCode(const QString& code) {
    const QString g = code.trimmed().toUpper();
    for (const auto& u : spannungsTabelle)
        if (g == QString::fromUtf16(u.code)) return &u;
    return nullptr;
}

const Spannungscode* spannungsCode(double volt) {
    for (const auto& u : spannungsTabelle)
        if (std::abs(u.volt - volt) < 1e-3) return &u;
    return nullptr;
}

bool passtZumWert(const Toleranzbuchstabe& t, double farad) { return !t.pikofarad || farad <= 10 * Piko * (1 + 1e-9); }

Leseergebnis lesen(System s, const QString& eingabe) {
    const QString code = normalform(eingabe);
    if (code.isEmpty())
        return fehler(QStringLiteral("Bitte den Code eingeben, wie er auf dem Bauteil steht (z. B. %1).")
                          .arg(s == System::Dreistellig   ? QStringLiteral("472")
                               : s == System::Vierstellig ? QStringLiteral("4702")
                               : s == System::EIA96       ? QStringLiteral("01C")
                                                          : QStringLiteral("104J")));
    switch (s) {
        case System::Dreistellig:
        case System::Vierstellig: return widerstandLesen(s, code);
        case System::EIA96: return eia96Lesen(code);
        case System::Kondensator: return kondensatorLesen(code);
    }
    return {};
}

std::optional<QString> codeFuer(System s, double wert) {
    if (!std::isfinite(wert) || wert < 0) return std::nullopt;
    if (s == System::EIA96) {
        for (const auto& e : eia96Tabelle())
            if (gleich(e.wert, wert)) return e.code;
        return std::nullopt;
    }
    const Ziffernsystem z = ziffernsystem(s);
    if (wert == 0) return codeAusRaster(s, 0, 0);
    const double v = wert / einheit(z);
    const Rasterlage r = rasterlage(z, v);
    if (!r.exakt) return std::nullopt;
    return codeAusRaster(s, r.n(), r.x);
}

double wertDesCodes(System s, const QString& code) {
    const Leseergebnis e = lesen(s, code);
    return e.lesung ? e.lesung->wert : 0.0;
}

Nachbarn naechsteCodes(System s, double wert) {
    if (!std::isfinite(wert) || wert < 0) return {};
    if (const auto c = codeFuer(s, wert)) return {c, c};
    if (s == System::EIA96) {
        const auto& t = eia96Tabelle();
        const auto it = std::lower_bound(t.begin(), t.end(), wert,
                                         [](const EiaEintrag& e, double w) { return e.wert < w; });
        Nachbarn n;
        if (it != t.begin()) n.unten = std::prev(it)->code;
        if (it != t.end()) n.oben = it->code;
        return n;
    }
    const Ziffernsystem z = ziffernsystem(s);
    const double v = wert / einheit(z);
    const double groesster = groessterWert(z);
    if (v > groesster) return {codeAusRaster(s, ganzZehnHoch(z.signifikant) - 1, z.hoechsteMulti), std::nullopt};
    if (v < kleinsterWert(z)) return {std::nullopt, codeAusRaster(s, 1, -z.signifikant)};
    const Rasterlage r = rasterlage(z, v);
    return {codeAusRaster(s, (long long)std::floor(r.q), r.x), codeAusRaster(s, (long long)std::ceil(r.q), r.x)};
}

QString kondensatorCode(const QString& wertcode, const Toleranzbuchstabe* t, const Spannungscode* u) {
    QString c;
    if (u) c += QString::fromUtf16(u->code);
    c += wertcode;
    if (t) c += QChar(t->buchstabe);
    return c;
}

QString wertText(bool kondensator, double wert, QChar dezimal) {
    return Zahlenausgabe(wert, dezimal) + (kondensator ? QStringLiteral("F") : OhmZeichen);
}

QString listenZeile(System s, double wert, QChar dezimal, const Toleranzbuchstabe* t, const Spannungscode* u) {
    const QString name = systemName(s) + QStringLiteral(": ");
    const bool kond = !istWiderstand(s);
    if (const auto c = codeFuer(s, wert)) return name + (kond ? kondensatorCode(*c, t, u) : *c);
    const Nachbarn n = naechsteCodes(s, wert);
    QStringList teile;
    if (n.unten)
        teile << QStringLiteral(u"darunter %1 = %2").arg(*n.unten, wertText(kond, wertDesCodes(s, *n.unten), dezimal));
    if (n.oben)
        teile << QStringLiteral(u"darüber %1 = %2").arg(*n.oben, wertText(kond, wertDesCodes(s, *n.oben), dezimal));
    QString z = name + QStringLiteral("nicht darstellbar");
    if (!teile.isEmpty()) z += QStringLiteral(" (") + teile.join(QStringLiteral(", ")) + u')';
    return z;
}

QStringList listenZeilen(bool kondensator, double wert, QChar dezimal, const Toleranzbuchstabe* t,
                         const Spannungscode* u) {
    if (kondensator) return {listenZeile(System::Kondensator, wert, dezimal, t, u)};
    QStringList l;
    for (System s : widerstandsSysteme) l << listenZeile(s, wert, dezimal);
    return l;
}

QString toleranzText(const Toleranzbuchstabe& t, QChar dezimal) {
    const QString b = QStringLiteral(" (%1)").arg(QChar(t.buchstabe));
    if (t.pikofarad) return u'±' + allgemein(t.plus, dezimal) + QStringLiteral(" pF") + b;
    if (t.plus != t.minus)
        return u'+' + allgemein(t.plus, dezimal) + u'/' + u'\u2212' + allgemein(t.minus, dezimal) +
               QStringLiteral(" %") + b;
    return u'±' + allgemein(t.plus, dezimal) + QStringLiteral(" %") + b;
}

QString spannungText(const Spannungscode& u, QChar dezimal) {
    return Zahlenausgabe(u.volt, dezimal) + QStringLiteral("V (") + QString::fromUtf16(u.code) + u')';
}

Toleranzgrenzen grenzen(double wert, double plus, double minus, bool kondensator, QChar dezimal) {
    const auto stufen = kondensator ? kondensatorcode::grenzStufen() : widerstandcode::grenzStufen();
    return {grenzText(wert + plus, stufen, dezimal), grenzText(std::max(0.0, wert - minus), stufen, dezimal)};
}

Toleranzgrenzen grenzen(double wert, const Toleranzbuchstabe& t, QChar dezimal) {
    if (t.pikofarad) return grenzen(wert, t.plus * Piko, t.minus * Piko, true, dezimal);
    return grenzen(wert, wert * t.plus / 100, wert * t.minus / 100, true, dezimal);
}

namespace {
// The letter in "±5 % (J)" or "(2A)".
QString inKlammern(const QString& s) {
    const qsizetype a = s.indexOf(u'('), e = s.indexOf(u')');
    if (a < 0 || e < a) return {};
    return s.mid(a + 1, e - a - 1).trimmed();
}
}  // namespace

Toleranzeingabe toleranzAusEingabe(const QString& eingabe, QChar dezimal) {
    QString s = eingabe.trimmed();
    if (s.isEmpty()) return {true, nullptr};
    if (const QString k = inKlammern(s); !k.isEmpty()) s = k;
    if (s.size() == 1 && s[0].isLetter()) {
        const Toleranzbuchstabe* t = toleranzBuchstabe(s[0]);
        return {t != nullptr, t};
    }
    if (s.startsWith(u'±') || s.startsWith(u'+')) s = s.mid(1);
    const auto v = Zahleneingabe(s, dezimal);
    if (!v) return {};
    const bool pf = s.contains(u'p');
    for (const auto& t : toleranzTabelle) {
        if (t.pikofarad != pf) continue;
        if (pf ? std::abs(*v / Piko - t.plus) < 1e-9 : *v == t.plus) return {true, &t};
    }
    return {};
}

Spannungseingabe spannungAusEingabe(const QString& eingabe, QChar dezimal) {
    QString s = eingabe.trimmed();
    if (s.isEmpty()) return {true, nullptr};
    if (const QString k = inKlammern(s); !k.isEmpty()) s = k;
    if (const Spannungscode* u = spannungsCode(s)) return {true, u};
    const auto v = Zahleneingabe(s, dezimal);
    if (!v) return {};
    const Spannungscode* u = spannungsCode(*v);
    return {u != nullptr, u};
}

QString toleranzMeldung(const QString& eingabe) {
    return QStringLiteral("Die Toleranz %1 hat keinen Kennbuchstaben.\r\rMöglich sind B (±0,1 pF), C (±0,25 pF), "
                          "D (±0,5 pF), F (1 %), G (2 %), J (5 %), K (10 %), M (20 %) und Z (+80/−20 %).")
        .arg(eingabe.trimmed());
}

QString spannungMeldung(const QString& eingabe) {
    return QStringLiteral("Die Spannung %1 hat keinen EIA-Spannungscode.\r\rMöglich sind 0J (6,3 V), 1A (10 V), "
                          "1C (16 V), 1E (25 V), 1V (35 V), 1H (50 V), 2A (100 V), 2D (200 V), 2E (250 V), "
                          "2G (400 V) und 2J (630 V).")
        .arg(eingabe.trimmed());
}

QString pikofaradMeldung(QChar buchstabe) {
    return QStringLiteral("Der Toleranzbuchstabe %1 gibt die Toleranz in pF an und gilt nur für Kondensatoren bis "
                          "10 pF.")
        .arg(buchstabe);
}

}  // namespace zelmo::smdcode
