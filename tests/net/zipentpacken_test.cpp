// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "net/zipbau.h"
#include "net/zipentpacken.h"
#include "support/gtest_qt.h"

using namespace zelmo::net;
using zelmo::test::schreibeZip;
using zelmo::test::ZipEintrag;

namespace {
QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}
QByteArray zufall(qsizetype n) {
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator g(42);
    for (char& c : b) c = char(g.bounded(256));
    return b;
}
// Replaces every occurrence of a name in the raw archive (local header and central directory alike).
void ersetzeImArchiv(const QString& archiv, const QByteArray& von, const QByteArray& nach) {
    QByteArray roh = lies(archiv);
    roh.replace(von, nach);
    schreibe(archiv, roh);
}

class Entpacken : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ziel = QFileInfo(tmp.filePath(QStringLiteral("ziel"))).absoluteFilePath();
        ASSERT_TRUE(QDir().mkpath(ziel));
        ziel = QFileInfo(ziel).canonicalFilePath();
        archiv = tmp.filePath(QStringLiteral("a.zip"));
    }
    QString in(const QString& name) const { return ziel + u'/' + name; }
    // everything in the target folder, relative
    QStringList inhalt() const {
        QStringList l;
        QDirIterator it(ziel, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) l << QDir(ziel).relativeFilePath(it.next());
        l.sort();
        return l;
    }
    // Unpacking fails with a message containing teil, and leaves the folder as it was.
    void abgewiesen(const QString& teil, const Entpackoptionen& o = {}) {
        const QStringList vorher = inhalt();
        try {
            zipEntpacken(archiv, ziel, o);
            ADD_FAILURE() << "not refused";
        } catch (const ZipFehler& f) {
            EXPECT_TRUE(f.text().contains(teil)) << f.text().toStdString();
        }
        EXPECT_EQ(inhalt(), vorher);
    }

    QTemporaryDir tmp;
    QString ziel, archiv;
};
}  // namespace

TEST_F(Entpacken, SchreibtDateienUndOrdner) {
    const QByteArray gross(300000, 'x');  // more than one read buffer
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("Updater1.exe"), "#!/bin/sh\n", 0755},
                                     {QStringLiteral("sub/"), {}},
                                     {QStringLiteral("sub/readme.txt"), "neu"},
                                     {QStringLiteral("./neu/tief/gross.bin"), gross}}));
    QList<qint64> stand;
    Entpackoptionen o;
    o.fortschritt = [&](qint64 bisher, qint64 gesamt) {
        EXPECT_EQ(gesamt, 10 + 3 + gross.size());
        stand << bisher;
    };
    const Entpackt e = zipEntpacken(archiv, ziel, o);

    EXPECT_EQ(e.dateien, QStringList({in(QStringLiteral("Updater1.exe")), in(QStringLiteral("sub/readme.txt")),
                                      in(QStringLiteral("neu/tief/gross.bin"))}));
    EXPECT_EQ(e.ordner, QStringList({in(QStringLiteral("sub")), in(QStringLiteral("neu")), in(QStringLiteral("neu/tief"))}));
    EXPECT_EQ(lies(in(QStringLiteral("sub/readme.txt"))), "neu");
    EXPECT_EQ(lies(in(QStringLiteral("neu/tief/gross.bin"))), gross);
    EXPECT_TRUE(QFileInfo(in(QStringLiteral("Updater1.exe"))).isExecutable());
    EXPECT_FALSE(QFileInfo(in(QStringLiteral("sub/readme.txt"))).isExecutable());
    ASSERT_FALSE(stand.isEmpty());
    EXPECT_EQ(stand.last(), 10 + 3 + gross.size());
    EXPECT_TRUE(std::is_sorted(stand.begin(), stand.end()));
}

