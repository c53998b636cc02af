// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/KondensatorSeite.h"

#include <QGroupBox>
#include <QLabel>

#include "colourcode/Bauteilbild.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

using namespace kondensatorcode;

QStringList artNamen() { return {QStringLiteral("Kerko "), QStringLiteral("Tan - Elko")}; }

// Page layout (content area about 629 x 440).
constexpr int RingeOben = 100;  // top of the legend and the ring groups
constexpr int ZiffernBreite = 42;
constexpr int GruppenBreite = 75;
constexpr int RechtsLinks = 492;  // right column
constexpr int RechtsBreite = 133;
constexpr int LinksM = 216, LinksT = 291, LinksUKer = 366, LinksUTan = 298;

// The drawing in logical units: a body lying on its side, both leads leaving it on the right.
constexpr QSizeF BildGroesse(350, 96);
constexpr double KoerperLinks = 40, KoerperRechts = 252, KoerperOben = 8, KoerperUnten = 64;
constexpr double RingOben = 8, RingHoehe = 56, RingBreite = 13, MarkenY = 78;
// Ring places: two digits, multiplier, tolerance, and the voltage ring after a gap.
constexpr double RingPlatz[] = {72, 94, 116, 138, 180};
constexpr double DrahtOben = 26, DrahtUnten = 46;

QRectF ringRechteck(int platz) { return {RingPlatz[platz], RingOben, RingBreite, RingHoehe}; }
QPointF markenMitte(int platz) { return {RingPlatz[platz] + RingBreite / 2, MarkenY}; }

QPainterPath kondensatorUmriss() {
    QPainterPath p;
    p.addRoundedRect(QRectF(KoerperLinks, KoerperOben, KoerperRechts - KoerperLinks, KoerperUnten - KoerperOben), 14,
                     14);
    return p;
}

}  // namespace

KondensatorSeite::KondensatorSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    aufbauen();
}

