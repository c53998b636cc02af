// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <set>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/LM317Seite.h"
#include "eseries/ToleranzSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");
const char* const bilder[] = {"ImageTO220", "ImageTO247", "ImageTO3",    "ImageTO92",   "ImageTO39",
                              "ImagePS",    "ImageD_PW",  "ImageTO263", "ImageSOT252", "ImageSOT223"};

// The page as the main window builds it at a first start, with a recording transfer.
struct Aufbau : test::Seitenaufbau<LM317Seite> {
    using Seitenaufbau::Seitenaufbau;
    void klickeReglerart(int i) { QTest::mouseClick(seite->reglerart()->knopf(i), Qt::LeftButton); }
    // Picks an item with the keyboard, as a user does (each step counts as the user's choice).
    static void waehle(QComboBox* c, int index) {
        c->setFocus();
        while (c->currentIndex() < index) QTest::keyClick(c, Qt::Key_Down);
        while (c->currentIndex() > index) QTest::keyClick(c, Qt::Key_Up);
    }
    void waehleGehaeuse(int i) { waehle(seite->gehaeuseAuswahl(), i); }
    void waehleIso(int i) { waehle(seite->isoAuswahl(), i); }
    QToolButton* bitBtn3() const { return seite->findChild<QToolButton*>(QStringLiteral("BitBtn3")); }
    QColor urteilFarbe() const {
        return seite->findChild<QLabel*>(QStringLiteral("Label138"))->palette().color(QPalette::WindowText);
    }
};

// Pixels of a drawing that are drawn dark (lines, symbols, text, dark bodies) and drawn at all.
int dunklePunkte(const QImage& img) { return test::dunklePunkte(img, 110); }

const QString kein = QStringLiteral(u"Es ist kein Kühlkörper nötig!");
const QString noetig = QStringLiteral(u"Montage auf Kühlkörper erforderlich!");
const QString zuHoch = QStringLiteral(u"Strom ist für dieses Gehäuse zu hoch!");

QString meldungU1() {
    return QStringLiteral(
        u"Die eingegebene Spannung U1 muß größer sein als die Spannung U2 plus\rder minimalen Spannung zwischen "
        u"dem Ein- und Ausgang des Regler-IC.\r(mehr Infos - siehe Hilfe)");
}
QString meldungU2() {
    return QStringLiteral(
        u"Die eingegebene Spannung U2 muß kleiner sein als die Spannung U1 abzüglich\rder minimalen Spannung "
        u"zwischen dem Ein- und Ausgang des Regler-IC.\r(mehr Infos - siehe Hilfe)");
}
QString ausserhalb(const QString& eingabe, const QString& bereich) {
    return QStringLiteral(u"Die Eingabe ") + eingabe + QStringLiteral(u"  ist außerhalb\r\rdes gültigen Wertebereiches: ") +
           bereich;
}

}  // namespace

