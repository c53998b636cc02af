// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/DrosselSeite.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "colourcode/Bauteilbild.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

using namespace drosselcode;

QStringList kennzeichnungsNamen() {
    return {QStringLiteral("IEC"), QStringLiteral("Jahre Dezi"), QStringLiteral("Jahre Multi")};
}

// Page layout (content area about 629 x 440).
constexpr int RingeOben = 100;  // top of Panel22 with the legend and the ring groups
constexpr int ZiffernBreite = 42;
constexpr int GruppenBreite = 75;
constexpr int RechtsLinks = 492;  // right column
constexpr int RechtsBreite = 133;

// The drawing in logical units.
constexpr QSizeF BildGroesse(350, 96);
constexpr double KoerperLinks = 66, KoerperRechts = 284, KoerperOben = 13, KoerperUnten = 59;
constexpr double RingOben = 13, RingHoehe = 46, RingBreite = 12, BandBreite = 20, MarkenY = 72;

// What the selector sets up per coding.
struct Aufbau {
    int panelLinks, panelBreite;
    const char16_t* marken[3];  // Label60 to Label62 (nullptr: hidden)
    bool silberband;            // Shape62 with GroupBox11
    const char16_t* titel1;
    int links1;
    const char16_t* titel2;
    int links2;
    int links3;  // RG_L_3, -1: hidden
    int linksM;  // the multiplier group, -1: none
    int linksT;  // the tolerance group
};
constexpr Aufbau aufbauten[3] = {
    {80, 370, {u"M", u"T", nullptr}, false, u" 1. ", 132, u" 2. ", 174, -1, 216, 291},
    {70, 380, {u"3", u"4", u"T"}, true, u" 2. ", 174, u" 3. ", 216, 258, -1, 300},
    {60, 410, {u"3", u"M", u"T"}, true, u" 2. ", 174, u" 3. ", 216, -1, 258, 333},
};

// Ring places on the body from the left: IEC four rings, the Jahre codings a wide silver band, three
// rings and the tolerance ring after a gap.
constexpr double IecPlatz[] = {118, 138, 158, 200};
constexpr double JahrePlatz[] = {92, 126, 146, 166, 208};

QRectF ringRechteck(double links, double breite = RingBreite) { return {links, RingOben, breite, RingHoehe}; }

QPainterPath drosselUmriss() {
    QPainterPath p;
    p.addRoundedRect(QRectF(KoerperLinks, KoerperOben, KoerperRechts - KoerperLinks, KoerperUnten - KoerperOben), 16,
                     16);
    return p;
}

}  // namespace

DrosselSeite::DrosselSeite(const Umgebung& umgebung, QWidget* parent)
    : Rechnerseite(umgebung, parent), m_ziffern(ziffer(dezimal())) {
    aufbauen();
}

