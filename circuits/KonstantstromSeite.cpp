// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/KonstantstromSeite.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "circuits/KonstantstromBilder.h"
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

constexpr int zeileHoehe = 22;
constexpr int beschriftungX = 14;
constexpr int feldX = 140;

int zeileY(int zeile) { return 26 + 32 * zeile; }

}  // namespace

KonstantstromSeite::KonstantstromSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    const QChar dez = dezimal();

    // --- circuit and pictures, left
    m_schaltung = new Radiogruppe(QStringLiteral("RG_kStrom_Schaltung"), QStringLiteral(" Auswahl "),
                                  kstrom::schaltungsNamen(), 2, this);
    m_schaltung->setGeometry(10, 8, 290, 66);
    m_schaltung->setToolTip(QStringLiteral("Auswahl der Reglerart"));
    m_schaltung->klick = [this] { RG_kStrom_SchaltungClick(); };

    for (size_t i = 0; i < m_bilder.size(); ++i) {
        const kstrom::Bild& b = kstrom::bilder()[i];
        auto* bild = new Schaltbild(QString::fromLatin1(b.name), kstrombild::groesse, this);
        bild->setGeometry(10, 82, 290, 381);
        bild->setToolTip(QString::fromUtf16(b.hinweis));
        const int summe = b.summe;
        bild->setZeichnung([summe](QPainter& p) { kstrombild::zeichne(p, summe); });
        bild->hide();
        m_bilder[i] = bild;
    }

    // --- inputs
    auto* eingaben = new QGroupBox(QStringLiteral(" Eingaben "), this);
    eingaben->setObjectName(QStringLiteral("GroupBox4"));
    eingaben->setGeometry(312, 8, 315, 150);
    beschriftung(eingaben, QStringLiteral("Spannung U"), {beschriftungX, zeileY(0), 120, zeileHoehe},
                 QStringLiteral("Label13"));
    beschriftung(eingaben, QStringLiteral("konst. Strom I"), {beschriftungX, zeileY(1), 120, zeileHoehe},
                 QStringLiteral("Label14"));
    m_label164 = beschriftung(eingaben, QStringLiteral("Querstrom I"), {beschriftungX, zeileY(2), 80, zeileHoehe},
                              QStringLiteral("Label164"));
    m_label165 = beschriftung(eingaben, QStringLiteral("q"), {0, 0, 20, 14}, QStringLiteral("Label165"));
    m_label176 = beschriftung(eingaben, QStringLiteral("Dioden U"), {beschriftungX, zeileY(3), 100, zeileHoehe},
                              QStringLiteral("Label176"));
    m_label162 = beschriftung(eingaben, QStringLiteral("f"), {0, 0, 20, 14}, QStringLiteral("Label162"));
    for (QLabel* index : {m_label165, m_label162}) {
        QFont f = index->font();
        f.setPixelSize(10);
        index->setFont(f);
    }
    indexSetzen(m_label165, m_label164);
    indexSetzen(m_label162, m_label176);

    const auto eingabe = [&](const Grenze& grenze, int zeile) {
        auto* e = new Eingabefeld(grenze, dez, eingaben);
        e->setGeometry(feldX, zeileY(zeile), 150, zeileHoehe);
        e->setUebernahme([this](double) { kStrom_Berechnung(); });
        return e;
    };
    m_u = eingabe(grenzen::kStrom_E_U, 0);
    m_i = eingabe(grenzen::kStrom_E_I, 1);
    m_iq = eingabe(grenzen::kStrom_E_Iq, 2);
    m_uf = eingabe(grenzen::kStrom_E_Uf, 3);
    // the label of the reference voltage changes with the circuit; the field's name follows it
    benennenNach(m_uf, {m_label176, m_label162});
    // an accepted reference voltage belongs to the selected circuit only
    m_uf->setUebernahme([this](double uf) {
        if (double* v = kstrom::referenz(m_daten, m_schaltung->itemIndex())) *v = uf;
        kStrom_Berechnung();
    });

    // --- results
    auto* ausgaben = new QGroupBox(QStringLiteral(" Ausgaben "), this);
    ausgaben->setObjectName(QStringLiteral("GroupBox5"));
    ausgaben->setGeometry(312, 170, 315, 118);
    const auto ergebnis = [&](const char* label, const QString& text, const char* feld, const char* einheit,
                              int zeile, QLineEdit*& f, QLabel*& e) {
        QLabel* l = beschriftung(ausgaben, text, {beschriftungX, zeileY(zeile), 120, zeileHoehe},
                                 QString::fromLatin1(label));
        f = anzeigefeld(ausgaben, QString::fromLatin1(feld), {feldX, zeileY(zeile), 100, zeileHoehe});
        e = beschriftung(ausgaben, OhmZeichen, {feldX + 106, zeileY(zeile), 30, zeileHoehe}, QString::fromLatin1(einheit));
        return l;
    };
    ergebnis("Label20", QStringLiteral("Widerstand R1"), "kStrom_E_R1", "kStrom_C_R1", 0, m_r1, m_cR1);
    m_label21 = ergebnis("Label21", QStringLiteral("Widerstand R2"), "kStrom_E_R2", "kStrom_C_R2", 1, m_r2, m_cR2);
    QLabel* label22 =
        ergebnis("Label22", QStringLiteral("maximaler RL"), "kStrom_E_RL", "kStrom_C_RL", 2, m_rl, m_cRL);
    label22->setToolTip(QStringLiteral(u"Wert des maximal möglichen Lastwiderstandes"));

    m_bitBtn5 = new Uebergabeknopf(QStringLiteral("BitBtn5"),
                                   QStringLiteral(u"Übernahme des Wertes von R1 auf die Seite Toleranz"), ausgaben);
    m_bitBtn5->move(feldX + 140, zeileY(0) - 2);
    connect(m_bitBtn5, &Uebergabeknopf::clicked, this, [this] { BitBtn5Click(); });
    m_bitBtn6 = new Uebergabeknopf(QStringLiteral("BitBtn6"),
                                   QStringLiteral(u"Übernahme des Wertes von R2 auf die Seite Toleranz"), ausgaben);
    m_bitBtn6->move(feldX + 140, zeileY(1) - 2);
    connect(m_bitBtn6, &Uebergabeknopf::clicked, this, [this] { BitBtn6Click(); });

    // --- polarity, bottom right
    m_npnpnp = new Radiogruppe(QStringLiteral("RG_kStrom_npnpnp"), QStringLiteral(" Schaltbildauswahl "),
                               kstrom::polaritaetsNamen(), 2, this);
    m_npnpnp->setGeometry(312, 403, 315, 60);
    normwerteKnopf(this, QStringLiteral("kStrom_B_Normwerte"), {537, 296, 90, 25});
    m_npnpnp->setToolTip(QStringLiteral("Auswahl der Transistorart"));
    m_npnpnp->klick = [this] { RG_kStrom_npnpnpClick(); };
}

