// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/hilfekontexte.h"

#include <QStringList>

namespace zelmo {

std::map<int, QString> leseHilfekontexte(const QString& text) {
    std::map<int, QString> tabelle;
    for (const QString& roh : text.split(u'\n')) {
        const QString zeile = roh.trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u'#')) continue;
        const QStringList teile = zeile.split(u' ', Qt::SkipEmptyParts);
        if (teile.size() != 2) continue;
        bool ok = false;
        const int nummer = teile[0].toInt(&ok);
        if (ok) tabelle[nummer] = teile[1];
    }
    return tabelle;
}

}  // namespace zelmo
