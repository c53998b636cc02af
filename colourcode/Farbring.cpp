// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/Farbring.h"

#include <QLabel>
#include <QRadioButton>
#include <QTextCursor>

namespace zelmo {

Farblegende::Farblegende(const QString& name, const Palette& palette, QWidget* parent)
    : QGroupBox(QStringLiteral(" Farben "), parent) {
    setObjectName(name);
    for (int r = 0; r < Farbzeilen; ++r) {
        const Farbzeile& z = palette[size_t(r)];
        auto* l = new QLabel(QString::fromUtf16(z.name), this);
        l->setObjectName(name + QStringLiteral("_Label%1").arg(z.tag));
        l->setProperty("Tag", z.tag);
        l->setGeometry(8, ErsteZeile + Zeilenabstand * r - 2, 64, 18);
        auto* m = new Ringform(name + QStringLiteral("_Farbe%1").arg(r), this);
        m->setFarbe(alsFarbe(z.muster));
        m->setGeometry(130 - 49 - 8, ErsteZeile + Zeilenabstand * r, 49, 14);
        m_labels.push_back(l);
        m_muster.push_back(m);
    }
}

Radiogruppe* neueRinggruppe(const QString& name, const QString& titel, const Ringtabelle& t, const QString& hinweis,
                            QWidget* parent) {
    QStringList texte;
    for (const auto& z : t) texte << z.text;
    auto* g = new Radiogruppe(name, titel, texte, 1, parent);
    g->setToolTip(hinweis);
    for (int r : leereZeilen(t)) g->knopf(r)->setEnabled(false);
    return g;
}

void Farbring::setzen(int zeile, Farbwert f) const {
    malen(f);
    m_gruppe->setItemIndex(zeile, false);
}

void Farbring::setzen(int zeile) const {
    if (zeile < 0 || zeile >= Farbzeilen) return;
    if (const auto& f = tabelle()[size_t(zeile)].farbe) malen(*f);
    m_gruppe->setItemIndex(zeile, false);
}

const Ringzeile* Farbring::auswahl() const {
    const int i = m_gruppe->itemIndex();
    if (i < 0 || i >= Farbzeilen) return nullptr;
    return &tabelle()[size_t(i)];
}

bool Farbring::auswahlMalen() const {
    const Ringzeile* z = auswahl();
    if (!z || !z->farbe) return false;
    malen(*z->farbe);
    return true;
}

void Farbring::sperren(std::initializer_list<int> zeilen) const { sperren(std::vector<int>(zeilen)); }

void Farbring::sperren(const std::vector<int>& zeilen) const {
    for (int r = 0; r < Farbzeilen; ++r) m_gruppe->knopf(r)->setEnabled(!tabelle()[size_t(r)].text.isEmpty());
    for (int r : zeilen) m_gruppe->knopf(r)->setEnabled(false);
}

QLineEdit* neuesGrenzfeld(const QString& name, const QString& text, const QString& hinweis, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setToolTip(hinweis);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    e->setPalette(p);
    e->setAutoFillBackground(false);
    e->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return e;
}

EReihenListe::EReihenListe(const QString& name, QWidget* parent) : QTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    zeigen({QStringLiteral("in keiner"), QStringLiteral("E-Reihe"), QStringLiteral("enthalten")});
}

void EReihenListe::zeigen(const QStringList& zeilen) {
    clear();
    QTextCursor c(document());
    QTextCharFormat schwarz;
    schwarz.setForeground(Qt::black);
    bool erste = true;
    for (const QString& z : zeilen)
        for (const QString& teil : z.split(u'\r')) {
            if (!erste) c.insertBlock();
            erste = false;
            c.insertText(teil, schwarz);
        }
}

QStringList EReihenListe::zeilen() const { return toPlainText().split(u'\n'); }

}  // namespace zelmo
