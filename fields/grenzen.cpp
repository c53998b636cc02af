// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/grenzen.h"

namespace zelmo {

namespace {

using namespace Rechengrenzen120;

double zahl(const char* text) { return QString::fromLatin1(text).toDouble(); }

}  // namespace

namespace grenzen {
// Every range-checked field. Texts use "," and are given the system separator when shown.
const Grenze R_E_Wert{"R_E_Wert", R_min, R_max, u"", u"1nΩ bis 1TΩ", u"Ω"};
const Grenze L_E_Wert{"L_E_Wert", L_min, L_max, u"", u"100pH bis 100H", u"H"};
const Grenze C_E_Wert{"C_E_Wert", C_min, C_max, u"", u"10fF bis 10F", u"F"};
const Grenze Toleranz_E_Wert{"Toleranz_E_Wert", Tol_min, Tol_max, u"", u"1y bis 1000Y", u""};
const Grenze SpT_E_U{"SpT_E_U", U_min, U_max, u" ", u"999p bis 1GV", u"V"};
const Grenze SpT_E_U2{"SpT_E_U2", U2_min, U2_max, u"", u"999fV bis 1GV", u"V"};
const Grenze SpT_E_IR1{"SpT_E_IR1", I_min, I_max, u"", u"999pA bis 1GA", u"A"};
const Grenze SpT_E_IL{"SpT_E_IL", I_min, I_max, u"", u"999pA bis 1GA", u"A"};
const Grenze SpT_E_RL{"SpT_E_RL", RL_min, RL_max, u"", u"10mΩ bis 1TΩ", u"Ω"};
const Grenze SpT_E_R1{"SpT_E_R1", R1_min, R1_max, u"", u"0  Ω bis 1TΩ", u"Ω"};
const Grenze SpT_E_R2{"SpT_E_R2", R2_min, R2_max, u"", u"0  Ω bis 1TΩ", u"Ω"};
const Grenze SpT_E_GR{"SpT_E_GR", RG_min, RG_max, u"", u"0  Ω bis 1TΩ", u"Ω"};
const Grenze SpT_E_Strom_I{"SpT_E_Strom_I", I_min, I_max, u"", u"999pA bis 1GA", u"A"};
const Grenze SpT_E_Strom_I2{"SpT_E_Strom_I2", I_min, I_max, u"", u"999pA bis 1GA", u"A"};
const Grenze SpT_E_Strom_U{"SpT_E_Strom_U", U_min, U_max, u"", u"999pV bis 1GV", u"V"};
const Grenze SpT_E_Strom_UL{"SpT_E_Strom_UL", U_min, U_max, u"", u"999pV bis 1GV", u"V"};
const Grenze SpT_E_Strom_RL{"SpT_E_Strom_RL", R_min, R_max, u"", u"1nΩ bis 1TΩ", u"Ω"};
const Grenze LED_E_U{"LED_E_U", LED_U_min, LED_U_max, u"", u"1V bis 1TV", u"V"};
const Grenze LED_E_I{"LED_E_I", LED_I_min, LED_I_max, u"A", u"1mA bis 10A", u"A"};
const Grenze LM317ner_E_U1{"LM317ner_E_U1", LM317U1_min, LM317U1_max, u"V", u"1,3V bis 40V", u"V"};
const Grenze LM317ner_E_U2{"LM317ner_E_U2", LM317U2_min, LM317U2_max, u"V", u"1,25V bis 38V", u"V"};
const Grenze LM317ner_E_I{"LM317ner_E_I", LM317I_min, LM317I_max, u"", u"1mA bis 10A", u"A"};
const Grenze LM317ner_E_R1{"LM317ner_E_R1", LM317R1_min, LM317R1_max, u"", u"100Ω bis 10kΩ", u"Ω"};
const Grenze LM317ner_E_Tu{"LM317ner_E_Tu", zahl(LM317Tu_min), zahl(LM317Tu_max), u" °C", u"-40°C bis 125 °C", u"°C"};
const Grenze LM317ner_E_Rthjc{"LM317ner_E_Rthjc", zahl(LM317Rthjc_min), zahl(LM317Rthjc_max), u" K/W", u"1E-2 bis 100 K/W",
           u"K/W"};
const Grenze LM317ner_E_Rthja{"LM317ner_E_Rthja", zahl(LM317Rthja_min), zahl(LM317Rthja_max), u" K/W", u"1 bis 250 K/W",
           u"K/W"};
const Grenze NE555_E_R1{"NE555_E_R1", NE555R1_min, NE555R1_max, u"", u"5Ω bis 999kΩ", u"Ω"};
const Grenze NE555_E_R2{"NE555_E_R2", NE555R2_min, NE555R2_max, u"", u"5Ω bis 999kΩ", u"Ω"};
const Grenze NE555_E_C{"NE555_E_C", NE555C_min, NE555C_max, u"", u"1nF bis 999mF", u"F"};
const Grenze kStrom_E_U{"kStrom_E_U", kStromU_min, kStromU_max, u"", u"100nV bis 999kV", u"V"};
const Grenze kStrom_E_I{"kStrom_E_I", kStromI_min, kStromI_max, u"", u"1µA bis 99,9MA", u"A"};
const Grenze kStrom_E_Iq{"kStrom_E_Iq", kStromIq_min, kStromIq_max, u"", u"1µA bis 99,9MA", u"A"};
const Grenze kStrom_E_Uf{"kStrom_E_Uf", kStromUf_min, kStromUf_max, u"V", u"400mV bis 2V", u"V", u"Die Eingabe  "};
// the star-delta fields append the Greek omega on re-display; their range text keeps the ohm sign
const Grenze SD_E_Rs1{"SD_E_Rs1", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"};
const Grenze SD_E_Rs2{"SD_E_Rs2", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"};
const Grenze SD_E_Rs3{"SD_E_Rs3", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"};
const Grenze SD_E_Rd1{"SD_E_Rd1", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"};
const Grenze SD_E_Rd2{"SD_E_Rd2", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"};
const Grenze SD_E_Rd3{"SD_E_Rd3", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"};
const Grenze Norm_E_Toleranz{"Norm_E_Toleranz", NormToleranz_min, NormToleranz_max, u"", u"0,01% bis 50%", u"%"};
const Grenze Norm_E_C_Toleranz{"Norm_E_C_Toleranz", NormToleranz_min, NormToleranz_max, u"", u"0,01% bis 50%", u"%"};
const Grenze Norm_E_Last{"Norm_E_Last", NormLast_min, NormLast_max, u"", u"1% bis 100%", u"%"};
}  // namespace grenzen

std::span<const Grenze* const> alleGrenzen() {
    static const Grenze* const tabelle[] = {
        &grenzen::R_E_Wert,
        &grenzen::L_E_Wert,
        &grenzen::C_E_Wert,
        &grenzen::Toleranz_E_Wert,
        &grenzen::SpT_E_U,
        &grenzen::SpT_E_U2,
        &grenzen::SpT_E_IR1,
        &grenzen::SpT_E_IL,
        &grenzen::SpT_E_RL,
        &grenzen::SpT_E_R1,
        &grenzen::SpT_E_R2,
        &grenzen::SpT_E_GR,
        &grenzen::SpT_E_Strom_I,
        &grenzen::SpT_E_Strom_I2,
        &grenzen::SpT_E_Strom_U,
        &grenzen::SpT_E_Strom_UL,
        &grenzen::SpT_E_Strom_RL,
        &grenzen::LED_E_U,
        &grenzen::LED_E_I,
        &grenzen::LM317ner_E_U1,
        &grenzen::LM317ner_E_U2,
        &grenzen::LM317ner_E_I,
        &grenzen::LM317ner_E_R1,
        &grenzen::LM317ner_E_Tu,
        &grenzen::LM317ner_E_Rthjc,
        &grenzen::LM317ner_E_Rthja,
        &grenzen::NE555_E_R1,
        &grenzen::NE555_E_R2,
        &grenzen::NE555_E_C,
        &grenzen::kStrom_E_U,
        &grenzen::kStrom_E_I,
        &grenzen::kStrom_E_Iq,
        &grenzen::kStrom_E_Uf,
        &grenzen::SD_E_Rs1,
        &grenzen::SD_E_Rs2,
        &grenzen::SD_E_Rs3,
        &grenzen::SD_E_Rd1,
        &grenzen::SD_E_Rd2,
        &grenzen::SD_E_Rd3,
        &grenzen::Norm_E_Toleranz,
        &grenzen::Norm_E_C_Toleranz,
        &grenzen::Norm_E_Last,
    };
    return tabelle;
}

QString bereichsText(const Grenze& g, QChar dezimal) {
    QString r = QString::fromUtf16(g.r);
    r.replace(u',', dezimal);
    return r;
}

QString meldungKeineZahl(const QString& text, const QString& einschub) {
    return QStringLiteral("Die eingegebene Zahl ") + text + einschub +
           QStringLiteral("  ist keine Gleitkommazahl !");
}

QString meldungAusserhalb(const QString& text, const QString& s1, const QString& bereich,
                          const QString& praefix) {
    return praefix + text + s1 + QStringLiteral(u"  ist außerhalb\r\rdes gültigen Wertebereiches: ") +
           bereich;
}

std::optional<QString> pruefeBereich(const Grenze& g, double wert, const QString& text, QChar dezimal) {
    if (wert >= g.min && wert <= g.max) return std::nullopt;
    return meldungAusserhalb(text, QString::fromUtf16(g.s1), bereichsText(g, dezimal),
                             QString::fromUtf16(g.praefix));
}

}  // namespace zelmo
