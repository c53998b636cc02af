// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/lm317.h"

#include <cmath>

#include "fields/grenzen.h"

namespace zelmo::lm317 {

QStringList reglerartNamen() { return {QStringLiteral("Spannung"), QStringLiteral("Strom")}; }

const std::array<Gehaeuse, anzahlGehaeuse>& gehaeuse() {
    // SOT 223: junction to ambient after the TI LM317 data sheet (DCY package, 53 K/W); a value equal
    // to junction-to-case would let this small housing carry some 40 W without any heat sink.
    static const std::array<Gehaeuse, anzahlGehaeuse> tabelle{{
        {u" Gehäuse TO 220", "ImageTO220", false, 3, 50},
        {u" Gehäuse TO 247", "ImageTO247", false, 2.6, 35},
        {u" Gehäuse TO 3", "ImageTO3", true, 3, 35},
        {u" Gehäuse TO 92", "ImageTO92", true, 25, 110},
        {u" Gehäuse TO 39", "ImageTO39", true, 15, 140},
        {u" Gehäuse DIP PS", "ImagePS", false, 30, 110},
        {u" Gehäuse DIP D-PW", "ImageD_PW", false, 30, 110},
        {u" Gehäuse TO 263", "ImageTO263", false, 3, 50},
        {u" Gehäuse SOT 252", "ImageSOT252", false, 23.5, 92},
        {u" Gehäuse SOT 223", "ImageSOT223", false, 3, 53},
    }};
    return tabelle;
}

QStringList gehaeuseNamen() {
    QStringList l;
    for (const Gehaeuse& g : gehaeuse()) l << QString::fromUtf16(g.eintrag);
    return l;
}

QString ansicht(const Gehaeuse& g) {
    return g.vonUnten ? QStringLiteral("Ansicht von unten") : QStringLiteral("Draufsicht");
}

double* gehaeuseWert(LM317_Gehaeusewerte& w, int index) {
    switch (index) {
        case 0: return &w.TO220;
        case 1: return &w.TO247;
        case 2: return &w.TO3;
        case 3: return &w.TO92;
        case 4: return &w.TO39;
        case 5: return &w.DIP_PS;
        case 6: return &w.DIP_D_PW;
        case 7: return &w.TO263;
        case 8: return &w.SOT252;
        case 9: return &w.SOT223;
        default: return nullptr;
    }
}

std::optional<double> gehaeuseWert(const LM317_Gehaeusewerte& w, int index) {
    if (const double* v = gehaeuseWert(const_cast<LM317_Gehaeusewerte&>(w), index)) return *v;
    return std::nullopt;
}

void ersterStartWerte(LM317_Gehaeusewerte& rthjc, LM317_Gehaeusewerte& rthja) {
    for (int i = 0; i < anzahlGehaeuse; ++i) {
        *gehaeuseWert(rthjc, i) = gehaeuse()[size_t(i)].rthjc;
        *gehaeuseWert(rthja, i) = gehaeuse()[size_t(i)].rthja;
    }
}

QStringList isoNamen() {
    return {QStringLiteral("     direkt          0"), QStringLiteral(u"Glimmer 50\u00B5m 0.3"),
            QStringLiteral(u"Silikon 180\u00B5m 0.1"), QStringLiteral("Aluoxid   1mm 0.1"),
            QStringLiteral("Aluoxid   3mm 0.3")};
}

std::optional<double> isoWert(int index) {
    static constexpr std::array<double, 5> werte{0, 0.3, 0.1, 0.1, 0.3};
    if (index < 0 || index >= int(werte.size())) return std::nullopt;
    return werte[size_t(index)];
}

int vergleiche(double a, double b, double eps) {
    if (std::abs(a - b) <= eps) return 0;
    return a < b ? -1 : 1;
}

bool u1ZuKlein(double u1, double u2) { return vergleiche(u1 - LM317_U_InOut, u2, toleranz) < 0; }

bool u2ZuGross(double u2, double u1) { return vergleiche(u2 + LM317_U_InOut, u1, toleranz) > 0; }

QString meldungU1() {
    return QStringLiteral(
        u"Die eingegebene Spannung U1 muß größer sein als die Spannung U2 plus\rder minimalen Spannung "
        u"zwischen dem Ein- und Ausgang des Regler-IC.\r(mehr Infos - siehe Hilfe)");
}

QString meldungU2() {
    return QStringLiteral(
        u"Die eingegebene Spannung U2 muß kleiner sein als die Spannung U1 abzüglich\rder minimalen "
        u"Spannung zwischen dem Ein- und Ausgang des Regler-IC.\r(mehr Infos - siehe Hilfe)");
}

std::variant<Ergebnis, Fehler> berechnen(const Eingaben& e) {
    const auto imBereich = [](const Grenze& g, double v) { return std::isfinite(v) && v >= g.min && v <= g.max; };
    if (!imBereich(grenzen::LM317ner_E_U1, e.U1)) return Fehler::U1;
    if (!imBereich(grenzen::LM317ner_E_U2, e.U2)) return Fehler::U2;
    if (!imBereich(grenzen::LM317ner_E_I, e.I)) return Fehler::I;
    if (e.reglerart == Spannungsregler && !imBereich(grenzen::LM317ner_E_R1, e.R1)) return Fehler::R1;
    if (!imBereich(grenzen::LM317ner_E_Tu, e.Tu)) return Fehler::Tu;
    if (!imBereich(grenzen::LM317ner_E_Rthjc, e.Rthjc)) return Fehler::Rthjc;
    if (!imBereich(grenzen::LM317ner_E_Rthja, e.Rthja)) return Fehler::Rthja;
    if (!std::isfinite(e.Iso) || !std::isfinite(e.Tjmax)) return Fehler::keinErgebnis;
    // the same rule as on entering the voltages; it also keeps P above 0
    if (u1ZuKlein(e.U1, e.U2)) return Fehler::u1ZuKlein;

    Ergebnis r{};
    if (e.reglerart == Spannungsregler) {
        r.R2 = (e.U2 / Uref - 1) * e.R1;
        r.P = (e.U1 - e.U2) * e.I;
    } else {
        r.R2 = Uref / e.I;
        r.P = ((e.U1 - e.U2) + r.R2 * e.I) * e.I;
    }
    r.Tj = r.P * e.Rthja + e.Tu;
    r.RthKK = (e.Tjmax - e.Tu) / r.P - (e.Rthjc + e.Iso);
    if (!(r.P > 0) || !std::isfinite(r.Tj) || !std::isfinite(r.RthKK)) return Fehler::keinErgebnis;
    if (r.Tj > e.Tjmax)
        r.urteil = r.RthKK < 0 ? Urteil::stromZuHoch : Urteil::kuehlkoerperNoetig;
    else
        r.urteil = Urteil::keinKuehlkoerper;
    return r;
}

QString urteilText(Urteil u) {
    switch (u) {
        case Urteil::keinKuehlkoerper: return QStringLiteral(u"Es ist kein Kühlkörper nötig!");
        case Urteil::kuehlkoerperNoetig: return QStringLiteral(u"Montage auf Kühlkörper erforderlich!");
        case Urteil::stromZuHoch: return QStringLiteral(u"Strom ist für dieses Gehäuse zu hoch!");
    }
    return {};
}

QString fehlerText(Fehler f) {
    const auto ausserhalb = [](const char16_t* was) {
        return QString::fromUtf16(was) + QStringLiteral(u" liegt außerhalb des gültigen Wertebereiches!");
    };
    switch (f) {
        case Fehler::U1: return ausserhalb(u"Die Spannung U1");
        case Fehler::U2: return ausserhalb(u"Die Spannung U2");
        case Fehler::I: return ausserhalb(u"Der Strom I");
        case Fehler::R1: return ausserhalb(u"Der Widerstand R1");
        case Fehler::Tu: return ausserhalb(u"Die Umgebungstemperatur");
        case Fehler::Rthjc: return ausserhalb(u"Der Wert Rthj-c");
        case Fehler::Rthja: return ausserhalb(u"Der Wert Rthj-a");
        case Fehler::u1ZuKlein: return QStringLiteral(u"Die Spannung U1 ist zu klein für U2!");
        case Fehler::keinErgebnis: return QStringLiteral(u"Mit diesen Eingaben ist keine Berechnung möglich!");
    }
    return {};
}

QString meldungKeinGleitkommawert(const QString& text) {
    return u'\'' + text + QStringLiteral(u"' ist kein gültiger Gleitkommawert.");
}

}  // namespace zelmo::lm317
