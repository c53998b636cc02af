// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/ordner.h"
#include "support/gtest_qt.h"

using namespace zelmo;

namespace {
void leereDatei(const QString& pfad) {
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
}  // namespace

TEST(DatenOrdner, InstalliertOderDaneben) {
    const QString benutzer = QStringLiteral("/home/anna/.config");
    // installed: the per-user folder (underscore in the maker's name)
    EXPECT_EQ(datenOrdnerFuer(QStringLiteral("/usr/bin"), true, benutzer),
              QStringLiteral("/home/anna/.config/QR2ZUX_Software/Zelmotronik"));
    // anywhere else: beside the program
    for (const char* p : {"/home/anna/zelmotron/build", "/opt/zelmotron"})
        EXPECT_EQ(datenOrdnerFuer(QString::fromLatin1(p), false, benutzer), QString::fromLatin1(p)) << p;
}

// The program counts as installed when its help file lies in ../share/zelmotron, whatever the prefix.
TEST(Programmort, HilfeDateiEntscheidet) {
    struct Fall {
        const char* name;
        const char* programm;        // folder of the program file, below the temporary folder
        const char* hilfe;           // where the help file lies ("" none)
        bool installiert;
        const char* erwarteteHilfe;  // the help file the program uses
    };
    const Fall faelle[] = {
        {"/usr", "usr/bin", "usr/share/zelmotron/ZelmosV121.chm", true, "usr/share/zelmotron/ZelmosV121.chm"},
        {"staged", "stage/opt/z/bin", "stage/opt/z/share/zelmotron/ZelmosV121.chm", true,
         "stage/opt/z/share/zelmotron/ZelmosV121.chm"},
        {"build folder", "build", "build/ZelmosV121.chm", false, "build/ZelmosV121.chm"},
        {"no help file", "leer/bin", "", false, "leer/bin/ZelmosV121.chm"},
        {"other name", "anders/bin", "anders/share/zelmos/ZelmosV121.chm", false, "anders/bin/ZelmosV121.chm"},
        {"folder, not a file", "ordner/bin", "ordner/share/zelmotron/ZelmosV121.chm/x", false,
         "ordner/bin/ZelmosV121.chm"},
    };
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QDir().mkpath(tmp.filePath(QString::fromLatin1(f.programm)));
        if (*f.hilfe) leereDatei(tmp.filePath(QString::fromLatin1(f.hilfe)));
        const Programmort ort = programmortFuer(tmp.filePath(QString::fromLatin1(f.programm)));
        EXPECT_EQ(ort.installiert, f.installiert);
        EXPECT_EQ(ort.hilfeDatei, QDir::cleanPath(tmp.filePath(QString::fromLatin1(f.erwarteteHilfe))));
    }
}