void KondensatorSeite::aufbauen() {
    // value with the limits above and below it
    m_labelMax = beschriftung(this, QStringLiteral("max."), {4, 8, 32, 20}, QStringLiteral("Label34"));
    m_tolMax = neuesGrenzfeld(QStringLiteral("C_Tol_max"), QStringLiteral(" C Tol max"),
                              QStringLiteral("Wert bei der oberen Toleranzgrenze"), this);
    m_tolMax->setGeometry(36, 8, 94, 20);
    m_eWert = new Eingabefeld(grenzen::C_E_Wert, dezimal(), this);
    m_eWert->setGeometry(4, 35, 126, 24);
    m_eWert->setAlignment(Qt::AlignCenter);
    m_eWert->setzeText(QStringLiteral(" 12"));
    m_eWert->setToolTip(QStringLiteral("Eingabe des Wertes des Kondensators"));
    m_labelMin = beschriftung(this, QStringLiteral("min."), {4, 66, 32, 20}, QStringLiteral("Label35"));
    m_tolMin = neuesGrenzfeld(QStringLiteral("C_Tol_min"), QStringLiteral(" C Tol min"),
                              QStringLiteral("Wert bei der unteren Toleranzgrenze"), this);
    m_tolMin->setGeometry(36, 66, 94, 20);

    // the capacitor
    m_bild = new Bauteilbild(QStringLiteral("Panel28"), BildGroesse, this);
    m_bild->setGeometry(136, 2, 350, 96);
    m_ringhinweis = neuerRinghinweis(QStringLiteral("C_L_Ringe"), this);
    m_ringhinweis->setGeometry(136, 82, 350, 16);
    m_bild->setToolTip(QStringLiteral("eckiger Kondensator (kann auch rund sein)"));
    m_bild->setKoerper(QStringLiteral("Shape137"), kondensatorUmriss(), alsFarbe(clSkyBlue));
    m_bild->setDraehte({QLineF(KoerperRechts - 2, DrahtOben, 346, DrahtOben),
                        QLineF(KoerperRechts - 2, DrahtUnten, 346, DrahtUnten)},
                       3);
    const char* ringNamen[] = {"Shape44", "Shape45", "Shape46", "Shape47", "Shape69"};
    const char* ringHinweise[] = {"erster Ring", "zweiter Ring", "Multiplikatorring", "Toleranzring",
                                  "Spannungsring"};
    Ringform* formen[5];
    for (int i = 0; i < 5; ++i) {
        formen[i] = m_bild->neuerRing(QString::fromLatin1(ringNamen[i]));
        formen[i]->setFarbe(alsFarbe(Hintergrund));
        formen[i]->setToolTip(QString::fromLatin1(ringHinweise[i]));
        m_bild->platzieren(formen[i], ringRechteck(i));
    }
    formen[3]->setForm(Ringform::Form::Abgerundet);
    const char16_t* markenTexte[] = {u"1.", u"2.", u"M", u"T", u"U"};
    const char* markenNamen[] = {"C_Ringmarke1", "C_Ringmarke2", "C_RingmarkeM", "Label64", "Label65"};
    QLabel* marken[5];
    for (int i = 0; i < 5; ++i) {
        marken[i] = m_bild->neueMarke(QString::fromLatin1(markenNamen[i]), QString::fromUtf16(markenTexte[i]));
        m_bild->platzieren(marken[i], markenMitte(i));
    }
    m_labelT = marken[3];
    m_labelU = marken[4];

    // tolerance and voltage
    m_labelToleranz =
        beschriftung(this, QStringLiteral("Toleranz"), {RechtsLinks, 2, RechtsBreite, 18}, QStringLiteral("Label66"));
    m_eT = new Eingabefeld(QStringLiteral("C_E_T"), dezimal(), this);
    m_eT->setGeometry(RechtsLinks, 20, RechtsBreite, 24);
    m_eT->setzeText(QStringLiteral(" 10 "));
    m_eT->setToolTip(QStringLiteral("Eingabe der Toleranz des Kondensators"));
    beschriftung(this, QStringLiteral("Spannung"), {RechtsLinks, 50, RechtsBreite, 18}, QStringLiteral("C_L_Spannung"));
    m_eU = new Eingabefeld(QStringLiteral("C_E_U"), dezimal(), this);
    m_eU->setGeometry(RechtsLinks, 68, RechtsBreite, 24);
    m_eU->setzeText(QStringLiteral(" 2000"));
    m_eU->setToolTip(QStringLiteral(u"Eingabe der maximal zulässigen Kondensatorspannung"));

    // legend and ring groups
    m_legende = new Farblegende(QStringLiteral("GroupBox17"), standardPalette(), this);
    m_legende->setGeometry(0, RingeOben, 130, RinggruppenHoehe);
    auto gruppe = [this](const char* name, const char* titel, const Ringtabelle& t, const char* hinweis) {
        return neueRinggruppe(QString::fromLatin1(name), QString::fromLatin1(titel), t, QString::fromLatin1(hinweis),
                              this);
    };
    m_ring1 = Farbring(formen[0], gruppe("RG_C_1", " 1. ", ersteZiffer(), "Wert Farbring"), &ersteZiffer());
    m_ring2 = Farbring(formen[1], gruppe("RG_C_2", " 2. ", ziffer(), "Wert Farbring"), &ziffer());
    m_ringMKer =
        Farbring(formen[2], gruppe("RG_C_M_Ker", " Multi ", multiplikatorKer(), "Multiplikatorring"), &multiplikatorKer());
    m_ringMTan =
        Farbring(formen[2], gruppe("RG_C_M_Tan", " Multi ", multiplikatorTan(), "Multiplikatorring"), &multiplikatorTan());
    m_ringTU10 = Farbring(formen[3], gruppe("RG_C_T_U10", " Toleranz ", toleranzU10(), "Toleranz"), &toleranzU10());
    m_ringTO10 = Farbring(formen[3], gruppe("RG_C_T_O10", " Toleranz ", toleranzO10(), "Toleranz"), &toleranzO10());
    m_ringUKer = Farbring(formen[4], gruppe("RG_C_U_Ker", " Spannung ", spannungKer(), "Spannungsring"), &spannungKer());
    m_ringUTan = Farbring(formen[4], gruppe("RG_C_U_Tan", " Spannung ", spannungTan(), "Spannungsring"), &spannungTan());
    m_ring1.gruppe()->setGeometry(132, RingeOben, ZiffernBreite, RinggruppenHoehe);
    m_ring2.gruppe()->setGeometry(174, RingeOben, ZiffernBreite, RinggruppenHoehe);
    m_ringMKer.gruppe()->setGeometry(LinksM, RingeOben, GruppenBreite, RinggruppenHoehe);
    // the tantalum multiplier reaches up to the voltage group at 298: room for "x 0,001µ"
    m_ringMTan.gruppe()->setGeometry(LinksM, RingeOben, LinksUTan - LinksM, RinggruppenHoehe);
    m_ringTU10.gruppe()->setGeometry(LinksT, RingeOben, GruppenBreite, RinggruppenHoehe);
    m_ringTO10.gruppe()->setGeometry(LinksT, RingeOben, GruppenBreite, RinggruppenHoehe);
    m_ringUKer.gruppe()->setGeometry(LinksUKer, RingeOben, GruppenBreite, RinggruppenHoehe);
    m_ringUTan.gruppe()->setGeometry(LinksUTan, RingeOben, GruppenBreite, RinggruppenHoehe);
    for (const Farbring* r : {&m_ringMTan, &m_ringTO10, &m_ringUTan}) r->gruppe()->hide();

    m_ring1.gruppe()->klick = [this] { RG_C_1Click(); };
    m_ring2.gruppe()->klick = [this] { RG_C_2Click(); };
    m_ringMKer.gruppe()->klick = [this] { RG_C_M_KerClick(); };
    m_ringMTan.gruppe()->klick = [this] { RG_C_M_TanClick(); };
    m_ringTU10.gruppe()->klick = [this] { RG_C_T_U10Click(); };
    m_ringTO10.gruppe()->klick = [this] { RG_C_T_O10Click(); };
    m_ringUKer.gruppe()->klick = [this] { RG_C_U_KerClick(); };
    m_ringUTan.gruppe()->klick = [this] { RG_C_U_TanClick(); };

    // kind and E-series
    m_rgKondensatore = new Radiogruppe(QStringLiteral("RG_Kondensatore"), QStringLiteral(" Auswahl "),
                                       artNamen(), 1, this);
    m_rgKondensatore->setGeometry(RechtsLinks, RingeOben, RechtsBreite, 66);
    m_rgKondensatore->setToolTip(QStringLiteral("Auswahl Keramikkondensator (Kerko) oder Tantalelko (Tan)"));
    m_rgKondensatore->klick = [this] { RG_KondensatoreClick(); };

    auto* box = new QGroupBox(QStringLiteral(" in E-Reihe "), this);
    box->setObjectName(QStringLiteral("GroupBox20"));
    box->setGeometry(RechtsLinks, 174, RechtsBreite, 263);
    box->setToolTip(QStringLiteral("Widerstandswert in E-Reihen enthalten"));
    m_eReihe = new EReihenListe(QStringLiteral("E_Reihe_C"), box);
    m_eReihe->setGeometry(8, 22, RechtsBreite - 16, 263 - 30);
    m_eReihe->setToolTip(QStringLiteral("Widerstandswert in E-Reihen enthalten"));

    // Enter in the entry fields
    m_eWert->setUebernahme([this](double v) {
        const Art a = art();
        wert(m_kondensator, a) = v;
        if (a == Art::Kerko) C_Kerko_Klasse();
        C_Farbringe_setzen(v);
        C_Toleranzen_berechnen();
        C_U_Berechnung();
        C_Wert_anzeigen();
        C_E_Reihe();
        if (a == Art::Kerko) C_E_T_anzeigen();
        ringeBeurteilen();
    });
    m_eT->setWertepruefung([this](double t, const QString& eingabe) {
        return toleranzPruefung(angezeigtHoechstens10p(), t, eingabe);
    });
    m_eT->setAnzeige([this](double t) { return toleranzText(t, angezeigtHoechstens10p(), dezimal()); });
    m_eT->setUebernahme([this](double t) {
        (angezeigtHoechstens10p() ? m_kondensator.Toleranz_U10 : m_kondensator.Toleranz_O10) = t;
        C_Toleranz_Farbring_setzen();
        C_Toleranzen_berechnen();
    });
    m_eU->setWertepruefung([this](double u, const QString& eingabe) { return spannungPruefung(art(), u, eingabe); });
    m_eU->setAnzeige([this](double u) { return Zahlenausgabe(spannungAusEingabe(art(), u), dezimal()) + u'V'; });
    m_eU->setUebernahme([this](double u) {
        spannungSetzen(m_kondensator, art(), spannungAusEingabe(art(), u));
        C_E_U_anzeigen();
        C_U_Berechnung();
    });
}

