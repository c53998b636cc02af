// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The context map of the help file (the file travels with the program and may be replaced).

#include <QString>
#include <cstdint>

#include "fuzz/fuzzpruefung.h"
#include "platform/hilfekontexte.h"

using namespace zelmo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    for (const auto& [kontext, thema] : leseHilfekontexte(text)) {
        FUZZ_PRUEFE(!thema.isEmpty());
        FUZZ_PRUEFE(!thema.contains(u'\n'));
        (void)kontext;
    }
    return 0;
}
