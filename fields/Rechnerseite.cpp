// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Rechnerseite.h"

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

}  // namespace zelmo
