// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file as another program, an editor or a damaged disk may leave it.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "fuzz/fuzzpruefung.h"
#include "storage/inidokument.h"

using namespace zelmo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    QString fehler;
    IniDokument d = IniDokument::ausBytes(bytes, &fehler);
    if (!fehler.isEmpty()) return 0;
    (void)d.lies(QStringLiteral("Dezimalseparator"), QStringLiteral("Dezimals"));
    // what the program writes reads back as written, and writing it again changes nothing
    d.schreibe(QStringLiteral("Register"), QStringLiteral("Karte"), QStringLiteral("3"));
    d.schreibe(QStringLiteral("Stern-Dreieck"), QStringLiteral("Eingabe_Rs1"), QStringLiteral(u"5,00 k\u03A9"));
    const QByteArray geschrieben = d.alsBytes();
    QString fehler2;
    const IniDokument wieder = IniDokument::ausBytes(geschrieben, &fehler2);
    FUZZ_PRUEFE(fehler2.isEmpty());
    FUZZ_PRUEFE(wieder.lies(QStringLiteral("register"), QStringLiteral("KARTE")) == QStringLiteral("3"));
    FUZZ_PRUEFE(wieder.lies(QStringLiteral("Stern-Dreieck"), QStringLiteral("Eingabe_Rs1")) ==
                QStringLiteral(u"5,00 k\u03A9"));
    FUZZ_PRUEFE(wieder.alsBytes() == geschrieben);
    return 0;
}
