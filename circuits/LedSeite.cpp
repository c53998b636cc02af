// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/LedSeite.h"

#include "fields/Bausteine.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QValidator>
#include <QStyle>

#include "circuits/LedBilder.h"
#include "fields/Eingabefeld.h"
#include "fields/Meldungen.h"
#include "fields/Radiogruppe.h"
#include "fields/Schaltbild.h"
#include "fields/Uebergabeknopf.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {
// Up to two digits 0 to 9 and nothing else, checked without a regular expression engine.
class ZweiZiffern : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        if (text.size() > 2) return Invalid;
        for (QChar c : text)
            if (c < u'0' || c > u'9') return Invalid;
        return Acceptable;
    }
};

}  // namespace

LedSeite::LedSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    const QChar dez = dezimal();

    // --- colour and count
    m_farbe = new Radiogruppe(QStringLiteral("RG_LED_Farbe"), QStringLiteral(" LED-Farbe "), led::farbNamen(), 3, this);
    m_farbe->setGeometry(10, 8, 262, 72);
    m_farbe->setToolTip(QStringLiteral("Auswahl der Farbe der LED (Uf siehe in der Hilfe)"));
    m_farbe->klick = [this] { RG_LED_FarbeClick(); };

    m_anzahl = new Radiogruppe(QStringLiteral("RG_LED_Anzahl"), QStringLiteral(" Anzahl "), led::anzahlNamen(), 1, this);
    m_anzahl->setGeometry(10, 90, 125, 175);
    m_anzahl->setToolTip(QStringLiteral(u"Zahl der LEDs auswählen"));
    m_anzahl->klick = [this] { RG_LED_AnzahlClick(); };

    // the user count lies over the blanks of the last count item, so that it reads "40 LEDs"
    m_userLeds = new QLineEdit(m_anzahl);
    m_userLeds->setObjectName(QStringLiteral("User_Leds"));
    m_userLeds->setFrame(false);
    m_userLeds->setMaxLength(2);
    m_userLeds->setValidator(
        new ZweiZiffern(m_userLeds));
    m_userLeds->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_userLeds->setTextMargins(0, 0, 0, 0);
    m_userLeds->setToolTip(QStringLiteral("Anzahl von LEDs eingeben"));
    setzeUserText(QStringLiteral("40"));
    m_userLeds->installEventFilter(this);
    m_anzahl->knopf(led::userItem)->installEventFilter(this);
    userLedsPlatzieren();

    // --- inputs
    auto* eingaben = new QGroupBox(QStringLiteral(" Eingaben "), this);
    eingaben->setObjectName(QStringLiteral("GroupBox9"));
    eingaben->setGeometry(290, 8, 337, 118);
    beschriftung(eingaben, QStringLiteral("Spannung U"), {14, 25, 115, 22});
    beschriftung(eingaben, QStringLiteral("Strom I"), {14, 55, 115, 22});
    beschriftung(eingaben, QStringLiteral(u"Flußspannung Uf"), {14, 85, 115, 22});
    beschriftung(eingaben, QStringLiteral("V"), {262, 85, 20, 22});

    m_u = new Eingabefeld(grenzen::LED_E_U, dez, eingaben);
    m_u->setGeometry(135, 25, 122, 22);
    m_u->setAlignment(Qt::AlignCenter);
    m_u->setToolTip(QStringLiteral("Eingabe der Spannung U"));
    // the LEDs must fit the supply; this comes before the range
    m_u->setVorpruefung([this](double u, const QString&) -> std::optional<QString> {
        const auto uf = Zahleneingabe(m_uf->text(), dezimal());
        if (!uf) return led::meldungKeinGleitkommawert(m_uf->text());
        if (led::zuVieleLeds(m_daten.Anzahl_LED, *uf, u)) return led::meldungSpannungZuGering(u, *uf, dezimal());
        return std::nullopt;
    });
    m_u->setUebernahme([this](double) { LED_Vorwiderstand_berechnen(); });

    m_i = new Eingabefeld(grenzen::LED_E_I, dez, eingaben);
    m_i->setGeometry(135, 55, 122, 22);
    m_i->setToolTip(QStringLiteral("Eingabe des Stromes (in mA) durch die LED"));
    m_i->setUebernahme([this](double) { LED_Vorwiderstand_berechnen(); });

    m_uf = new Eingabefeld(QStringLiteral("LED_E_Uf"), dez, eingaben);
    m_uf->setGeometry(135, 85, 122, 22);
    m_uf->setEinheit(QStringLiteral("V"));
    m_uf->setParseEinschub(QStringLiteral("V"));
    m_uf->setToolTip(QStringLiteral(u"Anzeige (Eingabe bei Auswahl User) der Flußspannung Uf der LED"));
    m_uf->setVorpruefung([this](double uf, const QString&) -> std::optional<QString> {
        const auto u = Zahleneingabe(m_u->text(), dezimal());
        if (!u) return led::meldungKeinGleitkommawert(m_u->text());
        if (led::zuVieleLeds(m_daten.Anzahl_LED, uf, *u)) return led::meldungUfZuHoch(uf, *u, dezimal());
        return std::nullopt;
    });
    m_uf->setWertepruefung([this](double uf, const QString& text) {
        return led::pruefeUf(m_farbe->itemIndex(), uf, text, dezimal());
    });
    m_uf->setUebernahme([this](double uf) {
        // every colour remembers an entered voltage, not only "User"
        if (double* v = led::flussspannung(m_daten, m_farbe->itemIndex())) *v = uf;
        LED_Vorwiderstand_berechnen();
    });

    // --- results
    auto* ausgaben = new QGroupBox(QStringLiteral(" Ausgaben "), this);
    ausgaben->setObjectName(QStringLiteral("GroupBox10"));
    ausgaben->setGeometry(290, 138, 337, 90);
    beschriftung(ausgaben, QStringLiteral("Widerstand R"), {14, 25, 115, 22});
    beschriftung(ausgaben, QStringLiteral("Verlust-Leistung R"), {14, 55, 115, 22});
    m_r = anzeigefeld(ausgaben, QStringLiteral("LED_E_R"), {135, 25, 100, 22});
    m_cR = beschriftung(ausgaben, OhmZeichen, {240, 25, 40, 22});
    m_cR->setObjectName(QStringLiteral("LED_C_R"));
    m_bitBtn4 = new Uebergabeknopf(QStringLiteral("BitBtn4"),
                                   QStringLiteral(u"Übernahme des Wertes von R auf die Seite Toleranz"), ausgaben);
    m_bitBtn4->move(285, 23);
    connect(m_bitBtn4, &Uebergabeknopf::clicked, this, [this] { BitBtn4Click(); });
    m_p = anzeigefeld(ausgaben, QStringLiteral("LED_E_R_P"), {135, 55, 100, 22});
    m_cP = beschriftung(ausgaben, QStringLiteral("Watt"), {240, 55, 45, 22});
    m_cP->setObjectName(QStringLiteral("LED_C_R_P"));

    normwerteKnopf(this, QStringLiteral("LED_B_Normwerte"), {537, 236, 90, 25});

    // --- pictures
    m_anschluss = new Schaltbild(QStringLiteral("Image15"), ledbild::anschlussGroesse, this);
    m_anschluss->setGeometry(147, 90, 125, 175);
    m_anschluss->setToolTip(QStringLiteral(u"Anschlußbild der LED - von unten und von der Seite gesehen"));
    m_anschluss->setZeichnung(
        [this](QPainter& p) { ledbild::anschlussbild(p, ledbild::koerperFarbe(m_farbe->itemIndex())); });

    m_eineLed = new Schaltbild(QStringLiteral("Image_eineLED"), ledbild::schaltungGroesse, this);
    m_vieleLeds = new Schaltbild(QStringLiteral("Image_vieleLED"), ledbild::schaltungGroesse, this);
    for (Schaltbild* b : {m_eineLed, m_vieleLeds}) {
        b->setGeometry(10, 278, 617, 185);
        b->setToolTip(QStringLiteral("Schaltbild der LED(s)"));
    }
    m_eineLed->setZeichnung(ledbild::eineLed);
    m_vieleLeds->setZeichnung(ledbild::vieleLeds);
    m_vieleLeds->hide();
}