Art KondensatorSeite::art() const { return m_rgKondensatore->itemIndex() == 1 ? Art::Tantal : Art::Kerko; }

const Seitenablage<KondensatorSeite>& KondensatorSeite::ablage() {
    using namespace zelmo::ablage;
    using S = KondensatorSeite;
    const auto wert = zwischen(grenzen::C_E_Wert.min, grenzen::C_E_Wert.max);
    // the tolerance rings of the two ceramic classes and the voltage rings of each kind
    const auto tol = [](bool klein) { return [klein](double t) { return toleranzZeile(klein, t).has_value(); }; };
    const auto spannung = [](Art a) { return [a](double u) { return !spannungPruefung(a, u, {}); }; };
    static const Seitenablage<S> a{{
        {zahl("Kondensator", "Ker", "1e-8", 1e-8, wert), glied<S>([](auto& s) -> auto& { return s.m_kondensator.Wert_Ker; })},
        {zahl("Kondensator", "Tan", "1e-5", 1e-5, wert), glied<S>([](auto& s) -> auto& { return s.m_kondensator.Wert_Tan; })},
        {zahl("Kondensator", "Tol-U10", "10", 1, tol(true)),
         glied<S>([](auto& s) -> auto& { return s.m_kondensator.Toleranz_U10; })},
        {zahl("Kondensator", "Tol-O10", "10", 10, tol(false)),
         glied<S>([](auto& s) -> auto& { return s.m_kondensator.Toleranz_O10; })},
        {zahl("Kondensator", "U-U10", "10", 100, spannung(Art::Kerko)),
         glied<S>([](auto& s) -> auto& { return s.m_kondensator.Spannung_U10; })},
        {zahl("Kondensator", "U-O10", "10", 100, spannung(Art::Kerko)),
         glied<S>([](auto& s) -> auto& { return s.m_kondensator.Spannung_O10; })},
        {zahl("Kondensator", "U-Tan", "10", 16, spannung(Art::Tantal)),
         glied<S>([](auto& s) -> auto& { return s.m_kondensator.Spannung_Tan; })},
        {index("Kondensator", "Typ", 0, 0, int(artNamen().size()), 0), gruppe(&S::m_rgKondensatore)},
    }};
    return a;
}

