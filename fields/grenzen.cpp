#include "fields/grenzen.h"

#include <array>

namespace zelmo {

namespace {

using namespace Rechengrenzen120;

double zahl(const char* text) { return QString::fromLatin1(text).toDouble(); }

// Every range-checked field. Texts use "," and are given the system separator when shown.
const std::array tabelle{
    Grenze{"R_E_Wert", R_min, R_max, u"", u"1nΩ bis 1TΩ", u"Ω"},
    Grenze{"L_E_Wert", L_min, L_max, u"", u"100pH bis 100H", u"H"},
    Grenze{"C_E_Wert", C_min, C_max, u"", u"10fF bis 10F", u"F"},
    Grenze{"Toleranz_E_Wert", Tol_min, Tol_max, u"", u"1y bis 1000Y", u""},
    Grenze{"SpT_E_U", U_min, U_max, u" ", u"999p bis 1GV", u"V"},
    Grenze{"SpT_E_U2", U2_min, U2_max, u"", u"999fV bis 1GV", u"V"},
    Grenze{"SpT_E_IR1", I_min, I_max, u"", u"999pA bis 1GA", u"A"},
    Grenze{"SpT_E_IL", I_min, I_max, u"", u"999pA bis 1GA", u"A"},
    Grenze{"SpT_E_RL", RL_min, RL_max, u"", u"10mΩ bis 1TΩ", u"Ω"},
    Grenze{"SpT_E_R1", R1_min, R1_max, u"", u"0  Ω bis 1TΩ", u"Ω"},
    Grenze{"SpT_E_R2", R2_min, R2_max, u"", u"0  Ω bis 1TΩ", u"Ω"},
    Grenze{"SpT_E_GR", RG_min, RG_max, u"", u"0  Ω bis 1TΩ", u"Ω"},
    Grenze{"SpT_E_Strom_I", I_min, I_max, u"", u"999pA bis 1GA", u"A"},
    Grenze{"SpT_E_Strom_I2", I_min, I_max, u"", u"999pA bis 1GA", u"A"},
    Grenze{"SpT_E_Strom_U", U_min, U_max, u"", u"999pV bis 1GV", u"V"},
    Grenze{"SpT_E_Strom_UL", U_min, U_max, u"", u"999pV bis 1GV", u"V"},
    Grenze{"SpT_E_Strom_RL", R_min, R_max, u"", u"1nΩ bis 1TΩ", u"Ω"},
    Grenze{"LED_E_U", LED_U_min, LED_U_max, u"", u"1V bis 1TV", u"V"},
    Grenze{"LED_E_I", LED_I_min, LED_I_max, u"A", u"1mA bis 10A", u"A"},
    Grenze{"LM317ner_E_U1", LM317U1_min, LM317U1_max, u"V", u"1,3V bis 40V", u"V"},
    Grenze{"LM317ner_E_U2", LM317U2_min, LM317U2_max, u"V", u"1,25V bis 38V", u"V"},
    Grenze{"LM317ner_E_I", LM317I_min, LM317I_max, u"", u"1mA bis 10A", u"A"},
    Grenze{"LM317ner_E_R1", LM317R1_min, LM317R1_max, u"", u"100Ω bis 10kΩ", u"Ω"},
    Grenze{"LM317ner_E_Tu", zahl(LM317Tu_min), zahl(LM317Tu_max), u" °C", u"-40°C bis 125 °C", u"°C"},
    Grenze{"LM317ner_E_Rthjc", zahl(LM317Rthjc_min), zahl(LM317Rthjc_max), u" K/W", u"1E-2 bis 100 K/W",
           u"K/W"},
    Grenze{"LM317ner_E_Rthja", zahl(LM317Rthja_min), zahl(LM317Rthja_max), u" K/W", u"1 bis 250 K/W",
           u"K/W"},
    Grenze{"NE555_E_R1", NE555R1_min, NE555R1_max, u"", u"5Ω bis 999kΩ", u"Ω"},
    Grenze{"NE555_E_R2", NE555R2_min, NE555R2_max, u"", u"5Ω bis 999kΩ", u"Ω"},
    Grenze{"NE555_E_C", NE555C_min, NE555C_max, u"", u"1nF bis 999mF", u"F"},
    Grenze{"kStrom_E_U", kStromU_min, kStromU_max, u"", u"100nV bis 999kV", u"V"},
    Grenze{"kStrom_E_I", kStromI_min, kStromI_max, u"", u"1µA bis 99,9MA", u"A"},
    Grenze{"kStrom_E_Iq", kStromIq_min, kStromIq_max, u"", u"1µA bis 99,9MA", u"A"},
    Grenze{"kStrom_E_Uf", kStromUf_min, kStromUf_max, u"V", u"400mV bis 2V", u"V", u"Die Eingabe  "},
    // the star-delta fields append the Greek omega on re-display; their range text keeps the ohm sign
    Grenze{"SD_E_Rs1", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"},
    Grenze{"SD_E_Rs2", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"},
    Grenze{"SD_E_Rs3", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"},
    Grenze{"SD_E_Rd1", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"},
    Grenze{"SD_E_Rd2", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"},
    Grenze{"SD_E_Rd3", zahl(SDRs_min), zahl(SDRs_max), u"", u"1E-21 bis 1E21 Ω", u"\u03A9"},
};

}  // namespace

const Grenze* grenzeFuer(const QString& feld) {
    for (const Grenze& g : tabelle)
        if (feld == QLatin1String(g.feld)) return &g;
    return nullptr;
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