void LedSeite::laufzeitEinstellungen() {
    const QStringList hinweise{QStringLiteral("1 LED"),  QStringLiteral("2 LEDs"), QStringLiteral("3 LEDs"),
                               QStringLiteral("4 LEDs"), QStringLiteral("5 LEDs"),
                               QStringLiteral("beliebig viele LEDs")};
    for (int i = 0; i < hinweise.size(); ++i) m_anzahl->knopf(i)->setToolTip(hinweise[i]);
    const int links[] = {20, 20, 95, 95, 170, 170};
    for (int i = 0; i < 6; ++i) m_farbe->setzeKnopf(i, links[i], i >= 4 ? 60 : -1);
}

const Seitenablage<LedSeite>& LedSeite::ablage() {
    using namespace zelmo::ablage;
    using S = LedSeite;
    using Zahl = Seitenablage<S>::Zahl;
    // each forward voltage within what its colour admits; a first start's value else
    const LED_Vorwiderstand erst;
    const auto uf = [](int farbe, double wert, double& (*glied)(S&)) {
        return Zahl{{wert, wert, wert, [farbe](double v) { return !led::pruefeUf(farbe, v, {}, u','); }}, glied};
    };
    static const Seitenablage<S> a{
        {
            {text("LED-Vorwiderstand", "Eingabe_U", "12,00", u"5,00 V"), feld(&S::m_u)},
            {text("LED-Vorwiderstand", "Eingabe_I", "10,00", u"10,00 mA"), feld(&S::m_i)},
            {text("LED-Vorwiderstand", "Eingabe_Uf", "2,00", u""), feld(&S::m_uf)},  // shown from the colour (below)
            // the colour first: its check may change the count, which is then set as stored
            {index("LED-Vorwiderstand", "LED-Anzahl", 0, 0, int(led::anzahlNamen().size()), 0).danach(1),
             gruppe(&S::m_anzahl)},
            // a whole number: no separator in it to replace
            {rohtext("LED-Vorwiderstand", "User", "6", u"40"),
             {[](const S& s) -> Ablagewert { return s.m_userLeds->text(); },
              [](S& s, const Ablagewert& w) { s.setzeUserText(std::get<QString>(w)); }}},
            {index("LED-Vorwiderstand", "LED-Farbe", 0, 0, int(led::farbNamen().size()), 0), gruppe(&S::m_farbe)},
        },
        {
            uf(led::Rot, erst.LED_Rot, [](S& s) -> double& { return s.m_daten.LED_Rot; }),
            uf(led::Gruen, erst.LED_Gruen, [](S& s) -> double& { return s.m_daten.LED_Gruen; }),
            uf(led::Gelb, erst.LED_Gelb, [](S& s) -> double& { return s.m_daten.LED_Gelb; }),
            uf(led::Weiss, erst.LED_Weiss, [](S& s) -> double& { return s.m_daten.LED_Weiss; }),
            uf(led::Blau, erst.LED_Blau, [](S& s) -> double& { return s.m_daten.LED_Blau; }),
            uf(led::User, erst.LED_User, [](S& s) -> double& { return s.m_daten.LED_User; }),
        },
        // the forward voltage field shows the stored voltage of the colour selected
        [](Ablagewerte& w, const std::vector<double>& z, QChar dezimal) {
            const LED_Vorwiderstand d{z.at(0), z.at(1), z.at(2), z.at(3), z.at(4), z.at(5)};
            if (const auto uf = led::flussspannung(d, std::get<int>(ablage().wert(w, "LED-Farbe"))))
                ablage().wert(w, "Eingabe_Uf") = Zahlenausgabe(*uf, dezimal) + QStringLiteral("V");
        }};
    return a;
}