void KondensatorSeite::ersterStart() {
    m_eWert->setzeText(mitTrenner(u"1,00 nF"));
    m_eT->setzeText(mitTrenner(u"10,00 %"));
    m_eU->setzeText(mitTrenner(u"100,00 V"));
    ablage().ersterStart(*this, dezimal());
}

void KondensatorSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void KondensatorSeite::laden(IniLeser& l) { ablage().laden(*this, l); }

bool KondensatorSeite::angezeigtHoechstens10p() const {
    // the value as the program last showed it (a typed but unconfirmed text does not count)
    const auto v = Zahleneingabe(m_eWert->letzterProgrammText(), dezimal());
    return hoechstens10p(v.value_or(m_kondensator.Wert_Ker));
}

const Farbring& KondensatorSeite::multiplikatorRing() const {
    return art() == Art::Kerko ? m_ringMKer : m_ringMTan;
}

const Farbring& KondensatorSeite::spannungsRing() const { return art() == Art::Kerko ? m_ringUKer : m_ringUTan; }

const Farbring& KondensatorSeite::toleranzRing(bool klein) const { return klein ? m_ringTU10 : m_ringTO10; }

void KondensatorSeite::RG_KondensatoreClick() {
    m_ring1.sperren({0, 10, 11, 12});
    m_ring2.sperren({10, 11, 12});
    if (art() == Art::Kerko) {
        m_ringMKer.gruppe()->show();
        m_ringUKer.gruppe()->show();
        m_ringMTan.gruppe()->hide();
        m_ringUTan.gruppe()->hide();
        // the class follows the value shown, so the value is shown first
        C_Wert_anzeigen();
        C_Kerko_Klasse();
        C_Farbringe_setzen(m_kondensator.Wert_Ker);
        C_Toleranz_Farbring_setzen();
        C_E_T_anzeigen();
        C_Toleranzen_berechnen();
        C_U_Berechnung();
        C_E_U_anzeigen();
        C_E_Reihe();
        ringeBeurteilen();
        return;
    }
    for (const Farbring* r : {&m_ringMKer, &m_ringTU10, &m_ringTO10, &m_ringUKer}) r->gruppe()->hide();
    const Sperren g = gesperrt(Art::Tantal, false);
    m_ringMTan.gruppe()->move(LinksM, RingeOben);
    m_ringMTan.sperren(g.multiplikator);
    m_ringMTan.gruppe()->show();
    m_ringUTan.gruppe()->move(LinksUTan, RingeOben);
    m_ringUTan.sperren(g.spannung);
    m_ringUTan.gruppe()->show();
    // no tolerance: the voltage ring takes the tolerance ring's place
    for (QWidget* w : std::initializer_list<QWidget*>{m_ringTU10.form(), m_eT, m_labelToleranz, m_labelMax, m_labelMin,
                                                      m_tolMax, m_tolMin, m_labelT})
        w->hide();
    m_bild->platzieren(m_ringUTan.form(), ringRechteck(3));
    m_bild->platzieren(m_labelU, markenMitte(3));

    C_Farbringe_setzen(m_kondensator.Wert_Tan);
    C_U_Berechnung();
    C_E_U_anzeigen();
    C_Wert_anzeigen();
    C_E_Reihe();
    ringeBeurteilen();
}

