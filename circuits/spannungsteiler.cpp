// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/spannungsteiler.h"

#include <cmath>
#include <limits>

#include "values/zahlen.h"

namespace zelmo::teiler {

namespace {

using Art = Hindernis::Art;

bool positiv(double w) { return std::isfinite(w) && w > 0; }

Hindernis nichtDarstellbar(double w) { return {Art::NichtDarstellbar, w}; }

QString mitEinheit(double w, const char16_t* einheit, QChar dezimal) {
    return Zahlenausgabe(w, dezimal) + QString::fromUtf16(einheit);
}

}  // namespace

double angezeigt(double wert) {
    if (!std::isfinite(wert)) return std::numeric_limits<double>::quiet_NaN();
    return Zahleneingabe(Zahlenausgabe(wert, u','), u',').value_or(std::numeric_limits<double>::quiet_NaN());
}

double festAngezeigt(double wert, int nachkomma) {
    if (!std::isfinite(wert)) return std::numeric_limits<double>::quiet_NaN();
    return Zahleneingabe(festkomma(wert, nachkomma, u','), u',')
        .value_or(std::numeric_limits<double>::quiet_NaN());
}

bool darstellbar(double wert) { return std::isfinite(wert) && wert >= 1e-24 && wert < 1e27; }

Ergebnis<Widerstaende> spannungsteilerOhneLast(double U, double U2, double I) {
    if (!positiv(U) || !positiv(U2) || !positiv(I)) return Hindernis{Art::Eingabe};
    if (!(U2 < U)) return Hindernis{Art::U2NichtKleinerU, U2, U};
    const double R1 = (U - U2) / I;
    const double R2 = U2 / I;
    const double RG = R1 + R2;
    for (double w : {R1, R2, RG})
        if (!darstellbar(w)) return nichtDarstellbar(w);
    return Widerstaende{R1, R2, RG};
}

Ergebnis<Widerstaende> spannungsteilerMitLast(double U, double U2, double IL, double QF, double RL) {
    if (!positiv(U) || !positiv(U2) || !positiv(IL) || !positiv(QF) || !positiv(RL))
        return Hindernis{Art::Eingabe};
    if (!(U2 < U)) return Hindernis{Art::U2NichtKleinerU, U2, U};
    const double Iq = IL * QF;
    const double R2 = U2 / Iq;
    const double R1 = (U - U2) / (Iq + IL);
    const double RG = R2 * RL / (R2 + RL) + R1;
    for (double w : {R1, R2, RG})
        if (!darstellbar(w)) return nichtDarstellbar(w);
    return Widerstaende{R1, R2, RG};
}

Ergebnis<Stromteilerwerte> stromteiler(double U, double I, double I2, std::optional<double> RL) {
    if (!positiv(U) || !positiv(I) || !positiv(I2) || (RL && !positiv(*RL))) return Hindernis{Art::Eingabe};
    if (!(I2 < I)) return Hindernis{Art::I2NichtKleinerI, I2, I};
    Stromteilerwerte e{};
    e.R1 = U / (I - I2);
    if (RL) {
        const double UL = I2 * *RL;
        e.R2 = U / I2 - *RL;
        if (!(UL < U) || !(e.R2 > 0)) return Hindernis{Art::LastZuGross, UL, U};
        if (!darstellbar(angezeigt(UL))) return nichtDarstellbar(UL);
        e.UL = UL;
        e.RG = (e.R2 + *RL) * e.R1 / (e.R1 + e.R2 + *RL);
    } else {
        e.R2 = U / I2;
        e.RG = e.R1 * e.R2 / (e.R1 + e.R2);
    }
    for (double w : {e.R1, e.R2, e.RG})
        if (!darstellbar(w)) return nichtDarstellbar(w);
    return e;
}

QString verhaeltnisText(bool strom, double teil, double ganz, QChar dezimal) {
    QString t = strom ? QStringLiteral("   1  : ") : QStringLiteral("    1  : ");
    const double v = teil / ganz;
    if (std::isfinite(v)) t += festkomma(v, 1, dezimal);
    return t;
}

Ergebnis<double> querstromfaktor(double I, double IL) {
    if (!positiv(I) || !positiv(IL)) return Hindernis{Art::Eingabe};
    if (!(I > IL)) return Hindernis{Art::StromNichtGroesserIL, I, IL};
    const double QF = (I - IL) / IL;
    const double gezeigt = festAngezeigt(QF, 2);
    if (!(gezeigt > 0)) return Hindernis{Art::QuerstromfaktorNull, gezeigt};
    if (!darstellbar(gezeigt)) return nichtDarstellbar(QF);
    return QF;
}

Ergebnis<double> stromDurchR1(double IL, double QF) {
    if (!positiv(IL) || !positiv(QF)) return Hindernis{Art::Eingabe};
    const double I = IL * QF + IL;
    if (!darstellbar(angezeigt(I))) return nichtDarstellbar(I);
    return I;
}

Ergebnis<double> quotient(double a, double b) {
    if (!positiv(a) || !positiv(b)) return Hindernis{Art::Eingabe};
    const double q = a / b;
    if (!darstellbar(angezeigt(q))) return nichtDarstellbar(q);
    return q;
}

Ergebnis<double> produkt(double a, double b) {
    if (!positiv(a) || !positiv(b)) return Hindernis{Art::Eingabe};
    const double p = a * b;
    if (!darstellbar(angezeigt(p))) return nichtDarstellbar(p);
    return p;
}

Ergebnis<SpannungVorwaerts> spannungVorwaerts(double U, double R1, double R2, std::optional<double> RL) {
    if (!positiv(U) || (RL && !positiv(*RL))) return Hindernis{Art::Eingabe};
    if (!positiv(R1)) return Hindernis{Art::WiderstandNull, 1};
    if (!positiv(R2)) return Hindernis{Art::WiderstandNull, 2};
    SpannungVorwaerts e{};
    if (RL) {
        const double R = R2 * *RL / (R2 + *RL);
        e.U2 = U * R / (R1 + R);
        e.RG = R1 + R;
    } else {
        e.U2 = U / ((R1 + R2) / R2);
        e.RG = R1 + R2;
    }
    // from the calculated U2: the rounded one would cancel against U when R1 is small against R2
    e.I = (U - e.U2) / R1;
    const double U2gezeigt = angezeigt(e.U2);
    if (!darstellbar(U2gezeigt)) return nichtDarstellbar(e.U2);
    if (!(U2gezeigt < U)) return Hindernis{Art::U2NichtKleinerU, U2gezeigt, U};
    if (!darstellbar(angezeigt(e.I))) return nichtDarstellbar(e.I);
    if (!darstellbar(e.RG)) return nichtDarstellbar(e.RG);
    return e;
}

Ergebnis<StromVorwaerts> stromVorwaerts(double U, double R1, double R2, std::optional<double> RL, bool ausR2,
                                        double I2) {
    if (!positiv(U) || (RL && !positiv(*RL)) || (!ausR2 && !positiv(I2))) return Hindernis{Art::Eingabe};
    if (!positiv(R1)) return Hindernis{Art::WiderstandNull, 1};
    if (!positiv(R2)) return Hindernis{Art::WiderstandNull, 2};
    StromVorwaerts e{};
    double I2neu = 0;
    if (RL) {
        I2neu = U / (R2 + *RL);
        e.I = U / R1 + U / (R2 + *RL);
        e.RG = (R2 + *RL) * R1 / (R1 + R2 + *RL);
    } else {
        I2neu = U / R2;
        e.I = U / R1 + U / R2;
        e.RG = R1 * R2 / (R1 + R2);
    }
    const double Igezeigt = angezeigt(e.I);
    if (!darstellbar(Igezeigt)) return nichtDarstellbar(e.I);
    double I2gezeigt = I2;
    if (ausR2) {
        e.I2 = I2neu;
        I2gezeigt = angezeigt(I2neu);
        if (!darstellbar(I2gezeigt)) return nichtDarstellbar(I2neu);
    }
    if (!(I2gezeigt < Igezeigt)) return Hindernis{Art::I2NichtKleinerI, I2gezeigt, Igezeigt};
    if (RL) {
        const double UL = I2gezeigt * *RL;
        if (!(UL < U)) return Hindernis{Art::LastZuGross, UL, U};
        if (ausR2) {
            if (!darstellbar(angezeigt(UL))) return nichtDarstellbar(UL);
            e.UL = UL;
        }
    }
    if (!darstellbar(e.RG)) return nichtDarstellbar(e.RG);
    return e;
}

Ergebnis<AusGesamtwiderstand> spannungAusGesamtwiderstand(double U, double U2, double RG) {
    if (!positiv(U) || !positiv(U2)) return Hindernis{Art::Eingabe};
    if (!positiv(RG)) return Hindernis{Art::WiderstandNull, 0};
    if (!(U2 < U)) return Hindernis{Art::U2NichtKleinerU, U2, U};
    AusGesamtwiderstand e{};
    e.I = U / RG;
    const double Igezeigt = angezeigt(e.I);
    if (!darstellbar(Igezeigt)) return nichtDarstellbar(e.I);
    e.R1 = (U - U2) / Igezeigt;
    e.R2 = U2 / Igezeigt;
    for (double w : {e.R1, e.R2})
        if (!darstellbar(w)) return nichtDarstellbar(w);
    return e;
}

QString meldung(const Hindernis& h, QChar dezimal) {
    switch (h.art) {
        case Art::Eingabe:
            return QStringLiteral(u"Aus diesen Eingaben läßt sich nichts berechnen:\r\rjeder Wert muß größer als 0 sein.");
        case Art::U2NichtKleinerU:
            return QStringLiteral("Die Spannung U2 = ") + mitEinheit(h.a, u"V", dezimal) +
                   QStringLiteral(u" muß kleiner sein als die Spannung U = ") + mitEinheit(h.b, u"V", dezimal) +
                   u'.';
        case Art::I2NichtKleinerI:
            return QStringLiteral("Der Strom I2 = ") + mitEinheit(h.a, u"A", dezimal) +
                   QStringLiteral(u" muß kleiner sein als der Strom I = ") + mitEinheit(h.b, u"A", dezimal) +
                   u'.';
        case Art::LastZuGross:
            return QStringLiteral("Der Produktwert: Widerstand RL * Strom I2 = ") + mitEinheit(h.a, u"V", dezimal) +
                   QStringLiteral(u"\r\rmuß kleiner als die Spannung U = ") + mitEinheit(h.b, u"V", dezimal) +
                   QStringLiteral(" sein.");
        case Art::StromNichtGroesserIL:
            return QStringLiteral("Der Strom durch R1 (") + mitEinheit(h.a, u"A", dezimal) +
                   QStringLiteral(u") muß größer sein\r\rals der Strom durch die Last (") +
                   mitEinheit(h.b, u"A", dezimal) + QStringLiteral(").");
        case Art::QuerstromfaktorNull:
            return QStringLiteral("Der Querstromfaktor (I - IL) / IL = ") + festkomma(h.a, 2, dezimal) +
                   QStringLiteral(u" muß größer 0 sein.\r\rDer Strom durch R1 muß deutlich größer sein als der "
                                  u"Strom durch die Last.");
        case Art::WiderstandNull:
            if (h.a == 0) return QStringLiteral(u"Der Gesamtwiderstand muß größer als 0 \u2126 sein.");
            return QStringLiteral("Der Widerstand R") + QString::number(int(h.a)) +
                   QStringLiteral(u" muß größer als 0 \u2126 sein.");
        case Art::NichtDarstellbar:
            return QStringLiteral(u"Mit diesen Werten ergibt sich ein Ergebnis, das sich nicht mehr darstellen "
                                  u"läßt.");
    }
    return {};
}

QString meldungFeld(const QString& bezeichnung, const QString& text) {
    return QStringLiteral("Im Feld \"") + bezeichnung + QStringLiteral(u"\" steht kein gültiger Wert: ") + text +
           QStringLiteral(u"\r\rBitte dort einen Wert größer 0 eingeben und mit der Enter-Taste bestätigen.");
}

QString meldungUebergabe(const QString& name) {
    return QStringLiteral("Der Wert von ") + name +
           QStringLiteral(u" kann nicht auf die Seite Toleranz übernommen werden:\r\rdort wird ein Widerstand "
                          u"größer als 0 \u2126 gebraucht.");
}

std::optional<double> uebergabewert(std::optional<double> gelesen) {
    if (gelesen && positiv(*gelesen)) return gelesen;
    return std::nullopt;
}

}  // namespace zelmo::teiler
