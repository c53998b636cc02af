// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// A downloaded archive, bytes as they come: unpacked into a fresh folder, nothing may land outside it.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>

#include "fuzz/fuzzpruefung.h"
#include "net/zipentpacken.h"

using namespace zelmo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    QTemporaryDir tmp;
    FUZZ_PRUEFE(tmp.isValid());
    const QString archiv = tmp.filePath(QStringLiteral("archiv.zip"));
    const QString ziel = tmp.filePath(QStringLiteral("ziel"));
    {
        QFile f(archiv);
        FUZZ_PRUEFE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(daten), qint64(groesse));
    }
    FUZZ_PRUEFE(QDir().mkdir(ziel));
    const QString basis = QFileInfo(ziel).canonicalFilePath();
    net::Entpackt e;
    try {
        net::zipEntpacken(archiv, ziel, e);
    } catch (const net::ZipFehler& f) {
        FUZZ_PRUEFE(!f.text().isEmpty());
    }
    for (const QString& d : e.dateien) FUZZ_PRUEFE(d.startsWith(basis + u'/'));
    // beside the archive only the target folder; inside it nothing that points outside
    const QStringList oben = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    FUZZ_PRUEFE(oben == (QStringList{QStringLiteral("archiv.zip"), QStringLiteral("ziel")}));
    QDirIterator it(ziel, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo i(it.next());
        FUZZ_PRUEFE(!i.isSymLink());
    }
    return 0;
}
