// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "values/zahlen.h"

#include "values/zahltext.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <cmath>
#include <string>

namespace zelmo {

namespace {

struct Stufe {
    QChar buchstabe;
    double faktor;
};

// Prefixes largest first; the factors are exact decimal literals so that "1n" is exactly 1e-9.
const std::array<Stufe, 17> stufen{{{u'Y', 1e24},
                                    {u'Z', 1e21},
                                    {u'E', 1e18},
                                    {u'P', 1e15},
                                    {u'T', 1e12},
                                    {u'G', 1e9},
                                    {u'M', 1e6},
                                    {u'k', 1e3},
                                    {u' ', 1.0},
                                    {u'm', 1e-3},
                                    {u'\u00B5', 1e-6},
                                    {u'n', 1e-9},
                                    {u'p', 1e-12},
                                    {u'f', 1e-15},
                                    {u'a', 1e-18},
                                    {u'z', 1e-21},
                                    {u'y', 1e-24}}};

// Inverse factors for the prefixes below one, so that scaling is a multiplication.
const std::array<double, 8> kehrwerte{1e3, 1e6, 1e9, 1e12, 1e15, 1e18, 1e21, 1e24};

bool istZiffer(QChar c) { return c >= u'0' && c <= u'9'; }
bool istExponentZeichen(QChar c) { return istZiffer(c) || c == u'+' || c == u'-'; }
bool istZahlZeichen(QChar c) { return istExponentZeichen(c) || c == u',' || c == u'.'; }

// A decimal number in the system format (optional sign, digits, at most one separator) as the text
// leseCZahl reads; nothing when the text is no such number.
std::optional<std::string> dezimalText(const QString& t, QChar dezimal) {
    if (t.isEmpty()) return std::nullopt;
    std::string ascii;
    ascii.reserve(size_t(t.size()));
    qsizetype i = 0;
    if (t[0] == u'+' || t[0] == u'-') {
        ascii += char(t[0].unicode());
        i = 1;
    }
    bool trenner = false;
    bool ziffern = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (istZiffer(c)) {
            ascii += char(c.unicode());
            ziffern = true;
        } else if (c == dezimal && !trenner) {
            ascii += '.';
            trenner = true;
        } else {
            return std::nullopt;
        }
    }
    if (!ziffern) return std::nullopt;
    return ascii;
}

// The number of a text in C notation, read whole; nothing beyond the double range (overflow, or a
// value that is not zero but would read as zero).
std::optional<double> leseAscii(const std::string& ascii) {
    const auto w = leseCZahl(ascii);
    if (!w) return std::nullopt;
    if (*w == 0.0 && ascii.find_first_of("123456789") < ascii.find_first_of("eE")) return std::nullopt;
    return w;
}

std::optional<double> leseDezimalzahl(const QString& t, QChar dezimal) {
    const auto ascii = dezimalText(t, dezimal);
    if (!ascii) return std::nullopt;
    return leseAscii(*ascii);
}

std::optional<int> leseGanzzahl(const QString& t) {
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

// The 15 significant digits of a non-negative finite value; the first digit stands at 10^exponent.
struct Stellen {
    std::array<char, 15> ziffern;
    int exponent;
};

Stellen fuenfzehnStellen(double betrag) {
    char puffer[32];
    // the same digits as printf's "%.14e": d.dddddddddddddde[+-]xx
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, 14).ptr;
    Stellen s;
    s.ziffern[0] = puffer[0];
    std::copy(puffer + 2, puffer + 16, s.ziffern.begin() + 1);
    const char* e = puffer + 17;  // after the 'e'
    if (*e == '+') ++e;
    std::from_chars(e, ende, s.exponent);
    return s;
}

}  // namespace

std::optional<double> vorsatzFaktor(QChar c) {
    if (c == u'u' || c == u'\u03BC') return 1e-6;
    if (c == u' ') return std::nullopt;
    for (const auto& s : stufen)
        if (s.buchstabe == c) return s.faktor;
    return std::nullopt;
}

