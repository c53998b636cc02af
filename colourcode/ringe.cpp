// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/ringe.h"

#include <cmath>
#include <cstdlib>

#include "eseries/ereihen.h"
#include "values/zahlen.h"
#include "values/zahltext.h"

namespace zelmo {

namespace {

constexpr std::array<Farbwert, 10> ziffernFarben{clBlack, clMaroon, clRed,     Orange, clYellow,
                                                 clGreen, clBlue,   clFuchsia, clGray, clWhite};

bool istZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

const Palette& standardPalette() {
    static const Palette p{{{u"schwarz", 33, clBlack, clBlack},
                            {u"braun", 34, clMaroon, clMaroon},
                            {u"rot", 35, clRed, clRed},
                            {u"orange", 36, Orange, Orange},
                            {u"gelb", 37, clYellow, clYellow},
                            {u"grün", 38, clGreen, clGreen},
                            {u"blau", 39, clBlue, clBlue},
                            {u"violett", 40, clFuchsia, clFuchsia},
                            {u"grau", 41, clGray, clGray},
                            {u"weiß", 42, clWhite, clWhite},
                            {u"silber", 43, clSilver, clSilver},
                            {u"gold", 44, Gold, Gold},
                            {u"ohne", 45, Hintergrund, Seitenhintergrund}}};
    return p;
}

const Palette& drosselPalette() {
    static const Palette p = [] {
        Palette d = standardPalette();
        d[10] = {u"gold", 43, Gold, Gold};
        d[11] = {u"silver", 44, clSilver, clSilver};
        return d;
    }();
    return p;
}

Ringtabelle ringtabelle(const Palette& palette, const std::array<const char16_t*, Farbzeilen>& texte,
                        const std::array<std::optional<double>, Farbzeilen>& werte) {
    Ringtabelle t;
    for (int r = 0; r < Farbzeilen; ++r) {
        auto& z = t[size_t(r)];
        z.text = texte[size_t(r)] ? QString::fromUtf16(texte[size_t(r)]) : QString();
        z.wert = werte[size_t(r)];
        if (z.wert) z.farbe = palette[size_t(r)].farbe;
    }
    return t;
}

Ringtabelle ziffernTabelle(const Palette& palette, int ab) {
    Ringtabelle t;
    for (int r = 0; r < 10; ++r) {
        auto& z = t[size_t(r)];
        z.text = QString::number(r);
        if (r >= ab) {
            z.wert = r;
            z.farbe = palette[size_t(r)].farbe;
        }
    }
    return t;
}

std::vector<int> leereZeilen(const Ringtabelle& t) {
    std::vector<int> leer;
    for (int r = 0; r < Farbzeilen; ++r)
        if (t[size_t(r)].text.isEmpty()) leer.push_back(r);
    return leer;
}

std::optional<int> zeileMitWert(const Ringtabelle& t, double w, double skala) {
    for (int r = 0; r < Farbzeilen; ++r)
        if (t[size_t(r)].wert && *t[size_t(r)].wert * skala == w * skala) return r;
    return std::nullopt;
}

std::optional<double> wertDerFarbe(const Ringtabelle& t, Farbwert f) {
    for (const auto& z : t)
        if (z.farbe && *z.farbe == f && z.wert) return z.wert;
    return std::nullopt;
}

QChar ziffernZeichen(Farbwert f) {
    for (size_t d = 0; d < ziffernFarben.size(); ++d)
        if (ziffernFarben[d] == f) return QChar(u'0' + char16_t(d));
    return u'0';
}

Farbwert ziffernFarbe(int d) { return ziffernFarben.at(size_t(d)); }

std::optional<double> wertMitZiffer(double wert, double skala, int stelle, QChar zeichen, QChar dezimal) {
    QString t = allgemein(wert * skala, dezimal);
    if (stelle < t.size())
        t[stelle] = zeichen;
    else
        t.append(zeichen);
    const auto v = Zahleneingabe(t, dezimal);
    if (!v || !(*v > 0.0) || !std::isfinite(*v / skala)) return std::nullopt;
    return *v / skala;
}

std::optional<double> wertMitMultiplikator(double wert, double skala, int k, double m, QChar dezimal) {
    QString t = allgemein(wert * skala, dezimal).left(k);
    // only the leading digits count: the "E" of an exponent text is no prefix here
    qsizetype ende = 0;
    while (ende < t.size() && (istZiffer(t[ende]) || t[ende] == dezimal)) ++ende;
    t.truncate(ende);
    const auto v = Zahleneingabe(t, dezimal);
    if (!v || !(*v > 0.0)) return std::nullopt;
    const double ergebnis = *v * m;
    if (!(ergebnis > 0.0) || !std::isfinite(ergebnis)) return std::nullopt;
    return ergebnis;
}

int stellenzahl(double x) {
    const double r = std::round(x);
    if (!(r >= 10.0)) return 1;
    if (!std::isfinite(r)) return 0;
    int n = 1;
    double p = 10.0;
    while (r >= p) {
        ++n;
        p *= 10.0;
    }
    return n;
}

int ganzeStellen(double x) {
    if (!std::isfinite(x) || !(x >= 1.0)) return 0;
    // the integer part of x rounded to 15 significant digits
    const double ganz = std::floor(leseCZahl(schreibeCZahl(x, std::chars_format::scientific, 14)).value_or(x));
    int n = 1;
    double p = 10.0;
    while (ganz >= p) {
        ++n;
        p *= 10.0;
    }
    return n;
}

std::vector<std::optional<int>> ziffernAusText(const QString& d, int k, int ersteAb) {
    std::vector<std::optional<int>> zeilen(size_t(std::max(0, k)));
    for (int i = 0; i < k && i < d.size(); ++i) {
        const QChar c = d[i];
        if (!istZiffer(c)) continue;
        const int ziffer = c.unicode() - u'0';
        if (i == 0 && ziffer < ersteAb) continue;
        zeilen[size_t(i)] = ziffer;
    }
    return zeilen;
}

std::optional<int> zeileFuerStellen(std::span<const Stellenzeile> tabelle, int n) {
    for (const auto& z : tabelle)
        if (z.n == n) return z.zeile;
    return std::nullopt;
}

Ringbelegung ringeAusWert(double wert, const Ringcodierung& c, QChar dezimal) {
    Ringbelegung b;
    const QString d = allgemein(wert * c.ziffernFaktor, dezimal).trimmed();
    b.ziffern = ziffernAusText(d, c.ziffernringe, c.ersteZifferAb);
    const double x = wert * c.stellenFaktor;
    b.multiplikator = zeileFuerStellen(c.multiplikator, c.ganzeStellenZaehlen ? ganzeStellen(x) : stellenzahl(x));
    return b;
}

QString grenzText(double v, std::span<const Grenzstufe> stufen, QChar dezimal) {
    if (stufen.empty()) return {};
    const Grenzstufe* s = &stufen.back();
    for (const auto& st : stufen)
        if (v > st.schwelle) {
            s = &st;
            break;
        }
    double x = v * s->mal / s->teiler;
    if (std::isfinite(x) && x != 0.0) {
        x = leseCZahl(schreibeCZahl(x, std::chars_format::scientific, 5)).value_or(x);
    }
    return festkomma(x, 2, dezimal) + QString::fromUtf16(s->text);
}

Toleranzgrenzen toleranzgrenzen(double w, double d, std::span<const Grenzstufe> stufen, QChar dezimal) {
    return {grenzText(w + d, stufen, dezimal), grenzText(w - d, stufen, dezimal)};
}

const QString keineEReihe = QStringLiteral("    Wert ist in\r    k e i n e r\r    E-Reihe\r    enthalten");

QStringList eReihenZeilen(double w, Reihenzeilen stil) {
    static const std::array<const char*, 6> widerstand{" E 3    -  >20%", " E 6    -  20%",   " E 12  -  10%",
                                                       " E 24  -    5%",  " E 48  -    2%", " E 96  -    1%"};
    static const std::array<const char*, 6> kondensator{" E 3    -  >20%",  " E 6    -    20%",
                                                        " E 12  -    10%",  " E 24  -      5%",
                                                        " E 48  -      2%", " E 96  -      1%"};
    const auto& texte = stil == Reihenzeilen::Kondensator ? kondensator : widerstand;
    QStringList zeilen;
    for (EReihe r : EReihenMitWert(w)) zeilen << QString::fromLatin1(texte[size_t(r)]);
    if (zeilen.isEmpty()) zeilen << keineEReihe;
    return zeilen;
}

}  // namespace zelmo
