// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Rechnerseite.h"

#include <QPushButton>

#include "fields/Bausteine.h"
#include "fields/Meldungen.h"

namespace zelmo {

void Rechnerseite::starten(IniLeser* einstellungen) {
    const Meldungen::OhneWiederholung einmal;
    if (einstellungen)
        laden(*einstellungen);
    else
        ersterStart();
    laufzeitEinstellungen();
}

QPushButton* Rechnerseite::normwerteKnopf(QWidget* eltern, const QString& name, QRect platz) {
    QPushButton* k = knopf(eltern, name, QStringLiteral("Normwerte"), platz);
    k->setToolTip(QStringLiteral("mit Normwerten, Toleranzen und Belastbarkeit nachrechnen"));
    connect(k, &QPushButton::clicked, this, [this] {
        if (m_umgebung.normwerteZeigen) m_umgebung.normwerteZeigen();
    });
    return k;
}

}  // namespace zelmo
