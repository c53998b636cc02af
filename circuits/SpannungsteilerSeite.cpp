// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/SpannungsteilerSeite.h"

#include "fields/Bausteine.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <cmath>

#include "circuits/SpannungsteilerBilder.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Ringform.h"
#include "fields/Schaltbild.h"
#include "fields/Uebergabeknopf.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

using namespace teiler;

QStringList spannungStromNamen() { return {QStringLiteral("Spannungst."), QStringLiteral("Stromt.")}; }
QStringList lastNamen() { return {QStringLiteral("ohne Last-R"), QStringLiteral("mit Last-R ")}; }

// Rows of the input groups: label, then the field at feldX.
constexpr int feldX = 132;
constexpr int feldB = 118;
constexpr int feldH = 21;
constexpr int lastX = 6;  // the load panels sit at this offset inside their group

QLabel* zeilenbeschriftung(QWidget* eltern, const QString& text, int x, int zeile, const QString& name = {}) {
    auto* l = beschriftung(eltern, text, {}, name);
    l->adjustSize();
    l->move(x, zeile + (feldH - l->height()) / 2);
    return l;
}

// The small lowered index right after a label ("L" of "Laststrom I").
QLabel* tiefgestellt(QWidget* eltern, const QLabel* nach, const QString& text, const QString& name = {}) {
    auto* l = new QLabel(text, eltern);
    if (!name.isEmpty()) l->setObjectName(name);
    QFont f = l->font();
    f.setPixelSize(10);
    l->setFont(f);
    l->adjustSize();
    l->move(nach->x() + nach->fontMetrics().horizontalAdvance(nach->text()) + 1,
            nach->y() + nach->height() - l->height() + 4);
    return l;
}

QFrame* lastpanel(QWidget* eltern, const QString& name, int y, int hoehe) {
    return farbpanel(eltern, name, {lastX, y, 361 - 2 * lastX, hoehe}, geldgruen);
}

bool positiv(std::optional<double> w) { return w && std::isfinite(*w) && *w > 0; }

}  // namespace

SpannungsteilerSeite::SpannungsteilerSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    aufbauen();
    eingabenVerbinden();
    m_rgSpannungStrom->setItemIndex(0, false);
    m_rgLast->setItemIndex(0, false);
    zustandZeigen();
}

