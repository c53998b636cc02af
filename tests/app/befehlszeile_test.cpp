// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "app/befehlszeile.h"
#include "support/gtest_qt.h"

using namespace zelmo::befehlszeile;

namespace {
Auswertung lauf(QStringList argumente) {
    argumente.prepend(QStringLiteral("/usr/bin/zelmotron"));
    return auswerten(argumente, QStringLiteral("9.8.7"));
}
}  // namespace

// Our options and Qt's: what starts, what answers, with which exit code.
TEST(Befehlszeile, OptionenUndQtOptionen) {
    const struct {
        QStringList argumente;
        Art art;
    } faelle[] = {
        {{}, Art::starten},
        {{"-platform", "offscreen"}, Art::starten},
        {{"--platform", "offscreen", "-style=fusion", "-reverse"}, Art::starten},
        {{"-style", "fusion", "-stylesheet", "a.qss", "-widgetcount"}, Art::starten},
        {{"-display", ":1", "-name", "z", "-nograb", "-qwindowtitle", "T", "-qwindowgeometry", "670x617"},
         Art::starten},
        {{"-session", "1234_5", "-platformtheme", "gtk3", "-plugin", "evdevtablet"}, Art::starten},
        // Qt's option takes the next word as its value, even one that looks like ours
        {{"-qwindowtitle", "-v"}, Art::starten},
        {{"-h"}, Art::hilfe},
        {{"--help"}, Art::hilfe},
        {{"-help"}, Art::hilfe},
        {{"-v"}, Art::version},
        {{"--version"}, Art::version},
        {{"-platform", "offscreen", "--version"}, Art::version},
        {{"--version", "--help"}, Art::hilfe},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente.join(u' ').toStdString());
        const Auswertung a = lauf(f.argumente);
        EXPECT_EQ(a.art, f.art);
        EXPECT_EQ(a.exitCode, 0);
        if (f.art == Art::starten) {
            EXPECT_TRUE(a.text.isEmpty());
        }
    }
}

TEST(Befehlszeile, VersionUndHilfe) {
    EXPECT_EQ(lauf({"-v"}).text, QStringLiteral("Zelmotron 9.8.7\n"));
    const QString hilfe = lauf({"--help"}).text;
    EXPECT_TRUE(hilfe.startsWith(QStringLiteral("Aufruf: zelmotron [Optionen]\n")));
    for (const char* teil : {"-h, --help", "-v, --version", "-platform", "ZelmosV121.ini", "ZelmosV121.dat",
                             "ZelmosV121.lock", "XDG_CONFIG_HOME", "ZelmosV121.chm", "man zelmotron"})
        EXPECT_TRUE(hilfe.contains(QString::fromUtf8(teil))) << teil;
    // a terminal of 80 columns shows every line whole
    for (const QString& zeile : hilfe.split(u'\n')) EXPECT_LE(zeile.size(), 80) << zeile.toStdString();
    EXPECT_TRUE(hilfe.endsWith(u'\n'));
}

// Anything else: one German line naming what was wrong, the hint, exit code 2.
TEST(Befehlszeile, FalscherAufruf) {
    const struct {
        QStringList argumente;
        const char16_t* zeile;
    } faelle[] = {
        {{"--foo"}, u"unbekannte Option „--foo“"},
        {{"-x"}, u"unbekannte Option „-x“"},
        {{"-hv"}, u"unbekannte Option „-hv“"},
        {{"--bar=1"}, u"unbekannte Option „--bar=1“"},
        {{"-platform", "offscreen", "--foo", "--version"}, u"unbekannte Option „--foo“"},
        {{"datei.ini"}, u"unerwartetes Argument „datei.ini“"},
        {{"--help", "datei.ini"}, u"unerwartetes Argument „datei.ini“"},
        {{"--", "-v"}, u"unerwartetes Argument „-v“"},
        {{"-style"}, u"der Option „-style“ fehlt ihr Wert"},
        {{"-v", "--platform"}, u"der Option „--platform“ fehlt ihr Wert"},
        {{"--version=2"}, u"die Option „--version“ nimmt keinen Wert"},
        {{"-reverse=1"}, u"die Option „-reverse“ nimmt keinen Wert"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente.join(u' ').toStdString());
        const Auswertung a = lauf(f.argumente);
        EXPECT_EQ(a.art, Art::fehler);
        EXPECT_EQ(a.exitCode, 2);
        EXPECT_EQ(a.text, QStringLiteral("zelmotron: ") + QString::fromUtf16(f.zeile) +
                              QStringLiteral(u" – Aufruf und Optionen zeigt „zelmotron --help“\n"));
    }
}

TEST(Befehlszeile, ArgumenteAusMain) {
    char programm[] = "zelmotron";
    char umlaut[] = "Widerst\xc3\xa4nde";
    char* argv[] = {programm, umlaut, nullptr};
    EXPECT_EQ(argumente(2, argv), QStringList({QStringLiteral("zelmotron"), QStringLiteral(u"Widerstände")}));
}
