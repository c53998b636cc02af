// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "net/aktualisierung.h"
#include "support/gtest_qt.h"

using namespace zelmo::net;

TEST(ShellExecuteErrorMessage, JederCodeDerTabelle) {
    const struct {
        int code;
        const char16_t* text;
    } faelle[] = {
        {0, u"Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte waren ungültig"},
        {2, u"Datei wurde nicht gefunden."},
        {3, u"Verzeichnis wurde nicht gefunden."},
        {5, u"Fehler beim gemeinsamen Zugriff auf eine Datei im Netz oder Fehler beim Zugriff auf eine gesperrte "
            u"Datei im Netz."},
        {6, u"Bibliothek forderte separate Datensegmente für jede Task an."},
        {8, u"Zuwenig Speicher, um die Anwendung zu starten."},
        {10, u"Falsche Windows-Version."},
        {11, u"Ungültige ausführbare Datei. Entweder keine Windows-Anwendung oder Fehler in der EXE-Datei."},
        {12, u"Anwendung für ein anderes Betriebssystem."},
        {13, u"Anwendung für MS-DOS 4.0."},
        {14, u"Typ der ausführbaren Datei unbekannt."},
        {15, u"Versuch, eine Real-Mode-Anwendung (für eine frühere Windows-Version) zu laden."},
        {16, u"Versuch, eine zweite Instanz einer ausführbaren Datei mit mehreren Datensegmenten die nicht als nur "
             u"lesbar gekennzeichnet waren, zu laden."},
        {19, u"Versuch, eine komprimierte ausführbare Datei zu laden.\r\nDie Datei muß dekomprimiert werden, bevor "
             u"sie geladen werden kann."},
        {20, u"Ungültige dynamische Linkbibliothek (DLL).\r\nEine der DLLs, die benötigt wurde, um die Anwendung "
             u"auszuführen, war beschädigt."},
        // the codes the table does not name
        {1, u"Ein Unbekannter Fehler ist aufgetreten. (1)"},
        {4, u"Ein Unbekannter Fehler ist aufgetreten. (4)"},
        {7, u"Ein Unbekannter Fehler ist aufgetreten. (7)"},
        {9, u"Ein Unbekannter Fehler ist aufgetreten. (9)"},
        {17, u"Ein Unbekannter Fehler ist aufgetreten. (17)"},
        {18, u"Ein Unbekannter Fehler ist aufgetreten. (18)"},
        {21, u"Ein Unbekannter Fehler ist aufgetreten. (21)"},
        {31, u"Ein Unbekannter Fehler ist aufgetreten. (31)"},
        {-7, u"Ein Unbekannter Fehler ist aufgetreten. (-7)"},
    };
    for (const auto& f : faelle) EXPECT_EQ(ShellExecuteErrorMessage(f.code), QString::fromUtf16(f.text)) << f.code;
}

TEST(Versionsdatei, NurZiffernSindEineVersion) {
    const struct {
        const char* text;
        std::optional<int> zahl;
    } faelle[] = {
        {"121", 121}, {"122", 122}, {"0", 0}, {"007", 7}, {"000000122", 122},
        {" 122", 122}, {"122\n", 122}, {"\t122\r\n", 122},  // white space around the digits
        {"+7", std::nullopt}, {"-3", std::nullopt}, {"", std::nullopt}, {"  ", std::nullopt},
        {"12a", std::nullopt}, {"1 22", std::nullopt}, {"1,5", std::nullopt}, {"+", std::nullopt},
        {"99999999999", std::nullopt}, {"<html>", std::nullopt}, {"\xd9\xa1\xd9\xa2", std::nullopt},  // Arabic-Indic digits
    };
    for (const auto& f : faelle) EXPECT_EQ(versionAusText(QString::fromUtf8(f.text)), f.zahl) << f.text;
    EXPECT_EQ(meldungKeinInteger(QStringLiteral("12a")), QStringLiteral("'12a' ist kein gültiger Integerwert"));
    // control characters from the server do not reach the message box
    EXPECT_EQ(meldungKeinInteger(QStringLiteral("1\x1b[2J\u202e")), QStringLiteral("'1?[2J?' ist kein gültiger Integerwert"));
}

TEST(Versionsdatei, NamenDerFreigabe) {
    EXPECT_EQ(archivName(122), QStringLiteral("Zel-mosV122.zip"));
    EXPECT_EQ(archivPfad(122), QStringLiteral("/Uploads/Zel-mosV122.zip"));
    EXPECT_EQ(signaturPfad(122), QStringLiteral("/Uploads/Zel-mosV122.zip.sig"));
    EXPECT_EQ(programmName(122), QStringLiteral("Zel-mosV122.exe"));
    EXPECT_EQ(versionsDatei, QStringLiteral("/Uploads/Version_Zelmos.txt"));
    EXPECT_TRUE(updateServer.startsWith(QStringLiteral("https://")));
}
