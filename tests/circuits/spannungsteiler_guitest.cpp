// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The divider page driven like a user: typing into its fields, Enter, clicks on its radio buttons and
// transfer buttons.

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/SpannungsteilerSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {
const QString ohm = QStringLiteral(u"\u2126");
}

class SpannungsteilerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seitenaufbau<SpannungsteilerSeite>> m_aufbau;
    SpannungsteilerSeite* m_seite = nullptr;
    test::MeldungsRecorder* m_meldungen = nullptr;

    void neueSeite(QChar dezimal) {
        m_aufbau.reset();
        m_aufbau = std::make_unique<test::Seitenaufbau<SpannungsteilerSeite>>(dezimal);
        m_seite = m_aufbau->seite.get();
        m_meldungen = &m_aufbau->rec;
    }
    Eingabefeld* feld(const char* name) const {
        auto* f = m_seite->findChild<Eingabefeld*>(QLatin1String(name));
        if (!f) qFatal("no field %s", name);
        return f;
    }
    QString text(const char* name) const {
        if (auto* l = m_seite->findChild<QLabel*>(QLatin1String(name))) return l->text();
        return feld(name)->text();
    }
    Radiogruppe* gruppe(const char* name) const { return m_seite->findChild<Radiogruppe*>(QLatin1String(name)); }
    bool sichtbar(const char* name) const {
        return m_seite->findChild<QWidget*>(QLatin1String(name))->isVisibleTo(m_seite);
    }
    void modus(int spannungStrom, int last) {
        gruppe("SpT_RG_SpannungStrom")->knopf(spannungStrom)->click();
        gruppe("SpT_RG_unbel_bel")->knopf(last)->click();
    }
    void eingabe(const char* name, const QString& t) { test::tippeUndEnter(feld(name), t); }
    // No field or label of the page may ever show a broken number.
    void keinMuell() const {
        for (const auto* f : m_seite->findChildren<Eingabefeld*>())
            for (const char* schlecht : {"inf", "nan", "---"})
                QVERIFY2(!f->text().contains(QLatin1String(schlecht), Qt::CaseInsensitive),
                         qPrintable(f->objectName() + QStringLiteral(": ") + f->text()));
        QVERIFY2(!text("Label100").contains(QLatin1String("-")), qPrintable(text("Label100")));
    }