std::optional<double> Gleitkommazahl(const QString& s, QChar dezimal) {
    const QString t = s.trimmed();
    const qsizetype e = t.indexOf(u'E', 0, Qt::CaseInsensitive);
    if (e < 0) return leseDezimalzahl(t, dezimal);
    const auto m = leseDezimalzahl(t.left(e), dezimal);
    const QString ex = t.mid(e + 1);
    bool ok = !ex.isEmpty() && std::none_of(ex.begin(), ex.end(), [](QChar c) { return c.isSpace(); });
    const int n = ok ? ex.toInt(&ok) : 0;
    if (!m || !ok) return std::nullopt;
    const double w = *m * std::pow(10.0, n);
    if (!std::isfinite(w)) return std::nullopt;
    // below the normal range the power of ten has lost digits (10^-324 is no double at all): there the
    // number is read exactly from its text, so that what was written reads back as itself; a number
    // below even that range is none (never zero)
    if (*m != 0 && std::fabs(w) < std::numeric_limits<double>::min()) {
        const auto mantisse = dezimalText(t.left(e), dezimal);
        return mantisse ? leseAscii(*mantisse + 'e' + std::to_string(n)) : std::nullopt;
    }
    return w;
}

namespace {

// Exponent form from the "E" at position p: the mantissa's number characters before it, then the
// exponent (sign and digits) right after it; any number character after the exponent, or a blank
// between "E" and the exponent, makes the text no number.
std::optional<double> exponentForm(const QString& s, qsizetype p, QChar dezimal) {
    qsizetype q = p + 1;
    while (q < s.size() && istExponentZeichen(s[q])) ++q;
    const QString exponent = s.mid(p + 1, q - p - 1);
    for (qsizetype i = q; i < s.size(); ++i)
        if (istZahlZeichen(s[i])) return std::nullopt;
    QString mantisse;
    for (qsizetype i = 0; i < p; ++i)
        if (istZahlZeichen(s[i])) mantisse += s[i];
    const auto e = leseGanzzahl(exponent);
    const auto m = dezimalText(mantisse, dezimal);
    if (!e || !m) return std::nullopt;
    return leseAscii(*m + 'e' + std::to_string(*e));
}

// The letter code of component markings (IEC 60062): a prefix letter stands for the decimal point and
// gives its factor, between the digits or before them ("4k7", "2M2", "4n7", "1µ5", "k47" is 470, "n47"
// 0,47n; "K" as on resistors counts as kilo); "R" stands for the point without a factor ("4R7", "R47").
// Returns nothing when the text is not in this form, and a conversion error when it is, but more
// number characters or another prefix follow.
std::optional<std::optional<double>> buchstabenCode(const QString& s, QChar dezimal) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ') ++i;
    const qsizetype anfang = i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    const qsizetype ganzAnfang = i;
    while (i < s.size() && istZiffer(s[i])) ++i;
    const QString ganz = s.mid(ganzAnfang, i - ganzAnfang);
    // "1,5k7": a decimal point of its own besides the letter is no number
    bool trenner = false;
    if (!ganz.isEmpty() && i + 1 < s.size() && (s[i] == u',' || s[i] == u'.') && istZiffer(s[i + 1])) {
        trenner = true;
        ++i;
        while (i < s.size() && istZiffer(s[i])) ++i;
    }
    if (i >= s.size()) return std::nullopt;
    const QChar buchstabe = s[i];
    double faktor = 1.0;
    if (buchstabe == u'K')
        faktor = 1e3;
    else if (buchstabe == u'R')
        faktor = 1.0;
    else if (const auto f = vorsatzFaktor(buchstabe))
        faktor = *f;
    else
        return std::nullopt;
    const qsizetype bruchAnfang = ++i;
    while (i < s.size() && istZiffer(s[i])) ++i;
    if (i == bruchAnfang) return std::nullopt;
    if (trenner) return std::optional<double>();
    qsizetype r = i;
    while (r < s.size() && s[r] == u' ') ++r;
    if (r < s.size() && vorsatzFaktor(s[r])) return std::optional<double>();
    for (qsizetype k = r; k < s.size(); ++k)
        if (istZahlZeichen(s[k])) return std::optional<double>();
    QString zahl = s.mid(anfang, ganzAnfang - anfang) + (ganz.isEmpty() ? QStringLiteral("0") : ganz) + dezimal +
                   s.mid(bruchAnfang, i - bruchAnfang);
    const auto z = leseDezimalzahl(zahl, dezimal);
    if (!z) return std::optional<double>();
    const double w = *z * faktor;
    if (!std::isfinite(w)) return std::optional<double>();
    return std::optional<double>(w);
}

