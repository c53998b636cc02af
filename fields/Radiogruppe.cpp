// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Radiogruppe.h"

#include <QFontMetrics>
#include <QRadioButton>

namespace zelmo {

Radiogruppe::Radiogruppe(const QString& name, const QString& titel, const QStringList& items, int spalten,
                         QWidget* parent)
    : QGroupBox(titel, parent), m_spalten(std::max(1, spalten)) {
    setObjectName(name);
    for (int i = 0; i < items.size(); ++i) {
        auto* k = new QRadioButton(items[i], this);
        k->setAutoExclusive(false);
        connect(k, &QRadioButton::clicked, this, [this, i] { knopfGeklickt(i); });
        m_knoepfe.push_back(k);
    }
    anordnen();
}

void Radiogruppe::knopfGeklickt(int i) {
    // a click on the selected item changes nothing; a click elsewhere selects and runs the handler
    if (i == m_index) {
        m_knoepfe[size_t(i)]->setChecked(true);
        return;
    }
    setItemIndex(i, true);
}

void Radiogruppe::setItemIndex(int i, bool runHandler) {
    if (i < -1 || i >= anzahl()) i = -1;
    const bool anders = i != m_index;
    m_index = i;
    for (int k = 0; k < anzahl(); ++k) m_knoepfe[size_t(k)]->setChecked(k == i);
    if (anders && runHandler && klick) klick();
}

void Radiogruppe::waehle(int i) {
    if (i != m_index)
        setItemIndex(i, true);
    else if (klick)
        klick();
}

void Radiogruppe::setKnopfFett(int i, bool fett) {
    QFont f = m_knoepfe.at(size_t(i))->font();
    f.setBold(fett);
    m_knoepfe[size_t(i)]->setFont(f);
}

bool Radiogruppe::knopfFett(int i) const { return m_knoepfe.at(size_t(i))->font().bold(); }

void Radiogruppe::setzeKnopf(int i, int links, int breite) {
    m_platz[i] = {links, breite};
    anordnen();
}

void Radiogruppe::setSpalten(int spalten) {
    m_spalten = std::max(1, spalten);
    anordnen();
}

void Radiogruppe::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    anordnen();
}

void Radiogruppe::anordnen() {
    if (m_knoepfe.empty()) return;
    // rows share the height below the caption; columns share the width
    const int n = anzahl();
    const int proSpalte = (n + m_spalten - 1) / m_spalten;
    const int zeichen = QFontMetrics(font()).height();
    const int breite = std::max(1, (width() - 10) / m_spalten);
    const int rest = std::max(proSpalte, height() - zeichen - 5);
    const int hoehe = rest / proSpalte;
    const int oben = zeichen + 1 + (rest % proSpalte) / 2;
    for (int i = 0; i < n; ++i) {
        int links = (i / proSpalte) * breite + 8;
        int w = breite;
        if (auto it = m_platz.find(i); it != m_platz.end()) {
            links = it->second.first;
            if (it->second.second > 0) w = it->second.second;
        }
        m_knoepfe[size_t(i)]->setGeometry(links, (i % proSpalte) * hoehe + oben, w, hoehe);
    }
}

}  // namespace zelmo