void SpannungsteilerSeite::aufbauen() {
    // kennung: the field's entry of the limits table, or the name of a field without one
    const auto feld = [this](QWidget* eltern, const auto& kennung, const char* formText, int x, int zeile,
                             const QString& bezeichnung) {
        auto* f = new Eingabefeld(kennung, dezimal(), eltern);
        f->setGeometry(x, zeile, feldB, feldH);
        f->setzeText(QString::fromLatin1(formText));
        f->setProperty("bezeichnung", bezeichnung);
        return f;
    };

    // --- left column: mode, ratio, picture ---
    m_rgSpannungStrom = new Radiogruppe(QStringLiteral("SpT_RG_SpannungStrom"), QStringLiteral(" Spannungs- / Stromteiler "),
                                        spannungStromNamen(), 2, this);
    m_rgSpannungStrom->setGeometry(8, 4, 250, 44);
    m_rgSpannungStrom->klick = [this] { SpT_RG_SpannungStromClick(); };
    m_rgLast = new Radiogruppe(QStringLiteral("SpT_RG_unbel_bel"), QStringLiteral(" Lastwiderstand "),
                               lastNamen(), 2, this);
    m_rgLast->setGeometry(8, 52, 250, 44);
    m_rgLast->klick = [this] { SpT_RG_unbel_belClick(); };

    m_panel6 = new QFrame(this);
    m_panel6->setObjectName(QStringLiteral("Panel6"));
    m_panel6->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel6->setToolTip(QStringLiteral(u"Übertragungsverhältnis der Spannungen"));
    m_panel6->setGeometry(8, 102, 250, 30);
    QFont fett = font();
    fett.setBold(true);
    m_verhaeltnis = new QLabel(QStringLiteral("U  :  U2"), m_panel6);
    m_verhaeltnis->setObjectName(QStringLiteral("SpT_L_Verhaeltnis"));
    m_verhaeltnis->setToolTip(QStringLiteral(u"Spannungsverhältnis bzw. Stromverhältnis"));
    m_verhaeltnis->setFont(fett);
    m_verhaeltnis->setGeometry(36, 5, 70, 20);
    m_label100 = new QLabel(QStringLiteral("1   : 1"), m_panel6);
    m_label100->setObjectName(QStringLiteral("Label100"));
    m_label100->setToolTip(QStringLiteral(u"Spannungsverhältnis"));
    m_label100->setFont(fett);
    m_label100->setGeometry(116, 5, 120, 20);

    const std::array<std::pair<const char*, const char16_t*>, 4> bilder{{
        {"I_Spannung_unbelastet", u"Schaltbild des Spannungsteilers ohne Lastwiderstand"},
        {"I_Spannung_belastet", u"Schaltbild des Spannungsteilers mit Lastwiderstand"},
        {"I_Strom_unbelastet", u"Schaltbild des Stromteilers ohne Lastwiderstand"},
        {"I_Strom_belastet", u"Schaltbild des Stromteilers mit Lastwiderstand"},
    }};
    const std::array<void (*)(QPainter&), 4> zeichnungen{teilerbild::spannungOhneLast, teilerbild::spannungMitLast,
                                                         teilerbild::stromOhneLast, teilerbild::stromMitLast};
    // one frame around the four pictures, of which one is visible at a time
    auto* bildrahmen = new QFrame(this);
    bildrahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bildrahmen->setGeometry(8, 138, 250, 328);
    for (size_t i = 0; i < bilder.size(); ++i) {
        auto* b = new Schaltbild(QString::fromLatin1(bilder[i].first), teilerbild::groesse, bildrahmen);
        b->setToolTip(QString::fromUtf16(bilder[i].second));
        b->setHintergrund(Qt::white);
        b->setZeichnung(zeichnungen[i]);
        b->setGeometry(1, 1, 248, 326);
        m_bilder[i] = b;
    }

    // --- right column: inputs of the voltage divider ---
    m_gbSpannung = new QGroupBox(QStringLiteral(" Spannungen und Lastwiderstand "), this);
    m_gbSpannung->setObjectName(QStringLiteral("SpT_GB_Spannung"));
    m_gbSpannung->setGeometry(268, 4, 361, 222);
    zeilenbeschriftung(m_gbSpannung, QStringLiteral("Spannung U"), 12, 26);
    m_U = feld(m_gbSpannung, grenzen::SpT_E_U, " 12", feldX, 26, QStringLiteral("Spannung U"));
    zeilenbeschriftung(m_gbSpannung, QStringLiteral("Spannung U2"), 12, 54);
    m_U2 = feld(m_gbSpannung, grenzen::SpT_E_U2, " 5", feldX, 54, QStringLiteral("Spannung U2"));
    const QLabel* stromI = zeilenbeschriftung(m_gbSpannung, QStringLiteral("Strom I"), 12, 82);
    m_lR1 = tiefgestellt(m_gbSpannung, stromI, QStringLiteral("R1"), QStringLiteral("SpT_L_R1"));
    m_IR1 = feld(m_gbSpannung, grenzen::SpT_E_IR1, " 12", feldX, 82, QStringLiteral("Strom I"));

    m_spannungLast = lastpanel(m_gbSpannung, QStringLiteral("SpT_P_Spannung_Last"), 112, 102);
    zeilenbeschriftung(m_spannungLast, QStringLiteral("Querstromfaktor"), 12 - lastX, 8);
    m_QF = feld(m_spannungLast, QStringLiteral("SpT_E_QF"), "12 ", feldX - lastX, 8, QStringLiteral("Querstromfaktor"));
    const QLabel* malIL = zeilenbeschriftung(m_spannungLast, QStringLiteral("x I"), feldX - lastX + feldB + 6, 8);
    tiefgestellt(m_spannungLast, malIL, QStringLiteral("L"));
    const QLabel* laststrom = zeilenbeschriftung(m_spannungLast, QStringLiteral("Laststrom I"), 12 - lastX, 40);
    tiefgestellt(m_spannungLast, laststrom, QStringLiteral("L"));
    m_IL = feld(m_spannungLast, grenzen::SpT_E_IL, " 50", feldX - lastX, 40, QStringLiteral("Laststrom IL"));
    const QLabel* lastR = zeilenbeschriftung(m_spannungLast, QStringLiteral("Widerstand R"), 12 - lastX, 72);
    tiefgestellt(m_spannungLast, lastR, QStringLiteral("L"));
    m_RL = feld(m_spannungLast, grenzen::SpT_E_RL, " 12", feldX - lastX, 72, QStringLiteral("Widerstand RL"));

    // --- right column: inputs of the current divider, at the same place ---
    m_gbStrom = new QGroupBox(QStringLiteral(" Eingaben "), this);
    m_gbStrom->setObjectName(QStringLiteral("SpT_GB_Strom"));
    m_gbStrom->setGeometry(m_gbSpannung->geometry());
    zeilenbeschriftung(m_gbStrom, QStringLiteral("Strom I"), 12, 26);
    m_stromI = feld(m_gbStrom, grenzen::SpT_E_Strom_I, " 12", feldX, 26, QStringLiteral("Strom I"));
    zeilenbeschriftung(m_gbStrom, QStringLiteral("Strom I2"), 12, 54);
    m_stromI2 = feld(m_gbStrom, grenzen::SpT_E_Strom_I2, " 5", feldX, 54, QStringLiteral("Strom I2"));
    zeilenbeschriftung(m_gbStrom, QStringLiteral("Spannung U"), 12, 82);
    m_stromU = feld(m_gbStrom, grenzen::SpT_E_Strom_U, " 12", feldX, 82, QStringLiteral("Spannung U"));

    m_stromLast = lastpanel(m_gbStrom, QStringLiteral("SpT_P_Strom_Last"), 112, 70);
    const QLabel* lastU = zeilenbeschriftung(m_stromLast, QStringLiteral("Lastspannung U"), 12 - lastX, 8);
    tiefgestellt(m_stromLast, lastU, QStringLiteral("L"));
    m_stromUL = feld(m_stromLast, grenzen::SpT_E_Strom_UL, " 50", feldX - lastX, 8, QStringLiteral("Lastspannung UL"));
    const QLabel* stromRL = zeilenbeschriftung(m_stromLast, QStringLiteral("Widerstand R"), 12 - lastX, 40);
    tiefgestellt(m_stromLast, stromRL, QStringLiteral("L"));
    m_stromRL = feld(m_stromLast, grenzen::SpT_E_Strom_RL, " 12", feldX - lastX, 40, QStringLiteral("Widerstand RL"));

    // --- right column: the two resistors and the total ---
    m_gbBauteile = new QGroupBox(QStringLiteral(" Bauteilwerte "), this);
    m_gbBauteile->setObjectName(QStringLiteral("GroupBox12"));
    m_gbBauteile->setGeometry(268, 234, 361, 146);
    zeilenbeschriftung(m_gbBauteile, QStringLiteral("Widerstand R1"), 12, 26, QStringLiteral("SpT_L_Bauteil_1"));
    m_R1 = feld(m_gbBauteile, grenzen::SpT_E_R1, " 12", feldX, 26, QStringLiteral("Widerstand R1"));
    m_bitBtn1 = new Uebergabeknopf(QStringLiteral("BitBtn1"),
                                   QStringLiteral(u"Übernahme des Wertes von R1 auf die Seite Toleranz"), m_gbBauteile);
    m_bitBtn1->move(feldX + feldB + 8, 24);
    connect(m_bitBtn1, &QToolButton::clicked, this, [this] { BitBtn1Click(); });
    zeilenbeschriftung(m_gbBauteile, QStringLiteral("Widerstand R2"), 12, 58, QStringLiteral("SpT_L_Bauteil_2"));
    m_R2 = feld(m_gbBauteile, grenzen::SpT_E_R2, " 12", feldX, 58, QStringLiteral("Widerstand R2"));
    m_bitBtn2 = new Uebergabeknopf(QStringLiteral("BitBtn2"),
                                   QStringLiteral(u"Übernahme des Wertes von R2 auf die Seite Toleranz"), m_gbBauteile);
    m_bitBtn2->move(feldX + feldB + 8, 56);
    connect(m_bitBtn2, &QToolButton::clicked, this, [this] { BitBtn2Click(); });
    zeilenbeschriftung(m_gbBauteile, QStringLiteral("Gesamtwiderstand"), 12, 90, QStringLiteral("SpT_L_Gesamt"));
    m_GR = feld(m_gbBauteile, grenzen::SpT_E_GR, " 12", feldX, 90, QStringLiteral("Gesamtwiderstand"));
    m_GR->setReadOnly(true);
    m_lRG = new QLabel(QStringLiteral("(R1 + R2)"), m_gbBauteile);
    m_lRG->setObjectName(QStringLiteral("SpT_L_RG"));
    m_lRG->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lRG->setGeometry(feldX - 20, 114, feldB + 40, 18);
    normwerteKnopf(m_gbBauteile, QStringLiteral("SpT_B_Normwerte"), {feldX + feldB + 8, 88, 90, 25});
}