// A letter of the letter code (a prefix letter, "K" or "R") before the first digit or separator: such
// a text is read by the letter code or not at all, never with the letter dropped ("k 47", "n,47",
// "-m 5").
bool buchstabeVorDerZahl(const QString& s) {
    for (QChar c : s) {
        if (istZiffer(c) || c == u',' || c == u'.') return false;
        if (c == u'K' || c == u'R' || vorsatzFaktor(c)) return true;
    }
    return false;
}

}  // namespace

std::optional<double> Zahleneingabe(const QString& s, QChar dezimal) {
    // Exponent form: an "E" (else an "e") followed by a sign or digit.
    qsizetype p = s.indexOf(u'E');
    if (p < 0) p = s.indexOf(u'e');
    if (p >= 0) {
        if (p + 1 < s.size() && istExponentZeichen(s[p + 1]))
            return buchstabeVorDerZahl(s) ? std::nullopt : exponentForm(s, p, dezimal);
        // "1 E 3": an exponent set apart by blanks (or a tab or no-break space pasted in) is no number,
        // and not the prefix E
        qsizetype q = p + 1;
        while (q < s.size() && s[q].isSpace()) ++q;
        if (q > p + 1 && q < s.size() && istExponentZeichen(s[q])) return std::nullopt;
    }

    if (const auto code = buchstabenCode(s, dezimal)) return *code;
    if (buchstabeVorDerZahl(s)) return std::nullopt;

    // Plain form: all number characters wherever they stand, then one prefix letter.
    QString rest = s;
    while (rest.startsWith(u' ')) rest.remove(0, 1);
    QString ziffern;
    for (QChar c : rest)
        if (istZahlZeichen(c)) ziffern += c;
    rest.remove(0, ziffern.size());
    while (rest.startsWith(u' ')) rest.remove(0, 1);
    double faktor = 1.0;
    if (!rest.isEmpty() && rest[0] != u' ')
        if (const auto f = vorsatzFaktor(rest[0])) faktor = *f;
    const auto z = leseDezimalzahl(ziffern, dezimal);
    if (!z) return std::nullopt;
    const double w = *z * faktor;
    if (!std::isfinite(w)) return std::nullopt;
    return w;
}

void festkommaAnhaengen(QString& ziel, double wert, int nachkomma, QChar dezimal) {
    if (!std::isfinite(wert)) {
        ziel += QLatin1StringView("---");
        return;
    }
    const bool negativ = std::signbit(wert) && wert != 0.0;
    // 15 significant digits first, so that 999.995 counts as 999.995 and not as 999.99499999...
    const Stellen st = fuenfzehnStellen(std::fabs(wert));
    // digits of the number: leading zeros when the value is below one, the 15 digits, then zeros;
    // the decimal point stands after `punkt` of them
    int punkt = st.exponent + 1;
    const int vorNullen = punkt <= 0 ? 1 - punkt : 0;
    if (punkt <= 0) punkt = 1;
    const auto ziffer = [&](int i) {
        i -= vorNullen;
        return i >= 0 && i < 15 ? st.ziffern[size_t(i)] : '0';
    };
    // round half away from zero at position punkt + nachkomma
    const int behalten = punkt + nachkomma;
    QVarLengthArray<char, 64> z(behalten + 1);
    z[0] = '0';  // room for a carry
    for (int i = 0; i < behalten; ++i) z[i + 1] = ziffer(i);
    if (ziffer(behalten) >= '5') {
        int i = behalten;
        while (z[i] == '9') z[i--] = '0';
        ++z[i];
    }
    // the integer part without leading zeros, at least one digit
    int anfang = z[0] == '0' ? 1 : 0;
    const int komma = punkt + 1;  // index in z after the integer part
    while (anfang < komma - 1 && z[anfang] == '0') ++anfang;
    bool nurNullen = true;
    for (int i = anfang; i < behalten + 1; ++i)
        if (z[i] != '0') nurNullen = false;
    if (negativ && !nurNullen) ziel += u'-';
    ziel += QLatin1StringView(z.data() + anfang, komma - anfang);
    if (nachkomma > 0) {
        ziel += dezimal;
        ziel += QLatin1StringView(z.data() + komma, nachkomma);
    }
}

