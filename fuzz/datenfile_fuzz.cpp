// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The data file as another program, an editor or a damaged disk may leave it.

#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>

#include "fuzz/fuzzpruefung.h"
#include "storage/datenfile.h"

using namespace zelmo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    for (QChar dez : {QChar(u','), QChar(u'.')}) {
        QString fehler;
        const auto werte = leseDatenfile(bytes, dez, &fehler);
        Datenwerte alle(werte.size());
        for (size_t i = 0; i < werte.size(); ++i) {
            if (!fehler.isEmpty()) FUZZ_PRUEFE(!werte[i].has_value());
            if (werte[i]) FUZZ_PRUEFE(std::isfinite(*werte[i]));
            alle[i] = werte[i].value_or(1.0);
        }
        // written once, the numbers survive every further round unchanged
        const QByteArray einmal = datenfileText(alle, dez);
        QString fehler2;
        const auto zurueck = leseDatenfile(einmal, dez, &fehler2);
        FUZZ_PRUEFE(fehler2.isEmpty());
        FUZZ_PRUEFE(zurueck.size() == alle.size());
        Datenwerte wieder(zurueck.size());
        for (size_t i = 0; i < zurueck.size(); ++i) {
            FUZZ_PRUEFE(zurueck[i].has_value());
            wieder[i] = *zurueck[i];
        }
        FUZZ_PRUEFE(datenfileText(wieder, dez) == einmal);
    }
    return 0;
}
