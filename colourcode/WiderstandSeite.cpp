// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/WiderstandSeite.h"

#include "fields/Bausteine.h"

#include <QLabel>
#include <QRadioButton>

#include "colourcode/Bauteilbild.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

using namespace widerstandcode;

QStringList ringzahlNamen() { return {QStringLiteral("4 Ringe"), QStringLiteral("5 Ringe")}; }

// Page layout (content area about 629 x 440).
constexpr int RingeOben = 100;  // top of the legend and the ring groups
constexpr int ZiffernBreite = 42;
constexpr int GruppenBreite = 75;
constexpr int RechtsLinks = 492;  // right column
constexpr int RechtsBreite = 133;

// The drawing in logical units.
constexpr QSizeF BildGroesse(350, 96);
constexpr double RingOben = 19, RingHoehe = 34, RingBreite = 11, MarkenY = 72;
// Ring places on the body from the left; the last one (voltage) stands after a gap.
constexpr double RingPlatz[] = {118, 135, 152, 169, 186, 219};

QRectF ringRechteck(int platz) { return {RingPlatz[platz], RingOben, RingBreite, RingHoehe}; }
QPointF markenMitte(int platz) { return {RingPlatz[platz] + RingBreite / 2, MarkenY}; }

QPainterPath widerstandsUmriss() {
    // end caps bulging out of a slimmer middle, with smooth shoulders between them
    QPainterPath p;
    p.moveTo(76, 12);
    p.lineTo(92, 12);
    p.cubicTo(102, 12, 104, 19, 114, 19);
    p.lineTo(236, 19);
    p.cubicTo(246, 19, 248, 12, 258, 12);
    p.lineTo(274, 12);
    p.arcTo(QRectF(256, 12, 36, 48), 90, -180);
    p.lineTo(258, 60);
    p.cubicTo(248, 60, 246, 53, 236, 53);
    p.lineTo(114, 53);
    p.cubicTo(104, 53, 102, 60, 92, 60);
    p.lineTo(76, 60);
    p.arcTo(QRectF(58, 12, 36, 48), 270, -180);
    p.closeSubpath();
    return p;
}


}  // namespace

WiderstandSeite::WiderstandSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    aufbauen();
}