void DrosselSeite::aufbauen() {
    // value with the limits above and below it
    beschriftung(this, QStringLiteral("max."), {4, 8, 32, 20}, QStringLiteral("L_L_max"));
    m_tolMax = neuesGrenzfeld(QStringLiteral("L_Tol_max"), QStringLiteral(" C Tol max"),
                              QStringLiteral("Wert bei der oberen Toleranzgrenze"), this);
    m_tolMax->setGeometry(36, 8, 94, 20);
    m_eWert = new Eingabefeld(grenzen::L_E_Wert, dezimal(), this);
    m_eWert->setGeometry(4, 35, 126, 24);
    m_eWert->setAlignment(Qt::AlignCenter);
    m_eWert->setzeText(QStringLiteral(" 12"));
    m_eWert->setToolTip(QStringLiteral("Eingabe des Wertes der Drossel"));
    beschriftung(this, QStringLiteral("min."), {4, 66, 32, 20}, QStringLiteral("L_L_min"));
    m_tolMin = neuesGrenzfeld(QStringLiteral("L_Tol_min"), QStringLiteral(" C Tol min"),
                              QStringLiteral("Wert bei der unteren Toleranzgrenze"), this);
    m_tolMin->setGeometry(36, 66, 94, 20);

    // the inductor
    m_bild = new Bauteilbild(QStringLiteral("Panel30"), BildGroesse, this);
    m_bild->setGeometry(136, 2, 350, 96);
    m_bild->setAccessibleDescription(QStringLiteral("Zeichnung der Drossel mit ihren Farbringen, von links"));
    m_bild->setKoerper(QStringLiteral("Shape113"), drosselUmriss(), alsFarbe(clSkyBlue));
    m_bild->setDraehte({QLineF(4, 36, KoerperLinks, 36), QLineF(KoerperRechts, 36, 346, 36)}, 3);
    auto ring = [this](const char* name) {
        Ringform* r = m_bild->neuerRing(QString::fromLatin1(name));
        r->setFarbe(alsFarbe(Hintergrund));
        return r;
    };
    m_silberband = ring("Shape62");
    m_silberband->setFarbe(alsFarbe(clSilver));
    m_silberband->setToolTip(QStringLiteral("Wert Farbring"));
    Ringform* s24 = ring("Shape24");
    Ringform* s25 = ring("Shape25");
    Ringform* s28 = ring("Shape28");
    Ringform* s26 = ring("Shape26");
    Ringform* s27 = ring("Shape27");
    Ringform* s68 = ring("Shape68");
    Ringform* s63 = ring("Shape63");
    m_bild->platzieren(m_silberband, ringRechteck(JahrePlatz[0], BandBreite));
    m_bild->platzieren(s26, ringRechteck(IecPlatz[2]));
    m_bild->platzieren(s27, ringRechteck(IecPlatz[3]));
    m_bild->platzieren(s28, ringRechteck(JahrePlatz[3]));
    m_bild->platzieren(s68, ringRechteck(JahrePlatz[3]));
    m_bild->platzieren(s63, ringRechteck(JahrePlatz[4]));
    m_ringhinweis = neuerRinghinweis(QStringLiteral("L_L_Ringe"), this);
    m_ringhinweis->setGeometry(136, 82, 350, 16);
    m_marken[0] = m_bild->neueMarke(QStringLiteral("L_Ringmarke1"), QStringLiteral("1."));
    m_marken[1] = m_bild->neueMarke(QStringLiteral("L_Ringmarke2"), QStringLiteral("2."));
    m_marken[2] = m_bild->neueMarke(QStringLiteral("Label60"), QStringLiteral("M"));
    m_marken[3] = m_bild->neueMarke(QStringLiteral("Label61"), QStringLiteral("T"));
    m_marken[4] = m_bild->neueMarke(QStringLiteral("Label62"), QStringLiteral("T"));

    // tolerance
    beschriftung(this, QStringLiteral("Toleranz"), {RechtsLinks, 2, RechtsBreite, 18}, QStringLiteral("L_L_Toleranz"));
    m_eT = new Eingabefeld(QStringLiteral("L_E_T"), dezimal(), this);
    m_eT->setGeometry(RechtsLinks, 20, RechtsBreite, 24);
    m_eT->setzeText(QStringLiteral(" 10 "));
    m_eT->setToolTip(QStringLiteral("Eingabe der Toleranz der Drossel"));

    // legend and ring groups on Panel22, which moves with the coding
    m_panel22 = new QWidget(this);
    m_panel22->setObjectName(QStringLiteral("Panel22"));
    m_panel22->setGeometry(aufbauten[0].panelLinks, RingeOben, aufbauten[0].panelBreite, RinggruppenHoehe);
    m_legende = new Farblegende(QStringLiteral("GroupBox16"), drosselPalette(), m_panel22);
    m_legende->setGeometry(0, 0, 130, RinggruppenHoehe);

    m_erstesBand = new QGroupBox(QStringLiteral(" 1 ."), m_panel22);
    m_erstesBand->setObjectName(QStringLiteral("GroupBox11"));
    m_erstesBand->setGeometry(132, 0, ZiffernBreite, RinggruppenHoehe);
    m_erstesBand->setToolTip(QStringLiteral("Wert Farbring"));
    m_erstesBandKnopf = new QRadioButton(m_erstesBand);
    m_erstesBandKnopf->setObjectName(QStringLiteral("RadioButton1"));
    m_erstesBandKnopf->setChecked(true);
    m_erstesBandKnopf->setToolTip(QStringLiteral("Wert Farbring"));
    {
        // in the silver row, where the ring groups have their item 11
        const int zeichen = QFontMetrics(m_erstesBand->font()).height();
        const int rest = RinggruppenHoehe - zeichen - 5;
        const int hoehe = rest / Farbzeilen;
        m_erstesBandKnopf->setGeometry(8, zeichen + 1 + (rest % Farbzeilen) / 2 + 11 * hoehe, ZiffernBreite - 10,
                                       hoehe);
    }

    auto gruppe = [this](const char* name, const char16_t* titel, const Ringtabelle& t, const char* hinweis) {
        return neueRinggruppe(QString::fromLatin1(name), QString::fromUtf16(titel), t, QString::fromLatin1(hinweis),
                              m_panel22);
    };
    m_ring1 = Farbring(s24, gruppe("RG_L_1", u" 2. ", m_ziffern, "Wert Farbring"), &m_ziffern);
    m_ring2 = Farbring(s25, gruppe("RG_L_2", u" 3. ", m_ziffern, "Wert Farbring"), &m_ziffern);
    m_ring3 = Farbring(s28, gruppe("RG_L_3", u" 4. ", m_ziffern, "Wert Farbring"), &m_ziffern);
    m_ringMIec = Farbring(s26, gruppe("RG_L_M_IEC", u" Multi ", multiplikatorIEC(), "Multiplikatorring"),
                          &multiplikatorIEC());
    m_ringMJahre = Farbring(s68, gruppe("RG_L_M_Jahre", u" Multi ", multiplikatorJahre(), "Multiplikatorring"),
                            &multiplikatorJahre());
    m_ringTIec = Farbring(s27, gruppe("RG_L_T_IEC", u" Toleranz ", toleranzIEC(), "Toleranzring"), &toleranzIEC());
    m_ringTJahre =
        Farbring(s63, gruppe("RG_L_T_Jahre", u" Toleranz ", toleranzJahre(), "Toleranzring"), &toleranzJahre());
    for (const Farbring* r : {&m_ring1, &m_ring2, &m_ring3})
        r->gruppe()->setGeometry(174, 0, ZiffernBreite, RinggruppenHoehe);
    for (const Farbring* r : {&m_ringMIec, &m_ringMJahre, &m_ringTIec, &m_ringTJahre})
        r->gruppe()->setGeometry(216, 0, GruppenBreite, RinggruppenHoehe);

    m_ring1.gruppe()->klick = [this] { RG_L_1Click(); };
    m_ring2.gruppe()->klick = [this] { RG_L_2Click(); };
    m_ring3.gruppe()->klick = [this] { RG_L_3Click(); };
    m_ringMIec.gruppe()->klick = [this] { RG_L_M_IECClick(); };
    m_ringMJahre.gruppe()->klick = [this] { RG_L_M_JahreClick(); };
    m_ringTIec.gruppe()->klick = [this] { RG_L_T_IECClick(); };
    m_ringTJahre.gruppe()->klick = [this] { RG_L_T_JahreClick(); };

    // coding and E-series
    m_rgDrossel = new Radiogruppe(QStringLiteral("RG_Drossel"), QStringLiteral(" Auswahl "),
                                  kennzeichnungsNamen(), 1, this);
    m_rgDrossel->setGeometry(RechtsLinks, RingeOben, RechtsBreite, 88);
    m_rgDrossel->setToolTip(QStringLiteral("Auswahl der Kennzeichnungsart"));
    m_rgDrossel->klick = [this] { RG_DrosselClick(); };

    auto* box = new QGroupBox(QStringLiteral(" in E-Reihe "), this);
    box->setObjectName(QStringLiteral("GroupBox8"));
    box->setGeometry(RechtsLinks, 196, RechtsBreite, 241);
    box->setToolTip(QStringLiteral("Drosselwert in E-Reihen enthalten"));
    m_eReihe = new EReihenListe(QStringLiteral("E_Reihe_L"), box);
    m_eReihe->setGeometry(8, 22, RechtsBreite - 16, 241 - 30);
    m_eReihe->setToolTip(QStringLiteral("Drosselwert in E-Reihen enthalten"));

    // Enter in the entry fields
    m_eWert->setUebernahme([this](double v) {
        wert(m_drossel, system()) = v;
        L_Farbringe_setzen(v);
        L_Toleranzen_berechnen();
        L_Wert_anzeigen();
        L_E_Reihe();
        ringeBeurteilen();
    });
    m_eT->setWertepruefung(
        [this](double t, const QString& eingabe) { return toleranzPruefung(system(), t, eingabe); });
    // IEC shows the accepted tolerance in normal form, the Jahre codings keep the text as typed
    m_eT->setAnzeige([this](double t) {
        return system() == System::IEC ? Zahlenausgabe(t, dezimal()) + u'%' : m_eT->text();
    });
    m_eT->setUebernahme([this](double t) {
        toleranz(m_drossel, system()) = t;
        L_Toleranz_Farbring_setzen();
        L_Toleranzen_berechnen();
    });
}