private slots:
    void init() {
        neueSeite(u',');
    }
    void cleanup() {
        m_aufbau.reset();
        m_seite = nullptr;
        m_meldungen = nullptr;
    }

    void ersterStart_data() {
        test::trennerZeilen();
    }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        neueSeite(dezimal);
        const auto d = [&](QString t) { return t.replace(u',', dezimal); };
        QCOMPARE(text("SpT_E_U"), d(QStringLiteral("12,00 V")));
        QCOMPARE(text("SpT_E_U2"), d(QStringLiteral("5,00 V")));
        QCOMPARE(text("SpT_E_IR1"), d(QStringLiteral("12,00 mA")));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("12 "));  // not reset
        QCOMPARE(text("SpT_E_IL"), d(QStringLiteral("1,00 mA")));
        QCOMPARE(text("SpT_E_RL"), d(QStringLiteral("5,00 k")) + ohm);
        QCOMPARE(text("SpT_E_Strom_I"), d(QStringLiteral("3,00 mA")));
        QCOMPARE(text("SpT_E_Strom_I2"), d(QStringLiteral("1,00 mA")));
        QCOMPARE(text("SpT_E_Strom_U"), d(QStringLiteral("12,00 V")));
        QCOMPARE(text("SpT_E_Strom_UL"), d(QStringLiteral("10,00 mV")));
        QCOMPARE(text("SpT_E_Strom_RL"), d(QStringLiteral("10,00 ")) + ohm);
        // the voltage divider without load has run
        QCOMPARE(text("SpT_E_R1"), d(QStringLiteral("583,33 ")) + ohm);
        QCOMPARE(text("SpT_E_R2"), d(QStringLiteral("416,67 ")) + ohm);
        QCOMPARE(text("SpT_E_GR"), d(QStringLiteral("1,00 k")) + ohm);
        QCOMPARE(text("Label100"), d(QStringLiteral("    1  : 0,4")));
        QCOMPARE(text("SpT_L_Verhaeltnis"), QStringLiteral("U : U2"));
        QCOMPARE(text("SpT_L_RG"), QStringLiteral("R1 + R2"));
        QCOMPARE(m_seite->spannungsteiler().Ratio1, 1.5);
        QCOMPARE(m_seite->spannungsteiler().Ratio2, 3.0);
        QCOMPARE(gruppe("SpT_RG_SpannungStrom")->itemIndex(), 0);
        QCOMPARE(gruppe("SpT_RG_unbel_bel")->itemIndex(), 0);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void laufzeitEinstellungen() {
        auto* last = gruppe("SpT_RG_unbel_bel");
        QCOMPARE(last->knopf(0)->toolTip(), QStringLiteral("ohne Last"));
        QCOMPARE(last->knopf(1)->toolTip(), QStringLiteral("mit Last"));
        QCOMPARE(last->knopf(0)->x(), 30);
        QCOMPARE(last->knopf(1)->x(), 150);
        QCOMPARE(last->knopf(1)->width(), 85);
        auto* art = gruppe("SpT_RG_SpannungStrom");
        QCOMPARE(art->knopf(0)->x(), 30);
        QCOMPARE(art->knopf(1)->x(), 150);
        QCOMPARE(art->knopf(1)->width(), 70);
        QCOMPARE(art->knopf(0)->text(), QStringLiteral("Spannungst."));
        QCOMPARE(last->knopf(1)->text(), QStringLiteral("mit Last-R "));
    }

    // The four states: what is shown, the formula, and the calculation that ran.
    void zustaende_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("formel");
        QTest::addColumn<QString>("R1");
        QTest::addColumn<QString>("R2");
        QTest::addColumn<QString>("RG");
        QTest::addColumn<QString>("verhaeltnis");
        QTest::newRow("Spannung mit Last") << 0 << 1 << "I_Spannung_belastet" << "R1 + (R2 | | RL)" << "538,46 "
                                           << "416,67 " << "923,08 " << "    1  : 0,4";
        QTest::newRow("Strom ohne Last") << 1 << 0 << "I_Strom_unbelastet" << "R1 | | R2" << "6,00 k" << "12,00 k"
                                         << "4,00 k" << "   1  : 0,3";
        QTest::newRow("Strom mit Last") << 1 << 1 << "I_Strom_belastet" << "R1 | | (R2 + RL)" << "6,00 k"
                                        << "11,99 k" << "4,00 k" << "   1  : 0,3";
        QTest::newRow("Spannung ohne Last") << 0 << 0 << "I_Spannung_unbelastet" << "R1 + R2" << "583,33 "
                                            << "416,67 " << "1,00 k" << "    1  : 0,4";
    }
    void zustaende() {
        QFETCH(int, art);
        QFETCH(int, last);
        QFETCH(QString, bild);
        // from a different state, so that the handlers really run
        modus(1 - art, 1 - last);
        modus(art, last);
        QCOMPARE(sichtbar("SpT_GB_Spannung"), art == 0);
        QCOMPARE(sichtbar("SpT_GB_Strom"), art == 1);
        QCOMPARE(sichtbar("SpT_P_Spannung_Last"), art == 0 && last == 1);
        QCOMPARE(sichtbar("SpT_P_Strom_Last"), art == 1 && last == 1);
        QCOMPARE(m_seite->findChild<QWidget*>("SpT_L_R1")->isHidden(), last == 0);
        for (const char* b : {"I_Spannung_unbelastet", "I_Spannung_belastet", "I_Strom_unbelastet", "I_Strom_belastet"})
            QCOMPARE(sichtbar(b), bild == QLatin1String(b));
        QTEST(text("SpT_L_RG"), "formel");
        QFETCH(QString, R1);
        QFETCH(QString, R2);
        QFETCH(QString, RG);
        QCOMPARE(text("SpT_E_R1"), R1 + ohm);
        QCOMPARE(text("SpT_E_R2"), R2 + ohm);
        QCOMPARE(text("SpT_E_GR"), RG + ohm);
        QTEST(text("Label100"), "verhaeltnis");
        QCOMPARE(text("SpT_L_Verhaeltnis"), art ? QStringLiteral("I : I2") : QStringLiteral("U : U2"));
        if (art == 1 && last == 1) QCOMPARE(text("SpT_E_Strom_UL"), QStringLiteral("10,00 mV"));
        QVERIFY(m_meldungen->eintraege.empty());
    }

    // Every refusal: its exact message, the field back at its last text, the results untouched.
    void verweigert_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");
        const QString R2klein = QStringLiteral(u"Der Widerstand R2 muß größer als 0 \u2126 sein.");
        QTest::newRow("U gleich U2") << 0 << 0 << "SpT_E_U" << "5"
                                     << QStringLiteral(u"Die eingegebene Spannung U = 5 muß größer sein als die Spannung U2 = 5,00 V sein.");
        // the comparison comes before the range
        QTest::newRow("U unter dem Bereich") << 0 << 0 << "SpT_E_U" << "0,1p"
                                             << QStringLiteral(u"Die eingegebene Spannung U = 0,1p muß größer sein als die Spannung U2 = 5,00 V sein.");
        QTest::newRow("U über dem Bereich") << 0 << 0 << "SpT_E_U" << "2G"
                                            << QStringLiteral(u"Die Eingabe 2G   ist außerhalb\r\rdes gültigen Wertebereiches: 999p bis 1GV");
        QTest::newRow("U keine Zahl") << 0 << 0 << "SpT_E_U" << "abc"
                                      << QStringLiteral(u"Die eingegebene Zahl abc  ist keine Gleitkommazahl !");
        QTest::newRow("U2 gleich U") << 0 << 0 << "SpT_E_U2" << "12"
                                     << QStringLiteral(u"Die eingegebene Spannung U2 = 12 muß kleiner sein als die Spannung U = 12,00 V sein.");
        QTest::newRow("U2 über U") << 0 << 1 << "SpT_E_U2" << "20"
                                   << QStringLiteral(u"Die eingegebene Spannung U2 = 20 muß kleiner sein als die Spannung U = 12,00 V sein.");
        QTest::newRow("QF genau 2") << 0 << 1 << "SpT_E_QF" << "2"
                                    << QStringLiteral(u"Der eingegebene Querstromfaktor = 2 muß größer 2 sein.");
        QTest::newRow("IL gleich I") << 0 << 1 << "SpT_E_IL" << "12m"
                                     << QStringLiteral(u"Der Strom durch die Last muß kleiner sein\r\rals der Strom durch R1");
        QTest::newRow("IL außerhalb") << 0 << 1 << "SpT_E_IL" << "2G"
                                      << QStringLiteral(u"Die Eingabe 2G  ist außerhalb\r\rdes gültigen Wertebereiches: 999pA bis 1GA");
        QTest::newRow("RL gleich R2") << 0 << 1 << "SpT_E_RL" << "416,67"
                                      << QStringLiteral(u"Der Lastwiderstand muß größer sein\r\rals der Widerstand R2");
        QTest::newRow("UL gleich U") << 1 << 1 << "SpT_E_Strom_UL" << "12"
                                     << QStringLiteral(u"Die eingegebene Spannung muß kleiner als die Spannung U sein.");
        QTest::newRow("RL mal I2 gleich U") << 1 << 1 << "SpT_E_Strom_RL" << "12k"
                                            << QStringLiteral(u"Der Produktwert: eingegebener Widerstand RL * Strom I2  \r\rmuß kleiner als die Spannung U sein.");
        QTest::newRow("Strom RL außerhalb") << 1 << 1 << "SpT_E_Strom_RL" << "0,5n"
                                            << QStringLiteral(u"Die Eingabe 0,5n  ist außerhalb\r\rdes gültigen Wertebereiches: 1n\u2126 bis 1T\u2126");
        // the cases the formulas cannot take: refused with a message of their own
        QTest::newRow("R1 null, Spannung") << 0 << 0 << "SpT_E_R1" << "0"
                                           << QStringLiteral(u"Der Widerstand R1 muß größer als 0 \u2126 sein.");
        QTest::newRow("R2 null, Spannung mit Last") << 0 << 1 << "SpT_E_R2" << "0" << R2klein;
        QTest::newRow("R2 null, Strom") << 1 << 0 << "SpT_E_R2" << "0" << R2klein;
        QTest::newRow("R2 null, Strom mit Last") << 1 << 1 << "SpT_E_R2" << "0" << R2klein;
        QTest::newRow("R1 zu klein für die Anzeige von U2") << 0 << 0 << "SpT_E_R2" << "10M"
                                                            << QStringLiteral(u"Die Spannung U2 = 12,00 V muß kleiner sein als die Spannung U = 12,00 V.");
        QTest::newRow("I gleich I2") << 1 << 0 << "SpT_E_Strom_I" << "1m"
                                     << QStringLiteral(u"Der Strom I2 = 1,00 mA muß kleiner sein als der Strom I = 1,00 mA.");
        QTest::newRow("I2 über I") << 1 << 1 << "SpT_E_Strom_I2" << "3m"
                                   << QStringLiteral(u"Der Strom I2 = 3,00 mA muß kleiner sein als der Strom I = 3,00 mA.");
        QTest::newRow("U zu klein für die Last") << 1 << 1 << "SpT_E_Strom_U" << "5m"
                                                 << QStringLiteral(u"Der Produktwert: Widerstand RL * Strom I2 = 10,00 mV\r\rmuß kleiner als die Spannung U = 5,00 mV sein.");
        QTest::newRow("I nicht über IL") << 0 << 1 << "SpT_E_IR1" << "1m"
                                         << QStringLiteral(u"Der Strom durch R1 (1,00 mA) muß größer sein\r\rals der Strom durch die Last (1,00 mA).");
        QTest::newRow("QF ohne Grenze nach oben") << 0 << 1 << "SpT_E_QF" << "1E300"
                                                  << QStringLiteral(u"Mit diesen Werten ergibt sich ein Ergebnis, das sich nicht mehr darstellen läßt.");
    }
    void verweigert() {
        QFETCH(int, art);
        QFETCH(int, last);
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        const QString getippt = eingabe;
        modus(art, last);
        m_meldungen->leeren();
        const QByteArray name = feld.toLatin1();
        const QString vorher = text(name.constData());
        const QStringList ergebnisse{text("SpT_E_R1"), text("SpT_E_R2"), text("SpT_E_GR"), text("Label100"),
                                     text("SpT_E_U2"), text("SpT_E_IR1"), text("SpT_E_QF"), text("SpT_E_Strom_UL")};
        this->eingabe(name.constData(), getippt);
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
        QCOMPARE(m_meldungen->eintraege[0].art, Meldungen::Art::Fehler);
        QTEST(m_meldungen->letzter(), "meldung");
        QCOMPARE(text(name.constData()), vorher);
        const QStringList danach{text("SpT_E_R1"), text("SpT_E_R2"), text("SpT_E_GR"), text("Label100"),
                                 text("SpT_E_U2"), text("SpT_E_IR1"), text("SpT_E_QF"), text("SpT_E_Strom_UL")};
        QCOMPARE(danach, ergebnisse);
    }

    void querstromfaktor() {
        modus(0, 1);
        eingabe("SpT_E_IL", QStringLiteral("2m"));
        QCOMPARE(text("SpT_E_IL"), QStringLiteral("2,00 mA"));
        QCOMPARE(text("SpT_E_RL"), QStringLiteral("2,50 k") + ohm);  // U2 / IL
        eingabe("SpT_E_IR1", QStringLiteral("10m"));
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("10,00 mA"));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("4,00"));
        // Iq = 8 mA: R2 = 5 V / 8 mA, R1 = 7 V / 10 mA
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("625,00 ") + ohm);
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("700,00 ") + ohm);
        eingabe("SpT_E_IR1", QStringLiteral("20m"));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("9,00"));
        eingabe("SpT_E_QF", QStringLiteral("4"));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("4,00"));
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("10,00 mA"));
        eingabe("SpT_E_QF", QStringLiteral("2,01"));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("2,01"));
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("6,02 mA"));
        eingabe("SpT_E_RL", QStringLiteral("10k"));
        QCOMPARE(text("SpT_E_IL"), QStringLiteral("500,00 \u00B5A"));  // U2 / RL
        QVERIFY(m_meldungen->eintraege.empty());
        // 100,40 mA against 100 mA: the factor would show as 0,00 and the load calculation divide by it
        eingabe("SpT_E_IR1", QStringLiteral("200m"));
        eingabe("SpT_E_IL", QStringLiteral("100m"));
        QVERIFY(m_meldungen->eintraege.empty());
        const QString R2 = text("SpT_E_R2");
        eingabe("SpT_E_IR1", QStringLiteral("100,4m"));
        QCOMPARE(m_meldungen->letzter(),
                 QStringLiteral(u"Der Querstromfaktor (I - IL) / IL = 0,00 muß größer 0 sein.\r\rDer Strom durch R1 muß "
                                u"deutlich größer sein als der Strom durch die Last."));
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("200,00 mA"));
        QCOMPARE(text("SpT_E_R2"), R2);
        keinMuell();
    }

    // Without load the factor follows the current through R1 only where it makes sense.
    void querstromfaktorOhneLast() {
        eingabe("SpT_E_IR1", QStringLiteral("10m"));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("9,00"));  // IL = 1 mA
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("700,00 ") + ohm);
        eingabe("SpT_E_IR1", QStringLiteral("0,5m"));  // below IL: accepted, factor kept
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("500,00 \u00B5A"));
        QCOMPARE(text("SpT_E_QF"), QStringLiteral("9,00"));
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("14,00 k") + ohm);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void vorwaertsSpannung() {
        const QString label = text("Label100");
        const QString qf = text("SpT_E_QF");
        eingabe("SpT_E_R1", QStringLiteral("1k"));
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("1,00 k") + ohm);
        QCOMPARE(text("SpT_E_U2"), QStringLiteral("3,53 V"));
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("1,42 k") + ohm);
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("8,47 mA"));
        QCOMPARE(text("Label100"), label);  // only a calculation procedure updates the ratio
        QCOMPARE(text("SpT_E_QF"), qf);
        // R1 small against R2: I follows from U2 as calculated, not from the rounded 11,99 V
        eingabe("SpT_E_R1", QStringLiteral("1"));
        eingabe("SpT_E_R2", QStringLiteral("1k"));
        QCOMPARE(text("SpT_E_U2"), QStringLiteral("11,99 V"));
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("11,99 mA"));
        // with load: R2 || RL = 500 Ω
        modus(0, 1);
        eingabe("SpT_E_RL", QStringLiteral("1k"));
        eingabe("SpT_E_R1", QStringLiteral("1k"));
        eingabe("SpT_E_R2", QStringLiteral("1k"));
        QCOMPARE(text("SpT_E_U2"), QStringLiteral("4,00 V"));
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("1,50 k") + ohm);
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("8,00 mA"));
        QVERIFY(m_meldungen->eintraege.empty());
        keinMuell();
    }

    void vorwaertsStrom() {
        modus(1, 1);
        eingabe("SpT_E_R2", QStringLiteral("11,99k"));
        QCOMPARE(text("SpT_E_Strom_I2"), QStringLiteral("1,00 mA"));
        QCOMPARE(text("SpT_E_Strom_I"), QStringLiteral("3,00 mA"));
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("4,00 k") + ohm);
        QCOMPARE(text("SpT_E_Strom_UL"), QStringLiteral("10,00 mV"));
        modus(1, 0);
        eingabe("SpT_E_R1", QStringLiteral("12k"));  // I = 1 mA + 1 mA
        QCOMPARE(text("SpT_E_Strom_I"), QStringLiteral("2,00 mA"));
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("6,00 k") + ohm);
        QCOMPARE(text("SpT_E_Strom_I2"), QStringLiteral("1,00 mA"));
        eingabe("SpT_E_R2", QStringLiteral("4k"));  // I2 = 3 mA, I = 4 mA
        QCOMPARE(text("SpT_E_Strom_I2"), QStringLiteral("3,00 mA"));
        QCOMPARE(text("SpT_E_Strom_I"), QStringLiteral("4,00 mA"));
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("3,00 k") + ohm);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void stromteilerMitLast() {
        modus(1, 1);
        eingabe("SpT_E_Strom_RL", QStringLiteral("10"));
        QCOMPARE(text("SpT_E_Strom_UL"), QStringLiteral("10,00 mV"));
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("6,00 k") + ohm);
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("11,99 k") + ohm);
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("4,00 k") + ohm);
        eingabe("SpT_E_Strom_UL", QStringLiteral("2"));  // RL = 2 V / 1 mA
        QCOMPARE(text("SpT_E_Strom_RL"), QStringLiteral("2,00 k") + ohm);
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("10,00 k") + ohm);
        eingabe("SpT_E_Strom_I2", QStringLiteral("2m"));  // I2 recalculates too
        QCOMPARE(text("SpT_E_Strom_I2"), QStringLiteral("2,00 mA"));
        QCOMPARE(text("SpT_E_Strom_UL"), QStringLiteral("4,00 V"));
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("12,00 k") + ohm);
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("4,00 k") + ohm);
        QCOMPARE(text("Label100"), QStringLiteral("   1  : 0,7"));
        QVERIFY(m_meldungen->eintraege.empty());
    }

    // Enter in the read-only total: I, R1 and R2 again from the shown RG.
    void gesamtwiderstand() {
        eingabe("SpT_E_R1", QStringLiteral("1k"));
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("1,42 k") + ohm);
        QTest::keyClick(feld("SpT_E_GR"), Qt::Key_Return);
        QCOMPARE(text("SpT_E_GR"), QStringLiteral("1,42 k") + ohm);
        QCOMPARE(text("SpT_E_IR1"), QStringLiteral("8,45 mA"));  // 12 V / 1,42 kΩ
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("1,00 k") + ohm);
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("417,75 ") + ohm);
        // with load only the total is shown again
        modus(0, 1);
        const QString I = text("SpT_E_IR1");
        const QString R1 = text("SpT_E_R1");
        QTest::keyClick(feld("SpT_E_GR"), Qt::Key_Return);
        QCOMPARE(text("SpT_E_IR1"), I);
        QCOMPARE(text("SpT_E_R1"), R1);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void uebergabe() {
        QToolButton* b1 = m_seite->findChild<QToolButton*>("BitBtn1");
        QToolButton* b2 = m_seite->findChild<QToolButton*>("BitBtn2");
        QCOMPARE(b1->toolTip(), QStringLiteral(u"Übernahme des Wertes von R1 auf die Seite Toleranz"));
        QCOMPARE(b2->toolTip(), QStringLiteral(u"Übernahme des Wertes von R2 auf die Seite Toleranz"));
        QTest::mouseClick(b1, Qt::LeftButton);
        QTest::mouseClick(b2, Qt::LeftButton);
        QCOMPARE(m_aufbau->uebergeben, (std::vector<double>{583.33, 416.67}));
        // the text as it stands, without Enter
        test::tippe(feld("SpT_E_R1"), QStringLiteral("4,7k"));
        QTest::mouseClick(b1, Qt::LeftButton);
        QCOMPARE(m_aufbau->uebergeben.back(), 4700.0);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    // Zero, negative, empty or broken texts never reach the tolerance page.
    void uebergabeGesperrt_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << "0";
        QTest::newRow("null mit Einheit") << "0 Ohm";
        QTest::newRow("negativ") << "-5k";
        QTest::newRow("leer") << "";
        QTest::newRow("keine Zahl") << "abc";
    }
    void uebergabeGesperrt() {
        QFETCH(QString, text);
        test::tippe(feld("SpT_E_R2"), text);
        QTest::mouseClick(m_seite->findChild<QToolButton*>("BitBtn2"), Qt::LeftButton);
        QVERIFY(m_aufbau->uebergeben.empty());
        QCOMPARE(m_meldungen->letzter(),
                 QStringLiteral(u"Der Wert von R2 kann nicht auf die Seite Toleranz übernommen werden:\r\rdort wird ein "
                                u"Widerstand größer als 0 \u2126 gebraucht."));
    }

    // A mode switch whose inputs give no result empties the results and says why; the next good entry
    // brings them back.
    void keinErgebnisNachUmschalten() {
        modus(1, 0);
        eingabe("SpT_E_Strom_U", QStringLiteral("5m"));  // fine without load
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("5,00 ") + ohm);
        QVERIFY(m_meldungen->eintraege.empty());
        gruppe("SpT_RG_unbel_bel")->knopf(1)->click();  // RL × I2 = 10 mV > U
        QCOMPARE(m_meldungen->letzter(), QStringLiteral(u"Der Produktwert: Widerstand RL * Strom I2 = 10,00 mV\r\rmuß "
                                                        u"kleiner als die Spannung U = 5,00 mV sein."));
        QCOMPARE(text("SpT_E_R1"), QString());
        QCOMPARE(text("SpT_E_R2"), QString());
        QCOMPARE(text("SpT_E_GR"), QString());
        QCOMPARE(text("Label100"), QString());
        keinMuell();
        QTest::mouseClick(m_seite->findChild<QToolButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(m_aufbau->uebergeben.empty());
        m_meldungen->leeren();
        eingabe("SpT_E_Strom_RL", QStringLiteral("1"));
        QVERIFY(m_meldungen->eintraege.empty());
        QCOMPARE(text("SpT_E_R2"), QStringLiteral("4,00 ") + ohm);  // 5 mV / 1 mA - 1 Ω
        QCOMPARE(text("Label100"), QStringLiteral("   1  : 0,3"));
    }

    // A text typed into another field without Enter that is no number is named, not calculated with.
    void unbestaetigterText() {
        test::tippe(feld("SpT_E_IR1"), QStringLiteral("abc"));
        eingabe("SpT_E_U", QStringLiteral("15"));
        QCOMPARE(m_meldungen->letzter(),
                 QStringLiteral(u"Im Feld \"Strom I\" steht kein gültiger Wert: abc\r\rBitte dort einen Wert größer 0 "
                                u"eingeben und mit der Enter-Taste bestätigen."));
        QCOMPARE(text("SpT_E_U"), QStringLiteral("12,00 V"));
        QCOMPARE(text("SpT_E_R1"), QStringLiteral("583,33 ") + ohm);
        // a zero typed without Enter would divide: named as well, on a mode switch the results go
        test::tippe(feld("SpT_E_IL"), QStringLiteral("0"));
        gruppe("SpT_RG_unbel_bel")->knopf(1)->click();
        QCOMPARE(m_meldungen->letzter(),
                 QStringLiteral(u"Im Feld \"Laststrom IL\" steht kein gültiger Wert: 0\r\rBitte dort einen Wert größer "
                                u"0 eingeben und mit der Enter-Taste bestätigen."));
        QCOMPARE(text("SpT_E_R1"), QString());
        keinMuell();
    }

    // In the main window: first start and start-up settings reach the page on its tab.
    void imHauptfenster() {
        Hauptfenster f;
        f.show();  // start-up: first-start values, then the run-time settings
        f.pageControl1()->setCurrentIndex(2);  // the page is built when it is first shown
        auto* seite = f.findChild<SpannungsteilerSeite*>();
        QVERIFY(seite);
        QCOMPARE(f.pageControl1()->tabText(2), QStringLiteral("Spannungs-/ Stromteiler"));
        QVERIFY(f.findChild<QWidget*>("TabSheet6")->isAncestorOf(seite));
        const QChar d = f.umgebung().dezimal;
        auto* R1 = seite->findChild<Eingabefeld*>("SpT_E_R1");
        QCOMPARE(R1->text(), QStringLiteral("583") + d + QStringLiteral("33 ") + ohm);
        QCOMPARE(seite->findChild<Radiogruppe*>("SpT_RG_unbel_bel")->knopf(1)->toolTip(), QStringLiteral("mit Last"));
        QCOMPARE(seite->spannungsteiler().Ratio2, 3.0);
    }
};

QTEST_MAIN(SpannungsteilerTest)
#include "spannungsteiler_guitest.moc"