void WiderstandSeite::aufbauen() {
    // value with the limits above and below it
    beschriftung(this, QStringLiteral("max."), {4, 8, 32, 20}, QStringLiteral("R_L_max"));
    m_tolMax = neuesGrenzfeld(QStringLiteral("R_Tol_max"), QStringLiteral(" C Tol max"),
                              QStringLiteral("Wert bei der oberen Toleranzgrenze"), this);
    m_tolMax->setGeometry(36, 8, 94, 20);
    m_eWert = new Eingabefeld(grenzen::R_E_Wert, dezimal(), this);
    m_eWert->setGeometry(4, 35, 126, 24);
    m_eWert->setAlignment(Qt::AlignCenter);
    m_eWert->setzeText(QStringLiteral(" 12"));
    m_eWert->setToolTip(QStringLiteral("Eingabe des Wertes des Widerstandes"));
    beschriftung(this, QStringLiteral("min."), {4, 66, 32, 20}, QStringLiteral("R_L_min"));
    m_tolMin = neuesGrenzfeld(QStringLiteral("R_Tol_min"), QStringLiteral(" C Tol min"),
                              QStringLiteral("Wert bei der unteren Toleranzgrenze"), this);
    m_tolMin->setGeometry(36, 66, 94, 20);

    // the resistor
    m_bild = new Bauteilbild(QStringLiteral("Panel26"), BildGroesse, this);
    m_bild->setGeometry(136, 2, 350, 96);
    m_bild->setAccessibleDescription(QStringLiteral(
        "Zeichnung des Widerstandes mit seinen Farbringen: Ziffern, Multiplikator, Toleranz und Spannung, von links"));
    m_bild->setKoerper(QStringLiteral("Panel3"), widerstandsUmriss(), alsFarbe(clSkyBlue));
    m_bild->setDraehte({QLineF(4, 36, 60, 36), QLineF(290, 36, 346, 36)}, 3);
    const char* ringNamen[] = {"Shape1", "Shape2", "Shape3", "Shape4", "Shape19", "Shape20"};
    Ringform* formen[6];
    for (int i = 0; i < 6; ++i) {
        formen[i] = m_bild->neuerRing(QString::fromLatin1(ringNamen[i]));
        formen[i]->setFarbe(alsFarbe(Hintergrund));
        m_bild->platzieren(formen[i], ringRechteck(i));
    }
    m_label1 = m_bild->neueMarke(QStringLiteral("Label80"), QStringLiteral("1."));
    m_label2 = m_bild->neueMarke(QStringLiteral("Label81"), QStringLiteral("2."));
    m_label3 = m_bild->neueMarke(QStringLiteral("Label82"), QStringLiteral("3."));
    m_labelM = m_bild->neueMarke(QStringLiteral("Label83"), QStringLiteral("M"));
    m_labelT = m_bild->neueMarke(QStringLiteral("Label84"), QStringLiteral("T"));
    m_labelU = m_bild->neueMarke(QStringLiteral("Label85"), QStringLiteral("U"));
    QLabel* marken[] = {m_label1, m_label2, m_label3, m_labelM, m_labelT, m_labelU};
    for (int i = 0; i < 6; ++i) m_bild->platzieren(marken[i], markenMitte(i));
    m_ringhinweis = neuerRinghinweis(QStringLiteral("R_L_Ringe"), this);
    m_ringhinweis->setGeometry(136, 82, 350, 16);

    // tolerance and voltage
    beschriftung(this, QStringLiteral("Toleranz"), {RechtsLinks, 2, RechtsBreite, 18}, QStringLiteral("R_L_Toleranz"));
    m_eT = new Eingabefeld(QStringLiteral("R_E_T"), dezimal(), this);
    m_eT->setGeometry(RechtsLinks, 20, RechtsBreite, 24);
    m_eT->setEinheit(QStringLiteral("%"));
    m_eT->setzeText(QStringLiteral(" 10 "));
    m_eT->setToolTip(QStringLiteral("Eingabe der Toleranz des Widerstandes"));
    beschriftung(this, QStringLiteral("Spannung"), {RechtsLinks, 50, RechtsBreite, 18}, QStringLiteral("R_L_Spannung"));
    m_eU = new Eingabefeld(QStringLiteral("R_E_U"), dezimal(), this);
    m_eU->setGeometry(RechtsLinks, 68, RechtsBreite, 24);
    m_eU->setEinheit(QStringLiteral("V"));
    m_eU->setzeText(QStringLiteral(" 2000"));
    m_eU->setToolTip(QStringLiteral("Eingabe der maximal zulässigen Spannung"));

    // legend and ring groups
    m_legende = new Farblegende(QStringLiteral("GroupBox15"), standardPalette(), this);
    m_legende->setGeometry(0, RingeOben, 130, RinggruppenHoehe);
    auto gruppe = [this](const char* name, const char* titel, const Ringtabelle& t, const char* hinweis) {
        return neueRinggruppe(QString::fromLatin1(name), QString::fromLatin1(titel), t, QString::fromLatin1(hinweis),
                              this);
    };
    m_ring1 = Farbring(formen[0], gruppe("RG_R_1", " 1. ", ersteZiffer(), "Wert Farbring"), &ersteZiffer());
    m_ring2 = Farbring(formen[1], gruppe("RG_R_2", " 2. ", ziffer(), "Wert Farbring"), &ziffer());
    m_ring3 = Farbring(formen[2], gruppe("RG_R_3", " 3. ", ziffer(), "Wert Farbring"), &ziffer());
    m_ringM = Farbring(formen[3], gruppe("RG_R_M", " Multi ", multiplikator(), "Multiplikatorring"), &multiplikator());
    m_ringT = Farbring(formen[4], gruppe("RG_R_T", " Toleranz ", toleranz(), "Toleranzring"), &toleranz());
    m_ringU = Farbring(formen[5], gruppe("RG_R_U", " Spannung ", spannung(), "Spannungsring"), &spannung());
    m_ring1.gruppe()->setGeometry(132, RingeOben, ZiffernBreite, RinggruppenHoehe);
    m_ring2.gruppe()->setGeometry(174, RingeOben, ZiffernBreite, RinggruppenHoehe);
    m_ring3.gruppe()->setGeometry(216, RingeOben, ZiffernBreite, RinggruppenHoehe);
    m_ringM.gruppe()->setGeometry(216, RingeOben, GruppenBreite, RinggruppenHoehe);
    m_ringT.gruppe()->setGeometry(291, RingeOben, GruppenBreite, RinggruppenHoehe);
    m_ringU.gruppe()->setGeometry(366, RingeOben, GruppenBreite, RinggruppenHoehe);
    m_ring3.gruppe()->hide();
    m_label3->hide();
    m_ring3.form()->hide();

    m_ring1.gruppe()->klick = [this] { RG_R_1Click(); };
    m_ring2.gruppe()->klick = [this] { RG_R_2Click(); };
    m_ring3.gruppe()->klick = [this] { RG_R_3Click(); };
    m_ringM.gruppe()->klick = [this] { RG_R_MClick(); };
    m_ringT.gruppe()->klick = [this] { RG_R_TClick(); };
    m_ringU.gruppe()->klick = [this] { RG_R_UClick(); };

    // ring count and E-series
    m_rgWiderstand = new Radiogruppe(QStringLiteral("RG_Widerstand"), QStringLiteral(" Ringzahl "),
                                     ringzahlNamen(), 1, this);
    m_rgWiderstand->setGeometry(RechtsLinks, RingeOben, RechtsBreite, 66);
    m_rgWiderstand->setToolTip(QStringLiteral("Auswahl 4 oder 5 Ringcode"));
    m_rgWiderstand->klick = [this] { RG_WiderstandClick(); };

    auto* box = new QGroupBox(QStringLiteral(" in E-Reihe "), this);
    box->setObjectName(QStringLiteral("GroupBox18"));
    box->setGeometry(RechtsLinks, 174, RechtsBreite, 263);
    box->setToolTip(QStringLiteral("Widerstandswert in E-Reihen enthalten"));
    m_eReihe = new EReihenListe(QStringLiteral("E_Reihe_R"), box);
    m_eReihe->setGeometry(8, 22, RechtsBreite - 16, 263 - 30);
    m_eReihe->setToolTip(QStringLiteral("Widerstandswert in E-Reihen enthalten"));

    // Enter in the entry fields
    m_eWert->setUebernahme([this](double v) {
        wert(m_widerstand, fuenfRinge()) = v;
        R_Wert_anzeigen();
        R_Farbringe_setzen(v);
        R_Toleranzen_berechnen();
        R_U_Berechnung();
        R_E_Reihe();
        R_Wert_anzeigen();
        ringeBeurteilen();
    });
    m_eT->setWertepruefung([](double t, const QString& eingabe) { return toleranzPruefung(t, eingabe); });
    m_eT->setUebernahme([this](double t) {
        toleranz(m_widerstand, fuenfRinge()) = t;
        R_Toleranz_Farbring_setzen();
        R_Toleranzen_berechnen();
        m_eT->zeigeWert(t);
    });
    m_eU->setWertepruefung([](double u, const QString& eingabe) { return spannungPruefung(u, eingabe); });
    m_eU->setAnzeige([this](double u) { return Zahlenausgabe(spannungAusEingabe(u), dezimal()) + u'V'; });
    m_eU->setUebernahme([this](double u) {
        spannung(m_widerstand, fuenfRinge()) = spannungAusEingabe(u);
        R_E_U_anzeigen();
        R_U_Berechnung();
    });
}