System DrosselSeite::system() const {
    const int i = m_rgDrossel->itemIndex();
    return i == 1 ? System::JahreDezi : i == 2 ? System::JahreMulti : System::IEC;
}

const Seitenablage<DrosselSeite>& DrosselSeite::ablage() {
    using namespace zelmo::ablage;
    using S = DrosselSeite;
    const auto wert = zwischen(grenzen::L_E_Wert.min, grenzen::L_E_Wert.max);
    // each coding has its own tolerance rings
    const auto tol = [](System s) { return [s](double t) { return toleranzZeile(s, t).has_value(); }; };
    static const Seitenablage<S> a{{
        {zahl("Drossel", "IEC", "1e-5", 1e-5, wert), glied<S>([](auto& s) -> auto& { return s.m_drossel.Wert_IEC; })},
        {zahl("Drossel", "J-Dezi", "1e-5", 1e-5, wert), glied<S>([](auto& s) -> auto& { return s.m_drossel.Wert_Dezi; })},
        {zahl("Drossel", "J-Multi", "1e-5", 1e-5, wert), glied<S>([](auto& s) -> auto& { return s.m_drossel.Wert_Multi; })},
        {zahl("Drossel", "Tol-IEC", "10", 10, tol(System::IEC)),
         glied<S>([](auto& s) -> auto& { return s.m_drossel.Toleranz_IEC; })},
        {zahl("Drossel", "Tol-Dezi", "10", 10, tol(System::JahreDezi)),
         glied<S>([](auto& s) -> auto& { return s.m_drossel.Toleranz_Dezi; })},
        {zahl("Drossel", "Tol-Multi", "10", 10, tol(System::JahreMulti)),
         glied<S>([](auto& s) -> auto& { return s.m_drossel.Toleranz_Multi; })},
        {index("Drossel", "Typ", 0, 0, int(kennzeichnungsNamen().size()), 0), gruppe(&S::m_rgDrossel)},
    }};
    return a;
}