void LedSeite::ersterStart() {
    ablage().ersterStart(*this, dezimal());
    LED_Vorwiderstand_berechnen();
}

void LedSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void LedSeite::laden(IniLeser& l) {
    ablage().laden(*this, l);
    LED_Vorwiderstand_berechnen();
}

void LedSeite::datenSpeichern(DatenSchreiber& s) const { ablage().datenSpeichern(*this, s); }

void LedSeite::datenLaden(DatenLeser& l) { ablage().datenLaden(*this, l); }

std::optional<double> LedSeite::lies(const QLineEdit* feld) const {
    const auto w = Zahleneingabe(feld->text(), dezimal());
    if (!w) Meldungen::standardFehler(led::meldungKeinGleitkommawert(feld->text()));
    return w;
}

std::optional<int> LedSeite::liesAnzahl() const {
    const int index = m_anzahl->itemIndex();
    int user = 0;
    if (index == led::userItem) {
        const auto n = led::userAnzahl(m_userLeds->text());
        if (!n) {
            Meldungen::standardFehler(led::meldungKeinIntegerwert(m_userLeds->text()));
            return std::nullopt;
        }
        user = *n;
    }
    return led::anzahlAusAuswahl(index, user);
}

void LedSeite::LED_Vorwiderstand_berechnen() {
    const auto U = lies(m_u);
    if (!U) return;
    const auto I = lies(m_i);
    if (!I) return;
    const auto Uf = lies(m_uf);
    if (!Uf) return;
    const auto e = led::berechnen(*U, *I, *Uf, m_daten.Anzahl_LED);
    // without a result (a current of 0 typed but not confirmed) the fields say so instead of "inf"
    const Anzeige r = e ? AnzeigeMitVorsatz(e->R, dezimal()) : Anzeige{QStringLiteral("---"), {}};
    const Anzeige p = e ? AnzeigeMitVorsatz(e->P, dezimal()) : Anzeige{QStringLiteral("---"), {}};
    m_cR->setText(r.vorsatz + OhmZeichen);
    m_r->setText(r.zahl);
    m_cP->setText(p.vorsatz + QStringLiteral("W"));
    m_p->setText(p.zahl);
    // only a resistance above 0 can be handed on
    m_bitBtn4->setEnabled(angezeigterWert(m_r->text(), m_cR->text(), dezimal()).has_value());
    m_norm.reset();
    if (e) m_norm = normwerte::Led{*U, *I, *Uf, m_daten.Anzahl_LED, e->R};
    emit gerechnet();
}