bool WiderstandSeite::fuenfRinge() const { return m_rgWiderstand->itemIndex() == 1; }

const Seitenablage<WiderstandSeite>& WiderstandSeite::ablage() {
    using namespace zelmo::ablage;
    using S = WiderstandSeite;
    // what the entry fields take
    const auto wert = zwischen(grenzen::R_E_Wert.min, grenzen::R_E_Wert.max);
    const auto tol = [](double t) { return !toleranzPruefung(t, {}); };
    const auto spannung = [](double u) { return !spannungPruefung(u, {}); };
    static const Seitenablage<S> a{{
        {zahl("Widerstand", "4_Ringe", "36500", 39000, wert), glied<S>([](auto& s) -> auto& { return s.m_widerstand.Wert_4R; })},
        {zahl("Widerstand", "5_Ringe", "36500", 47000, wert), glied<S>([](auto& s) -> auto& { return s.m_widerstand.Wert_5R; })},
        {zahl("Widerstand", "4_Toleranz", "10", 5, tol), glied<S>([](auto& s) -> auto& { return s.m_widerstand.Toleranz_4R; })},
        {zahl("Widerstand", "5_Toleranz", "10", 5, tol), glied<S>([](auto& s) -> auto& { return s.m_widerstand.Toleranz_5R; })},
        // the voltages are read as plain numbers in the system format, as the first program read them
        // (they are whole volts, so the separator never matters); unreadable ones silently give 100
        {schlichteZahl("Widerstand", "4_Spannung", 100, 100, spannung),
         glied<S>([](auto& s) -> auto& { return s.m_widerstand.Spannung_4R; })},
        {schlichteZahl("Widerstand", "5_Spannung", 100, 100, spannung),
         glied<S>([](auto& s) -> auto& { return s.m_widerstand.Spannung_5R; })},
        {index("Widerstand", "Ringzahl", 0, 0, int(ringzahlNamen().size()), 0), gruppe(&S::m_rgWiderstand)},
    }};
    return a;
}

