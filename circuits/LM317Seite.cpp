// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/LM317Seite.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "circuits/LM317Bilder.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Schaltbild.h"
#include "fields/Uebergabeknopf.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {


const QColor gruen(0, 120, 0);
const QColor orange(190, 95, 0);
const QColor rot(200, 0, 0);

// A label whose "R" gets its subscript as a small label of its own; the blanks after the "R" leave room.
void mitIndex(QWidget* eltern, const QString& text, const QString& index, QPoint links, int hoehe) {
    QLabel* l = beschriftung(eltern, text, {links.x(), links.y(), 160, hoehe});
    QLabel* i = beschriftung(eltern, index, {});
    QFont klein = l->font();
    klein.setPixelSize(9);
    i->setFont(klein);
    const int x = links.x() + l->fontMetrics().horizontalAdvance(text.left(text.indexOf(u'R') + 1)) + 1;
    i->setGeometry(x, links.y() + hoehe / 2 - 1, 40, 12);
}

}  // namespace

LM317Seite::LM317Seite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    const QChar dez = dezimal();
    lm317::ersterStartWerte(m_rthjc, m_rthja);

    // --- regulator kind and its circuit
    m_reglerart = new Radiogruppe(QStringLiteral("RG_317ner_Reglerart"), QStringLiteral(" Auswahl Reglerart "),
                                  lm317::reglerartNamen(), 2, this);
    m_reglerart->setGeometry(10, 8, 290, 46);
    m_reglerart->setToolTip(
        QStringLiteral("Auswahl der Schaltungart des Reglers (Spannungs- oder Stromregler)"));
    m_reglerart->klick = [this] { RG_317ner_ReglerartClick(); };

    m_bildSpannung = new Schaltbild(QStringLiteral("LM317ner_I_Spannung"), lm317bild::schaltungGroesse, this);
    m_bildSpannung->setToolTip(QStringLiteral("Grundschaltung des IC als Spannungskonstandhalter"));
    m_bildSpannung->setZeichnung(lm317bild::spannungsregler);
    m_bildStrom = new Schaltbild(QStringLiteral("LM317ner_I_Strom"), lm317bild::schaltungGroesse, this);
    m_bildStrom->setToolTip(QStringLiteral("Grundschaltung des IC als Stromkonstandhalter"));
    m_bildStrom->setZeichnung(lm317bild::stromregler);
    for (Schaltbild* b : {m_bildSpannung, m_bildStrom}) b->setGeometry(10, 62, 290, 190);
    m_bildStrom->hide();

    // --- housing with its pin-out
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel18"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(10, 260, 290, 203);
    m_gehaeuse = new QComboBox(panel);
    m_gehaeuse->setObjectName(QStringLiteral("LM317_CB_Gehaeuse"));
    m_gehaeuse->addItems(lm317::gehaeuseNamen());
    m_gehaeuse->setGeometry(8, 8, 152, 22);
    m_gehaeuse->setCurrentIndex(0);
    m_gehaeuse->setAccessibleName(QStringLiteral(u"Gehäuse"));  // its items say "Gehäuse …"; no label
    connect(m_gehaeuse, &QComboBox::activated, this, [this] { LM317_CB_GehaeuseChange(); });
    m_ansicht = beschriftung(panel, QStringLiteral("Draufsicht"), {168, 8, 116, 22},
                             QStringLiteral("LM317ner_L_Ansicht"));
    for (int i = 0; i < lm317::anzahlGehaeuse; ++i) {
        auto* b = new Schaltbild(QString::fromLatin1(lm317::gehaeuse()[size_t(i)].bild), lm317bild::anschlussGroesse,
                                 panel);
        b->setGeometry(6, 36, 278, 161);
        b->setHintergrund(Qt::white);
        b->setToolTip(QStringLiteral("Anschlussbild des IC (siehe Datenblatt)"));
        b->setZeichnung([i](QPainter& p) { lm317bild::anschlussbild(p, i); });
        b->setVisible(i == 0);
        m_anschluss[size_t(i)] = b;
    }

    // --- inputs
    auto* eingaben = new QGroupBox(QStringLiteral(" Eingaben "), this);
    eingaben->setObjectName(QStringLiteral("GroupBox7"));
    eingaben->setGeometry(310, 8, 317, 262);
    const int lx = 12, fx = 165, fw = 138, h = 22;
    beschriftung(eingaben, QStringLiteral("Spannung U1"), {lx, 22, 150, h});
    beschriftung(eingaben, QStringLiteral("Spannung U2"), {lx, 50, 150, h});
    beschriftung(eingaben, QStringLiteral("max. Strom I"), {lx, 78, 150, h});
    m_labelR1 = beschriftung(eingaben, QStringLiteral("Widerstand R1"), {lx, 106, 150, h}, QStringLiteral("Label128"));
    auto* linie = new QFrame(eingaben);
    linie->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    linie->setGeometry(8, 134, 301, 4);
    beschriftung(eingaben, QStringLiteral("Umgebungstemp."), {lx, 146, 150, h});
    mitIndex(eingaben, QStringLiteral("R     laut Datenblatt"), QStringLiteral("th"), {lx, 174}, h);
    mitIndex(eingaben, QStringLiteral("R         laut Datenblatt"), QStringLiteral("thj-c"), {lx, 202}, h);
    mitIndex(eingaben, QStringLiteral("R         laut Datenblatt"), QStringLiteral("thj-a"), {lx, 230}, h);

    const auto feld = [&](const Grenze& grenze, int y) {
        auto* e = new Eingabefeld(grenze, dez, eingaben);
        e->setGeometry(fx, y, fw, h);
        return e;
    };
    m_u1 = feld(grenzen::LM317ner_E_U1, 22);
    m_u2 = feld(grenzen::LM317ner_E_U2, 50);
    m_i = feld(grenzen::LM317ner_E_I, 78);
    m_r1 = feld(grenzen::LM317ner_E_R1, 106);
    m_r1->setToolTip(QStringLiteral("Vorgabewert des Widerstand R1 (240 Ohm bei vielen IC s empfohlen)"));
    m_tu = feld(grenzen::LM317ner_E_Tu, 146);
    m_rthjcFeld = feld(grenzen::LM317ner_E_Rthjc, 202);
    m_rthjaFeld = feld(grenzen::LM317ner_E_Rthja, 230);

    // the two voltages must leave the regulator its least input-output difference; before the range
    m_u1->setVorpruefung([this](double u1, const QString&) -> std::optional<QString> {
        const auto u2 = Zahleneingabe(m_u2->text(), dezimal());
        if (!u2) return lm317::meldungKeinGleitkommawert(m_u2->text());
        if (lm317::u1ZuKlein(u1, *u2, m_reglerart->itemIndex())) return lm317::meldungU1();
        return std::nullopt;
    });
    m_u2->setVorpruefung([this](double u2, const QString&) -> std::optional<QString> {
        const auto u1 = Zahleneingabe(m_u1->text(), dezimal());
        if (!u1) return lm317::meldungKeinGleitkommawert(m_u1->text());
        if (lm317::u2ZuGross(u2, *u1, m_reglerart->itemIndex())) return lm317::meldungU2();
        return std::nullopt;
    });
    for (Eingabefeld* e : {m_u1, m_u2, m_i, m_r1, m_tu}) e->setUebernahme([this](double) { LM317_Berechnung(); });
    // edited thermal values belong to the selected housing
    m_rthjcFeld->setUebernahme([this](double w) {
        if (double* v = lm317::gehaeuseWert(m_rthjc, m_gehaeuse->currentIndex())) *v = w;
        LM317_Berechnung();
    });
    m_rthjaFeld->setUebernahme([this](double w) {
        if (double* v = lm317::gehaeuseWert(m_rthja, m_gehaeuse->currentIndex())) *v = w;
        LM317_Berechnung();
    });

    m_iso = new QComboBox(eingaben);
    m_iso->setObjectName(QStringLiteral("LM317ner_C_Iso"));
    m_iso->addItems(lm317::isoNamen());
    m_iso->setCurrentIndex(0);
    m_iso->setGeometry(fx - 15, 174, 138, h);
    connect(m_iso, &QComboBox::activated, this, [this] { LM317_Berechnung(); });
    beschriftung(eingaben, QStringLiteral("K/W"), {fx + 126, 174, 26, h});

    // design texts, so that the page can calculate before anything is loaded
    startTexte();
    m_rthjcFeld->setzeText(Zahlenausgabe(m_rthjc.TO220, dez) + QStringLiteral(" K/W"));
    m_rthjaFeld->setzeText(Zahlenausgabe(m_rthja.TO220, dez) + QStringLiteral(" K/W"));

    // --- results
    auto* ausgaben = new QGroupBox(QStringLiteral(" Ausgaben "), this);
    ausgaben->setObjectName(QStringLiteral("GroupBox81"));
    ausgaben->setGeometry(310, 280, 317, 183);
    beschriftung(ausgaben, QStringLiteral("Widerstand R2"), {lx, 24, 120, h});
    beschriftung(ausgaben, QStringLiteral("Verlustleistung IC"), {lx, 54, 120, h});
    mitIndex(ausgaben, QStringLiteral(u"max. R   Kühlk."), QStringLiteral("th"), {lx, 84}, h);

    m_r2 = anzeigefeld(ausgaben, QStringLiteral("LM317_E_R2"), {135, 24, 100, h});
    m_cR2 = beschriftung(ausgaben, OhmZeichen, {240, 24, 38, h}, QStringLiteral("LM317_C_R2"));
    m_bitBtn3 = new Uebergabeknopf(QStringLiteral("BitBtn3"),
                                   QStringLiteral(u"Übernahme des Wertes von R2 auf die Seite Toleranz"), ausgaben);
    m_bitBtn3->move(281, 22);
    connect(m_bitBtn3, &Uebergabeknopf::clicked, this, [this] { BitBtn3Click(); });
    m_p = anzeigefeld(ausgaben, QStringLiteral("LM317_E_P"), {135, 54, 100, h});
    m_cP = beschriftung(ausgaben, QStringLiteral("Watt"), {240, 54, 60, h}, QStringLiteral("LM317_C_P"));
    m_kk = anzeigefeld(ausgaben, QStringLiteral("LM317_E_KK"), {135, 84, 100, h});
    m_cKK = beschriftung(ausgaben, QStringLiteral("K/W"), {240, 84, 60, h}, QStringLiteral("LM317_C_KK"));

    m_urteil = beschriftung(ausgaben, QStringLiteral(u"Kühlkörper"), {8, 112, 301, 40}, QStringLiteral("Label138"));
    normwerteKnopf(ausgaben, QStringLiteral("LM317_B_Normwerte"), {113, 152, 90, 25});
    m_urteil->setAlignment(Qt::AlignCenter);
    m_urteil->setWordWrap(true);
    QFont fett = m_urteil->font();
    fett.setPixelSize(15);
    fett.setBold(true);
    m_urteil->setFont(fett);
}