void KondensatorSeite::C_Kerko_Klasse() {
    if (angezeigtHoechstens10p())
        C_Kerko_kleiner_10p();
    else
        C_Kerko_groesser_10p();
}

void KondensatorSeite::C_Kerko_kleiner_10p() { C_Kerko_Aufbau(true); }
void KondensatorSeite::C_Kerko_groesser_10p() { C_Kerko_Aufbau(false); }

void KondensatorSeite::C_Kerko_Aufbau(bool klein) {
    const Sperren g = gesperrt(Art::Kerko, klein);
    m_ringMKer.gruppe()->move(LinksM, RingeOben);
    m_ringMKer.sperren(g.multiplikator);
    m_ringMKer.gruppe()->show();
    m_ringUKer.sperren(g.spannung);
    m_ringUKer.gruppe()->show();
    m_ringMTan.gruppe()->hide();
    m_ringUTan.gruppe()->hide();
    m_ring1.sperren({0, 10, 11, 12});
    m_ring2.sperren({10, 11, 12});
    m_bild->platzieren(m_ringUKer.form(), ringRechteck(4));
    m_bild->platzieren(m_labelT, markenMitte(3));
    m_bild->platzieren(m_labelU, markenMitte(4));
    for (QWidget* w : std::initializer_list<QWidget*>{m_ringTU10.form(), m_eT, m_labelToleranz, m_labelMax, m_labelMin,
                                                      m_tolMax, m_tolMin, m_labelT})
        w->show();
    const Farbring& an = toleranzRing(klein);
    const Farbring& aus = toleranzRing(!klein);
    an.gruppe()->move(LinksT, RingeOben);
    an.sperren(g.toleranz);
    an.gruppe()->show();
    aus.gruppe()->hide();
    m_kleinAufgebaut = klein;
    C_E_T_anzeigen();
    C_Toleranz_Farbring_setzen();
}

void KondensatorSeite::C_Ziffernring_geklickt(const Farbring& ring, int stelle) {
    ring.auswahlMalen();
    C_berechnen_und_anzeigen(ring.farbe(), stelle);
    // a digit may carry a ceramic value across 10 pF (10 pF to 11 pF): the layout follows the class
    if (art() == Art::Kerko && angezeigtHoechstens10p() != m_kleinAufgebaut) C_Kerko_Klasse();
    C_Toleranzen_berechnen();
}

void KondensatorSeite::RG_C_1Click() { C_Ziffernring_geklickt(m_ring1, 0); }
void KondensatorSeite::RG_C_2Click() { C_Ziffernring_geklickt(m_ring2, 1); }

void KondensatorSeite::RG_C_M_KerClick() {
    m_ringMKer.auswahlMalen();
    C_Multi_berechnen_und_anzeigen(m_ringMKer.farbe());
    C_Kerko_Klasse();
    C_Toleranzen_berechnen();
    C_E_T_anzeigen();
}

void KondensatorSeite::RG_C_M_TanClick() {
    m_ringMTan.auswahlMalen();
    C_Multi_berechnen_und_anzeigen(m_ringMTan.farbe());
}

void KondensatorSeite::C_Toleranzring_geklickt(const Farbring& ring, bool klein) {
    if (const Ringzeile* z = ring.auswahl(); z && z->wert) {
        ring.auswahlMalen();
        (klein ? m_kondensator.Toleranz_U10 : m_kondensator.Toleranz_O10) = *z->wert;
    }
    C_Toleranzen_berechnen();
    C_E_T_anzeigen();
}

void KondensatorSeite::RG_C_T_U10Click() { C_Toleranzring_geklickt(m_ringTU10, true); }
void KondensatorSeite::RG_C_T_O10Click() { C_Toleranzring_geklickt(m_ringTO10, false); }

void KondensatorSeite::C_Spannungsring_geklickt(const Farbring& ring) {
    if (const Ringzeile* z = ring.auswahl(); z && z->wert) {
        ring.auswahlMalen();
        spannungSetzen(m_kondensator, art(), *z->wert);
        C_E_U_anzeigen();
    }
}