void DrosselSeite::ersterStart() {
    m_eWert->setzeText(mitTrenner(u"50,00 \u00B5H"));
    m_eT->setzeText(mitTrenner(u"10,00 %"));
    ablage().ersterStart(*this, dezimal());
}

void DrosselSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void DrosselSeite::laden(IniLeser& l) { ablage().laden(*this, l); }

const Farbring& DrosselSeite::multiplikatorRing() const {
    return system() == System::IEC ? m_ringMIec : m_ringMJahre;
}

const Farbring& DrosselSeite::toleranzRing() const { return system() == System::IEC ? m_ringTIec : m_ringTJahre; }

void DrosselSeite::RG_DrosselClick() {
    const System s = system();
    const Aufbau& a = aufbauten[int(s)];
    const bool iec = s == System::IEC;
    const bool dezi = s == System::JahreDezi;

    m_panel22->setGeometry(a.panelLinks, RingeOben, a.panelBreite, RinggruppenHoehe);
    m_erstesBand->setVisible(a.silberband);
    m_ring1.gruppe()->setTitle(QString::fromUtf16(a.titel1));
    m_ring1.gruppe()->move(a.links1, 0);
    m_ring2.gruppe()->setTitle(QString::fromUtf16(a.titel2));
    m_ring2.gruppe()->move(a.links2, 0);
    m_ring3.gruppe()->setVisible(a.links3 >= 0);
    if (a.links3 >= 0) m_ring3.gruppe()->move(a.links3, 0);
    m_ringMIec.gruppe()->setVisible(iec);
    m_ringMJahre.gruppe()->setVisible(!iec && !dezi);
    m_ringTIec.gruppe()->setVisible(iec);
    m_ringTJahre.gruppe()->setVisible(!iec);
    if (a.linksM >= 0) multiplikatorRing().gruppe()->move(a.linksM, 0);
    toleranzRing().gruppe()->move(a.linksT, 0);

    const Sperren& g = gesperrt(s);
    m_ring1.sperren(g.ersteZiffer);
    m_ring2.sperren(g.ziffer);
    m_ring3.sperren(g.ziffer);
    multiplikatorRing().sperren(g.multiplikator);
    toleranzRing().sperren(g.toleranz);

    // the rings on the body, left to right, with their labels
    std::vector<std::pair<Ringform*, QRectF>> ringe;
    if (iec) {
        ringe = {{m_ring1.form(), ringRechteck(IecPlatz[0])},
                 {m_ring2.form(), ringRechteck(IecPlatz[1])},
                 {m_ringMIec.form(), ringRechteck(IecPlatz[2])},
                 {m_ringTIec.form(), ringRechteck(IecPlatz[3])}};
    } else {
        ringe = {{m_silberband, ringRechteck(JahrePlatz[0], BandBreite)},
                 {m_ring1.form(), ringRechteck(JahrePlatz[1])},
                 {m_ring2.form(), ringRechteck(JahrePlatz[2])},
                 {dezi ? m_ring3.form() : m_ringMJahre.form(), ringRechteck(JahrePlatz[3])},
                 {m_ringTJahre.form(), ringRechteck(JahrePlatz[4])}};
    }
    for (Ringform* f : {m_silberband, m_ring1.form(), m_ring2.form(), m_ring3.form(), m_ringMIec.form(),
                        m_ringTIec.form(), m_ringMJahre.form(), m_ringTJahre.form()})
        f->hide();
    for (int i = 0; i < 3; ++i) {
        m_marken[2 + i]->setVisible(a.marken[i] != nullptr);
        if (a.marken[i]) m_marken[2 + i]->setText(QString::fromUtf16(a.marken[i]));
    }
    for (size_t i = 0; i < ringe.size(); ++i) {
        auto [form, platz] = ringe[i];
        m_bild->platzieren(form, platz);
        form->show();
        m_bild->platzieren(m_marken[i], QPointF(platz.center().x(), MarkenY));
    }

    L_Wert_anzeigen();
    L_Farbringe_setzen(wert(m_drossel, s));
    L_E_T_anzeigen();
    L_Toleranzen_berechnen();
    L_Toleranz_Farbring_setzen();
    L_E_Reihe();
    ringeBeurteilen();
}

