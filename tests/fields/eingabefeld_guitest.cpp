// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLineEdit>
#include <QTest>

#include "fields/Eingabefeld.h"
#include "fields/grenzen.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {
const QString ohm = QStringLiteral(u"\u2126");
}

class EingabefeldTest : public QObject {
    Q_OBJECT

    struct Aufbau {
        QWidget fenster;
        Eingabefeld* feld;
        QLineEdit* nachbar;
        std::vector<double> angenommen;
        explicit Aufbau(QChar dez) {
            feld = new Eingabefeld(grenzen::R_E_Wert, dez, &fenster);
            nachbar = new QLineEdit(&fenster);
            nachbar->move(0, 40);
            feld->setUebernahme([this](double w) { angenommen.push_back(w); });
            feld->zeigeWert(39000);
            fenster.show();
            fenster.activateWindow();
            (void)QTest::qWaitForWindowActive(&fenster);
            feld->setFocus();
        }
    };

private slots:
    void trennerWirdBeimTippenErsetzt_data() {
        QTest::addColumn<QChar>("dez");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("sichtbar");
        QTest::addColumn<QString>("angezeigt");
        QTest::newRow("Komma") << QChar(u',') << "4.7k" << "4,7k" << (QString::fromUtf8("4,70 k") + ohm);
        QTest::newRow("Punkt") << QChar(u'.') << "4,7k" << "4.7k" << (QString::fromUtf8("4.70 k") + ohm);
    }
    void trennerWirdBeimTippenErsetzt() {
        QFETCH(QChar, dez);
        QFETCH(QString, getippt);
        QFETCH(QString, sichtbar);
        QFETCH(QString, angezeigt);
        test::MeldungsRecorder rec;
        Aufbau a(dez);
        test::tippe(a.feld, getippt);
        QCOMPARE(a.feld->text(), sichtbar);
        QTest::keyClick(a.feld, Qt::Key_Return);
        QCOMPARE(a.feld->text(), angezeigt);
        QCOMPARE(a.angenommen, std::vector<double>{4700});
        QVERIFY(rec.eintraege.empty());
        QVERIFY(a.feld->hasFocus());
    }

    void ablehnungZeigtMeldungUndKehrtZurueck_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("zu klein") << "0,5n"
                                  << QString::fromUtf8("Die Eingabe 0,5n  ist außerhalb\r\rdes gültigen Wertebereiches: 1nΩ bis 1TΩ");
        QTest::newRow("zu groß") << "2T"
                                 << QString::fromUtf8("Die Eingabe 2T  ist außerhalb\r\rdes gültigen Wertebereiches: 1nΩ bis 1TΩ");
        QTest::newRow("keine Zahl") << "abc" << QString::fromUtf8("Die eingegebene Zahl abc  ist keine Gleitkommazahl !");
        QTest::newRow("zwei Trenner") << "1,2,3" << QString::fromUtf8("Die eingegebene Zahl 1,2,3  ist keine Gleitkommazahl !");
    }
    void ablehnungZeigtMeldungUndKehrtZurueck() {
        QFETCH(QString, getippt);
        QFETCH(QString, meldung);
        test::MeldungsRecorder rec;
        Aufbau a(u',');
        test::tippeUndEnter(a.feld, getippt);
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(int(rec.eintraege[0].art), int(Meldungen::Art::Fehler));
        QCOMPARE(rec.letzter(), meldung);
        QCOMPARE(a.feld->text(), (QString::fromUtf8("39,00 k") + ohm));
        QVERIFY(a.angenommen.empty());
        QVERIFY(a.feld->hasFocus());
    }

    void grenzenSelbstGehoerenDazu() {
        test::MeldungsRecorder rec;
        Aufbau a(u',');
        test::tippeUndEnter(a.feld, QStringLiteral("1n"));
        QCOMPARE(a.feld->text(), (QString::fromUtf8("1,00 n") + ohm));
        test::tippeUndEnter(a.feld, QStringLiteral("1T"));
        QCOMPARE(a.feld->text(), (QString::fromUtf8("1,00 T") + ohm));
        QVERIFY(rec.eintraege.empty());
        QCOMPARE(a.angenommen, (std::vector<double>{1e-9, 1e12}));
    }

    void verlassenOhneEnterAendertNichts() {
        test::MeldungsRecorder rec;
        Aufbau a(u',');
        test::tippe(a.feld, QStringLiteral("1k"));
        QTest::keyClick(a.feld, Qt::Key_Tab);
        QVERIFY(!a.feld->hasFocus());
        QCOMPARE(a.feld->text(), QStringLiteral("1k"));
        QVERIFY(a.angenommen.empty());
        QVERIFY(rec.eintraege.empty());
        // a refusal later goes back to the program's text, not to the unconfirmed one
        test::tippeUndEnter(a.feld, QStringLiteral("x"));
        QCOMPARE(a.feld->text(), (QString::fromUtf8("39,00 k") + ohm));
    }

    void pruefungenInIhrerReihenfolge() {
        // a check before the range wins over the range; the page's accept stage runs only inside the
        // range, may still refuse, and commits after the field shows the value in normal form
        test::MeldungsRecorder rec;
        Aufbau a(u',');
        QStringList gelaufen;
        a.feld->setVorpruefung([&](double w, const QString&) -> std::optional<QString> {
            gelaufen << "vor";
            if (w > 5e12) return QStringLiteral("vorher");
            return std::nullopt;
        });
        QString textBeimUebernehmen;
        a.feld->setAnnahme([&](double w, const QString& eingabe) {
            gelaufen << "nach";
            if (w < 10) return Eingabefeld::Urteil::abgelehnt(QStringLiteral("nachher"));
            return Eingabefeld::Urteil::angenommen([&a, &textBeimUebernehmen, w, eingabe] {
                a.angenommen.push_back(w);
                textBeimUebernehmen = eingabe + QStringLiteral(" -> ") + a.feld->text();
            });
        });
        test::tippeUndEnter(a.feld, QStringLiteral("9T"));
        QCOMPARE(rec.letzter(), QStringLiteral("vorher"));
        test::tippeUndEnter(a.feld, QStringLiteral("2T"));
        QVERIFY(rec.letzter().startsWith(QStringLiteral("Die Eingabe 2T")));
        test::tippeUndEnter(a.feld, QStringLiteral("5"));
        QCOMPARE(rec.letzter(), QStringLiteral("nachher"));
        QCOMPARE(a.feld->text(), (QString::fromUtf8("39,00 k") + ohm));  // refused by the stage: put back
        QVERIFY(a.angenommen.empty());
        QCOMPARE(gelaufen, (QStringList{"vor", "vor", "vor", "nach"}));
        test::tippeUndEnter(a.feld, QStringLiteral("22"));
        QCOMPARE(a.angenommen, std::vector<double>{22});
        QCOMPARE(textBeimUebernehmen, QStringLiteral("22 -> 22,00 ") + ohm);
        QCOMPARE(rec.eintraege.size(), size_t(3));
    }
};

QTEST_MAIN(EingabefeldTest)
#include "eingabefeld_guitest.moc"