void SpannungsteilerSeite::eingabenVerbinden() {
    // the voltages compare with each other before their range is tested
    m_U->setVorpruefung([this](double U, const QString& text) -> std::optional<QString> {
        const auto U2 = Zahleneingabe(m_U2->text(), dezimal());
        if (U2 && !(U > *U2))
            return QStringLiteral("Die eingegebene Spannung U = ") + text +
                   QStringLiteral(u" muß größer sein als die Spannung U2 = ") + m_U2->text() +
                   QStringLiteral(" sein.");
        return std::nullopt;
    });
    m_U2->setVorpruefung([this](double U2, const QString& text) -> std::optional<QString> {
        const auto U = Zahleneingabe(m_U->text(), dezimal());
        if (U && !(U2 < *U))
            return QStringLiteral("Die eingegebene Spannung U2 = ") + text +
                   QStringLiteral(u" muß kleiner sein als die Spannung U = ") + m_U->text() + QStringLiteral(" sein.");
        return std::nullopt;
    });
    verbinde(m_U, {}, [this](double U) { return planSpannungsteiler({{m_U, U}}); });
    verbinde(m_U2, {}, [this](double U2) { return planSpannungsteiler({{m_U2, U2}}); });
    verbinde(m_IR1, {}, [this](double I) { return planStromR1(I); });

    // the cross-current factor: greater than 2, shown with two decimals and no unit
    m_QF->setWertepruefung([](double QF, const QString& text) -> std::optional<QString> {
        if (!(QF > 2))
            return QStringLiteral("Der eingegebene Querstromfaktor = ") + text + QStringLiteral(u" muß größer 2 sein.");
        return std::nullopt;
    });
    m_QF->setAnzeige([this](double QF) { return festkomma(QF, 2, dezimal()); });
    verbinde(m_QF, {}, [this](double QF) { return planQuerstromfaktor(QF); });

    verbinde(
        m_IL,
        [this](double IL, const QString&) -> std::optional<QString> {
            Plan p;
            const auto I = lies(m_IR1, {}, p);
            if (!I) return p.fehler;
            if (!(IL < *I))
                return QStringLiteral(u"Der Strom durch die Last muß kleiner sein\r\rals der Strom durch R1");
            return std::nullopt;
        },
        [this](double IL) { return planLaststrom(IL); });
    verbinde(
        m_RL,
        [this](double RL, const QString&) -> std::optional<QString> {
            // R2 may be empty after a calculation without result: then there is nothing to compare
            const auto R2 = Zahleneingabe(m_R2->text(), dezimal());
            if (R2 && !(RL > *R2))
                return QStringLiteral(u"Der Lastwiderstand muß größer sein\r\rals der Widerstand R2");
            return std::nullopt;
        },
        [this](double RL) { return planLastwiderstand(RL); });

    verbinde(m_R1, {}, [this](double R1) { return planVorwaerts(m_R1, R1); });
    verbinde(m_R2, {}, [this](double R2) { return planVorwaerts(m_R2, R2); });
    verbinde(m_GR, {}, [this](double RG) { return planGesamtwiderstand(RG); });

    verbinde(m_stromI, {}, [this](double I) { return planStromteiler({{m_stromI, I}}); });
    verbinde(m_stromU, {}, [this](double U) { return planStromteiler({{m_stromU, U}}); });
    // I2 recalculates as well, like every other input of the current divider
    verbinde(m_stromI2, {}, [this](double I2) { return planStromteiler({{m_stromI2, I2}}); });
    verbinde(
        m_stromUL,
        [this](double UL, const QString&) -> std::optional<QString> {
            Plan p;
            const auto U = lies(m_stromU, {}, p);
            if (!U) return p.fehler;
            if (!(UL < *U)) return QStringLiteral(u"Die eingegebene Spannung muß kleiner als die Spannung U sein.");
            return std::nullopt;
        },
        [this](double UL) { return planLastspannung(UL); });
    verbinde(
        m_stromRL,
        [this](double RL, const QString&) -> std::optional<QString> {
            Plan p;
            const auto I2 = lies(m_stromI2, {}, p);
            const auto U = lies(m_stromU, {}, p);
            if (p.fehler) return p.fehler;
            if (!(*I2 * RL < *U))
                return QStringLiteral(u"Der Produktwert: eingegebener Widerstand RL * Strom I2  \r\rmuß kleiner als "
                                      u"die Spannung U sein.");
            return std::nullopt;
        },
        [this](double RL) { return planStromLastwiderstand(RL); });
}

