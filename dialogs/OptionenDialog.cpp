// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/OptionenDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {
QCheckBox* schalter(QWidget* eltern, const QString& name, const QString& text, int y) {
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(name);
    c->setGeometry(16, y, 300, 20);
    return c;
}
}  // namespace

OptionenDialog::OptionenDialog(QChar dezimal, QWidget* parent)
    : Dialog(QStringLiteral("TForm2"), QStringLiteral(" Optionen    Zelmotron V1.2"), {410, 280}, parent) {
    auto* allgemein = new QGroupBox(QStringLiteral(" Allgemein "), this);
    allgemein->setObjectName(QStringLiteral("GroupBox1"));
    allgemein->setGeometry(12, 10, 386, 112);
    m_kurzhinweise = schalter(allgemein, QStringLiteral("Optionen_CB_Kurzhinweise"),
                              QStringLiteral("Kurzhinweise anzeigen"), 26);
    m_autoUpdate = schalter(allgemein, QStringLiteral("Optionen_CB_AutoUpdate"),
                            QStringLiteral("automatisch nach Updates sehen"), 54);
    m_vordergrund = schalter(allgemein, QStringLiteral("Optionen_CB_Vordergrund"),
                             QStringLiteral("immer im Vordergrund"), 82);
    // toggled, not clicked: a state set by the program takes effect as a click would
    connect(m_kurzhinweise, &QCheckBox::toggled, this, [this](bool an) {
        if (beiKurzhinweisen) beiKurzhinweisen(an);
    });
    connect(m_vordergrund, &QCheckBox::toggled, this, [this](bool an) {
        if (beiVordergrund) beiVordergrund(an);
    });

    auto* lm317 = new QGroupBox(QStringLiteral(" LM317 Berechnung "), this);
    lm317->setObjectName(QStringLiteral("GroupBox2"));
    lm317->setGeometry(12, 134, 386, 76);
    beschriftung(lm317, QStringLiteral("maximale Sperrschichtemperatur"), {16, 32, 204, 22}, QStringLiteral("Label1"));
    m_tjmax = new Eingabefeld(QStringLiteral("Optionen_E_Tjmax"), dezimal, lm317);
    m_tjmax->setGeometry(224, 32, 96, 22);
    m_tjmax->setzeText(QStringLiteral(" 125"));
    beschriftung(lm317, QStringLiteral(u"°C"), {328, 32, 30, 22}, QStringLiteral("Label2"));
    // plain numbers only, between 50 and 175 °C
    m_tjmax->setParser([](const QString& t, QChar d) { return Gleitkommazahl(t, d); });
    m_tjmax->setWertepruefung([](double w, const QString& text) -> std::optional<QString> {
        if (w >= Rechengrenzen120::Tjmax_min && w <= Rechengrenzen120::Tjmax_max) return std::nullopt;
        return meldungAusserhalb(text, QStringLiteral(u" °C "), QStringLiteral(u"50 bis +175 °C"));
    });
    m_tjmax->setAnzeige([dezimal](double w) { return u' ' + festkomma(w, 2, dezimal); });
    m_tjmax->setUebernahme([this](double w) {
        if (beiTjmax) beiTjmax(w);
    });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setToolTip(QStringLiteral(u"Fenster schließen"));
    ok->setGeometry(310, 232, 88, 32);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace zelmo