class LM317SeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStart_data() {
        test::trennerZeilen();
    }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        Aufbau a(dezimal);
        const auto d = [&](const char16_t* t) { return QString::fromUtf16(t).replace(u',', dezimal); };
        QCOMPARE(a.text("LM317ner_E_U1"), d(u"12,00 V"));
        QCOMPARE(a.text("LM317ner_E_U2"), d(u"5,00 V"));
        QCOMPARE(a.text("LM317ner_E_I"), d(u"150,00 mA"));
        QCOMPARE(a.text("LM317ner_E_R1"), d(u"240,00 \u2126"));
        QCOMPARE(a.text("LM317ner_E_Tu"), d(u"5,00 °C"));
        QCOMPARE(a.text("LM317ner_E_Rthjc"), d(u"3,00  K/W"));
        QCOMPARE(a.text("LM317ner_E_Rthja"), d(u"50,00  K/W"));
        QCOMPARE(a.text("LM317_E_R2"), d(u"720,00"));
        QCOMPARE(a.text("LM317_C_R2"), ohm);
        QCOMPARE(a.text("LM317_E_P"), d(u" 1,05"));
        QCOMPARE(a.text("LM317_C_P"), QStringLiteral("W"));
        QCOMPARE(a.text("LM317_E_KK"), d(u" 111,29"));
        QCOMPARE(a.text("LM317_C_KK"), QStringLiteral("K/W"));
        QCOMPARE(a.text("Label138"), kein);
        QCOMPARE(a.text("LM317ner_L_Ansicht"), QStringLiteral("Draufsicht"));
        QCOMPARE(a.seite->reglerart()->itemIndex(), 0);
        QCOMPARE(a.seite->gehaeuseAuswahl()->currentIndex(), 0);
        QCOMPARE(a.seite->isoAuswahl()->currentIndex(), 0);
        for (int i = 0; i < 10; ++i) QCOMPARE(a.sichtbar(bilder[i]), i == 0);
        QVERIFY(a.sichtbar("LM317ner_I_Spannung"));
        QVERIFY(!a.sichtbar("LM317ner_I_Strom"));
        QVERIFY(a.sichtbar("LM317ner_E_R1"));
        QVERIFY(a.sichtbar("Label128"));
        const LM317_Berechnungen& b = a.seite->lm317Berechnungen();
        QCOMPARE(b.Tjmax, 125.0);
        QCOMPARE(b.Tu, 5.0);
        QCOMPARE(b.Rthjc, 3.0);
        QCOMPARE(b.Rthja, 50.0);
        QCOMPARE(b.Iso, 0.0);
        QCOMPARE(a.seite->lm317Rthjc().SOT252, 23.5);
        QCOMPARE(a.seite->lm317Rthja().TO39, 140.0);
        QVERIFY(a.bitBtn3()->isEnabled());
        QVERIFY(a.rec.eintraege.empty());
    }

    // Entries accepted one after the other from the first start, and what the results then show.
    void rechnungen_data() {
        QTest::addColumn<QStringList>("eingaben");  // "field=text", Enter after each
        QTest::addColumn<int>("iso");
        QTest::addColumn<QString>("r2");
        QTest::addColumn<QString>("cR2");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("cP");
        QTest::addColumn<QString>("kk");
        QTest::addColumn<QString>("urteil");
        QTest::newRow("warm") << QStringList{"LM317ner_E_Tu=50"} << 0 << "720,00" << ohm << " 1,05" << "W"
                              << " 68,43" << kein;
        QTest::newRow("1 A") << QStringList{"LM317ner_E_I=1"} << 0 << "720,00" << ohm << " 7,00" << "W" << " 14,14"
                             << noetig;
        // the washer adds to the way into the heat sink: the sink must be 0,3 K/W better
        QTest::newRow("1 A Glimmer") << QStringList{"LM317ner_E_I=1"} << 1 << "720,00" << ohm << " 7,00" << "W"
                                     << " 13,84" << noetig;
        QTest::newRow("1 A Aluoxid 3mm") << QStringList{"LM317ner_E_I=1"} << 4 << "720,00" << ohm << " 7,00" << "W"
                                         << " 13,84" << noetig;
        QTest::newRow("10 A") << QStringList{"LM317ner_E_I=10"} << 0 << "720,00" << ohm << " 70,00" << "W"
                              << " -1,29" << zuHoch;
        QTest::newRow("U2 = 1,25 V") << QStringList{"LM317ner_E_U2=1,25"} << 0 << "0,00" << QStringLiteral("  ") + ohm
                                     << " 1,61" << "W" << " 71,42" << kein;
        QTest::newRow("kOhm") << QStringList{"LM317ner_E_U1=30", "LM317ner_E_U2=25", "LM317ner_E_I=2m"} << 0
                              << "4,56" << QStringLiteral("k") + ohm << " 10,00" << "mW" << " 11997,00" << kein;
        QTest::newRow("kalt") << QStringList{"LM317ner_E_Tu=-40"} << 0 << "720,00" << ohm
                                                << " 1,05" << "W" << " 154,14" << kein;
    }
    void rechnungen() {
        QFETCH(QStringList, eingaben);
        QFETCH(int, iso);
        QFETCH(QString, r2);
        QFETCH(QString, cR2);
        QFETCH(QString, p);
        QFETCH(QString, cP);
        QFETCH(QString, kk);
        QFETCH(QString, urteil);
        Aufbau a;
        for (const QString& e : eingaben) a.eingeben(e.section(u'=', 0, 0), e.section(u'=', 1));
        a.waehleIso(iso);
        QVERIFY2(a.rec.eintraege.empty(), qPrintable(a.meldungen().join(u'|')));
        QCOMPARE(a.text("LM317_E_R2"), r2);
        QCOMPARE(a.text("LM317_C_R2"), cR2);
        QCOMPARE(a.text("LM317_E_P"), p);
        QCOMPARE(a.text("LM317_C_P"), cP);
        QCOMPARE(a.text("LM317_E_KK"), kk);
        QCOMPARE(a.text("Label138"), urteil);
        // green when no heat sink is needed, red when none will do, something between otherwise
        const QColor f = a.urteilFarbe();
        if (urteil == kein) QVERIFY(f.green() > f.red());
        if (urteil == zuHoch) QVERIFY(f.red() > 150 && f.green() < 60);
        if (urteil == noetig) QVERIFY(f.red() > f.green() && f.green() > 60);
        // 0 Ohm is no resistor for the tolerance page
        QCOMPARE(a.bitBtn3()->isEnabled(), r2 != QLatin1String("0,00"));
    }

    void stromregler() {
        Aufbau a;
        a.klickeReglerart(1);
        QCOMPARE(a.seite->reglerart()->itemIndex(), 1);
        QVERIFY(a.sichtbar("LM317ner_I_Strom"));
        QVERIFY(!a.sichtbar("LM317ner_I_Spannung"));
        QVERIFY(!a.sichtbar("LM317ner_E_R1"));
        QVERIFY(!a.sichtbar("Label128"));
        QCOMPARE(a.text("LM317_E_R2"), QStringLiteral("8,33"));
        QCOMPARE(a.text("LM317_C_R2"), ohm);
        QCOMPARE(a.text("LM317_E_P"), QStringLiteral(" 1,24"));
        // R1 is not used: even a damaged R1 text does not stop the calculation
        a.feld("LM317ner_E_R1")->setText(QStringLiteral("abc"));
        a.eingeben(QStringLiteral("LM317ner_E_I"), QStringLiteral("10m"));
        QCOMPARE(a.text("LM317_E_R2"), QStringLiteral("125,00"));
        QCOMPARE(a.text("LM317_E_P"), QStringLiteral(" 82,50"));
        QCOMPARE(a.text("LM317_C_P"), QStringLiteral("mW"));
        QVERIFY(a.rec.eintraege.empty());
        a.bitBtn3()->click();
        QCOMPARE(a.uebergeben, std::vector<double>{125.0});
        a.feld("LM317ner_E_R1")->setText(QStringLiteral("240,00 ") + ohm);
        a.klickeReglerart(0);
        QVERIFY(a.sichtbar("LM317ner_E_R1"));
        QVERIFY(a.sichtbar("LM317ner_I_Spannung"));
        QVERIFY(!a.sichtbar("LM317ner_I_Strom"));
        QCOMPARE(a.text("LM317_E_R2"), QStringLiteral("720,00"));
    }

    // Refused entries: the message, the field back at its text, the results unchanged.
    void abgelehnt_data() {
        QTest::addColumn<QStringList>("vorher");  // accepted first
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("zurueck");
        const QStringList keine;
        QTest::newRow("U1 knapp über U2") << keine << "LM317ner_E_U1" << "5,09" << meldungU1() << "12,00 V";
        // the cross-check comes first: 1 V is below the range too
        QTest::newRow("U1 Querprüfung vor Bereich") << keine << "LM317ner_E_U1" << "1" << meldungU1() << "12,00 V";
        QTest::newRow("U1 Bereich") << keine << "LM317ner_E_U1" << "50" << ausserhalb("50V", "1,3V bis 40V")
                                    << "12,00 V";
        QTest::newRow("U2 knapp unter U1") << QStringList{"LM317ner_E_U2=4,9", "LM317ner_E_U1=5"} << "LM317ner_E_U2"
                                           << "4,95" << meldungU2() << "4,90 V";
        QTest::newRow("U2 Querprüfung vor Bereich") << keine << "LM317ner_E_U2" << "39" << meldungU2() << "5,00 V";
        QTest::newRow("U2 Bereich") << keine << "LM317ner_E_U2" << "1,2" << ausserhalb("1,2V", "1,25V bis 38V")
                                    << "5,00 V";
        QTest::newRow("I Bereich") << keine << "LM317ner_E_I" << "20" << ausserhalb("20", "1mA bis 10A")
                                   << "150,00 mA";
        QTest::newRow("I unter 1 mA") << keine << "LM317ner_E_I" << "0" << ausserhalb("0", "1mA bis 10A")
                                      << "150,00 mA";
        QTest::newRow("R1 Bereich") << keine << "LM317ner_E_R1" << "10,1k"
                                    << ausserhalb("10,1k", QStringLiteral(u"100\u2126 bis 10k\u2126"))
                                    << QStringLiteral("240,00 ") + ohm;
        QTest::newRow("Tu Bereich") << keine << "LM317ner_E_Tu" << "126"
                                    << ausserhalb(QStringLiteral(u"126 °C"), QStringLiteral(u"-40°C bis 125 °C"))
                                    << QStringLiteral(u"5,00 °C");
        QTest::newRow("Rthjc Bereich") << keine << "LM317ner_E_Rthjc" << "9m"
                                       << ausserhalb("9m K/W", "1E-2 bis 100 K/W") << "3,00  K/W";
        QTest::newRow("Rthja Bereich") << keine << "LM317ner_E_Rthja" << "0,5"
                                       << ausserhalb("0,5 K/W", "1 bis 250 K/W") << "50,00  K/W";
        QTest::newRow("keine Zahl") << keine << "LM317ner_E_Tu" << "warm"
                                    << QStringLiteral("Die eingegebene Zahl warm  ist keine Gleitkommazahl !")
                                    << QStringLiteral(u"5,00 °C");
    }
    void abgelehnt() {
        QFETCH(QStringList, vorher);
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, meldung);
        QFETCH(QString, zurueck);
        Aufbau a;
        for (const QString& e : vorher) a.eingeben(e.section(u'=', 0, 0), e.section(u'=', 1));
        QVERIFY2(a.rec.eintraege.empty(), qPrintable(a.meldungen().join(u'|')));
        const QString p = a.text("LM317_E_P");
        const QString kk = a.text("LM317_E_KK");
        const LM317_Gehaeusewerte jc = a.seite->lm317Rthjc();
        a.eingeben(feld, eingabe);
        QCOMPARE(a.meldungen(), QStringList{meldung});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Fehler);
        QCOMPARE(a.feld(feld)->text(), zurueck);
        QVERIFY(a.feld(feld)->hasFocus());
        QCOMPARE(a.text("LM317_E_P"), p);
        QCOMPARE(a.text("LM317_E_KK"), kk);
        QCOMPARE(a.seite->lm317Rthjc().TO220, jc.TO220);
    }

    // Accepted entries are shown in normal form, also exactly at the bounds.
    void angenommen_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("U1 = U2 + 0,1 V") << "LM317ner_E_U1" << "5.1" << "5,10 V";
        QTest::newRow("U1 max") << "LM317ner_E_U1" << "40" << "40,00 V";
        QTest::newRow("I min") << "LM317ner_E_I" << "1m" << "1,00 mA";
        QTest::newRow("R1 max") << "LM317ner_E_R1" << "10k" << QStringLiteral("10,00 k") + ohm;
        QTest::newRow("Tu min") << "LM317ner_E_Tu" << "-40" << QStringLiteral(u"-40,00 °C");
        QTest::newRow("Tu max") << "LM317ner_E_Tu" << "125" << QStringLiteral(u"125,00 °C");
        QTest::newRow("Rthjc min") << "LM317ner_E_Rthjc" << "1E-2" << "10,00 mK/W";
        QTest::newRow("Rthja max") << "LM317ner_E_Rthja" << "250" << "250,00 K/W";
    }
    void angenommen() {
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, anzeige);
        Aufbau a;
        a.eingeben(feld, eingabe);
        QVERIFY2(a.rec.eintraege.empty(), qPrintable(a.meldungen().join(u'|')));
        QCOMPARE(a.feld(feld)->text(), anzeige);
        QVERIFY(!a.text("LM317_E_KK").contains(QLatin1String("inf")));
        QVERIFY(!a.text("LM317_E_KK").contains(QLatin1String("nan")));
    }

    void gehaeuse() {
        Aufbau a;
        struct Fall {
            const char* ansicht;
            const char16_t* jc;
            const char16_t* ja;
        };
        const Fall faelle[] = {
            {"Draufsicht", u"3,00  K/W", u"50,00  K/W"},        {"Draufsicht", u"2,60  K/W", u"35,00  K/W"},
            {"Ansicht von unten", u"3,00  K/W", u"35,00  K/W"}, {"Ansicht von unten", u"25,00  K/W", u"110,00  K/W"},
            {"Ansicht von unten", u"15,00  K/W", u"140,00  K/W"}, {"Draufsicht", u"30,00  K/W", u"110,00  K/W"},
            {"Draufsicht", u"30,00  K/W", u"110,00  K/W"},      {"Draufsicht", u"3,00  K/W", u"50,00  K/W"},
            {"Draufsicht", u"23,50  K/W", u"92,00  K/W"},       {"Draufsicht", u"3,00  K/W", u"53,00  K/W"},
        };
        for (int i : {9, 3, 0, 5, 2, 8, 1, 7, 4, 6}) {
            a.waehleGehaeuse(i);
            QCOMPARE(a.seite->gehaeuseAuswahl()->currentText(), lm317::gehaeuseNamen()[i]);
            QCOMPARE(a.text("LM317ner_L_Ansicht"), QString::fromLatin1(faelle[i].ansicht));
            QCOMPARE(a.text("LM317ner_E_Rthjc"), QString::fromUtf16(faelle[i].jc));
            QCOMPARE(a.text("LM317ner_E_Rthja"), QString::fromUtf16(faelle[i].ja));
            for (int k = 0; k < 10; ++k) QCOMPARE(a.sichtbar(bilder[k]), k == i);
            // the calculation takes the housing's values
            QCOMPARE(a.seite->lm317Berechnungen().Rthjc, *lm317::gehaeuseWert(a.seite->lm317Rthjc(), i));
        }
        a.waehleGehaeuse(3);  // TO 92: 1,05 W x 110 K/W + 5 °C = 120,5 °C
        QCOMPARE(a.text("Label138"), kein);
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral(" 89,29"));
        a.eingeben(QStringLiteral("LM317ner_E_I"), QStringLiteral("200m"));
        QCOMPARE(a.text("Label138"), noetig);
        QVERIFY(a.rec.eintraege.empty());
    }

    // An edited value belongs to its housing and comes back with it.
    void gehaeuseWerteBleiben() {
        Aufbau a;
        a.eingeben(QStringLiteral("LM317ner_E_Rthja"), QStringLiteral("60"));
        QCOMPARE(a.text("LM317ner_E_Rthja"), QStringLiteral("60,00 K/W"));
        QCOMPARE(a.seite->lm317Rthja().TO220, 60.0);
        QCOMPARE(a.seite->lm317Berechnungen().Rthja, 60.0);
        a.eingeben(QStringLiteral("LM317ner_E_Rthjc"), QStringLiteral("4"));
        QCOMPARE(a.seite->lm317Rthjc().TO220, 4.0);
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral(" 110,29"));
        a.waehleGehaeuse(3);
        QCOMPARE(a.text("LM317ner_E_Rthja"), QStringLiteral("110,00  K/W"));
        QCOMPARE(a.text("LM317ner_E_Rthjc"), QStringLiteral("25,00  K/W"));
        a.waehleGehaeuse(0);
        QCOMPARE(a.text("LM317ner_E_Rthja"), QStringLiteral("60,00  K/W"));
        QCOMPARE(a.text("LM317ner_E_Rthjc"), QStringLiteral("4,00  K/W"));
        // the other housings kept theirs
        QCOMPARE(a.seite->lm317Rthja().TO92, 110.0);
        QCOMPARE(a.seite->lm317Rthja().TO247, 35.0);
        // a first start sets them all back
        a.seite->ersterStart();
        QCOMPARE(a.text("LM317ner_E_Rthja"), QStringLiteral("50,00  K/W"));
        QCOMPARE(a.seite->lm317Rthja().TO220, 50.0);
    }

    void keinGehaeuse() {
        Aufbau a;
        a.seite->gehaeuseAuswahl()->setCurrentIndex(-1);
        a.seite->LM317_CB_GehaeuseChange();
        for (const char* b : bilder) QVERIFY(!a.sichtbar(b));
        QCOMPARE(a.text("LM317ner_L_Ansicht"), QString());
        QCOMPARE(a.text("LM317ner_E_Rthja"), QStringLiteral("50,00  K/W"));  // kept
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral(" 111,29"));
        a.eingeben(QStringLiteral("LM317ner_E_Rthja"), QStringLiteral("70"));  // stored nowhere, used
        QCOMPARE(a.seite->lm317Rthja().TO220, 50.0);
        QCOMPARE(a.seite->lm317Berechnungen().Rthja, 70.0);
        QVERIFY(a.rec.eintraege.empty());
    }

    void tjmax() {
        Aufbau a;
        a.seite->setTjmax(150);
        QCOMPARE(a.seite->tjmax(), 150.0);
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral(" 111,29"));  // no recalculation of its own
        a.waehleIso(2);
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral(" 135,00"));  // 145 / 1,05 - 3 - 0,1
        QCOMPARE(a.seite->lm317Berechnungen().Iso, 0.1);
        // a junction limit below the ambient temperature: no heat sink helps
        a.seite->setTjmax(50);
        a.eingeben(QStringLiteral("LM317ner_E_Tu"), QStringLiteral("60"));
        QCOMPARE(a.text("Label138"), zuHoch);
    }

    // Texts typed without Enter are what a recalculation reads: never inf, nan or a 0 handed on.
    void unbestaetigteTexte_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reglerart");
        QTest::addColumn<QString>("urteil");
        const auto ausserhalb = [](const char16_t* was) {
            return QString::fromUtf16(was) + QStringLiteral(u" liegt außerhalb des gültigen Wertebereiches!");
        };
        QTest::newRow("I = 0, Strom") << "LM317ner_E_I" << "0" << 1 << ausserhalb(u"Der Strom I");
        QTest::newRow("I = 0, Spannung") << "LM317ner_E_I" << "0" << 0 << ausserhalb(u"Der Strom I");
        QTest::newRow("U1 = U2") << "LM317ner_E_U1" << "5" << 0 << QStringLiteral(u"Die Spannung U1 ist zu klein für U2!");
        QTest::newRow("U2 < 1,25 V") << "LM317ner_E_U2" << "1" << 0 << ausserhalb(u"Die Spannung U2");
        QTest::newRow("R1 = 0") << "LM317ner_E_R1" << "0" << 0 << ausserhalb(u"Der Widerstand R1");
        QTest::newRow("riesig") << "LM317ner_E_U1" << "1E300" << 1 << ausserhalb(u"Die Spannung U1");
        QTest::newRow("Tu") << "LM317ner_E_Tu" << "500" << 0 << ausserhalb(u"Die Umgebungstemperatur");
    }
    void unbestaetigteTexte() {
        QFETCH(QString, feld);
        QFETCH(QString, text);
        QFETCH(int, reglerart);
        QFETCH(QString, urteil);
        Aufbau a;
        if (reglerart == 1) a.klickeReglerart(1);
        test::tippe(a.feld(feld), text);
        a.waehleIso(1);
        QVERIFY(a.rec.eintraege.empty());
        QCOMPARE(a.text("LM317_E_R2"), QStringLiteral("---"));
        QCOMPARE(a.text("LM317_E_P"), QStringLiteral("---"));
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral("---"));
        QCOMPARE(a.text("Label138"), urteil);
        QVERIFY(!a.bitBtn3()->isEnabled());
        a.bitBtn3()->click();
        QVERIFY(a.uebergeben.empty());
    }

    void keineZahlBeimRechnen() {
        Aufbau a;
        test::tippe(a.feld("LM317ner_E_Tu"), QStringLiteral("warm"));
        a.waehleIso(1);
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral(u"'warm' ist kein gültiger Gleitkommawert.")});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Standardfehler);
        QCOMPARE(a.text("LM317_E_KK"), QStringLiteral(" 111,29"));  // unchanged
        QCOMPARE(a.seite->lm317Berechnungen().Tu, 5.0);
    }

    void uebergabe() {
        Aufbau a;
        QCOMPARE(a.bitBtn3()->toolTip(), QStringLiteral(u"Übernahme des Wertes von R2 auf die Seite Toleranz"));
        QTest::mouseClick(a.bitBtn3(), Qt::LeftButton);
        QCOMPARE(a.uebergeben, std::vector<double>{720.0});
        // the shown value with its prefix: 4,56 kOhm
        a.eingeben(QStringLiteral("LM317ner_E_U1"), QStringLiteral("30"));
        a.eingeben(QStringLiteral("LM317ner_E_U2"), QStringLiteral("25"));
        QTest::mouseClick(a.bitBtn3(), Qt::LeftButton);
        QCOMPARE(a.uebergeben.back(), 4560.0);
        a.eingeben(QStringLiteral("LM317ner_E_U2"), QStringLiteral("1,25"));
        QVERIFY(!a.bitBtn3()->isEnabled());
        a.bitBtn3()->click();
        QCOMPARE(a.uebergeben.size(), size_t(2));
    }

    void bilderUndHinweise() {
        Aufbau a;
        auto* spannung = a.seite->findChild<QWidget*>(QStringLiteral("LM317ner_I_Spannung"));
        auto* strom = a.seite->findChild<QWidget*>(QStringLiteral("LM317ner_I_Strom"));
        QCOMPARE(spannung->geometry(), strom->geometry());
        QCOMPARE(spannung->toolTip(), QStringLiteral("Grundschaltung des IC als Spannungskonstandhalter"));
        QCOMPARE(strom->toolTip(), QStringLiteral("Grundschaltung des IC als Stromkonstandhalter"));
        QVERIFY(dunklePunkte(spannung->grab().toImage()) > 800);
        strom->show();
        QVERIFY(dunklePunkte(strom->grab().toImage()) > 800);
        QVERIFY(strom->grab().toImage() != spannung->grab().toImage());
        // ten different pin-outs, each a real drawing in the same place
        std::set<qint64> verschieden;
        QRect platz;
        for (const char* name : bilder) {
            auto* b = a.seite->findChild<QWidget*>(name);
            QCOMPARE(b->toolTip(), QStringLiteral("Anschlussbild des IC (siehe Datenblatt)"));
            if (platz.isNull()) platz = b->geometry();
            QCOMPARE(b->geometry(), platz);
            b->show();
            const QImage img = b->grab().toImage();
            QVERIFY2(dunklePunkte(img) > 250, name);        // pin names, outlines
            QVERIFY2(test::dunklePunkte(img, 235) > 5000, name);        // a body, not a few strokes
            verschieden.insert(img.cacheKey() ^ qHash(QByteArray(reinterpret_cast<const char*>(img.constBits()),
                                                                 int(img.sizeInBytes()))));
        }
        QCOMPARE(verschieden.size(), size_t(10));
        QCOMPARE(a.seite->reglerart()->toolTip(),
                 QStringLiteral("Auswahl der Schaltungart des Reglers (Spannungs- oder Stromregler)"));
        QCOMPARE(a.feld("LM317ner_E_R1")->toolTip(),
                 QStringLiteral("Vorgabewert des Widerstand R1 (240 Ohm bei vielen IC s empfohlen)"));
        QCOMPARE(a.seite->reglerart()->title(), QStringLiteral(" Auswahl Reglerart "));
        QCOMPARE(a.seite->reglerart()->knopf(0)->text(), QStringLiteral("Spannung"));
        QCOMPARE(a.seite->reglerart()->knopf(1)->text(), QStringLiteral("Strom"));
        const QStringList iso{QStringLiteral("     direkt          0"), QStringLiteral(u"Glimmer 50\u00B5m 0.3"),
                              QStringLiteral(u"Silikon 180\u00B5m 0.1"), QStringLiteral("Aluoxid   1mm 0.1"),
                              QStringLiteral("Aluoxid   3mm 0.3")};
        for (int i = 0; i < iso.size(); ++i) QCOMPARE(a.seite->isoAuswahl()->itemText(i), iso[i]);
    }

    void laufzeitEinstellungen() {
        Aufbau a;
        Radiogruppe* g = a.seite->reglerart();
        QCOMPARE(g->knopf(0)->toolTip(), QStringLiteral("Regler als Spannungsstabilisator"));
        QCOMPARE(g->knopf(1)->toolTip(), QStringLiteral("Regler als Stromstabilisator"));
        QCOMPARE(g->knopf(0)->x(), 30);
        QCOMPARE(g->knopf(1)->x(), 160);
        QCOMPARE(g->knopf(1)->width(), 65);
        QCOMPARE(g->knopf(0)->y(), g->knopf(1)->y());  // two columns
    }

    // In the main window: the page on its tab, and R2 reaching the tolerance page.
    void imHauptfenster() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.show();
        f.pageControl1()->setCurrentIndex(4);  // the page is built when it is first shown
        LM317Seite* s = f.findChild<LM317Seite*>();
        QVERIFY(s);
        QCOMPARE(f.pageControl1()->tabText(4), QStringLiteral("LM317 Berechnung"));
        QVERIFY(f.findChild<QWidget*>("TabSheet8")->isAncestorOf(s));
        const QChar d = f.umgebung().dezimal;
        QCOMPARE(s->findChild<QLineEdit*>(QStringLiteral("LM317_E_R2"))->text(), QStringLiteral("720") + d + "00");
        QCOMPARE(s->reglerart()->knopf(1)->toolTip(), QStringLiteral("Regler als Stromstabilisator"));
        f.pageControl1()->setCurrentIndex(4);
        QTest::mouseClick(s->findChild<QToolButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
        QCOMPARE(f.pageControl1()->currentIndex(), 1);
        QCOMPARE(f.findChild<ToleranzSeite*>()->toleranz().Toleranz_R, 720.0);
        QCOMPARE(f.findChild<ToleranzSeite*>()->auswahlGruppe()->itemIndex(), 0);
    }
};

QTEST_MAIN(LM317SeiteTest)
#include "lm317seite_guitest.moc"