void SpannungsteilerSeite::verbinde(Eingabefeld* feld, Kreuzpruefung nach, std::function<Plan(double)> planer) {
    // The plan of the further steps is the last check: an entry whose consequences cannot be shown is
    // refused like any other, and nothing has been written yet.
    feld->setAnnahme([this, feld, nach = std::move(nach), planer = std::move(planer)](double wert, const QString& text) {
        if (nach)
            if (auto m = nach(wert, text)) return Eingabefeld::Urteil::abgelehnt(*m);
        Plan plan = planer(gezeigt(feld, wert));
        if (plan.fehler) return Eingabefeld::Urteil::abgelehnt(*plan.fehler);
        return Eingabefeld::Urteil::angenommen([this, plan = std::move(plan)] { ausfuehren(plan); });
    });
}

// --- modes ------------------------------------------------------------------------------------------

bool SpannungsteilerSeite::strom() const { return m_rgSpannungStrom->itemIndex() == 1; }
bool SpannungsteilerSeite::mitLast() const { return m_rgLast->itemIndex() == 1; }

void SpannungsteilerSeite::zustandZeigen() {
    for (Schaltbild* b : m_bilder) b->hide();
    const bool s = strom();
    const bool l = mitLast();
    m_gbSpannung->setVisible(!s);
    m_gbStrom->setVisible(s);
    m_spannungLast->setVisible(!s && l);
    m_stromLast->setVisible(s && l);
    m_lR1->setVisible(l);
    m_bilder[size_t((s ? 2 : 0) + (l ? 1 : 0))]->show();
    if (!s)
        m_lRG->setText(l ? QStringLiteral("R1 + (R2 | | RL)") : QStringLiteral("R1 + R2"));
    else
        m_lRG->setText(l ? QStringLiteral("R1 | | (R2 + RL)") : QStringLiteral("R1 | | R2"));
}