void LM317Seite::laufzeitEinstellungen() {
    m_reglerart->knopf(0)->setToolTip(QStringLiteral("Regler als Spannungsstabilisator"));
    m_reglerart->knopf(1)->setToolTip(QStringLiteral("Regler als Stromstabilisator"));
    m_reglerart->setzeKnopf(0, 30);
    m_reglerart->setzeKnopf(1, 160, 65);
}

const Seitenablage<LM317Seite>& LM317Seite::ablage() {
    using namespace zelmo::ablage;
    using S = LM317Seite;
    const auto text = [](const char* name, const char* vorgabe, QStringView erst) {
        return ablage::text("LM317-Berechnung", name, vorgabe, erst);
    };
    // the thermal resistances: each within the limits of its entry field; a first start's value else
    std::vector<Seitenablage<S>::Zahl> zahlen;
    LM317_Gehaeusewerte jcErst, jaErst;
    lm317::ersterStartWerte(jcErst, jaErst);
    for (const bool jc : {true, false}) {
        const Grenze& g = jc ? grenzen::LM317ner_E_Rthjc : grenzen::LM317ner_E_Rthja;
        for (int i = 0; i < lm317::anzahlGehaeuse; ++i) {
            const double erst = *lm317::gehaeuseWert(jc ? jcErst : jaErst, i);
            zahlen.push_back({{erst, erst, erst, zwischen(g.min, g.max)},
                              [jc, i](S& s) -> double& { return *lm317::gehaeuseWert(jc ? s.m_rthjc : s.m_rthja, i); }});
        }
    }
    static const Seitenablage<S> a{
        {
            {text("Eingabe_U1", "12,00", u"12,00 V"), feld(&S::m_u1)},
            {text("Eingabe_U2", "5,00", u"5,00 V"), feld(&S::m_u2)},
            {text("Eingabe_I", "150,00", u"150,00 mA"), feld(&S::m_i)},
            {text("Eingabe_R1", "240,00", u"240,00 \u2126"), feld(&S::m_r1)},
            {text("Eingabe_Tu", "50,00", u"5,00 °C"), feld(&S::m_tu)},
            // applied as stored: the list has no rule for a negative index
            {index("LM317-Berechnung", "Isoliersch", 0, std::nullopt, int(lm317::isoNamen().size()), 0), liste(&S::m_iso)},
            // shown from the housing's numbers (see below)
            {text("Eingabe_Rthjc", "3,00", u""), feld(&S::m_rthjcFeld)},
            {text("Eingabe_Rthja", "50,00", u""), feld(&S::m_rthjaFeld)},
            {index("LM317-Berechnung", "Reglerart", 0, 0, int(lm317::reglerartNamen().size()), 0), gruppe(&S::m_reglerart)},
            {index("LM317-Berechnung", "Gehaeuse", 0, 0, int(lm317::gehaeuseNamen().size()), 0), liste(&S::m_gehaeuse)},
            // the page's copy of the option; the options dialog reads and writes its own text of it
            {zahl("Optionen", "LM317Berechnung_Tjmax", "125", 125,
                  zwischen(Rechengrenzen120::Tjmax_min, Rechengrenzen120::Tjmax_max))
                 .nurGelesen(),
             glied<S>([](auto& s) -> auto& { return s.m_berechnungen.Tjmax; })},
        },
        std::move(zahlen),
        // the thermal fields show the stored values of the housing selected
        [](Ablagewerte& w, const std::vector<double>& z, QChar dezimal) {
            const int g = std::get<int>(ablage().wert(w, "Gehaeuse"));
            if (g < 0 || g >= lm317::anzahlGehaeuse) return;
            ablage().wert(w, "Eingabe_Rthjc") = Zahlenausgabe(z.at(size_t(g)), dezimal) + QStringLiteral(" K/W");
            ablage().wert(w, "Eingabe_Rthja") =
                Zahlenausgabe(z.at(size_t(lm317::anzahlGehaeuse + g)), dezimal) + QStringLiteral(" K/W");
        }};
    return a;
}