void DrosselSeite::L_Ziffernring_geklickt(const Farbring& ring, int stelle) {
    ring.auswahlMalen();
    L_berechnen_und_anzeigen(ring.farbe(), stelle);
    L_Toleranzen_berechnen();
}

void DrosselSeite::RG_L_1Click() { L_Ziffernring_geklickt(m_ring1, 0); }
void DrosselSeite::RG_L_2Click() { L_Ziffernring_geklickt(m_ring2, 1); }
void DrosselSeite::RG_L_3Click() { L_Ziffernring_geklickt(m_ring3, 2); }

void DrosselSeite::L_Multiplikator_geklickt(const Farbring& ring) {
    ring.auswahlMalen();
    L_Multi_berechnen_und_anzeigen(ring.farbe());
    L_Toleranzen_berechnen();
}

void DrosselSeite::RG_L_M_IECClick() { L_Multiplikator_geklickt(m_ringMIec); }
void DrosselSeite::RG_L_M_JahreClick() { L_Multiplikator_geklickt(m_ringMJahre); }

void DrosselSeite::L_Toleranzring_geklickt(const Farbring& ring) {
    if (const Ringzeile* z = ring.auswahl(); z && z->wert) {
        ring.auswahlMalen();
        toleranz(m_drossel, system()) = *z->wert;
    }
    L_Toleranzen_berechnen();
    L_E_T_anzeigen();
}

