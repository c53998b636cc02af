// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/NE555Seite.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "circuits/NE555Bilder.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Schaltbild.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {


// rows of the two group boxes on the right
constexpr int zeile1 = 24, zeile2 = 54, zeile3 = 84;
constexpr int feldX = 140, feldB = 130;

}  // namespace

NE555Seite::NE555Seite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    const QChar dez = dezimal();

    // --- left: the circuit and its variant, and the circuit diagram
    m_multiart = new Radiogruppe(QStringLiteral("RG_NE555_Multiart"), QStringLiteral(" Multivibrator "),
                                 ne555::artNamen(), 2, this);
    m_multiart->setGeometry(10, 8, 300, 46);
    m_multiart->setToolTip(QStringLiteral("Auswahl Schaltungsart"));
    m_multiart->klick = [this] { RG_NE555_MultiartClick(); };

    m_tast = new Radiogruppe(QStringLiteral("RG_NE555_Tast"), QStringLiteral(" Impuls- Pausendauer "),
                             ne555::tastNamen(), 2, this);
    m_tast->setGeometry(10, 62, 300, 46);
    m_tast->setToolTip(QStringLiteral(u"Auswahl Tastverhältnis - einstellbar oder fest eingestellt"));
    m_tast->klick = [this] { RG_NE555_TastClick(); };

    const auto bild = [this](const char* name, const QString& hinweis, void (*zeichnung)(QPainter&)) {
        auto* b = new Schaltbild(QString::fromLatin1(name), ne555bild::schaltungGroesse, this);
        b->setGeometry(10, 116, 300, 349);
        b->setToolTip(hinweis);
        b->setZeichnung(zeichnung);
        return b;
    };
    m_astaMulti = bild("I_asta_Multi", QStringLiteral("Schaltbild des NE555 bei astabilem Betrieb"),
                       ne555bild::astabil);
    m_astaMulti2 = bild("I_asta_Multi2",
                        QStringLiteral(u"Schaltbild des NE555 bei astabilem Betrieb mit zusätlicher Diode"),
                        ne555bild::astabilMitDiode);
    m_monoMulti = bild("I_monosta_Multi", QStringLiteral("Schaltbild des NE555 bei monostabilem Betrieb"),
                       ne555bild::monostabil);
    m_astaMulti2->hide();
    m_monoMulti->hide();

    // --- inputs
    auto* eingaben = new QGroupBox(QStringLiteral(" Eingaben "), this);
    eingaben->setObjectName(QStringLiteral("GroupBox14"));
    eingaben->setGeometry(322, 8, 305, 116);
    m_label50 = beschriftung(eingaben, QStringLiteral("Widerstand R1"), {14, zeile1, 120, 22},
                             QStringLiteral("Label50"));
    m_label59 = beschriftung(eingaben, QStringLiteral("Widerstand R2"), {14, zeile2, 120, 22},
                             QStringLiteral("Label59"));
    beschriftung(eingaben, QStringLiteral("Kondensator C"), {14, zeile3, 120, 22}, QStringLiteral("Label30"));

    m_R1 = new Eingabefeld(grenzen::NE555_E_R1, dez, eingaben);
    m_R1->setGeometry(feldX, zeile1, feldB, 22);
    m_R1->setUebernahme([this](double R1) {
        r1() = R1;
        NE555_Berechnung(m_multiart->itemIndex());
    });
    m_R2 = new Eingabefeld(grenzen::NE555_E_R2, dez, eingaben);
    m_R2->setGeometry(feldX, zeile2, feldB, 22);
    m_R2->setUebernahme([this](double) { NE555_Berechnung(ne555::Astabil); });
    m_C = new Eingabefeld(grenzen::NE555_E_C, dez, eingaben);
    m_C->setGeometry(feldX, zeile3, feldB, 22);
    m_C->setUebernahme([this](double C) {
        c() = C;
        NE555_Berechnung(m_multiart->itemIndex());
    });

    // --- results
    auto* ausgaben = new QGroupBox(QStringLiteral(" Ausgaben "), this);
    ausgaben->setObjectName(QStringLiteral("GroupBox13"));
    ausgaben->setGeometry(322, 132, 305, 144);
    normwerteKnopf(ausgaben, QStringLiteral("NE555_B_Normwerte"), {feldX, 112, 90, 25});
    beschriftung(ausgaben, QStringLiteral("Impulsbreite t1"), {14, zeile1, 120, 22}, QStringLiteral("Label149"));
    m_label156 = beschriftung(ausgaben, QStringLiteral("Impulsbreite t2"), {14, zeile2, 120, 22},
                              QStringLiteral("Label156"));
    m_label147 = beschriftung(ausgaben, QStringLiteral("Frequenz F"), {14, zeile3, 120, 22},
                              QStringLiteral("Label147"));
    const auto ergebnis = [ausgaben](const char* feld, const char* einheit, const char* vorgabe, int y,
                                     QLineEdit*& e, QLabel*& l) {
        e = anzeigefeld(ausgaben, QString::fromLatin1(feld), {feldX, y, 100, 22});
        l = beschriftung(ausgaben, QString::fromLatin1(vorgabe), {feldX + 105, y, 45, 22},
                         QString::fromLatin1(einheit));
    };
    ergebnis("NE555_E_t1", "NE555_C_t1", " ms", zeile1, m_t1, m_cT1);
    ergebnis("NE555_E_t2", "NE555_C_t2", " ms", zeile2, m_t2, m_cT2);
    ergebnis("NE555_E_F", "NE555_C_F", " Hz", zeile3, m_F, m_cF);

    // --- top view of the package
    auto* gehaeuse = new QGroupBox(QStringLiteral(u" Gehäuseansicht (Draufsicht) "), this);
    gehaeuse->setObjectName(QStringLiteral("GroupBox6"));
    gehaeuse->setGeometry(322, 284, 305, 181);
    auto* image4 = new Schaltbild(QStringLiteral("Image4"), ne555bild::gehaeuseGroesse, gehaeuse);
    image4->setGeometry(8, 20, 289, 154);
    image4->setToolTip(QStringLiteral("Ansicht der IC in oft verwendeten Beschaltung"));
    image4->setZeichnung(ne555bild::gehaeuse);
}