int LedSeite::anzahlAngleichen(int n, double uf, double u) {
    const led::Verringerung v = led::anzahlVerringern(n, uf, u);
    if (v.verringert) Meldungen::fehler(led::meldungAnzahlVerringert());
    if (const auto item = led::auswahlFuerAnzahl(v.n)) {
        if (*item == led::userItem) setzeUserText(QString::number(v.n));
        // a changed item runs the count check once more; it finds the LEDs fitting and recalculates
        m_anzahl->setItemIndex(*item);
    }
    return v.n;
}

void LedSeite::LED_Anzahl_ueberpruefen() {
    const bool eine = m_anzahl->itemIndex() == 0;
    m_eineLed->setVisible(eine);
    m_vieleLeds->setVisible(!eine);
    const auto U = lies(m_u);
    if (!U) return;
    const auto Uf = lies(m_uf);
    if (!Uf) return;
    const auto n = liesAnzahl();
    if (!n) return;
    m_daten.Anzahl_LED = anzahlAngleichen(*n, *Uf, *U);
    LED_Vorwiderstand_berechnen();
}

void LedSeite::LED_Farbe_ueberpruefen() {
    const auto U = lies(m_u);
    if (!U) return;
    const auto Uf = lies(m_uf);
    if (!Uf) return;
    const auto n = liesAnzahl();
    if (!n) return;
    double u = *U;
    if (m_anzahl->itemIndex() == 0 && led::spannungErhoehen(u, *Uf)) {
        Meldungen::fehler(led::meldungSpannungErhoeht());
        u = *Uf;
        m_u->setzeText(Zahlenausgabe(u, dezimal()));
    }
    m_daten.Anzahl_LED = anzahlAngleichen(*n, *Uf, u);
    LED_Vorwiderstand_berechnen();
}

void LedSeite::RG_LED_AnzahlClick() { LED_Anzahl_ueberpruefen(); }

void LedSeite::RG_LED_FarbeClick() {
    if (const auto v = led::flussspannung(m_daten, m_farbe->itemIndex()))
        m_uf->setzeText(Zahlenausgabe(*v, dezimal()) + QStringLiteral("V"));
    m_anschluss->update();
    LED_Farbe_ueberpruefen();
}

void LedSeite::User_LedsClick() {
    m_userLeds->setFocus(Qt::MouseFocusReason);
    m_anzahl->setItemIndex(led::userItem);
}

void LedSeite::User_LedsKeyPress() {
    const QString eingabe = m_userLeds->text();
    const auto n = led::userAnzahl(eingabe);
    if (!n) {
        Meldungen::fehler(meldungKeineZahl(eingabe));
        m_userLeds->setText(m_userText);
        m_userLeds->setFocus(Qt::OtherFocusReason);
        return;
    }
    setzeUserText(*n < led::userMindestens ? QString::number(led::userMindestens) : eingabe);
    if (m_anzahl->itemIndex() != led::userItem)
        m_anzahl->setItemIndex(led::userItem);  // runs the count check
    else
        LED_Anzahl_ueberpruefen();
}

void LedSeite::BitBtn4Click() {
    const auto wert = angezeigterWert(m_r->text(), m_cR->text(), dezimal());
    if (!wert) return;  // 0 (or no result) is no resistor for the tolerance page
    if (umgebung().anToleranzUebergeben) umgebung().anToleranzUebergeben(*wert);
}

void LedSeite::setzeUserText(const QString& text) {
    m_userText = text;
    m_userLeds->setText(text);
}

void LedSeite::userLedsPlatzieren() {
    // over the blanks in front of "LEDs", leaving one blank before the word
    QRadioButton* k = m_anzahl->knopf(led::userItem);
    const int indikator = k->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, k) +
                          k->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, k);
    const QFontMetrics fm(k->font());
    const int breite = fm.horizontalAdvance(QStringLiteral("      "));
    const int hoehe = fm.height() + 2;
    const QRect g = k->geometry();
    m_userLeds->setGeometry(g.x() + indikator + 1, g.y() + (g.height() - hoehe) / 2, breite, hoehe);
    m_userLeds->raise();
}

bool LedSeite::eventFilter(QObject* o, QEvent* e) {
    if (o == m_userLeds) {
        if (e->type() == QEvent::MouseButtonPress) {
            User_LedsClick();
        } else if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                User_LedsKeyPress();
                return true;
            }
        }
    } else if (o == m_anzahl->knopf(led::userItem) && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
        userLedsPlatzieren();
    }
    return Rechnerseite::eventFilter(o, e);
}

}  // namespace zelmo