void WiderstandSeite::ersterStart() {
    m_eWert->setzeText(mitTrenner(u"39,00 k\u2126"));
    m_eT->setzeText(mitTrenner(u"10 %"));
    m_eU->setzeText(mitTrenner(u"100,00 V"));
    ablage().ersterStart(*this, dezimal());
}

void WiderstandSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void WiderstandSeite::laden(IniLeser& l) { ablage().laden(*this, l); }

void WiderstandSeite::RG_WiderstandClick() {
    const bool fuenf = fuenfRinge();
    m_ring1.sperren({0, 10, 11, 12});
    m_ring2.sperren({10, 11, 12});
    // places on the body: digits, multiplier, tolerance; the voltage ring keeps its place after a gap
    const int platzM = fuenf ? 3 : 2;
    const int platzT = fuenf ? 4 : 3;
    m_bild->platzieren(m_ringM.form(), ringRechteck(platzM));
    m_bild->platzieren(m_ringT.form(), ringRechteck(platzT));
    m_bild->platzieren(m_labelM, markenMitte(platzM));
    m_bild->platzieren(m_labelT, markenMitte(platzT));
    m_ring3.form()->setVisible(fuenf);
    m_ring3.gruppe()->setVisible(fuenf);
    m_label3->setVisible(fuenf);
    if (fuenf) {
        m_ring3.sperren({10, 11, 12});
        m_ring3.gruppe()->move(216, RingeOben);
    }
    const int links = fuenf ? 258 : 216;
    m_ringM.gruppe()->move(links, RingeOben);
    m_ringT.gruppe()->move(links + GruppenBreite, RingeOben);
    m_ringU.gruppe()->move(links + 2 * GruppenBreite, RingeOben);
    m_ringM.sperren({12});
    m_ringT.sperren({0, 3, 4, 8, 9, 12});
    m_ringU.sperren({9});

    R_Wert_anzeigen();
    R_Farbringe_setzen(wert(m_widerstand, fuenf));
    R_Toleranzen_berechnen();
    R_E_T_anzeigen();
    R_Toleranz_Farbring_setzen();
    R_U_Berechnung();
    R_E_U_anzeigen();
    R_E_Reihe();
    ringeBeurteilen();
}

void WiderstandSeite::R_Ziffernring_geklickt(const Farbring& ring, int stelle) {
    ring.auswahlMalen();
    R_berechnen_und_anzeigen(ring.farbe(), stelle);
    R_Toleranzen_berechnen();
}

void WiderstandSeite::RG_R_1Click() { R_Ziffernring_geklickt(m_ring1, 0); }
void WiderstandSeite::RG_R_2Click() { R_Ziffernring_geklickt(m_ring2, 1); }
void WiderstandSeite::RG_R_3Click() { R_Ziffernring_geklickt(m_ring3, 2); }

void WiderstandSeite::RG_R_MClick() {
    m_ringM.auswahlMalen();
    R_Multi_berechnen_und_anzeigen(m_ringM.farbe());
    R_Toleranzen_berechnen();
}

void WiderstandSeite::RG_R_TClick() {
    if (const Ringzeile* z = m_ringT.auswahl(); z && z->wert) {
        m_ringT.auswahlMalen();
        toleranz(m_widerstand, fuenfRinge()) = *z->wert;
    }
    R_Toleranzen_berechnen();
    R_E_T_anzeigen();
}

void WiderstandSeite::RG_R_UClick() {
    if (const Ringzeile* z = m_ringU.auswahl(); z && z->wert) {
        m_ringU.auswahlMalen();
        spannung(m_widerstand, fuenfRinge()) = *z->wert;
        R_E_U_anzeigen();
    }
}