void NE555Seite::laufzeitEinstellungen() {
    m_multiart->knopf(0)->setToolTip(QStringLiteral("NE555 als astabiler Multivibrator"));
    m_multiart->knopf(1)->setToolTip(QStringLiteral("NE555 als monostabiler Multivibrator"));
    m_tast->knopf(0)->setToolTip(QStringLiteral("Impuls- und Pausendauer einstellbar"));
    m_tast->knopf(1)->setToolTip(QStringLiteral("Impuls- und Pausendauer fest eingestellt"));
    // the widths are those of the design font; a wider font must not cut the texts
    const auto breite = [](QRadioButton* k, int b) { return std::max(b, k->sizeHint().width()); };
    m_multiart->setzeKnopf(0, 30);
    m_multiart->setzeKnopf(1, 140, breite(m_multiart->knopf(1), 95));
    m_tast->setzeKnopf(0, 20);
    m_tast->setzeKnopf(1, 170, breite(m_tast->knopf(1), 80));
}

const Seitenablage<NE555Seite>& NE555Seite::ablage() {
    using namespace zelmo::ablage;
    using S = NE555Seite;
    // what the entry fields take
    const auto r = zwischen(grenzen::NE555_E_R1.min, grenzen::NE555_E_R1.max);
    const auto c = zwischen(grenzen::NE555_E_C.min, grenzen::NE555_E_C.max);
    // R1 and C as the kind shows them: written for the first program's readers, never read back (the
    // record holds them for both kinds)
    const auto nachArt = [](const char* asta, const char* mono, const QString& einheit) {
        return [=](const Ablagewerte& w, QChar dezimal) -> Ablagewert {
            const bool monostabil = std::get<int>(ablage().wert(w, "asta_mono")) == ne555::Monostabil;
            return Zahlenausgabe(std::get<double>(ablage().wert(w, monostabil ? mono : asta)), dezimal) + einheit;
        };
    };
    // the duty-cycle group before the kind, the caption of its first button last (the handlers
    // calculate and would replace it)
    static const Seitenablage<S> a{{
        {zahl("NE555", "astabil_R1", "120000", 120000, r), glied<S>([](auto& s) -> auto& { return s.m_daten.asta_R1; })},
        {zahl("NE555", "monostabil_R1", "10000", 10000, r), glied<S>([](auto& s) -> auto& { return s.m_daten.mono_R1; })},
        {zahl("NE555", "astabil_C", "82e-10", 1.5e-8, c), glied<S>([](auto& s) -> auto& { return s.m_daten.asta_C; })},
        {zahl("NE555", "monostabil_C", "15e-9", 8.2e-9, c), glied<S>([](auto& s) -> auto& { return s.m_daten.mono_C; })},
        {text("NE555", "Eingabe_R1", "", u"").fuerAlteLeser(nachArt("astabil_R1", "monostabil_R1", OhmZeichen)),
         nurHolen<S>([](const S& s) { return s.m_R1->text(); })},
        {text("NE555", "Eingabe_R2", "47000,00", QStringLiteral(u"47,00 ") + OhmZeichen), feld(&S::m_R2)},
        {text("NE555", "Eingabe_C", "", u"").fuerAlteLeser(nachArt("astabil_C", "monostabil_C", QStringLiteral("F"))),
         nurHolen<S>([](const S& s) { return s.m_C->text(); })},
        // as the calculation of a first start shows it
        {text("NE555", "Tast", "30,00", u"99,96 : 0,04%").danach(3),
         {[](const S& s) -> Ablagewert { return s.m_tast->knopf(0)->text(); },
          [](S& s, const Ablagewert& w) { s.m_tast->knopf(0)->setText(std::get<QString>(w)); }}},
        {index("NE555", "asta_mono", 1, 1, int(ne555::artNamen().size()), ne555::Astabil).danach(2),
         gruppe(&S::m_multiart)},
        // a negative duty-cycle index gives item 0, though a missing one gives item 1
        {index("NE555", "Tastverh", 1, 0, int(ne555::tastNamen().size()), ne555::Beliebig).danach(1),
         gruppe(&S::m_tast)},
    }};
    return a;
}

