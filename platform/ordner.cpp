// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ordner.h"

#include <QDir>
#include <QFileInfo>

namespace zelmo {

Programmort programmortFuer(const QString& programmOrdner) {
    const QDir programm(programmOrdner);
    const QString geteilt = QDir::cleanPath(programm.filePath(geteilterOrdner + u'/' + hilfeDateiName));
    if (QFileInfo(geteilt).isFile()) return {true, geteilt};
    return {false, QDir::cleanPath(programm.filePath(hilfeDateiName))};
}

QString datenOrdnerFuer(const QString& programmOrdner, bool installiert, const QString& benutzerOrdner) {
    if (installiert) return benutzerOrdner + QStringLiteral("/QR2ZUX_Software/Zelmotronik");
    return programmOrdner;
}

}  // namespace zelmo