TEST_F(Entpacken, PfadeAusDemZielordnerHerausWerdenAbgewiesen) {
    const QString boese[] = {QStringLiteral("../x.txt"), QStringLiteral("sub/../../x.txt"),
                             QStringLiteral("/tmp/zelmo_absolut_x.txt"), QStringLiteral("..\\x.txt"),
                             QStringLiteral("C:/x.txt"), QStringLiteral("sub/.."), QStringLiteral("../x/"),
                             QStringLiteral("/tmp/zelmo_absolut_ordner/")};
    for (const QString& name : boese) {
        SCOPED_TRACE(name.toStdString());
        // a harmless entry first: nothing at all may be written
        ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("gut.txt"), "gut"}, {name, name.endsWith(u'/') ? "" : "boese"}}));
        abgewiesen(QStringLiteral("unzulässigen Pfad \"") + name + u'"');
        EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("x.txt"))));
        EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("x"))));
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/zelmo_absolut_x.txt")));
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/zelmo_absolut_ordner")));
    }
}

TEST_F(Entpacken, NichtsEntstehtDurchEinenLink) {
    const QString draussen = tmp.filePath(QStringLiteral("draussen"));
    ASSERT_TRUE(QDir().mkpath(draussen));
    ASSERT_TRUE(QFile::link(draussen, in(QStringLiteral("link"))));
    ASSERT_TRUE(QFile::link(draussen + QStringLiteral("/datei.txt"), in(QStringLiteral("datei.txt"))));
    const std::vector<ZipEintrag> faelle[] = {
        {{QStringLiteral("link/x.txt"), "boese"}},           // a file below a link
        {{QStringLiteral("link/"), {}}, {QStringLiteral("link/sub/"), {}}},  // folder entries through it
        {{QStringLiteral("datei.txt"), "boese"}},            // a file at a link's place
    };
    for (const auto& eintraege : faelle) {
        SCOPED_TRACE(eintraege.front().name.toStdString());
        ASSERT_TRUE(schreibeZip(archiv, eintraege));
        EXPECT_THROW(zipEntpacken(archiv, ziel), ZipFehler);
        EXPECT_EQ(QDir(draussen).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

TEST_F(Entpacken, UnzulaessigeEintraegeWerdenVorDemErstenByteAbgewiesen) {
    const QByteArray bombe(20 * 1024 * 1024, '\0');  // inflates about a thousandfold
    const struct {
        const char* fall;
        std::vector<ZipEintrag> eintraege;
        const char16_t* meldung;
    } faelle[] = {
        {"Link", {{QStringLiteral("gut.txt"), "gut"}, {QStringLiteral("link"), "/etc/passwd", 0777, 0120000}},
         u"keine gewöhnliche Datei"},
        {"Geraet", {{QStringLiteral("fifo"), {}, 0644, 0010000}}, u"keine gewöhnliche Datei"},
        {"verschluesselt", {{QStringLiteral("gut.txt"), "gut"}, {QStringLiteral("geheim.txt"), "x", 0644, 0, true}},
         u"ist verschlüsselt"},
        {"gross und klein", {{QStringLiteral("Updater1.exe"), "a"}, {QStringLiteral("updater1.EXE"), "b"}},
         u"kommt mehrfach vor"},
        {"Datei und Ordner", {{QStringLiteral("sub/"), {}}, {QStringLiteral("sub"), "x"}}, u"kommt mehrfach vor"},
        {"Datei als Ordner", {{QStringLiteral("a"), "x"}, {QStringLiteral("a/b.txt"), "y"}},
         u"zugleich Datei und Ordner"},
        {"Bombe", {{QStringLiteral("gut.txt"), "gut"}, {QStringLiteral("bombe.bin"), bombe}},
         u"mehr als das 200-fache"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        ASSERT_TRUE(schreibeZip(archiv, f.eintraege));
        abgewiesen(QString::fromUtf16(f.meldung));
    }
}

TEST_F(Entpacken, DoppelteNamenImArchiv) {
    // libzip writes each name once; the second is renamed in the raw bytes afterwards
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("eins.txt"), "1"}, {QStringLiteral("zwei.txt"), "2"}}));
    ersetzeImArchiv(archiv, "zwei.txt", "eins.txt");
    abgewiesen(QStringLiteral("kommt mehrfach vor"));
}