void NE555Seite::ersterStart() { ablage().ersterStart(*this, dezimal()); }

void NE555Seite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void NE555Seite::laden(IniLeser& l) { ablage().laden(*this, l); }

double& NE555Seite::r1() {
    return m_multiart->itemIndex() == ne555::Astabil ? m_daten.asta_R1 : m_daten.mono_R1;
}

double& NE555Seite::c() { return m_multiart->itemIndex() == ne555::Astabil ? m_daten.asta_C : m_daten.mono_C; }

void NE555Seite::zeige(QLineEdit* feld, QLabel* einheit, std::optional<double> wert, const QString& grundeinheit) {
    if (!wert) {
        feld->setText(QStringLiteral("---"));
        einheit->setText(grundeinheit);
        return;
    }
    const Anzeige a = AnzeigeMitVorsatz(*wert, dezimal());
    feld->setText(u' ' + a.zahl);
    einheit->setText(a.vorsatz + grundeinheit);
}

void NE555Seite::NE555_Berechnung(int NE) {
    if (NE == ne555::Astabil) {
        const bool beliebig = m_tast->itemIndex() == ne555::Beliebig;
        std::optional<ne555::AstabilErgebnis> a;
        if (!beliebig) {
            // R2 equals R1 in the fixed circuit; its text is not needed (and may be anything)
            a = ne555::astabil(m_daten.asta_R1, 0, m_daten.asta_C, true);
        } else if (const auto R2 = ne555::r2AusText(m_R2->text(), dezimal())) {
            a = ne555::astabil(m_daten.asta_R1, *R2, m_daten.asta_C, false);
        }
        zeige(m_t1, m_cT1, a ? std::optional(a->t1) : std::nullopt, QStringLiteral("s"));
        zeige(m_t2, m_cT2, a ? std::optional(a->t2) : std::nullopt, QStringLiteral("s"));
        zeige(m_F, m_cF, a ? std::optional(a->F) : std::nullopt, QStringLiteral("Hz"));
        if (beliebig)
            m_tast->knopf(ne555::Beliebig)->setText(a ? ne555::tastText(a->D1, a->D2, dezimal())
                                                      : ne555::tastNamen().at(ne555::Beliebig));
        m_norm.reset();
        if (a) {
            const auto R2 = ne555::r2AusText(m_R2->text(), dezimal());
            m_norm = normwerte::NE555{false, !beliebig, m_daten.asta_R1, beliebig ? R2.value_or(0) : m_daten.asta_R1,
                                      m_daten.asta_C};
        }
        emit gerechnet();
    } else if (NE == ne555::Monostabil) {
        zeige(m_t1, m_cT1, ne555::monostabil(m_daten.mono_R1, m_daten.mono_C), QStringLiteral("s"));
        m_norm = normwerte::NE555{true, false, m_daten.mono_R1, 0, m_daten.mono_C};
        emit gerechnet();
    }
}

void NE555Seite::tastAnsicht() {
    const int i = m_tast->itemIndex();
    if (i != ne555::Beliebig && i != ne555::Fest) return;
    const bool beliebig = i == ne555::Beliebig;
    m_astaMulti->setVisible(beliebig);
    m_astaMulti2->setVisible(!beliebig);
    m_monoMulti->hide();
    m_label59->setVisible(beliebig);
    m_R2->setVisible(beliebig);
    m_label50->setText(beliebig ? QStringLiteral("Widerstand R1") : QStringLiteral("Widerstand R1, R2"));
}

void NE555Seite::RG_NE555_TastClick() {
    // the monostable circuit has no pulse/pause choice; its picture and fields stay as they are
    if (m_multiart->itemIndex() != ne555::Monostabil) tastAnsicht();
    NE555_Berechnung(m_multiart->itemIndex());
}

void NE555Seite::RG_NE555_MultiartClick() {
    const int i = m_multiart->itemIndex();
    if (i == ne555::Astabil) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_tast, m_label147, m_label156, m_t2, m_cT2, m_F, m_cF})
            w->show();
        tastAnsicht();
        m_R1->setzeText(Zahlenausgabe(m_daten.asta_R1, dezimal()) + OhmZeichen);
        m_C->setzeText(Zahlenausgabe(m_daten.asta_C, dezimal()) + QStringLiteral("F"));
    } else if (i == ne555::Monostabil) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_tast, m_astaMulti, m_astaMulti2, m_label59, m_R2,
                                                          m_label147, m_label156, m_t2, m_cT2, m_F, m_cF})
            w->hide();
        m_monoMulti->show();
        m_label50->setText(QStringLiteral("Widerstand R1"));
        m_R1->setzeText(Zahlenausgabe(m_daten.mono_R1, dezimal()) + OhmZeichen);
        m_C->setzeText(Zahlenausgabe(m_daten.mono_C, dezimal()) + QStringLiteral("F"));
    }
    NE555_Berechnung(i);
}

}  // namespace zelmo
