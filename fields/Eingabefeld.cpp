// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Eingabefeld.h"

#include <QKeyEvent>

#include "fields/Meldungen.h"
#include "fields/grenzen.h"
#include "values/zahlen.h"

namespace zelmo {

Eingabefeld::Eingabefeld(const Grenze& grenze, QChar dezimal, QWidget* parent)
    : QLineEdit(parent), m_dezimal(dezimal), m_grenze(&grenze), m_einheit(QString::fromUtf16(grenze.einheit)) {
    setObjectName(QString::fromLatin1(grenze.feld));
}

Eingabefeld::Eingabefeld(const QString& name, QChar dezimal, QWidget* parent)
    : QLineEdit(parent), m_dezimal(dezimal) {
    setObjectName(name);
}

void Eingabefeld::setUebernahme(std::function<void(double)> f) {
    m_annahme = [f = std::move(f)](double wert, const QString&) {
        return Urteil::angenommen([f, wert] {
            if (f) f(wert);
        });
    };
}

void Eingabefeld::setzeText(const QString& text) {
    m_programmText = text;
    setText(text);
}

QString Eingabefeld::anzeigeText(double wert) const {
    return m_anzeige ? m_anzeige(wert) : Zahlenausgabe(wert, m_dezimal) + m_einheit;
}

void Eingabefeld::zeigeWert(double wert) { setzeText(anzeigeText(wert)); }

bool Eingabefeld::ablehnen(const QString& meldung) {
    Meldungen::fehler(meldung);
    setText(m_programmText);
    setFocus(Qt::OtherFocusReason);
    return false;
}

bool Eingabefeld::bestaetigen() {
    const QString eingabe = text();
    const auto wert = m_parser ? m_parser(eingabe, m_dezimal) : Zahleneingabe(eingabe, m_dezimal);
    if (!wert) return ablehnen(meldungKeineZahl(eingabe, m_parseEinschub));
    if (m_vorpruefung)
        if (auto m = m_vorpruefung(*wert, eingabe)) return ablehnen(*m);
    if (m_wertepruefung) {
        if (auto m = m_wertepruefung(*wert, eingabe)) return ablehnen(*m);
    } else if (m_grenze) {
        if (auto m = pruefeBereich(*m_grenze, *wert, eingabe, m_dezimal)) return ablehnen(*m);
    }
    Urteil urteil = m_annahme ? m_annahme(*wert, eingabe) : Urteil{};
    if (urteil.ablehnung) return ablehnen(*urteil.ablehnung);
    zeigeWert(*wert);
    if (urteil.uebernahme) urteil.uebernahme();
    return true;
}

void Eingabefeld::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if ((t == QLatin1String(".") || t == QLatin1String(",")) && t[0] != m_dezimal) {
        QKeyEvent ersetzt(e->type(), e->key(), e->modifiers(), QString(m_dezimal), e->isAutoRepeat(),
                          ushort(e->count()));
        QLineEdit::keyPressEvent(&ersetzt);
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        bestaetigen();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace zelmo
