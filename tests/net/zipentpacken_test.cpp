#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

    QTemporaryDir tmp;
    QString ziel, archiv;
};
}  // namespace

TEST_F(Entpacken, SchreibtDateienUndOrdnerUndErsetztVorhandene) {
    schreibe(in(QStringLiteral("sub/readme.txt")), "alt");
    schreibe(in(QStringLiteral("meins.txt")), "vom Benutzer");
    const QByteArray gross(300000, 'x');  // more than one read buffer
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("Updater1.exe"), "#!/bin/sh\n", 0755},
                                     {QStringLiteral("sub/"), {}},
                                     {QStringLiteral("sub/readme.txt"), "neu"},
                                     {QStringLiteral("neu/tief/gross.bin"), gross}}));

    const Entpackt e = zipEntpacken(archiv, ziel);

    EXPECT_EQ(e.dateien, QStringList({in(QStringLiteral("Updater1.exe")), in(QStringLiteral("sub/readme.txt")),
                                      in(QStringLiteral("neu/tief/gross.bin"))}));
    // "sub" was there already; "neu" and "neu/tief" are new, the parent first
    EXPECT_EQ(e.ordner, QStringList({in(QStringLiteral("neu")), in(QStringLiteral("neu/tief"))}));
    EXPECT_EQ(lies(in(QStringLiteral("sub/readme.txt"))), "neu");
    EXPECT_EQ(lies(in(QStringLiteral("neu/tief/gross.bin"))), gross);
    EXPECT_EQ(lies(in(QStringLiteral("meins.txt"))), "vom Benutzer");
    EXPECT_TRUE(QFileInfo(in(QStringLiteral("Updater1.exe"))).isExecutable());
    EXPECT_FALSE(QFileInfo(in(QStringLiteral("sub/readme.txt"))).isExecutable());
}

TEST_F(Entpacken, PfadeAusDemZielordnerHerausWerdenAbgewiesen) {
    const QString boese[] = {QStringLiteral("../x.txt"), QStringLiteral("sub/../../x.txt"),
                             QStringLiteral("/tmp/zelmo_absolut_x.txt"), QStringLiteral("..\\x.txt"),
                             QStringLiteral("C:/x.txt"), QStringLiteral("sub/..")};
    for (const QString& name : boese) {
        SCOPED_TRACE(name.toStdString());
        // a harmless entry first: nothing at all may be written
        ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("gut.txt"), "gut"}, {name, "boese"}}));
        try {
            zipEntpacken(archiv, ziel);
            ADD_FAILURE() << "not refused";
        } catch (const ZipFehler& f) {
            EXPECT_TRUE(f.text().contains(QStringLiteral("unzulässigen Pfad \"") + name + u'"')) << f.text().toStdString();
            EXPECT_TRUE(f.text().contains(QStringLiteral("wird nicht entpackt"))) << f.text().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(in(QStringLiteral("gut.txt"))));
        EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("x.txt"))));
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/zelmo_absolut_x.txt")));
    }
}

TEST_F(Entpacken, EinLinkImZielordnerFuehrtNichtHinaus) {
    const QString draussen = tmp.filePath(QStringLiteral("draussen"));
    ASSERT_TRUE(QDir().mkpath(draussen));
    ASSERT_TRUE(QFile::link(draussen, in(QStringLiteral("link"))));
    ASSERT_TRUE(schreibeZip(archiv, {{QStringLiteral("link/x.txt"), "boese"}}));
    EXPECT_THROW(zipEntpacken(archiv, ziel), ZipFehler);
    EXPECT_FALSE(QFileInfo::exists(draussen + QStringLiteral("/x.txt")));
}

TEST_F(Entpacken, KaputteArchiveGebenEineDeutscheMeldung) {
    const struct {
        QByteArray inhalt;
        bool anlegen;
        const char16_t* grund;
    } faelle[] = {
        {QByteArray(), true, u"Die Datei ist kein ZIP-Archiv."},        // what an HTTP error leaves behind
        {"Not Found", true, u"Die Datei ist kein ZIP-Archiv."},
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
}

TEST(ZipName, ZulaessigSindNurPfadeImZielordner) {
    const struct {
        const char* name;
        bool ok;
    } faelle[] = {
        {"a.txt", true}, {"sub/b.txt", true}, {"./c.txt", true}, {"a..b/c..txt", true}, {"sub/", true},
        {"", false}, {"..", false}, {"../a", false}, {"a/../../b", false}, {"/etc/x", false},
        {"\\x", false}, {"a\\..\\..\\b", false}, {"C:x", false}, {"c:/x", false},
    };
    for (const auto& f : faelle) EXPECT_EQ(zipNameZulaessig(QString::fromLatin1(f.name)), f.ok) << f.name;
}
