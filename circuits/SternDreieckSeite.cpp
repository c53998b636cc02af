// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "circuits/SternDreieckSeite.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include "circuits/SternDreieckBilder.h"
#include "circuits/sterndreieck.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "fields/Meldungen.h"
#include "fields/Schaltbild.h"
#include "storage/einstellungen.h"

namespace zelmo {

namespace {

QLabel* ueberschrift(QWidget* eltern, const QString& text, QRect platz, const QString& name, Qt::Alignment a) {
    QLabel* l = beschriftung(eltern, text, platz, name);
    QFont f = l->font();
    f.setPixelSize(17);
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(a | Qt::AlignVCenter);
    return l;
}

// The green link under a picture that opens the dialog with further drawings.
QLabel* verweis(QWidget* eltern, const QString& name, const QString& text, const QString& hinweis, QRect platz) {
    QLabel* l = beschriftung(eltern, text, platz, name);
    hintergrund(l, geldgruen);
    l->setAlignment(Qt::AlignCenter);
    l->setToolTip(hinweis);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

SternDreieckSeite::SternDreieckSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) {
    auto* rahmen = new QGroupBox(this);
    rahmen->setObjectName(QStringLiteral("SD_GB_Seite"));
    rahmen->setGeometry(4, 2, 629, 467);

    // --- headings and pictures
    ueberschrift(rahmen, QStringLiteral("Stern-"), {14, 14, 100, 24}, QStringLiteral("Label1"), Qt::AlignLeft);
    ueberschrift(rahmen, QStringLiteral("Schaltung"), {14, 38, 100, 24}, QStringLiteral("Label2"), Qt::AlignLeft);
    ueberschrift(rahmen, QStringLiteral("Dreieck-"), {515, 14, 100, 24}, QStringLiteral("Label4"), Qt::AlignRight);
    ueberschrift(rahmen, QStringLiteral("Schaltung"), {515, 38, 100, 24}, QStringLiteral("Label3"), Qt::AlignRight);

    auto* sternBild = new Schaltbild(QStringLiteral("Image1"), sdbild::schaltungGroesse, rahmen);
    sternBild->setGeometry(112, 14, 178, 247);
    sternBild->setToolTip(QStringLiteral("Schaltbild der Sternschaltung"));
    sternBild->setZeichnung(sdbild::stern);

    auto* wandlung = new Schaltbild(QStringLiteral("Image3"), sdbild::wandlungGroesse, rahmen);
    wandlung->setGeometry(290, 108, 49, 59);
    wandlung->setZeichnung(sdbild::wandlung);
    wandlung->setAccessibleDescription(
        QStringLiteral("Pfeile in beide Richtungen: Sternschaltung in Dreieckschaltung und Dreieckschaltung in "
                       "Sternschaltung"));

    auto* dreieckBild = new Schaltbild(QStringLiteral("Image2"), sdbild::schaltungGroesse, rahmen);
    dreieckBild->setGeometry(339, 14, 178, 247);
    dreieckBild->setToolTip(QStringLiteral("Schaltbild der Dreieckschaltung"));
    dreieckBild->setZeichnung(sdbild::dreieck);

    m_sternAD = verweis(rahmen, QStringLiteral("Stern_aD"), QStringLiteral("  andere Darstellungen   "),
                        QStringLiteral("andere Zeichnungen der Sternschaltung"), {121, 270, 160, 20});
    m_dreieckAD = verweis(rahmen, QStringLiteral("Dreieck_aD"), QStringLiteral("andere Darstellungen"),
                          QStringLiteral("  andere Zeichnungen der Dreieckschaltung  "), {348, 270, 160, 20});
    m_sternAD->installEventFilter(this);
    m_dreieckAD->installEventFilter(this);

    // --- the two sides
    const auto seite = [&](bool stern, const char* name, const char* titel, const char* hinweis, QRect platz) {
        auto* gb = new QGroupBox(QString::fromLatin1(titel), rahmen);
        gb->setObjectName(QString::fromLatin1(name));
        gb->setGeometry(platz);
        gb->setToolTip(QString::fromLatin1(hinweis));
        auto& felder = stern ? m_stern : m_dreieck;
        for (int i = 0; i < 3; ++i) {
            const int y = 30 + 38 * i;
            beschriftung(gb, sterndreieck::bezeichnung(stern, i), {16, y, 110, 22});
            static const Grenze* const grenzeStern[] = {&grenzen::SD_E_Rs1, &grenzen::SD_E_Rs2, &grenzen::SD_E_Rs3};
            static const Grenze* const grenzeDreieck[] = {&grenzen::SD_E_Rd1, &grenzen::SD_E_Rd2,
                                                          &grenzen::SD_E_Rd3};
            auto* f = new Eingabefeld(*(stern ? grenzeStern : grenzeDreieck)[i], dezimal(), gb);
            f->setGeometry(130, y, 145, 22);
            f->setzeText(QStringLiteral(" 5"));
            // refused when the other side could not be shown; else the other side is computed
            f->setAnnahme([this, stern, i](double wert, const QString& eingabe) {
                if (auto m = pruefeUmrechnung(stern, i, wert, eingabe)) return Eingabefeld::Urteil::abgelehnt(*m);
                return Eingabefeld::Urteil::angenommen([this, stern] {
                    if (stern)
                        Dreieck_Berechnung();
                    else
                        Stern_Berechnung();
                });
            });
            felder[size_t(i)] = f;
        }
    };
    seite(true, "GroupBox2", " Sternschaltung ", "Eingaben zur Sternschaltung", {14, 304, 295, 146});
    seite(false, "GroupBox3", " Dreickschaltung ", "Eingaben zur Dreieckschaltung", {320, 304, 295, 146});
}

const Seitenablage<SternDreieckSeite>& SternDreieckSeite::ablage() {
    using namespace zelmo::ablage;
    using S = SternDreieckSeite;
    // the fields show their values with one blank in front (the file holds them trimmed) and the
    // resistance unit as the Greek omega, also where an older file stored the ohm sign
    const auto geladen = [](const QString& t) { return u' ' + sterndreieck::geladenerText(t); };
    const auto wert = [&](const char* name, const char* vorgabe, const QString& erst, bool stern, size_t i) {
        return Seitenablage<S>::Wert{
            text("Stern-Dreieck", name, vorgabe, erst).geformtDurch(geladen),
            {[=](const S& s) -> Ablagewert { return (stern ? s.m_stern : s.m_dreieck)[i]->text(); },
             [=](S& s, const Ablagewert& w) { (stern ? s.m_stern : s.m_dreieck)[i]->setzeText(std::get<QString>(w)); }}};
    };
    // a first start gives the star 5 kΩ each; the delta as calculated from it
    const QString stern = QStringLiteral(u"5,00 k") + sterndreieck::FeldEinheit;
    const QString dreieck = QStringLiteral(u"15,00 k") + sterndreieck::FeldEinheit;
    static const Seitenablage<S> a{{
        wert("Eingabe_Rs1", "6,80", stern, true, 0),     wert("Eingabe_Rs2", "9,10", stern, true, 1),
        wert("Eingabe_Rs3", "4,70", stern, true, 2),     wert("Eingabe_Rd1", "20,09", dreieck, false, 0),
        wert("Eingabe_Rd2", "15,01", dreieck, false, 1), wert("Eingabe_Rd3", "29,07", dreieck, false, 2),
    }};
    return a;
}

void SternDreieckSeite::ersterStart() {
    ablage().ersterStart(*this, dezimal());
    Dreieck_Berechnung();
}

void SternDreieckSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void SternDreieckSeite::laden(IniLeser& l) { ablage().laden(*this, l); }

void SternDreieckSeite::Dreieck_Berechnung() { umrechnen(true); }

void SternDreieckSeite::Stern_Berechnung() { umrechnen(false); }

std::array<QString, 3> SternDreieckSeite::texte(bool stern) const {
    const auto& felder = stern ? m_stern : m_dreieck;
    return {felder[0]->text(), felder[1]->text(), felder[2]->text()};
}

void SternDreieckSeite::umrechnen(bool stern) {
    using Art = sterndreieck::Umrechnung::Art;
    const auto quelle = texte(stern);
    const sterndreieck::Umrechnung u = sterndreieck::umrechnen(stern, quelle, dezimal());
    const auto& ziel = stern ? m_dreieck : m_stern;
    if (u.art == Art::Ergebnis) {
        for (int i = 0; i < 3; ++i) ziel[size_t(i)]->setzeText(u.texte[size_t(i)]);
        return;
    }
    // a field of this side holds an edit that was never confirmed (or a restored text that is no
    // value): the other side says nothing rather than something that does not belong to the inputs
    if (u.art == Art::Eingabe)
        Meldungen::fehler(sterndreieck::meldungFeld(sterndreieck::bezeichnung(stern, u.eingabe),
                                                    quelle[size_t(u.eingabe)]));
    else
        Meldungen::fehler(sterndreieck::meldungNichtDarstellbar({}));
    for (Eingabefeld* f : ziel) f->setzeText({});
}

std::optional<QString> SternDreieckSeite::pruefeUmrechnung(bool stern, int index, double wert,
                                                           const QString& eingabe) const {
    auto quelle = texte(stern);
    // the conversion reads the field as it will show the value
    const auto& felder = stern ? m_stern : m_dreieck;
    quelle[size_t(index)] = felder[size_t(index)]->anzeigeText(wert);
    const auto u = sterndreieck::umrechnen(stern, quelle, dezimal());
    if (u.art == sterndreieck::Umrechnung::Art::NichtDarstellbar) return sterndreieck::meldungNichtDarstellbar(eingabe);
    return std::nullopt;  // a missing value in another field is named by the conversion itself
}

bool SternDreieckSeite::eventFilter(QObject* o, QEvent* e) {
    if ((o == m_sternAD || o == m_dreieckAD) && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        if (o == m_sternAD)
            Stern_aDClick();
        else
            Dreieck_aDClick();
        return true;
    }
    return Rechnerseite::eventFilter(o, e);
}

void SternDreieckSeite::Stern_aDClick() {
    Stern_Dreieck = true;
    if (umgebung().sternDreieckBilderZeigen) umgebung().sternDreieckBilderZeigen(Stern_Dreieck);
}

void SternDreieckSeite::Dreieck_aDClick() {
    Stern_Dreieck = false;
    if (umgebung().sternDreieckBilderZeigen) umgebung().sternDreieckBilderZeigen(Stern_Dreieck);
}

}  // namespace zelmo