void WiderstandSeite::wertUebernehmen(std::optional<double> v) {
    // a computed value outside the field's limits (or none) leaves the record as it was
    if (v && *v >= Rechengrenzen120::R_min && *v <= Rechengrenzen120::R_max) wert(m_widerstand, fuenfRinge()) = *v;
}

void WiderstandSeite::R_berechnen_und_anzeigen(Farbwert farbe, int stelle) {
    const double w = wert(m_widerstand, fuenfRinge());
    wertUebernehmen(wertMitZiffer(w, Ziffernskala, stelle, ziffernZeichen(farbe), dezimal()));
    R_Wert_anzeigen();
    R_E_Reihe();
    ringeBeurteilen();
}

void WiderstandSeite::R_Multi_berechnen_und_anzeigen(Farbwert farbe) {
    const bool fuenf = fuenfRinge();
    const double m = wertDerFarbe(multiplikator(), farbe).value_or(1.0);
    wertUebernehmen(wertMitMultiplikator(wert(m_widerstand, fuenf), Ziffernskala, fuenf ? 3 : 2, m, dezimal()));
    R_Wert_anzeigen();
    // the multiplier drops the digits beyond the rings, so the series may change too
    R_E_Reihe();
    ringeBeurteilen();
}

void WiderstandSeite::ringeBeurteilen() {
    const bool fuenf = fuenfRinge();
    const double w = wert(m_widerstand, fuenf);
    QString ziffern{ziffernZeichen(m_ring1.farbe())};
    ziffern += ziffernZeichen(m_ring2.farbe());
    if (fuenf) ziffern += ziffernZeichen(m_ring3.farbe());
    const auto m = wertDerFarbe(multiplikator(), m_ringM.farbe());
    zelmo::ringeBeurteilen(m_ringhinweis, {&m_ring1, &m_ring2, &m_ring3, &m_ringM}, w,
                           vollstaendig(ringeAusWert(w, codierung(fuenf), dezimal())),
                           m ? ringwert(ziffern, *m, dezimal()) : std::nullopt, OhmZeichen, dezimal());
}

void WiderstandSeite::R_Farbringe_setzen(double zahl) {
    const bool fuenf = fuenfRinge();
    const Ringbelegung b = ringeAusWert(zahl, codierung(fuenf), dezimal());
    const Farbring* ringe[] = {&m_ring1, &m_ring2, &m_ring3};
    for (size_t i = 0; i < b.ziffern.size(); ++i)
        if (b.ziffern[i]) ringe[i]->setzen(*b.ziffern[i], ziffernFarbe(*b.ziffern[i]));
    if (b.multiplikator) m_ringM.setzen(*b.multiplikator);
}

void WiderstandSeite::R_Toleranzen_berechnen() {
    const bool fuenf = fuenfRinge();
    const double w = wert(m_widerstand, fuenf);
    const auto g = toleranzgrenzen(w, w * toleranz(m_widerstand, fuenf) / 100, grenzStufen(), dezimal());
    m_tolMax->setText(g.oben);
    m_tolMin->setText(g.unten);
    m_tolMax->setCursorPosition(0);
    m_tolMin->setCursorPosition(0);
}

void WiderstandSeite::R_Toleranz_Farbring_setzen() {
    if (const auto z = toleranzZeile(toleranz(m_widerstand, fuenfRinge()))) m_ringT.setzen(*z);
}

void WiderstandSeite::R_U_Berechnung() {
    if (const auto z = spannungZeile(spannung(m_widerstand, fuenfRinge()))) m_ringU.setzen(*z);
}

void WiderstandSeite::R_E_Reihe() {
    if (const auto v = Zahleneingabe(m_eWert->text(), dezimal()))
        m_eReihe->zeigen(eReihenZeilen(*v, Reihenzeilen::WiderstandDrossel));
}

void WiderstandSeite::R_Wert_anzeigen() { m_eWert->zeigeWert(wert(m_widerstand, fuenfRinge())); }

void WiderstandSeite::R_E_T_anzeigen() {
    m_eT->setzeText(allgemein(toleranz(m_widerstand, fuenfRinge()), dezimal()) + u'%');
}

void WiderstandSeite::R_E_U_anzeigen() {
    m_eU->setzeText(Zahlenausgabe(spannung(m_widerstand, fuenfRinge()), dezimal()) + u'V');
}

}  // namespace zelmo