void LM317Seite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void LM317Seite::laden(IniLeser& l) {
    ablage().laden(*this, l);
    LM317_CB_GehaeuseChange();
}

void LM317Seite::datenSpeichern(DatenSchreiber& s) const { ablage().datenSpeichern(*this, s); }

void LM317Seite::datenLaden(DatenLeser& l) { ablage().datenLaden(*this, l); }

void LM317Seite::ersterStart() {
    ablage().ersterStart(*this, dezimal());
    m_gehaeuse->setAccessibleName(QStringLiteral(u"Gehäuse"));  // its items say "Gehäuse …"; no label
    LM317_CB_GehaeuseChange();
}

void LM317Seite::startTexte() {
    m_u1->setzeText(mitTrenner(u"12,00 V"));
    m_u2->setzeText(mitTrenner(u"5,00 V"));
    m_i->setzeText(mitTrenner(u"150,00 mA"));
    m_r1->setzeText(mitTrenner(u"240,00 \u2126"));
    m_tu->setzeText(mitTrenner(u"5,00 °C"));
}

void LM317Seite::RG_317ner_ReglerartClick() {
    const int i = m_reglerart->itemIndex();
    if (i == lm317::Spannungsregler || i == lm317::Stromregler) {
        const bool spannung = i == lm317::Spannungsregler;
        m_bildSpannung->setVisible(spannung);
        m_labelR1->setVisible(spannung);
        m_r1->setVisible(spannung);
        m_bildStrom->setVisible(!spannung);
    }
    LM317_Berechnung();
}

