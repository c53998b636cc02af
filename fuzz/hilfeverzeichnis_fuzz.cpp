// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the help viewer reads out of the help file besides the pages (the file travels with the
// program and may be replaced): the contents (.hhc) and keyword index (.hhk) reader, the text
// decoding, and the plain text and title of a topic for the full-text search.

#include <QByteArray>
#include <cstdint>

#include "fuzz/fuzzpruefung.h"
#include "platform/hilfeinhalt.h"

using namespace zelmo::hilfe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const std::vector<Verzeichniseintrag> liste = leseVerzeichnis(bytes);
    FUZZ_PRUEFE(liste.size() <= size_t(maxEintraege));
    for (const Verzeichniseintrag& e : liste) {
        FUZZ_PRUEFE(!e.name.isEmpty() && e.name.size() <= maxTextLaenge);
        FUZZ_PRUEFE(e.ebene >= 0 && e.ebene < maxEbene);
        FUZZ_PRUEFE(e.dateien.size() <= maxVerweise);
        for (const QString& d : e.dateien) {
            // a topic path never leads outside the help file
            FUZZ_PRUEFE(!d.isEmpty() && !d.startsWith(u'/') && !d.contains(u':'));
            FUZZ_PRUEFE(!d.section(u'#', 0, 0).split(u'/').contains(QStringLiteral("..")));
        }
    }
    const QString text = alsText(bytes);
    const std::vector<Suchthema> themen{{QStringLiteral("a.htm"), titel(text), klartext(text)}};
    for (int i : suche(text.left(64), themen)) FUZZ_PRUEFE(i == 0);
    return 0;
}