void SpannungsteilerSeite::SpT_RG_SpannungStromClick() {
    zustandZeigen();
    if (strom())
        Stromteiler_Berechnung();
    else
        Spannungsteiler_Berechnung();
}

void SpannungsteilerSeite::SpT_RG_unbel_belClick() { SpT_RG_SpannungStromClick(); }

// --- start-up ---------------------------------------------------------------------------------------

void SpannungsteilerSeite::laufzeitEinstellungen() {
    m_rgLast->knopf(0)->setToolTip(QStringLiteral("ohne Last"));
    m_rgLast->knopf(1)->setToolTip(QStringLiteral("mit Last"));
    m_rgLast->setzeKnopf(0, 30);
    m_rgLast->setzeKnopf(1, 150, 85);
    m_rgSpannungStrom->setzeKnopf(0, 30);
    m_rgSpannungStrom->setzeKnopf(1, 150, 70);
}

const Seitenablage<SpannungsteilerSeite>& SpannungsteilerSeite::ablage() {
    using namespace zelmo::ablage;
    using S = SpannungsteilerSeite;
    // the ratios feed no field: any finite number
    const auto endlich = [](double r) { return std::isfinite(r); };
    // the texts and ratios first, then the groups, whose handlers calculate
    static const Seitenablage<S> a{{
        {text("Spannungsteiler", "Eingabe_U", "12,00", u"12,00 V"), feld(&S::m_U)},
        {text("Spannungsteiler", "Eingabe_U2", "5,00", u"5,00 V"), feld(&S::m_U2)},
        {text("Spannungsteiler", "Eingabe_IR1", "15,00", u"12,00 mA"), feld(&S::m_IR1)},
        {text("Spannungsteiler", "Eingabe_QF", "5,00", u"12 "), feld(&S::m_QF)},  // as the field is built
        {text("Spannungsteiler", "Eingabe_IL", "5,00", u"1,00 mA"), feld(&S::m_IL)},
        {text("Spannungsteiler", "Eingabe_RL", "10000,00", u"5,00 k\u2126"), feld(&S::m_RL)},
        {text("Stromteiler", "Eingabe_I", "12,00", u"3,00 mA"), feld(&S::m_stromI)},
        {text("Stromteiler", "Eingabe_I2", "15,00", u"1,00 mA"), feld(&S::m_stromI2)},
        {text("Stromteiler", "Eingabe_U", "5,00", u"12,00 V"), feld(&S::m_stromU)},
        {text("Stromteiler", "Eingabe_UL", "1,00", u"10,00 mV"), feld(&S::m_stromUL)},
        {text("Stromteiler", "Eingabe_RL", "5,00", u"10,00 \u2126"), feld(&S::m_stromRL)},
        // written for the first program's readers, never read back: SpannungStrom holds the same
        {index("Stromteiler", "Last", 0, 0, int(spannungStromNamen().size()), 0)
             .fuerAlteLeser([](const Ablagewerte& w, QChar) { return ablage().wert(w, "SpannungStrom"); }),
         nurHolen<S>([](const S& s) { return s.m_rgSpannungStrom->itemIndex(); })},
        {index("Spannungsteiler", "SpannungStrom", 0, 0, int(spannungStromNamen().size()), 0).danach(1),
         gruppe(&S::m_rgSpannungStrom)},
        {index("Spannungsteiler", "unbelbel", 0, 0, int(lastNamen().size()), 0).danach(1), gruppe(&S::m_rgLast)},
        {zahl("Stromteiler", "Ratio1", "1", 1.5, endlich),
         glied<S>([](auto& s) -> auto& { return s.m_spannungsteiler.Ratio1; })},
        {zahl("Stromteiler", "Ratio2", "1", 3, endlich),
         glied<S>([](auto& s) -> auto& { return s.m_spannungsteiler.Ratio2; })},
    }};
    return a;
}