void KonstantstromSeite::indexSetzen(QLabel* index, const QLabel* nach) {
    index->adjustSize();
    index->move(nach->x() + nach->fontMetrics().horizontalAdvance(nach->text()) + 1,
                nach->y() + (nach->height() + nach->fontMetrics().height()) / 2 - index->height() + 4);
}

void KonstantstromSeite::laufzeitEinstellungen() {
    m_schaltung->setzeKnopf(0, 30, 110);
    m_schaltung->setzeKnopf(1, 30, 100);
    m_schaltung->setzeKnopf(2, 155, 60);
    m_schaltung->setzeKnopf(3, 155, 80);
    m_npnpnp->setzeKnopf(0, 25, 120);
    m_npnpnp->setzeKnopf(1, 170, 120);
}

const Seitenablage<KonstantstromSeite>& KonstantstromSeite::ablage() {
    using namespace zelmo::ablage;
    using S = KonstantstromSeite;
    // the reference voltages: within the limits of the reference field, or the first start's value
    // (two of which lie above what the field takes)
    const KStrom erst;
    const auto referenz = [](double wert, double& (*glied)(S&)) {
        const Zulaessig feld = zwischen(grenzen::kStrom_E_Uf.min, grenzen::kStrom_E_Uf.max);
        return Seitenablage<S>::Zahl{{wert, wert, wert, [feld, wert](double v) { return v == wert || feld(v); }}, glied};
    };
    // the polarity before the circuit; the circuit of a first start is set without its handler (see
    // ersterStart)
    static const Seitenablage<S> a{
        {
            {text("kStrom", "Eingabe_U", "12,00", u"12,00 V"), feld(&S::m_u)},
            {text("kStrom", "Eingabe_I", "0,01", u"10,00 mA"), feld(&S::m_i)},
            {text("kStrom", "Eingabe_Iq", "0,01", u"1,00 mA"), feld(&S::m_iq)},
            {text("kStrom", "Eingabe_Uf", "2,50", u""), feld(&S::m_uf)},  // shown from the circuit (below)
            {index("kStrom", "Schaltung", 0, 0, int(kstrom::schaltungsNamen().size()), 0).danach(1),
             gruppe(&S::m_schaltung)},
            {index("kStrom", "npn_pnp", 0, 0, int(kstrom::polaritaetsNamen().size()), 0), gruppe(&S::m_npnpnp)},
        },
        {
            referenz(erst.Trans, [](S& s) -> double& { return s.m_daten.Trans; }),
            referenz(erst.Dioden, [](S& s) -> double& { return s.m_daten.Dioden; }),
            referenz(erst.JFET, [](S& s) -> double& { return s.m_daten.JFET; }),
            referenz(erst.ZDiode, [](S& s) -> double& { return s.m_daten.ZDiode; }),
        },
        // the reference field shows the stored voltage of the circuit selected
        [](Ablagewerte& w, const std::vector<double>& z, QChar dezimal) {
            const KStrom k{z.at(0), z.at(1), z.at(2), z.at(3)};
            if (const auto u = kstrom::referenz(k, std::get<int>(ablage().wert(w, "Schaltung"))))
                ablage().wert(w, "Eingabe_Uf") = kstrom::referenzAnzeige(*u, dezimal);
        }};
    return a;
}