QString festkomma(double wert, int nachkomma, QChar dezimal) {
    QString text;
    festkommaAnhaengen(text, wert, nachkomma, dezimal);
    return text;
}

QString allgemein(double wert, QChar dezimal) {
    if (!std::isfinite(wert)) return QStringLiteral("---");
    if (wert == 0.0) return QStringLiteral("0");
    const double betrag = std::fabs(wert);
    std::string z;
    int exponent = 0;
    if (betrag < std::numeric_limits<double>::min()) {
        // below the normal range a number holds fewer than fifteen significant digits, so its
        // fifteen-digit form may read back as a neighbour and drift with every save: the shortest
        // digits that read back as the number itself ("7,5E-310")
        char puffer[40];
        const char* ende = std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific).ptr;
        const char* e = std::find(static_cast<const char*>(puffer), ende, 'e');
        for (const char* c = puffer; c < e; ++c)
            if (*c != '.') z += *c;
        std::from_chars(e + 1, ende, exponent);
    } else {
        const Stellen st = fuenfzehnStellen(betrag);
        z.assign(st.ziffern.data(), st.ziffern.size());
        exponent = st.exponent;
    }
    while (z.size() > 1 && z.back() == '0') z.pop_back();
    const auto latin = [](const std::string& t, size_t von, size_t n) {
        return QString::fromLatin1(t.data() + von, qsizetype(n));
    };
    QString t;
    // the form follows the rounded digits: 999999999999999,88 rounds to 1E15 and must be written as
    // 1E15 is, or the text would change with the next save
    if (exponent < -5 || exponent >= 15) {
        // exponent notation: "1,5E-7", "1E21"
        t = latin(z, 0, 1);
        if (z.size() > 1) t += dezimal + latin(z, 1, z.size() - 1);
        t += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const size_t ganz = size_t(exponent) + 1;
        if (z.size() <= ganz) {
            t = latin(z, 0, z.size()) + QString(qsizetype(ganz - z.size()), u'0');
        } else {
            t = latin(z, 0, ganz) + dezimal + latin(z, ganz, z.size() - ganz);
        }
    } else {
        t = QStringLiteral("0") + dezimal + QString(-exponent - 1, u'0') + latin(z, 0, z.size());
    }
    if (wert < 0) t.prepend(u'-');
    return t;
}

QString Zahlenausgabe(double Wert, QChar dezimal) {
    if (!std::isfinite(Wert)) return QStringLiteral("--- ");
    if (Wert == 0.0) return festkomma(0.0, 2, dezimal) + u' ';
    const bool negativ = Wert < 0;
    const double betrag = std::fabs(Wert);
    constexpr double Epsilon = 0.001;
    for (size_t i = 0; i < stufen.size(); ++i) {
        const double f = stufen[i].faktor;
        // |Wert| * 1e24 against the threshold f * 1e24 with the tolerance Epsilon, i.e. 1e-27 on
        // the value; comparing with the factor itself lets an exact power of ten open its range.
        if (betrag >= f || std::fabs(betrag - f) * 1e24 <= Epsilon) {
            const double zahl = i <= 8 ? betrag / f : betrag * kehrwerte[i - 9];
            QString prefix = QStringLiteral(" ");
            if (stufen[i].buchstabe != u' ') prefix += stufen[i].buchstabe;
            return festkomma(negativ ? -zahl : zahl, 2, dezimal) + prefix;
        }
    }
    // below 1e-24 the smallest prefix still names the scale ("0,50 y")
    const double zahl = betrag * kehrwerte.back();
    return festkomma(negativ ? -zahl : zahl, 2, dezimal) + QStringLiteral(" ") + stufen.back().buchstabe;
}