void SpannungsteilerSeite::ersterStart() {
    ablage().ersterStart(*this, dezimal());
    Spannungsteiler_Berechnung();
}

void SpannungsteilerSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void SpannungsteilerSeite::laden(IniLeser& l) {
    ablage().laden(*this, l);
    if (strom())
        Stromteiler_Berechnung();
    else
        Spannungsteiler_Berechnung();
}

// --- transfer to the tolerance page -----------------------------------------------------------------

void SpannungsteilerSeite::BitBtn1Click() { uebergeben(m_R1, QStringLiteral("R1")); }
void SpannungsteilerSeite::BitBtn2Click() { uebergeben(m_R2, QStringLiteral("R2")); }

void SpannungsteilerSeite::uebergeben(const Eingabefeld* feld, const QString& name) {
    // the tolerance page needs a positive value; an empty or zero field is not handed on
    const auto ohm = uebergabewert(Zahleneingabe(feld->text(), dezimal()));
    if (!ohm) {
        Meldungen::fehler(meldungUebergabe(name));
        return;
    }
    if (umgebung().anToleranzUebergeben) umgebung().anToleranzUebergeben(*ohm);
}

// --- plans ------------------------------------------------------------------------------------------

std::optional<double> SpannungsteilerSeite::lies(const Eingabefeld* feld, const Ersetzt& ersetzt, Plan& plan) const {
    for (auto it = ersetzt.rbegin(); it != ersetzt.rend(); ++it)
        if (it->first == feld) return it->second;
    const auto w = Zahleneingabe(feld->text(), dezimal());
    if (positiv(w)) return w;
    if (!plan.fehler) plan.fehler = meldungFeld(feld->property("bezeichnung").toString(), feld->text());
    return std::nullopt;
}

double SpannungsteilerSeite::gezeigt(const Eingabefeld* feld, double w) const {
    return Zahleneingabe(feld->anzeigeText(w), dezimal()).value_or(std::nan(""));
}

