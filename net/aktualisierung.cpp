// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/aktualisierung.h"

namespace zelmo::net {

QString archivName(int version) { return QStringLiteral("Zel-mosV%1.zip").arg(version); }

QString archivPfad(int version) { return QStringLiteral("/Uploads/") + archivName(version); }

QString signaturPfad(int version) { return archivPfad(version) + QStringLiteral(".sig"); }

QString programmName(int version) { return QStringLiteral("Zel-mosV%1.exe").arg(version); }

std::optional<int> versionAusText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (QChar c : t)
        if (c < u'0' || c > u'9') return std::nullopt;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

QString meldungKeinInteger(const QString& text) {
    QString t = text;
    for (QChar& c : t)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) c = u'?';
    return QStringLiteral("'") + t + QStringLiteral("' ist kein gültiger Integerwert");
}

QString ShellExecuteErrorMessage(int ErrorCode) {
    switch (ErrorCode) {
        case 0:
            return QStringLiteral("Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte waren ungültig");
        case 2: return QStringLiteral("Datei wurde nicht gefunden.");
        case 3: return QStringLiteral("Verzeichnis wurde nicht gefunden.");
        case 5:
            return QStringLiteral(
                "Fehler beim gemeinsamen Zugriff auf eine Datei im Netz oder Fehler beim Zugriff auf eine gesperrte "
                "Datei im Netz.");
        case 6: return QStringLiteral("Bibliothek forderte separate Datensegmente für jede Task an.");
        case 8: return QStringLiteral("Zuwenig Speicher, um die Anwendung zu starten.");
        case 10: return QStringLiteral("Falsche Windows-Version.");
        case 11:
            return QStringLiteral(
                "Ungültige ausführbare Datei. Entweder keine Windows-Anwendung oder Fehler in der EXE-Datei.");
        case 12: return QStringLiteral("Anwendung für ein anderes Betriebssystem.");
        case 13: return QStringLiteral("Anwendung für MS-DOS 4.0.");
        case 14: return QStringLiteral("Typ der ausführbaren Datei unbekannt.");
        case 15: return QStringLiteral("Versuch, eine Real-Mode-Anwendung (für eine frühere Windows-Version) zu laden.");
        case 16:
            return QStringLiteral(
                "Versuch, eine zweite Instanz einer ausführbaren Datei mit mehreren Datensegmenten die nicht als nur "
                "lesbar gekennzeichnet waren, zu laden.");
        case 19:
            return QStringLiteral(
                "Versuch, eine komprimierte ausführbare Datei zu laden.\r\nDie Datei muß dekomprimiert werden, bevor "
                "sie geladen werden kann.");
        case 20:
            return QStringLiteral(
                "Ungültige dynamische Linkbibliothek (DLL).\r\nEine der DLLs, die benötigt wurde, um die Anwendung "
                "auszuführen, war beschädigt.");
        default: return QStringLiteral("Ein Unbekannter Fehler ist aufgetreten. (%1)").arg(ErrorCode);
    }
}

}  // namespace zelmo::net
