// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/Hauptfenster.h"
#include "circuits/LedSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");

// A page as the main window builds it at a first start, with a recording transfer.
struct Aufbau : test::Seitenaufbau<LedSeite> {
    using Seitenaufbau::Seitenaufbau;
    void klickeAnzahl(int i) { QTest::mouseClick(seite->anzahlGruppe()->knopf(i), Qt::LeftButton); }
    void klickeFarbe(int i) { QTest::mouseClick(seite->farbGruppe()->knopf(i), Qt::LeftButton); }
    void klickeUebergabe() {
        QTest::mouseClick(seite->findChild<QToolButton*>(QStringLiteral("BitBtn4")), Qt::LeftButton);
    }
    bool eineLedSichtbar() const { return !seite->findChild<QWidget*>(QStringLiteral("Image_eineLED"))->isHidden(); }
    bool vieleLedsSichtbar() const { return !seite->findChild<QWidget*>(QStringLiteral("Image_vieleLED"))->isHidden(); }
    int anzahlLed() const { return seite->ledVorwiderstand().Anzahl_LED; }
};

const QString meldungVerringert = QStringLiteral(
    u"Für die gewählte Zahl von LEDs ist die vorgegebene Spannung U zu gering.\r\rDie Zahl der LEDs wird "
    u"verringert. Alternative: Die Spannung U erhöhen!");

}  // namespace

class LedSeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStart_data() {
        test::trennerZeilen();
    }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        Aufbau a(dezimal);
        const auto d = [&](const char16_t* t) { return QString::fromUtf16(t).replace(u',', dezimal); };
        QCOMPARE(a.text("LED_E_U"), d(u"5,00 V"));
        QCOMPARE(a.text("LED_E_I"), d(u"10,00 mA"));
        QCOMPARE(a.text("LED_E_Uf"), d(u"1,60 V"));
        QCOMPARE(a.text("LED_E_R"), d(u"340,00"));
        QCOMPARE(a.text("LED_C_R"), ohm);
        QCOMPARE(a.text("LED_E_R_P"), d(u"34,00"));
        QCOMPARE(a.text("LED_C_R_P"), QStringLiteral("mW"));
        QCOMPARE(a.text("User_Leds"), QStringLiteral("40"));
        QCOMPARE(a.seite->farbGruppe()->itemIndex(), 0);
        QCOMPARE(a.seite->anzahlGruppe()->itemIndex(), 0);
        QCOMPARE(a.anzahlLed(), 1);
        const LED_Vorwiderstand& r = a.seite->ledVorwiderstand();
        QCOMPARE(r.LED_Rot, 1.6);
        QCOMPARE(r.LED_Gruen, 2.2);
        QCOMPARE(r.LED_Gelb, 2.4);
        QCOMPARE(r.LED_Weiss, 3.8);
        QCOMPARE(r.LED_Blau, 4.0);
        QCOMPARE(r.LED_User, 4.2);
        QVERIFY(a.eineLedSichtbar());
        QVERIFY(!a.vieleLedsSichtbar());
        QVERIFY(a.rec.eintraege.empty());
    }

    void vierLedsWerdenDrei() {
        Aufbau a;
        a.klickeAnzahl(2);
        QVERIFY(a.rec.eintraege.empty());  // 3 x 1,6 V fit on 5 V
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("20,00"));
        QVERIFY(a.vieleLedsSichtbar());
        QVERIFY(!a.eineLedSichtbar());
        a.klickeAnzahl(3);
        QCOMPARE(a.meldungen(), QStringList{meldungVerringert});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Fehler);
        QCOMPARE(a.seite->anzahlGruppe()->itemIndex(), 2);
        QVERIFY(a.seite->anzahlGruppe()->knopf(2)->isChecked());
        QVERIFY(!a.seite->anzahlGruppe()->knopf(3)->isChecked());
        QCOMPARE(a.anzahlLed(), 3);
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("20,00"));
        QCOMPARE(a.text("LED_E_R_P"), QStringLiteral("2,00"));
        QCOMPARE(a.text("LED_C_R_P"), QStringLiteral("mW"));
    }

    void blauHebtDieSpannung() {
        Aufbau a;
        test::tippeUndEnter(a.feld("LED_E_U"), QStringLiteral("3"));
        QCOMPARE(a.text("LED_E_U"), QStringLiteral("3,00 V"));
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("140,00"));
        a.klickeFarbe(1);
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral(
                                    u"Für diese LED-Farbe ist die Spannung U zu gering.\r\rDie Spannung wird "
                                    u"automatisch erhöht!")});
        QCOMPARE(a.text("LED_E_Uf"), QStringLiteral("4,00 V"));
        QCOMPARE(a.text("LED_E_U"), QStringLiteral("4,00 "));  // no unit letter
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("0,00"));
        QCOMPARE(a.text("LED_C_R"), QStringLiteral("  ") + ohm);
        QCOMPARE(a.text("LED_E_R_P"), QStringLiteral("0,00"));
        QCOMPARE(a.text("LED_C_R_P"), QStringLiteral("  W"));
        QCOMPARE(a.anzahlLed(), 1);
        // 0 is never handed to the tolerance page
        QVERIFY(!a.seite->findChild<QToolButton*>(QStringLiteral("BitBtn4"))->isEnabled());
        a.klickeUebergabe();
        QVERIFY(a.uebergeben.empty());
        // the raised text is a valid supply for the next calculation
        test::tippeUndEnter(a.feld("LED_E_I"), QStringLiteral("20m"));
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("0,00"));
        QCOMPARE(a.rec.eintraege.size(), size_t(1));
    }

    void anzahlFaelltAufNull() {
        Aufbau a;
        test::tippeUndEnter(a.feld("LED_E_U"), QStringLiteral("3,2"));
        a.klickeAnzahl(1);
        QVERIFY(a.rec.eintraege.empty());  // 2 x 1,6 V is just 3,2 V
        QCOMPARE(a.anzahlLed(), 2);
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("0,00"));
        a.klickeFarbe(1);
        QCOMPARE(a.meldungen(), QStringList{meldungVerringert});
        QCOMPARE(a.seite->anzahlGruppe()->itemIndex(), 1);
        QCOMPARE(a.anzahlLed(), 0);
        QCOMPARE(a.text("LED_E_U"), QStringLiteral("3,20 V"));  // more than one LED: U stays
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("320,00"));  // U / I
        QCOMPARE(a.text("LED_C_R"), ohm);
        QCOMPARE(a.text("LED_E_R_P"), QStringLiteral("32,00"));
        QCOMPARE(a.text("LED_C_R_P"), QStringLiteral("mW"));
    }

    void benutzerzahlWirdVerringert() {
        Aufbau a;
        test::tippeUndEnter(a.feld("LED_E_U"), QStringLiteral("12"));
        // a click into the count field selects its item and checks the count
        QTest::mouseClick(a.feld("User_Leds"), Qt::LeftButton);
        QCOMPARE(a.meldungen(), QStringList{meldungVerringert});
        QCOMPARE(a.text("User_Leds"), QStringLiteral("7"));
        QCOMPARE(a.seite->anzahlGruppe()->itemIndex(), 5);
        QCOMPARE(a.anzahlLed(), 7);
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("80,00"));  // (12 - 7 x 1,6) V / 10 mA
        QVERIFY(a.vieleLedsSichtbar());
        QVERIFY(a.feld("User_Leds")->hasFocus());
    }

    // The user count takes up to two digits, nothing else.
    void benutzerzahlNurZiffern_data() {
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QString>("text");
        QTest::newRow("zwei Ziffern") << "12" << "12";
        QTest::newRow("dritte Ziffer") << "123" << "12";
        QTest::newRow("Buchstabe") << "1a2" << "12";
        QTest::newRow("Zeichen") << "-+,5" << "5";
    }
    void benutzerzahlNurZiffern() {
        QFETCH(QString, tasten);
        QFETCH(QString, text);
        Aufbau a;
        QLineEdit* user = a.feld("User_Leds");
        test::tippe(user, tasten);
        QCOMPARE(user->text(), text);
    }

    void benutzerzahlEingabe() {
        Aufbau a;
        test::tippeUndEnter(a.feld("LED_E_U"), QStringLiteral("12"));
        QLineEdit* user = a.feld("User_Leds");
        test::tippeUndEnter(user, QStringLiteral("3"));
        QCOMPARE(user->text(), QStringLiteral("6"));
        QCOMPARE(a.seite->anzahlGruppe()->itemIndex(), 5);
        QCOMPARE(a.anzahlLed(), 6);
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("240,00"));
        QVERIFY(a.rec.eintraege.empty());
        // Enter again with item 5 selected still checks: 9 LEDs are too many for 12 V
        test::tippeUndEnter(user, QStringLiteral("9"));
        QCOMPARE(a.meldungen(), QStringList{meldungVerringert});
        QCOMPARE(user->text(), QStringLiteral("7"));
        QCOMPARE(a.anzahlLed(), 7);
        a.rec.leeren();
        // no number: message, the text returns
        test::tippeUndEnter(user, QString());
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral("Die eingegebene Zahl   ist keine Gleitkommazahl !")});
        QCOMPARE(user->text(), QStringLiteral("7"));
        QCOMPARE(a.anzahlLed(), 7);
        // only digits, at most two
        test::tippe(user, QStringLiteral("a1234"));
        QCOMPARE(user->text(), QStringLiteral("12"));
    }

    void leereBenutzerzahlBeiAuswahl() {
        Aufbau a;
        test::tippe(a.feld("User_Leds"), QString());
        a.klickeAnzahl(5);
        QCOMPARE(a.rec.eintraege.size(), size_t(1));
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Standardfehler);
        QCOMPARE(a.anzahlLed(), 1);  // nothing recomputed
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("340,00"));
    }

    void flussspannungEingabe() {
        Aufbau a;
        QLineEdit* uf = a.feld("LED_E_Uf");
        test::tippeUndEnter(uf, QStringLiteral("2,5"));
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral(
                                    u"Die Eingabe 2,5V   ist außerhalb\r\rdes gültigen Wertebereiches: 1,1V bis 2V")});
        QCOMPARE(uf->text(), QStringLiteral("1,60 V"));
        QCOMPARE(a.seite->ledVorwiderstand().LED_Rot, 1.6);
        a.rec.leeren();
        test::tippeUndEnter(uf, QStringLiteral("abc"));
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral("Die eingegebene Zahl abcV  ist keine Gleitkommazahl !")});
        QCOMPARE(uf->text(), QStringLiteral("1,60 V"));
        a.rec.leeren();
        // accepted for any colour and remembered for it
        test::tippeUndEnter(uf, QStringLiteral("1.8"));
        QCOMPARE(uf->text(), QStringLiteral("1,80 V"));
        QCOMPARE(a.seite->ledVorwiderstand().LED_Rot, 1.8);
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("320,00"));
        a.klickeFarbe(2);
        QCOMPARE(uf->text(), QStringLiteral(u"2,20 V"));
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("280,00"));
        a.klickeFarbe(0);
        QCOMPARE(uf->text(), QStringLiteral("1,80 V"));
        QVERIFY(a.rec.eintraege.empty());
    }

    // The two cross-checks come before the range test.
    void querpruefungVorBereich_data() {
        QTest::addColumn<int>("anzahlItem");
        QTest::addColumn<QString>("spannung");  // typed into LED_E_U first (empty: none)
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("zurueck");
        QTest::newRow("U zu gering") << 1 << QString() << "LED_E_U" << "3"
                                     << QStringLiteral(u"Die eingestellte Spannung 3V ist für die Anzahl der LEDs mit "
                                                       u"Uf = 1,6V zu gering.\r\rEntweder die Zahl der LEDs "
                                                       u"verringern oder die Spannung Uf reduzieren!")
                                     << "5,00 V";
        QTest::newRow("U auch unter 1 V") << 1 << QString() << "LED_E_U" << "0,5"
                                          << QStringLiteral(u"Die eingestellte Spannung 0,5V ist für die Anzahl der "
                                                            u"LEDs mit Uf = 1,6V zu gering.\r\rEntweder die Zahl der "
                                                            u"LEDs verringern oder die Spannung Uf reduzieren!")
                                          << "5,00 V";
        QTest::newRow("U Bereich") << 0 << QString() << "LED_E_U" << "2T"
                                   << QStringLiteral(u"Die Eingabe 2T  ist außerhalb\r\rdes gültigen "
                                                     u"Wertebereiches: 1V bis 1TV")
                                   << "5,00 V";
        QTest::newRow("Uf zu hoch") << 1 << "3,2" << "LED_E_Uf" << "2,5"
                                    << QStringLiteral(u"Die eingegebene Flußspannung 2,5V ist für die Anzahl der LEDs "
                                                      u"und die vorgegebene Spannung 3,2V zu hoch.\r\rEntweder die "
                                                      u"Zahl der LEDs verringern oder die Flußspannung Uf reduzieren!")
                                    << "1,60 V";
        QTest::newRow("I Bereich") << 0 << QString() << "LED_E_I" << "20"
                                   << QStringLiteral(u"Die Eingabe 20A  ist außerhalb\r\rdes gültigen "
                                                     u"Wertebereiches: 1mA bis 10A")
                                   << "10,00 mA";
    }
    void querpruefungVorBereich() {
        QFETCH(int, anzahlItem);
        QFETCH(QString, spannung);
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, meldung);
        QFETCH(QString, zurueck);
        Aufbau a;
        if (!spannung.isEmpty()) test::tippeUndEnter(a.feld("LED_E_U"), spannung);
        a.klickeAnzahl(anzahlItem);
        QVERIFY(a.rec.eintraege.empty());
        const QString vorher = a.text("LED_E_R");
        test::tippeUndEnter(a.feld(feld.toLatin1().constData()), eingabe);
        QCOMPARE(a.meldungen(), QStringList{meldung});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Fehler);
        QCOMPARE(a.text(feld.toLatin1().constData()), zurueck);
        QCOMPARE(a.text("LED_E_R"), vorher);
    }

    void stromEingabe() {
        Aufbau a;
        test::tippeUndEnter(a.feld("LED_E_I"), QStringLiteral("20m"));
        QCOMPARE(a.text("LED_E_I"), QStringLiteral("20,00 mA"));
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("170,00"));
        QCOMPARE(a.text("LED_E_R_P"), QStringLiteral("68,00"));
        test::tippeUndEnter(a.feld("LED_E_I"), QStringLiteral("1m"));
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("3,40"));
        QCOMPARE(a.text("LED_C_R"), QStringLiteral("k") + ohm);
        QCOMPARE(a.text("LED_E_R_P"), QStringLiteral("3,40"));
        QCOMPARE(a.text("LED_C_R_P"), QStringLiteral("mW"));
        QVERIFY(a.rec.eintraege.empty());
    }

    void uebergabe() {
        Aufbau a;
        a.klickeUebergabe();
        QCOMPARE(a.uebergeben, std::vector<double>{340.0});
        test::tippeUndEnter(a.feld("LED_E_I"), QStringLiteral("1m"));
        a.klickeUebergabe();
        QCOMPARE(a.uebergeben.back(), 3400.0);
        // (2,61 - 1,6) V / 1,01 mA lands a hair below 1 kOhm: shown and handed on as 1 kOhm, not 1 Ohm
        test::tippeUndEnter(a.feld("LED_E_U"), QStringLiteral("2,61"));
        test::tippeUndEnter(a.feld("LED_E_I"), QStringLiteral("1,01m"));
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("1,00"));
        QCOMPARE(a.text("LED_C_R"), QStringLiteral("k") + ohm);
        a.klickeUebergabe();
        QCOMPARE(a.uebergeben.back(), 1000.0);
        QCOMPARE(a.uebergeben.size(), size_t(3));
    }

    void keinStromKeinUnendlich() {
        Aufbau a;
        // typed without Enter, then a click recalculates from the texts
        test::tippe(a.feld("LED_E_I"), QStringLiteral("0"));
        a.klickeAnzahl(1);
        QCOMPARE(a.text("LED_E_R"), QStringLiteral("---"));
        QCOMPARE(a.text("LED_E_R_P"), QStringLiteral("---"));
        QVERIFY(!a.seite->findChild<QToolButton*>(QStringLiteral("BitBtn4"))->isEnabled());
        a.klickeUebergabe();
        QVERIFY(a.uebergeben.empty());
    }

    void bilder() {
        Aufbau a;
        auto* eine = a.seite->findChild<QWidget*>(QStringLiteral("Image_eineLED"));
        auto* viele = a.seite->findChild<QWidget*>(QStringLiteral("Image_vieleLED"));
        auto* anschluss = a.seite->findChild<QWidget*>(QStringLiteral("Image15"));
        QCOMPARE(eine->geometry(), viele->geometry());  // one place, one of them visible
        QCOMPARE(eine->toolTip(), QStringLiteral("Schaltbild der LED(s)"));
        QCOMPARE(anschluss->toolTip(), QStringLiteral(u"Anschlußbild der LED - von unten und von der Seite gesehen"));
        QVERIFY(test::dunklePunkte(eine) > 500);
        QVERIFY(test::dunklePunkte(viele) > test::dunklePunkte(eine));  // more LEDs, more lines
        QVERIFY(test::dunklePunkte(anschluss) > 100);
        // the LED body takes the chosen colour
        const QImage rot = anschluss->grab().toImage();
        a.klickeFarbe(1);
        QVERIFY(anschluss->grab().toImage() != rot);
    }

    void imHauptfenster() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.Eingabefelder_laden();
        LedSeite* s = f.findChild<LedSeite*>();
        QVERIFY(s);
        const QChar d = f.umgebung().dezimal;
        QCOMPARE(s->findChild<QLineEdit*>(QStringLiteral("LED_E_R"))->text(), QStringLiteral("340,00").replace(u',', d));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("LED_C_R_P"))->text(), QStringLiteral("mW"));
        QCOMPARE(s->ledVorwiderstand().Anzahl_LED, 1);
        QVERIFY(rec.eintraege.empty());
    }

    void laufzeitEinstellungen() {
        Aufbau a;
        const QStringList hinweise{"1 LED", "2 LEDs", "3 LEDs", "4 LEDs", "5 LEDs", "beliebig viele LEDs"};
        for (int i = 0; i < 6; ++i) QCOMPARE(a.seite->anzahlGruppe()->knopf(i)->toolTip(), hinweise[i]);
        const int links[] = {20, 20, 95, 95, 170, 170};
        for (int i = 0; i < 6; ++i) QCOMPARE(a.seite->farbGruppe()->knopf(i)->x(), links[i]);
        QCOMPARE(a.seite->farbGruppe()->knopf(4)->width(), 60);
        QCOMPARE(a.seite->farbGruppe()->knopf(5)->width(), 60);
        // items column by column: Rot, Blau / Grün, Weiß / Gelb, User
        QVERIFY(a.seite->farbGruppe()->knopf(1)->y() > a.seite->farbGruppe()->knopf(0)->y());
        QCOMPARE(a.seite->farbGruppe()->knopf(2)->y(), a.seite->farbGruppe()->knopf(0)->y());
        QCOMPARE(a.seite->farbGruppe()->knopf(3)->text(), QStringLiteral(u"Weiß "));
        // the count field lies over the blanks of the last count item
        QRadioButton* k = a.seite->anzahlGruppe()->knopf(5);
        const QRect feld = a.feld("User_Leds")->geometry();
        QCOMPARE(a.feld("User_Leds")->parentWidget(), static_cast<QWidget*>(a.seite->anzahlGruppe()));
        QVERIFY(k->geometry().contains(feld));
        QVERIFY(feld.left() > k->x() + 10);
        QVERIFY(feld.right() < k->x() + 20 + k->fontMetrics().horizontalAdvance(QStringLiteral("       ")));
    }
};

QTEST_MAIN(LedSeiteTest)
#include "ledseite_guitest.moc"
