// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked examples of the help, run on the real pages: every number a topic shows must be the
// number the page shows for the example's inputs (the table is the one the help build reads).

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "support/GuiTestFixture.h"
#include "tools/hilfebau/Beispielseiten.h"

using namespace zelmo;

class BeispieleTest : public QObject {
    Q_OBJECT
private slots:
    void jedesBeispielZeigtDieZahlenDerHilfe() {
        QFile f(QStringLiteral(ZELMO_HILFE_BEISPIELE));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonArray beispiele = QJsonDocument::fromJson(f.readAll()).object().value(u"beispiele").toArray();
        QVERIFY(beispiele.size() >= 10);
        QStringList fehler;
        QStringList seiten;
        for (const QJsonValue& b : beispiele) {
            QVERIFY(!b.toObject().value(u"zeigt").toObject().isEmpty());
            fehler << hilfebau::pruefeBeispiel(b.toObject());
            seiten << b.toObject().value(u"seite").toString();
        }
        for (const QString& f : fehler) qWarning().noquote() << f;
        QVERIFY2(fehler.isEmpty(), "Die Hilfe weicht vom Programm ab (die Zeilen oben)");
        // every page has its example
        for (const QString& s : hilfebau::seitenNamen()) QVERIFY2(seiten.contains(s), qPrintable(s));
    }

    // The check itself finds a wrong number, a missing control and an unexpected message.
    void abweichungenWerdenGefunden() {
        const QJsonObject falsch = QJsonDocument::fromJson(R"({"id": "x", "seite": "NE555",
            "schritte": [{"wahl": "RG_NE555_Multiart", "item": 1}, {"feld": "NE555_E_R1", "text": "100k"},
                         {"feld": "NE555_E_C", "text": "10µ"}],
            "zeigt": {"NE555_E_t1": " 0,69", "NE555_C_t1": "s", "gibtEsNicht": "1"}})")
                                       .object();
        const QStringList f = hilfebau::pruefeBeispiel(falsch);
        QCOMPARE(f.size(), 2);
        QVERIFY(f[0].contains(u"NE555_E_t1 zeigt \" 1,10\""));
        QVERIFY(f[1].contains(u"gibtEsNicht"));
        const QJsonObject meldung = QJsonDocument::fromJson(R"({"id": "y", "seite": "NE555",
            "schritte": [{"feld": "NE555_E_R1", "text": "4"}], "zeigt": {"NE555_E_R1": "120,00 k\u2126", "NE555_C_t1": "ms"}})")
                                        .object();
        const QStringList m = hilfebau::pruefeBeispiel(meldung);
        QCOMPARE(m.size(), 1);
        QVERIFY(m[0].contains(u"außerhalb"));
        QVERIFY(!hilfebau::pruefeBeispiel(QJsonObject{{"id", "z"}, {"seite", "Nirgends"}}).isEmpty());
    }
};

QTEST_MAIN(BeispieleTest)
#include "beispiele_guitest.moc"