void KonstantstromSeite::ersterStart() {
    // circuit item 0 without its handler: the state of a fresh start (code 0, design captions, the cross
    // current shown) until a circuit is picked; the polarity's handler then shows picture, reference
    // field and calculation
    m_kStrom1 = 0;
    const QStringList design = kstrom::polaritaetsNamen();
    for (int i = 0; i < 2; ++i) m_npnpnp->knopf(i)->setText(design[i]);
    for (QWidget* w : {static_cast<QWidget*>(m_label164), static_cast<QWidget*>(m_label165),
                       static_cast<QWidget*>(m_iq)})
        w->setVisible(true);
    m_schaltung->setItemIndex(0, false);
    m_npnpnp->setItemIndex(-1, false);
    ablage().ersterStart(*this, dezimal(), {"Schaltung"});
}

void KonstantstromSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void KonstantstromSeite::laden(IniLeser& l) {
    ablage().laden(*this, l);
    kStrom_Berechnung();
}

void KonstantstromSeite::datenSpeichern(DatenSchreiber& s) const { ablage().datenSpeichern(*this, s); }

void KonstantstromSeite::datenLaden(DatenLeser& l) { ablage().datenLaden(*this, l); }

void KonstantstromSeite::RG_kStrom_SchaltungClick() {
    if (const kstrom::Schaltungsdaten* s = kstrom::schaltung(m_schaltung->itemIndex())) {
        m_kStrom1 = s->code;
        for (int i = 0; i < 2; ++i) m_npnpnp->knopf(i)->setText(QString::fromUtf16(s->polaritaet[i]));
        m_label164->setVisible(s->querstrom);
        m_label165->setVisible(s->querstrom);
        m_iq->setVisible(s->querstrom);
    }
    kStrom_Schaltung_anzeigen();
}