void LM317Seite::LM317_CB_GehaeuseChange() {
    const int i = m_gehaeuse->currentIndex();
    for (Schaltbild* b : m_anschluss) b->hide();
    if (i >= 0 && i < lm317::anzahlGehaeuse) {
        m_anschluss[size_t(i)]->show();
        m_ansicht->setText(lm317::ansicht(lm317::gehaeuse()[size_t(i)]));
        m_rthjcFeld->setzeText(Zahlenausgabe(*lm317::gehaeuseWert(m_rthjc, i), dezimal()) + QStringLiteral(" K/W"));
        m_rthjaFeld->setzeText(Zahlenausgabe(*lm317::gehaeuseWert(m_rthja, i), dezimal()) + QStringLiteral(" K/W"));
    } else {
        // no housing (a damaged settings file): no picture; the thermal fields keep what they show
        m_ansicht->clear();
    }
    LM317_Berechnung();
}

std::optional<double> LM317Seite::lies(const QLineEdit* feld) const {
    const auto w = Zahleneingabe(feld->text(), dezimal());
    if (!w) Meldungen::standardFehler(lm317::meldungKeinGleitkommawert(feld->text()));
    return w;
}

void LM317Seite::zeigeUrteil(const QString& text, const QColor& farbe) {
    QPalette pal = m_urteil->palette();
    pal.setColor(QPalette::WindowText, farbe);
    m_urteil->setPalette(pal);
    m_urteil->setText(text);
}