QString EinheitVorsatz(double Wert, const QString& einheitAb1) {
    if (Wert < 0) return EinheitVorsatz(-Wert, einheitAb1);
    for (size_t i = 0; i < 8; ++i)
        if (Wert >= stufen[i].faktor) return QString(stufen[i].buchstabe);
    if (Wert >= 1.0) return einheitAb1;
    for (size_t i = 9; i < stufen.size(); ++i)
        if (Wert >= stufen[i].faktor) return QString(stufen[i].buchstabe);
    if (Wert > 0) return QString(stufen.back().buchstabe);  // below 1e-24: still yocto
    return QStringLiteral("  ");
}

double AnzeigeWert(double Wert) {
    if (Wert < 0) return -AnzeigeWert(-Wert);
    if (!(Wert > 0)) return Wert;  // zero and NaN
    static const std::array<double, 8> grenzenKlein{1e-21, 1e-18, 1e-15, 1e-12, 1e-9, 1e-6, 1e-3, 1.0};
    static const std::array<double, 8> faktorenKlein{1e24, 1e21, 1e18, 1e15, 1e12, 1e9, 1e6, 1e3};
    for (size_t i = 0; i < grenzenKlein.size(); ++i)
        if (Wert < grenzenKlein[i]) return Wert * faktorenKlein[i];
    static const std::array<double, 8> grenzenGross{9.9999e23, 9.9999e20, 9.9999e17, 9.9999e14,
                                                    9.9999e11, 9.9999e8,  999990.0,  999.99};
    static const std::array<double, 8> teiler{1e24, 1e21, 1e18, 1e15, 1e12, 1e9, 1e6, 1e3};
    for (size_t i = 0; i < grenzenGross.size(); ++i)
        if (Wert > grenzenGross[i]) return Wert / teiler[i];
    return Wert;
}

double EinheitinWert(const QString& Vorsatz) {
    if (Vorsatz.isEmpty()) return 1.0;
    const QChar c = Vorsatz[0];
    if (c == u'u') return 1.0;
    return vorsatzFaktor(c).value_or(1.0);
}

Anzeige AnzeigeMitVorsatz(double wert, QChar dezimal) {
    if (!std::isfinite(wert)) return {festkomma(wert, 2, dezimal), QString()};
    if (wert < 0) {
        Anzeige a = AnzeigeMitVorsatz(-wert, dezimal);
        a.zahl.prepend(u'-');
        return a;
    }
    if (wert == 0) return {festkomma(0.0, 2, dezimal), EinheitVorsatz(wert)};
    const double skaliert = AnzeigeWert(wert);
    // the power of 1000 that AnzeigeWert divided by: 8 is no prefix, 0 is "Y", 16 is "y"
    const int i = 8 - int(std::lround(std::log10(wert / skaliert) / 3.0));
    if (i < 0 || i >= int(stufen.size())) return {festkomma(skaliert, 2, dezimal), EinheitVorsatz(wert)};
    const QChar b = stufen[size_t(i)].buchstabe;
    return {festkomma(skaliert, 2, dezimal), b == u' ' ? QString() : QString(b)};
}

std::optional<double> angezeigterWert(const QString& zahl, const QString& einheit, QChar dezimal) {
    const auto z = Zahleneingabe(zahl, dezimal);
    if (!z) return std::nullopt;
    const double w = *z * EinheitinWert(einheit);
    if (!std::isfinite(w) || !(w > 0)) return std::nullopt;
    return w;
}

QString Grenzwert(double Wert, QChar dezimal) {
    if (!std::isfinite(Wert)) return QStringLiteral("---");
    return allgemein(AnzeigeWert(Wert), dezimal) + EinheitVorsatz(Wert);
}

}  // namespace zelmo