void KonstantstromSeite::RG_kStrom_npnpnpClick() {
    const int i = m_npnpnp->itemIndex();
    if (i == 0 || i == 1) m_kStrom2 = i;
    kStrom_Schaltung_anzeigen();
}

void KonstantstromSeite::kStrom_Schaltung_anzeigen() {
    const int summe = m_kStrom1 + m_kStrom2;
    if (const kstrom::Bild* b = kstrom::bildFuer(summe)) {
        for (size_t i = 0; i < m_bilder.size(); ++i) m_bilder[i]->setVisible(&kstrom::bilder()[i] == b);
        const int item = m_kStrom1 / 10;
        const kstrom::Schaltungsdaten* s = kstrom::schaltung(item);
        m_label176->setText(QString::fromUtf16(s->referenzText));
        m_label162->setText(QString::fromUtf16(s->referenzIndex));
        m_label176->adjustSize();
        m_label176->resize(m_label176->width(), zeileHoehe);
        indexSetzen(m_label162, m_label176);
        benennenNach(m_uf, {m_label176, m_label162});
        m_uf->setzeText(kstrom::referenzAnzeige(*kstrom::referenz(m_daten, item), dezimal()));
        for (QWidget* w : {static_cast<QWidget*>(m_label21), static_cast<QWidget*>(m_r2),
                           static_cast<QWidget*>(m_cR2), static_cast<QWidget*>(m_bitBtn6)})
            w->setVisible(s->querstrom);
    }
    kStrom_Berechnung();
}

std::optional<double> KonstantstromSeite::lies(const QLineEdit* feld) const {
    const auto w = Zahleneingabe(feld->text(), dezimal());
    if (!w) Meldungen::standardFehler(kstrom::meldungKeinGleitkommawert(feld->text()));
    return w;
}

void KonstantstromSeite::zeige(std::optional<double> wert, QLineEdit* feld, QLabel* einheit) {
    const kstrom::Ohmanzeige a = kstrom::ohmAnzeige(wert, dezimal());
    einheit->setText(a.einheit);
    feld->setText(a.zahl);
}

void KonstantstromSeite::kStrom_Berechnung() {
    const int item = m_schaltung->itemIndex();
    const kstrom::Schaltungsdaten* s = kstrom::schaltung(item);
    if (!s) return;
    const auto U = lies(m_u);
    if (!U) return;
    const auto I = lies(m_i);
    if (!I) return;
    // the J-FET has no cross current: its hidden field is not read
    double Iq = 0;
    if (s->querstrom) {
        const auto q = lies(m_iq);
        if (!q) return;
        Iq = *q;
    }
    const kstrom::Ergebnis e = kstrom::berechnen(item, *U, *I, Iq, *kstrom::referenz(m_daten, item));
    zeige(e.R1, m_r1, m_cR1);
    if (s->querstrom) zeige(e.R2, m_r2, m_cR2);
    zeige(e.RL, m_rl, m_cRL);
    // only a resistance above 0 can be handed on
    m_bitBtn5->setEnabled(angezeigterWert(m_r1->text(), m_cR1->text(), dezimal()).has_value());
    m_bitBtn6->setEnabled(angezeigterWert(m_r2->text(), m_cR2->text(), dezimal()).has_value());
    m_norm = normwerte::Konstantstrom{item, *U, *I, Iq, *kstrom::referenz(m_daten, item), e.R1.value_or(0),
                                      s->querstrom ? e.R2.value_or(0) : 0};
    emit gerechnet();
}

void KonstantstromSeite::uebergeben(const QLineEdit* feld, const QLabel* einheit) {
    const auto wert = angezeigterWert(feld->text(), einheit->text(), dezimal());
    if (!wert) return;  // 0, a negative or no result is no resistor for the tolerance page
    if (umgebung().anToleranzUebergeben) umgebung().anToleranzUebergeben(*wert);
}

void KonstantstromSeite::BitBtn5Click() { uebergeben(m_r1, m_cR1); }

void KonstantstromSeite::BitBtn6Click() { uebergeben(m_r2, m_cR2); }

}  // namespace zelmo