void LM317Seite::keinErgebnis(const QString& grund) {
    m_r2->setText(QStringLiteral("---"));
    m_cR2->setText(OhmZeichen);
    m_p->setText(QStringLiteral("---"));
    m_cP->setText(QStringLiteral("W"));
    m_kk->setText(QStringLiteral("---"));
    zeigeUrteil(grund, rot);
    m_bitBtn3->setEnabled(false);
    m_norm.reset();
    emit gerechnet();
}

void LM317Seite::LM317_Berechnung() {
    lm317::Eingaben e;
    e.reglerart = m_reglerart->itemIndex();
    const auto U1 = lies(m_u1);
    if (!U1) return;
    const auto U2 = lies(m_u2);
    if (!U2) return;
    const auto I = lies(m_i);
    if (!I) return;
    // R1 belongs to the voltage regulator only; the current regulator neither shows nor reads it
    if (e.reglerart == lm317::Spannungsregler) {
        const auto R1 = lies(m_r1);
        if (!R1) return;
        e.R1 = *R1;
    }
    const auto Tu = lies(m_tu);
    if (!Tu) return;
    m_berechnungen.Tu = *Tu;
    if (const auto iso = lm317::isoWert(m_iso->currentIndex())) m_berechnungen.Iso = *iso;
    const auto Rthjc = lies(m_rthjcFeld);
    if (!Rthjc) return;
    const auto Rthja = lies(m_rthjaFeld);
    if (!Rthja) return;
    m_berechnungen.Rthjc = *Rthjc;
    m_berechnungen.Rthja = *Rthja;

    e.U1 = *U1;
    e.U2 = *U2;
    e.I = *I;
    e.Tu = m_berechnungen.Tu;
    e.Rthjc = m_berechnungen.Rthjc;
    e.Rthja = m_berechnungen.Rthja;
    e.Iso = m_berechnungen.Iso;
    e.Tjmax = m_berechnungen.Tjmax;
    const auto rechnung = lm317::berechnen(e);
    if (const auto* f = std::get_if<lm317::Fehler>(&rechnung)) {
        keinErgebnis(lm317::fehlerText(*f));
        return;
    }
    const auto& r = std::get<lm317::Ergebnis>(rechnung);
    const QChar dez = dezimal();
    const Anzeige r2 = AnzeigeMitVorsatz(r.R2, dez);
    m_cR2->setText(r2.vorsatz + OhmZeichen);
    m_r2->setText(r2.zahl);
    const Anzeige p = AnzeigeMitVorsatz(r.P, dez);
    m_cP->setText(p.vorsatz + QStringLiteral("W"));
    m_p->setText(u' ' + p.zahl);
    m_kk->setText(u' ' + festkomma(r.RthKK, 2, dez));
    switch (r.urteil) {
        case lm317::Urteil::keinKuehlkoerper: zeigeUrteil(lm317::urteilText(r.urteil), gruen); break;
        case lm317::Urteil::kuehlkoerperNoetig: zeigeUrteil(lm317::urteilText(r.urteil), orange); break;
        case lm317::Urteil::stromZuHoch: zeigeUrteil(lm317::urteilText(r.urteil), rot); break;
    }
    // only a resistance above 0 can be handed on (U2 = 1,25 V gives R2 = 0)
    m_bitBtn3->setEnabled(angezeigterWert(m_r2->text(), m_cR2->text(), dez).has_value());
    m_norm = normwerte::LM317{e.reglerart == lm317::Stromregler, e.U1, e.U2, e.I, e.R1, r.R2};
    emit gerechnet();
}

void LM317Seite::BitBtn3Click() {
    const auto wert = angezeigterWert(m_r2->text(), m_cR2->text(), dezimal());
    if (!wert) return;  // 0 or no result is no resistor for the tolerance page
    if (umgebung().anToleranzUebergeben) umgebung().anToleranzUebergeben(*wert);
}

}  // namespace zelmo