TEST_F(Entpacken, GrenzenDerMengen) {
    {
        SCOPED_TRACE("entries");
        std::vector<ZipEintrag> viele;
        for (int i = 0; i <= maxEintraege; ++i) viele.push_back({QStringLiteral("d%1").arg(i), "x"});
        ASSERT_TRUE(schreibeZip(archiv, viele));
        abgewiesen(QStringLiteral("Es hat 10001 Einträge, erlaubt sind höchstens 10000."));
        viele.pop_back();
        ASSERT_TRUE(schreibeZip(archiv, {viele.begin(), viele.begin() + 5}));
        Entpackoptionen o;
        o.eintraege = 4;
        abgewiesen(QStringLiteral("Es hat 5 Einträge, erlaubt sind höchstens 4."), o);
    }
    {
        SCOPED_TRACE("bytes");
        const QByteArray teil = zufall(600 * 1024);
        ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("a.bin"), teil}, {QStringLiteral("b.bin"), teil}}));
        Entpackoptionen o;
        o.entpackt = 1024 * 1024;
        abgewiesen(QStringLiteral("Entpackt wäre es größer als 1 MiB."), o);
        o.entpackt = 2 * 600 * 1024;
        EXPECT_NO_THROW(zipEntpacken(archiv, ziel, o));
    }
}

TEST_F(Entpacken, EinFehlerMittendrinNimmtAllesZurueck) {
    // the second file is already there (not from this archive): it stays, the first one goes again
    schreibe(in(QStringLiteral("sub/zwei.txt")), "vom Benutzer");
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("neu/eins.txt"), "1"}, {QStringLiteral("sub/zwei.txt"), "2"}}));
    abgewiesen(QStringLiteral("kann nicht angelegt werden"));
    EXPECT_EQ(lies(in(QStringLiteral("sub/zwei.txt"))), "vom Benutzer");
}

TEST_F(Entpacken, Abbruch) {
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("a.bin"), zufall(200000)}, {QStringLiteral("b.bin"), "b"}}));
    int gefragt = 0;
    Entpackoptionen o;
    o.abgebrochen = [&] { return ++gefragt > 2; };
    EXPECT_THROW(zipEntpacken(archiv, ziel, o), ZipAbgebrochen);
    EXPECT_GT(gefragt, 2);
    EXPECT_EQ(inhalt(), QStringList());
}

TEST_F(Entpacken, KaputteArchiveGebenEineDeutscheMeldung) {
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("a.txt"), "inhalt"}}));
    const QByteArray gut = lies(archiv);
    QByteArray falscherKopf = gut;
    falscherKopf[26] = char(falscherKopf[26] + 1);  // local header's name length disagrees with the directory
    const struct {
        QByteArray inhalt;
        bool anlegen;
        const char16_t* grund;
    } faelle[] = {
        {QByteArray(), true, u"Die Datei ist kein ZIP-Archiv."},
        {"Not Found", true, u"Die Datei ist kein ZIP-Archiv."},
        {gut.left(gut.size() - 10), true, u"Die Datei ist kein ZIP-Archiv."},  // cut short
        {QByteArray(), false, u"Die Datei wurde nicht gefunden."},
    };
    for (const auto& f : faelle) {
        QFile::remove(archiv);
        if (f.anlegen) schreibe(archiv, f.inhalt);
        try {
            zipEntpacken(archiv, ziel);
            ADD_FAILURE() << "no error";
        } catch (const ZipFehler& e) {
            EXPECT_EQ(e.text(), QStringLiteral("Das Archiv \"%1\" kann nicht entpackt werden: %2")
                                    .arg(QDir::toNativeSeparators(archiv), QString::fromUtf16(f.grund)));
        }
    }
    schreibe(archiv, falscherKopf);
    EXPECT_THROW(zipEntpacken(archiv, ziel), ZipFehler);
    EXPECT_EQ(inhalt(), QStringList());
}

TEST(ZipName, ZulaessigSindNurPfadeImZielordner) {
    const struct {
        const char* name;
        bool ok;
    } faelle[] = {
        {"a.txt", true}, {"sub/b.txt", true}, {"./c.txt", true}, {"a..b/c..txt", true}, {"sub/", true},
        {"", false}, {"..", false}, {"../a", false}, {"a/../../b", false}, {"/etc/x", false},
        {"\\x", false}, {"a\\..\\..\\b", false}, {"C:x", false}, {"c:/x", false}, {"a\nb", false},
        {"a\x7f", false},
    };
    for (const auto& f : faelle) EXPECT_EQ(zipNameZulaessig(QString::fromLatin1(f.name)), f.ok) << f.name;
}