void KondensatorSeite::RG_C_U_KerClick() { C_Spannungsring_geklickt(m_ringUKer); }
void KondensatorSeite::RG_C_U_TanClick() { C_Spannungsring_geklickt(m_ringUTan); }

void KondensatorSeite::wertUebernehmen(std::optional<double> v) {
    // a computed value outside the field's limits (or none) leaves the record as it was
    if (v && *v >= Rechengrenzen120::C_min && *v <= Rechengrenzen120::C_max) wert(m_kondensator, art()) = *v;
}

void KondensatorSeite::C_berechnen_und_anzeigen(Farbwert farbe, int stelle) {
    const Art a = art();
    wertUebernehmen(wertMitZiffer(wert(m_kondensator, a), ziffernskala(a), stelle, ziffernZeichen(farbe), dezimal()));
    C_Wert_anzeigen();
    C_E_Reihe();
    ringeBeurteilen();
}

void KondensatorSeite::C_Multi_berechnen_und_anzeigen(Farbwert farbe) {
    const Art a = art();
    const double m = wertDerFarbe(multiplikator(a), farbe).value_or(1.0);
    wertUebernehmen(wertMitMultiplikator(wert(m_kondensator, a), ziffernskala(a), 2, m, dezimal()));
    C_Wert_anzeigen();
    // the multiplier drops the digits beyond the rings, so the series may change too
    C_E_Reihe();
    ringeBeurteilen();
}

void KondensatorSeite::ringeBeurteilen() {
    const Art a = art();
    const double w = wert(m_kondensator, a);
    QString ziffern{ziffernZeichen(m_ring1.farbe())};
    ziffern += ziffernZeichen(m_ring2.farbe());
    const auto m = wertDerFarbe(multiplikator(a), multiplikatorRing().farbe());
    zelmo::ringeBeurteilen(m_ringhinweis, {&m_ring1, &m_ring2, &m_ringMKer, &m_ringMTan}, w,
                           vollstaendig(ringeAusWert(w, codierung(a), dezimal())),
                           m ? ringwert(ziffern, *m, dezimal()) : std::nullopt, QStringLiteral("F"), dezimal());
}

void KondensatorSeite::C_Farbringe_setzen(double zahl) {
    const Ringbelegung b = ringeAusWert(zahl, codierung(art()), dezimal());
    const Farbring* ringe[] = {&m_ring1, &m_ring2};
    for (size_t i = 0; i < b.ziffern.size(); ++i)
        if (b.ziffern[i]) ringe[i]->setzen(*b.ziffern[i]);
    if (b.multiplikator) multiplikatorRing().setzen(*b.multiplikator);
}

void KondensatorSeite::C_Toleranzen_berechnen() {
    if (art() != Art::Kerko) return;
    const auto g = kondensatorcode::grenzen(m_kondensator, angezeigtHoechstens10p(), dezimal());
    m_tolMax->setText(g.oben);
    m_tolMin->setText(g.unten);
    m_tolMax->setCursorPosition(0);
    m_tolMin->setCursorPosition(0);
}

void KondensatorSeite::C_Toleranz_Farbring_setzen() {
    if (art() != Art::Kerko) return;
    const bool klein = angezeigtHoechstens10p();
    const double t = klein ? m_kondensator.Toleranz_U10 : m_kondensator.Toleranz_O10;
    if (const auto z = toleranzZeile(klein, t)) toleranzRing(klein).setzen(*z);
}

void KondensatorSeite::C_U_Berechnung() {
    const Art a = art();
    if (const auto z = spannungZeile(a, spannung(m_kondensator, a))) spannungsRing().setzen(*z);
}

void KondensatorSeite::C_E_Reihe() {
    if (const auto v = Zahleneingabe(m_eWert->text(), dezimal()))
        m_eReihe->zeigen(eReihenZeilen(*v, Reihenzeilen::Kondensator));
}

void KondensatorSeite::C_Wert_anzeigen() { m_eWert->zeigeWert(wert(m_kondensator, art())); }

void KondensatorSeite::C_E_T_anzeigen() {
    m_eT->setzeText(toleranzText(m_kondensator, angezeigtHoechstens10p(), dezimal()));
}

void KondensatorSeite::C_E_U_anzeigen() {
    const Art a = art();
    m_eU->setzeText(Zahlenausgabe(spannung(m_kondensator, a), dezimal()) + u'V');
}

}  // namespace zelmo