template <class T>
bool SpannungsteilerSeite::scheitert(Plan& plan, const Ergebnis<T>& r) const {
    if (r) return false;
    plan.fehler = meldung(r.hindernis(), dezimal());
    return true;
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planUeber(const Eingabefeld* getippt, double wert,
                                                             const Eingabefeld* quelle, Eingabefeld* ziel,
                                                             Ergebnis<double> (*rechnung)(double, double),
                                                             bool getipptZuerst, Weiter weiter) const {
    Plan p;
    Ersetzt e{{getippt, wert}};
    const auto q = lies(quelle, e, p);
    if (p.fehler) return p;
    const auto r = getipptZuerst ? rechnung(wert, *q) : rechnung(*q, wert);
    if (scheitert(p, r)) return p;
    p.schritte.push_back({ziel, ziel->anzeigeText(*r)});
    e.push_back({ziel, gezeigt(ziel, *r)});
    anhaengen(p, (this->*weiter)(e));
    return p;
}

void SpannungsteilerSeite::anhaengen(Plan& plan, Plan&& weiter) {
    for (Schritt& s : weiter.schritte) plan.schritte.push_back(std::move(s));
    if (!plan.fehler) plan.fehler = std::move(weiter.fehler);
}

void SpannungsteilerSeite::ausfuehren(const Plan& plan) {
    for (const Schritt& s : plan.schritte) {
        if (auto* f = qobject_cast<Eingabefeld*>(s.ziel))
            f->setzeText(s.text);
        else if (auto* l = qobject_cast<QLabel*>(s.ziel))
            l->setText(s.text);
    }
    normMerken();
}

void SpannungsteilerSeite::normMerken() {
    const auto w = [this](const Eingabefeld* f) { return Zahleneingabe(f->text(), dezimal()); };
    m_norm.reset();
    const auto R1 = w(m_R1), R2 = w(m_R2);
    if (!strom()) {
        const auto U = w(m_U), U2 = w(m_U2), IL = w(m_IL);
        if (U && U2 && IL && R1 && R2)
            m_norm = normwerte::Teiler{false, mitLast(), *U, *U2, *IL, 0, 0, 0, *R1, *R2};
    } else {
        const auto I = w(m_stromI), I2 = w(m_stromI2), U = w(m_stromU), RL = w(m_stromRL);
        if (I && I2 && U && RL && R1 && R2)
            m_norm = normwerte::Teiler{true, mitLast(), *U, 0, 0, *I, *I2, *RL, *R1, *R2};
    }
    emit gerechnet();
}

void SpannungsteilerSeite::rechnen(const Plan& plan) {
    if (!plan.fehler) {
        ausfuehren(plan);
        return;
    }
    // no result: nothing stale stays next to the changed inputs
    m_verhaeltnis->setText(strom() ? QStringLiteral("I : I2") : QStringLiteral("U : U2"));
    m_label100->clear();
    for (Eingabefeld* f : {m_R1, m_R2, m_GR}) f->setzeText(QString());
    normMerken();
    Meldungen::fehler(*plan.fehler);
}

void SpannungsteilerSeite::Spannungsteiler_Berechnung() { rechnen(planSpannungsteiler({})); }
void SpannungsteilerSeite::Stromteiler_Berechnung() { rechnen(planStromteiler({})); }

SpannungsteilerSeite::Plan SpannungsteilerSeite::planSpannungsteiler(const Ersetzt& e) const {
    Plan p;
    const auto U = lies(m_U, e, p);
    const auto U2 = lies(m_U2, e, p);
    std::optional<double> I, IL, QF, RL;
    if (mitLast()) {
        IL = lies(m_IL, e, p);
        QF = lies(m_QF, e, p);
        RL = lies(m_RL, e, p);
    } else {
        I = lies(m_IR1, e, p);
    }
    if (p.fehler) return p;
    if (mitLast()) {
        // the load draws IL at U2: RL follows U2 / IL, so that RG is worked out with the load the page
        // shows. An RL that already gives the shown IL (within its rounding) stays as it is.
        if (gezeigt(m_IL, *U2 / *RL) != *IL) {
            const auto neu = quotient(*U2, *IL);
            if (scheitert(p, neu)) return p;
            p.schritte.push_back({m_RL, m_RL->anzeigeText(*neu)});
            RL = gezeigt(m_RL, *neu);
        }
    }
    const auto r = mitLast() ? spannungsteilerMitLast(*U, *U2, *IL, *QF, *RL) : spannungsteilerOhneLast(*U, *U2, *I);
    if (scheitert(p, r)) return p;
    p.schritte.insert(p.schritte.end(), {{m_verhaeltnis, QStringLiteral("U : U2")},
                  {m_label100, verhaeltnisText(false, *U2, *U, dezimal())},
                  {m_R1, m_R1->anzeigeText(r->R1)},
                  {m_R2, m_R2->anzeigeText(r->R2)},
                  {m_GR, m_GR->anzeigeText(r->RG)}});
    return p;
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planStromteiler(const Ersetzt& e) const {
    Plan p;
    const auto U = lies(m_stromU, e, p);
    const auto I = lies(m_stromI, e, p);
    const auto I2 = lies(m_stromI2, e, p);
    std::optional<double> RL;
    if (mitLast()) RL = lies(m_stromRL, e, p);
    if (p.fehler) return p;
    const auto r = stromteiler(*U, *I, *I2, RL);
    if (scheitert(p, r)) return p;
    if (r->UL) p.schritte.push_back({m_stromUL, m_stromUL->anzeigeText(*r->UL)});
    p.schritte.push_back({m_verhaeltnis, QStringLiteral("I : I2")});
    p.schritte.push_back({m_label100, verhaeltnisText(true, *I2, *I, dezimal())});
    p.schritte.push_back({m_R1, m_R1->anzeigeText(r->R1)});
    p.schritte.push_back({m_R2, m_R2->anzeigeText(r->R2)});
    p.schritte.push_back({m_GR, m_GR->anzeigeText(r->RG)});
    return p;
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planStromR1(double I) const {
    Plan p;
    Ersetzt e{{m_IR1, I}};
    const auto schreibeQF = [&](double QF) {
        p.schritte.push_back({m_QF, m_QF->anzeigeText(QF)});
        e.push_back({m_QF, gezeigt(m_QF, QF)});
    };
    if (mitLast()) {
        const auto IL = lies(m_IL, e, p);
        if (p.fehler) return p;
        const auto QF = querstromfaktor(I, *IL);
        if (scheitert(p, QF)) return p;
        schreibeQF(*QF);
    } else {
        // without load the factor only follows when it makes sense; the hidden load fields stay as they are
        const auto IL = Zahleneingabe(m_IL->text(), dezimal());
        if (positiv(IL))
            if (const auto QF = querstromfaktor(I, *IL)) schreibeQF(*QF);
    }
    anhaengen(p, planSpannungsteiler(e));
    return p;
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planQuerstromfaktor(double QF) const {
    return planUeber(m_QF, QF, m_IL, m_IR1, stromDurchR1, false, &SpannungsteilerSeite::planSpannungsteiler);
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planLaststrom(double IL) const {
    return planUeber(m_IL, IL, m_U2, m_RL, quotient, false, &SpannungsteilerSeite::planSpannungsteiler);
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planLastwiderstand(double RL) const {
    return planUeber(m_RL, RL, m_U2, m_IL, quotient, false, &SpannungsteilerSeite::planSpannungsteiler);
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planVorwaerts(const Eingabefeld* feld, double R) const {
    // Neither calculation runs: the ratio label and the cross-current factor stay as they are.
    Plan p;
    const Ersetzt e{{feld, R}};
    const bool ausR2 = feld == m_R2;
    const auto R1 = lies(m_R1, e, p);
    const auto R2 = lies(m_R2, e, p);
    if (!strom()) {
        const auto U = lies(m_U, e, p);
        std::optional<double> RL;
        if (mitLast()) RL = lies(m_RL, e, p);
        if (p.fehler) return p;
        const auto v = spannungVorwaerts(*U, *R1, *R2, RL);
        if (scheitert(p, v)) return p;
        p.schritte = {{m_U2, m_U2->anzeigeText(v->U2)},
                      {m_GR, m_GR->anzeigeText(v->RG)},
                      {m_IR1, m_IR1->anzeigeText(v->I)}};
        return p;
    }
    const auto U = lies(m_stromU, e, p);
    std::optional<double> RL;
    if (mitLast()) RL = lies(m_stromRL, e, p);
    const auto I2 = ausR2 ? std::optional<double>(0.0) : lies(m_stromI2, e, p);
    if (p.fehler) return p;
    const auto v = stromVorwaerts(*U, *R1, *R2, RL, ausR2, *I2);
    if (scheitert(p, v)) return p;
    if (!RL && v->I2) p.schritte.push_back({m_stromI2, m_stromI2->anzeigeText(*v->I2)});
    p.schritte.push_back({m_stromI, m_stromI->anzeigeText(v->I)});
    if (RL && v->I2) p.schritte.push_back({m_stromI2, m_stromI2->anzeigeText(*v->I2)});
    p.schritte.push_back({m_GR, m_GR->anzeigeText(v->RG)});
    if (v->UL) p.schritte.push_back({m_stromUL, m_stromUL->anzeigeText(*v->UL)});
    return p;
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planGesamtwiderstand(double RG) const {
    // Only the voltage divider without load follows from RG alone; elsewhere the value is just shown again.
    Plan p;
    if (strom() || mitLast()) return p;
    const Ersetzt e{{m_GR, RG}};
    const auto U = lies(m_U, e, p);
    const auto U2 = lies(m_U2, e, p);
    if (p.fehler) return p;
    const auto v = spannungAusGesamtwiderstand(*U, *U2, RG);
    if (scheitert(p, v)) return p;
    p.schritte = {{m_IR1, m_IR1->anzeigeText(v->I)},
                  {m_R1, m_R1->anzeigeText(v->R1)},
                  {m_R2, m_R2->anzeigeText(v->R2)}};
    return p;
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planLastspannung(double UL) const {
    return planUeber(m_stromUL, UL, m_stromI2, m_stromRL, quotient, true, &SpannungsteilerSeite::planStromteiler);
}

SpannungsteilerSeite::Plan SpannungsteilerSeite::planStromLastwiderstand(double RL) const {
    return planUeber(m_stromRL, RL, m_stromI2, m_stromUL, produkt, false, &SpannungsteilerSeite::planStromteiler);
}

}  // namespace zelmo