void DrosselSeite::RG_L_T_IECClick() { L_Toleranzring_geklickt(m_ringTIec); }
void DrosselSeite::RG_L_T_JahreClick() { L_Toleranzring_geklickt(m_ringTJahre); }

void DrosselSeite::wertUebernehmen(std::optional<double> v) {
    // a computed value outside the field's limits (or none) leaves the record as it was
    if (v && *v >= Rechengrenzen120::L_min && *v <= Rechengrenzen120::L_max) wert(m_drossel, system()) = *v;
}

void DrosselSeite::L_berechnen_und_anzeigen(Farbwert farbe, int stelle) {
    const System s = system();
    wertUebernehmen(
        wertMitZiffer(wert(m_drossel, s), ziffernskala(s), stelle, ringzeichen(farbe, dezimal()), dezimal()));
    L_Wert_anzeigen();
    L_E_Reihe();
    ringeBeurteilen();
}

void DrosselSeite::L_Multi_berechnen_und_anzeigen(Farbwert farbe) {
    const System s = system();
    const double m = wertDerFarbe(multiplikator(s), farbe).value_or(1.0);
    wertUebernehmen(wertMitMultiplikator(wert(m_drossel, s), ziffernskala(s), 2, m, dezimal()));
    L_Wert_anzeigen();
    // the multiplier drops the digits beyond the rings, so the series may change too
    L_E_Reihe();
    ringeBeurteilen();
}

void DrosselSeite::ringeBeurteilen() {
    const System s = system();
    const double w = wert(m_drossel, s);
    const QChar dez = dezimal();
    QString zeichen{ringzeichen(m_ring1.farbe(), dez)};
    zeichen += ringzeichen(m_ring2.farbe(), dez);
    std::optional<double> gezeigt;
    if (s == System::JahreDezi) {
        // digits and decimal point of the value in microhenry, no multiplier
        zeichen += ringzeichen(m_ring3.farbe(), dez);
        gezeigt = ringwert(zeichen, 1e-6, dez);
    } else if (const auto m = wertDerFarbe(multiplikator(s), multiplikatorRing().farbe())) {
        gezeigt = ringwert(zeichen, *m, dez);
    }
    zelmo::ringeBeurteilen(m_ringhinweis, {&m_ring1, &m_ring2, &m_ring3, &m_ringMIec, &m_ringMJahre}, w,
                           vollstaendig(ringeAusWert(w, s, dez), s != System::JahreDezi), gezeigt,
                           QStringLiteral("H"), dez);
}

void DrosselSeite::L_Farbringe_setzen(double zahl) {
    const System s = system();
    const Ringbelegung b = ringeAusWert(zahl, s, dezimal());
    const Farbring* ringe[] = {&m_ring1, &m_ring2, &m_ring3};
    for (size_t i = 0; i < b.ziffern.size(); ++i)
        if (b.ziffern[i]) ringe[i]->setzen(*b.ziffern[i]);
    if (b.multiplikator) multiplikatorRing().setzen(*b.multiplikator);
}

void DrosselSeite::L_Toleranzen_berechnen() {
    const System s = system();
    const double w = wert(m_drossel, s);
    const auto g = toleranzgrenzen(w, w * toleranz(m_drossel, s) / 100, grenzStufen(), dezimal());
    m_tolMax->setText(g.oben);
    m_tolMin->setText(g.unten);
    m_tolMax->setCursorPosition(0);
    m_tolMin->setCursorPosition(0);
}

void DrosselSeite::L_Toleranz_Farbring_setzen() {
    const System s = system();
    if (const auto z = toleranzZeile(s, toleranz(m_drossel, s))) toleranzRing().setzen(*z);
}

void DrosselSeite::L_E_Reihe() {
    if (const auto v = Zahleneingabe(m_eWert->text(), dezimal()))
        m_eReihe->zeigen(eReihenZeilen(*v, Reihenzeilen::WiderstandDrossel));
}

void DrosselSeite::L_Wert_anzeigen() { m_eWert->zeigeWert(wert(m_drossel, system())); }

void DrosselSeite::L_E_T_anzeigen() {
    m_eT->setzeText(allgemein(toleranz(m_drossel, system()), dezimal()) + QStringLiteral(" %"));
}

}  // namespace zelmo
