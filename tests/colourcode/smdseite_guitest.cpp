// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The SMD-code sub-page driven like a user: codes typed and confirmed with Enter in every system, values
// typed to get their codes, capacitor tolerance and voltage, refused entries, the transfer to the
// tolerance page and the page's stored state.

#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "colourcode/Farbring.h"
#include "colourcode/SmdBild.h"
#include "colourcode/SmdSeite.h"
#include "fields/Radiogruppe.h"
#include "fields/Uebergabeknopf.h"
#include "platform/Plattform.h"
#include "storage/einstellungen.h"
#include "storage/inidokument.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

QString t(const char16_t* s) { return QString::fromUtf16(s); }

struct Aufbau : test::Seitenaufbau<SmdSeite> {
    using Seitenaufbau::Seitenaufbau;
    // a user's click on item i of RG_SMD
    void system(int i) {
        QRadioButton* k = seite->auswahl()->knopf(i);
        QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(6, k->height() / 2));
        QCOMPARE(seite->auswahl()->itemIndex(), i);
    }
    QStringList codes() const { return seite->findChild<EReihenListe*>(QStringLiteral("SMD_L_Codes"))->zeilen(); }
    QStringList eReihe() const { return seite->findChild<EReihenListe*>(QStringLiteral("E_Reihe_SMD"))->zeilen(); }
    SmdBild* bild() const { return seite->findChild<SmdBild*>(QStringLiteral("SMD_I_Bauteil")); }
    bool aktiv(const char* name) const { return w(name)->isEnabled(); }
};

}  // namespace

class SmdSeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStart_data() { test::trennerZeilen(); }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        Aufbau a(dezimal);
        const auto d = [&](const char16_t* s) { return t(s).replace(u',', dezimal); };
        QCOMPARE(a.seite->auswahl()->itemIndex(), 0);
        QCOMPARE(a.seite->auswahl()->knopf(3)->text(), QStringLiteral("Kondensator"));
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("472"));
        QCOMPARE(a.text("SMD_E_Wert"), d(u"4,70 k\u2126"));
        QCOMPARE(a.codes(), (QStringList{t(u"3-stellig: 472"), d(u"4-stellig: 4701"),
                                         d(u"EIA-96: nicht darstellbar (darunter 65B = 4,64 k\u2126") +
                                             t(u", darüber 66B = ") + d(u"4,75 k\u2126)")}));
        QCOMPARE(a.eReihe(), (QStringList{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%"}));
        // a resistor code carries no tolerance and no voltage
        QCOMPARE(a.text("SMD_E_T"), QString());
        QCOMPARE(a.text("SMD_E_U"), QString());
        QVERIFY(!a.aktiv("SMD_E_T"));
        QVERIFY(!a.aktiv("SMD_E_U"));
        QCOMPARE(a.text("SMD_Tol_max"), QString());
        QCOMPARE(a.bild()->aufdruck(), QStringLiteral("472"));
        QVERIFY(!a.bild()->istKondensator());
        // the hint writes numbers with the separator, its sentence keeps its commas
        QCOMPARE(a.text("SMD_L_Hinweis"), d(u"Zwei Ziffern und die Zahl der Nullen") + t(u", R = Komma:\n") +
                                              d(u"472 = 4,7 k\u2126   4R7 = 4,7 \u2126   000 = Brücke"));
        QVERIFY(a.meldungen().isEmpty());
    }

    // A code read off a part, in each system: its normal form, the value and what else it says.
    void codeLesen_data() {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("toleranz");
        QTest::addColumn<QString>("spannung");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("aufdruck");
        QTest::newRow("4R7") << 0 << "4r7" << "4R7" << t(u"4,70 \u2126") << "" << "" << "" << "4R7";
        QTest::newRow("000") << 0 << "000" << "000" << t(u"0,00 \u2126") << "" << "" << "" << "000";
        QTest::newRow("4702") << 1 << "4702" << "4702" << t(u"47,00 k\u2126") << "" << "" << "" << "4702";
        QTest::newRow("0R10") << 1 << "0r10" << "0R10" << t(u"100,00 m\u2126") << "" << "" << "" << "0R10";
        QTest::newRow("01C") << 2 << "01c" << "01C" << t(u"10,00 k\u2126") << t(u"±1 %") << "" << t(u"10,10 k\u2126")
                             << "01C";
        QTest::newRow("68X") << 2 << "68X" << "68X" << t(u"49,90 \u2126") << t(u"±1 %") << "" << t(u"50,40  \u2126")
                             << "68X";
        QTest::newRow("104J") << 3 << "104j" << "104J" << t(u"100,00 nF") << t(u"±5 % (J)") << "" << t(u"105,00 nF")
                              << "104J";
        QTest::newRow("2A104K") << 3 << "104K 2a" << "2A104K" << t(u"100,00 nF") << t(u"±10 % (K)")
                                << t(u"100,00 V (2A)") << t(u"110,00 nF") << "104K\n2A";
        QTest::newRow("4R7 ohne") << 3 << "4R7" << "4R7" << t(u"4,70 pF") << "" << "" << "" << "4R7";
    }
    void codeLesen() {
        QFETCH(int, system);
        QFETCH(QString, eingabe);
        Aufbau a;
        if (system != 0) a.system(system);
        a.eingeben("SMD_E_Code", eingabe);
        QVERIFY2(a.meldungen().isEmpty(), qPrintable(a.meldungen().join(u'|')));
        QTEST(a.text("SMD_E_Code"), "code");
        QTEST(a.text("SMD_E_Wert"), "wert");
        QTEST(a.text("SMD_E_T"), "toleranz");
        QTEST(a.text("SMD_E_U"), "spannung");
        QTEST(a.text("SMD_Tol_max"), "max");
        QTEST(a.bild()->aufdruck(), "aufdruck");
        QCOMPARE(a.bild()->istKondensator(), system == 3);
        // the list names the code of the value in its own system
        QFETCH(QString, code);
        QVERIFY2(a.codes().join(u'|').contains(code) || system == 0 || system == 1,
                 qPrintable(a.codes().join(u'|')));
    }

    // A bad code: the message names what is wrong; the field returns to its text, nothing changes.
    void falscherCode_data() {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Nummer über 96") << 2 << "97A" << t(u"Die Nummer 97 ist größer als 96");
        QTest::newRow("Multiplikator") << 2 << "01Q" << t(u"Der Buchstabe Q ist kein Multiplikator");
        QTest::newRow("zu viele Ziffern") << 0 << "4702" << t(u"Der Code 4702 hat zu viele Ziffern");
        QTest::newRow("EIA-96 als 3-stellig") << 0 << "01C" << t(u"Ist 01C vielleicht ein EIA-96-Code?");
        QTest::newRow("Toleranzbuchstabe") << 3 << "104X" << t(u"Der Buchstabe X ist kein Toleranzbuchstabe");
        QTest::newRow("Spannungscode") << 3 << "3A104" << t(u"Der Spannungscode 3A ist unbekannt");
        QTest::newRow("leer") << 1 << "" << t(u"Bitte den Code eingeben");
    }
    void falscherCode() {
        QFETCH(int, system);
        QFETCH(QString, eingabe);
        QFETCH(QString, meldung);
        Aufbau a;
        if (system != 0) a.system(system);
        const QString code = a.text("SMD_E_Code"), wert = a.text("SMD_E_Wert"), liste = a.codes().join(u'|');
        a.eingeben("SMD_E_Code", eingabe);
        QCOMPARE(a.rec.eintraege.size(), size_t(1));
        QCOMPARE(a.rec.eintraege[0].art, Meldungen::Art::Fehler);
        QVERIFY2(a.rec.letzter().contains(meldung), qPrintable(a.rec.letzter()));
        QCOMPARE(a.text("SMD_E_Code"), code);
        QCOMPARE(a.text("SMD_E_Wert"), wert);
        QCOMPARE(a.codes().join(u'|'), liste);
        QVERIFY(a.feld(QStringLiteral("SMD_E_Code"))->hasFocus());
    }

    // A typed value: every system's code or the nearest ones; switching the system keeps the value.
    void wertZuCode() {
        Aufbau a;
        a.eingeben("SMD_E_Wert", QStringLiteral("4.75k"));
        QCOMPARE(a.text("SMD_E_Wert"), t(u"4,75 k\u2126"));
        QCOMPARE(a.codes(), (QStringList{t(u"3-stellig: nicht darstellbar (darunter 472 = 4,70 k\u2126, darüber 482 = "
                                           u"4,80 k\u2126)"),
                                         t(u"4-stellig: 4751"), t(u"EIA-96: 66B")}));
        // no 3-digit code: an empty code field, a chip without print and a hint
        QCOMPARE(a.text("SMD_E_Code"), QString());
        QCOMPARE(a.bild()->aufdruck(), QString());
        QVERIFY(a.text("SMD_L_Hinweis").contains(QStringLiteral("keinen 3-stelligen Code")));
        QCOMPARE(a.eReihe(), QStringList{" E 96  -    1%"});
        a.system(1);
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("4751"));
        QCOMPARE(a.text("SMD_E_Wert"), t(u"4,75 k\u2126"));
        a.system(2);
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("66B"));
        QCOMPARE(a.text("SMD_Tol_min"), t(u"4,70 k\u2126"));
        QCOMPARE(a.bild()->aufdruck(), QStringLiteral("66B"));
        // the capacitor keeps its own value
        a.system(3);
        QCOMPARE(a.text("SMD_E_Wert"), t(u"100,00 nF"));
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("1H104K"));
        a.eingeben("SMD_E_Wert", QStringLiteral("4,75n"));
        QCOMPARE(a.codes(),
                 QStringList{t(u"Kondensator: nicht darstellbar (darunter 472 = 4,70 nF, darüber 482 = 4,80 nF)")});
        a.eingeben("SMD_E_Wert", QStringLiteral("2,2n"));
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("1H222K"));
        // and the resistor its own
        a.system(0);
        QCOMPARE(a.text("SMD_E_Wert"), t(u"4,75 k\u2126"));
        QCOMPARE(a.text("SMD_E_Code"), QString());
        QVERIFY(a.meldungen().isEmpty());
    }

    void wertAusserhalb() {
        Aufbau a;
        a.eingeben("SMD_E_Wert", QStringLiteral("-1"));
        QCOMPARE(a.rec.letzter(), t(u"Die Eingabe -1  ist außerhalb\r\rdes gültigen Wertebereiches: 0\u2126 bis 1T\u2126"));
        QCOMPARE(a.text("SMD_E_Wert"), t(u"4,70 k\u2126"));
        a.eingeben("SMD_E_Wert", QStringLiteral("abc"));
        QCOMPARE(a.rec.letzter(), t(u"Die eingegebene Zahl abc  ist keine Gleitkommazahl !"));
        a.system(3);
        a.eingeben("SMD_E_Wert", QStringLiteral("20"));
        QCOMPARE(a.rec.letzter(), t(u"Die Eingabe 20  ist außerhalb\r\rdes gültigen Wertebereiches: 10fF bis 10F"));
        QCOMPARE(a.text("SMD_E_Wert"), t(u"100,00 nF"));
        QCOMPARE(a.rec.eintraege.size(), size_t(3));
    }

    // Tolerance and voltage of a capacitor, typed as letter, code or value.
    void kondensatorToleranzUndSpannung() {
        Aufbau a;
        a.system(3);
        QVERIFY(a.aktiv("SMD_E_T"));
        QCOMPARE(a.text("SMD_E_T"), t(u"±10 % (K)"));
        QCOMPARE(a.text("SMD_E_U"), t(u"50,00 V (1H)"));
        a.eingeben("SMD_E_T", QStringLiteral("j"));
        QCOMPARE(a.text("SMD_E_T"), t(u"±5 % (J)"));
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("1H104J"));
        QCOMPARE(a.text("SMD_Tol_min"), t(u"95,00 nF"));
        a.eingeben("SMD_E_U", QStringLiteral("100 V"));
        QCOMPARE(a.text("SMD_E_U"), t(u"100,00 V (2A)"));
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("2A104J"));
        QCOMPARE(a.bild()->aufdruck(), QStringLiteral("104J\n2A"));
        QCOMPARE(a.codes(), QStringList{QStringLiteral("Kondensator: 2A104J")});
        a.eingeben("SMD_E_T", QStringLiteral("80"));
        QCOMPARE(a.text("SMD_E_T"), t(u"+80/−20 % (Z)"));
        QCOMPARE(a.text("SMD_Tol_max"), t(u"180,00 nF"));
        QCOMPARE(a.text("SMD_Tol_min"), t(u"80,00 nF"));
        QVERIFY(a.meldungen().isEmpty());
        // refused: a tolerance without letter, a picofarad letter on 100 nF, a voltage without code
        a.eingeben("SMD_E_T", QStringLiteral("7 %"));
        QVERIFY(a.rec.letzter().startsWith(QStringLiteral("Die Toleranz 7 % hat keinen Kennbuchstaben.")));
        a.eingeben("SMD_E_T", QStringLiteral("0,25p"));
        QVERIFY(a.rec.letzter().contains(QStringLiteral("gilt nur für Kondensatoren bis 10 pF")));
        a.eingeben("SMD_E_U", QStringLiteral("42"));
        QVERIFY(a.rec.letzter().startsWith(QStringLiteral("Die Spannung 42 hat keinen EIA-Spannungscode.")));
        QCOMPARE(a.rec.eintraege.size(), size_t(3));
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("2A104Z"));
        // cleared: the code without letter and voltage, no limits
        a.eingeben("SMD_E_T", QString());
        a.eingeben("SMD_E_U", QString());
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("104"));
        QCOMPARE(a.text("SMD_Tol_max"), QString());
        // a code read replaces tolerance and voltage by what it says
        a.eingeben("SMD_E_Code", QStringLiteral("0R5C"));
        QCOMPARE(a.text("SMD_E_T"), t(u"±0,25 pF (C)"));
        QCOMPARE(a.text("SMD_E_U"), QString());
        QCOMPARE(a.text("SMD_Tol_max"), t(u"750,00 fF"));
        // a larger value drops the picofarad tolerance
        a.eingeben("SMD_E_Wert", QStringLiteral("1n"));
        QCOMPARE(a.text("SMD_E_T"), QString());
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("102"));
    }

    void uebergabe() {
        Aufbau a;
        auto* knopf = a.seite->findChild<Uebergabeknopf*>(QStringLiteral("BitBtn7"));
        QVERIFY(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(a.uebergeben, std::vector<double>{4700});
        a.eingeben("SMD_E_Code", QStringLiteral("0"));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(a.uebergeben.size(), size_t(1));  // the zero-ohm bridge is no value for the tolerance page
        a.system(3);
        QVERIFY(!knopf->isEnabled());
    }

    // What the page stores comes back after a restart; stored nonsense gives the first-start values.
    void zustand() {
        SmdZustand z;
        {
            Aufbau a;
            a.system(0);
            a.eingeben("SMD_E_Code", QStringLiteral("47r"));
            a.system(3);
            a.eingeben("SMD_E_Code", QStringLiteral("2G473M"));
            a.system(0);
            z = a.seite->zustand();
        }
        QCOMPARE(z.system, 0);
        QCOMPARE(z.wertR, 47.0);
        QCOMPARE(z.wertC, 47e-9);
        QCOMPARE(z.toleranz, QStringLiteral("M"));
        QCOMPARE(z.spannung, QStringLiteral("2G"));
        QCOMPARE(z.code, QStringLiteral("470"));
        z.code = QStringLiteral("47R");
        Aufbau b;
        b.seite->setzeZustand(z);
        QCOMPARE(b.text("SMD_E_Code"), QStringLiteral("47R"));
        QCOMPARE(b.text("SMD_E_Wert"), t(u"47,00 \u2126"));
        b.system(3);
        QCOMPARE(b.text("SMD_E_Code"), QStringLiteral("2G473M"));
        QCOMPARE(b.text("SMD_E_U"), t(u"400,00 V (2G)"));

        const SmdZustand unsinn{7, -3, 1e9, QStringLiteral("Q"), QStringLiteral("9X"), QStringLiteral("abc")};
        Aufbau c;
        c.seite->setzeZustand(unsinn);
        QCOMPARE(c.seite->auswahl()->itemIndex(), 0);
        QCOMPARE(c.text("SMD_E_Code"), QStringLiteral("472"));
        c.system(3);
        QCOMPARE(c.text("SMD_E_Code"), QStringLiteral("104"));
        QVERIFY(c.meldungen().isEmpty());
    }

    // The page's own section of the settings file: written, read back by another page, with the
    // separator of the file; missing keys give the first-start values, broken ones are named.
    void einstellungen_data() { test::trennerZeilen(); }
    void einstellungen() {
        QFETCH(QChar, dezimal);
        IniDokument d;
        {
            Aufbau a(dezimal);
            a.system(1);
            a.eingeben("SMD_E_Wert", QStringLiteral("4.75k"));
            a.system(3);
            a.eingeben("SMD_E_Code", QStringLiteral("2e222m"));
            IniSchreiber s(d, dezimal);
            a.seite->speichern(s);
        }
        QCOMPARE(d.lies(QStringLiteral("SMD-Code"), QStringLiteral("Auswahl")), QStringLiteral("3"));
        QCOMPARE(d.lies(QStringLiteral("SMD-Code"), QStringLiteral("Widerstand")), QStringLiteral("4750"));
        QCOMPARE(d.lies(QStringLiteral("SMD-Code"), QStringLiteral("Kondensator")),
                 QStringLiteral("2,2E-9").replace(u',', dezimal));
        QCOMPARE(d.lies(QStringLiteral("SMD-Code"), QStringLiteral("Code")), QStringLiteral("2E222M"));
        // read on a system with the other separator
        d.schreibe(QStringLiteral("Dezimalseparator"), QStringLiteral("Dezimals"), QString(dezimal));
        const QChar anderer = dezimal == u',' ? u'.' : u',';
        Aufbau b(anderer);
        IniLeser l(d, anderer);
        b.seite->laden(l);
        QVERIFY(l.unlesbar().isEmpty());
        QCOMPARE(b.seite->auswahl()->itemIndex(), 3);
        QCOMPARE(b.text("SMD_E_Code"), QStringLiteral("2E222M"));
        QCOMPARE(b.text("SMD_E_Wert"), QStringLiteral("2") + anderer + QStringLiteral("20 nF"));
        QCOMPARE(b.text("SMD_E_U"), QStringLiteral("250") + anderer + QStringLiteral("00 V (2E)"));
        QCOMPARE(b.bild()->aufdruck(), QStringLiteral("222M\n2E"));
        b.system(1);
        QCOMPARE(b.text("SMD_E_Code"), QStringLiteral("4751"));

        // a file of an older version without the section: the first-start values
        IniDokument alt;
        IniLeser leer(alt, dezimal);
        Aufbau c(dezimal);
        c.system(2);
        c.seite->laden(leer);
        QCOMPARE(c.seite->auswahl()->itemIndex(), 0);
        QCOMPARE(c.text("SMD_E_Code"), QStringLiteral("472"));
        c.system(3);
        QCOMPARE(c.text("SMD_E_Code"), QStringLiteral("1H104K"));

        // values outside the page's limits take the defaults and are named
        IniDokument kaputt;
        kaputt.schreibe(QStringLiteral("SMD-Code"), QStringLiteral("Widerstand"), QStringLiteral("-5"));
        kaputt.schreibe(QStringLiteral("SMD-Code"), QStringLiteral("Kondensator"), QStringLiteral("abc"));
        kaputt.schreibe(QStringLiteral("SMD-Code"), QStringLiteral("Auswahl"), QStringLiteral("9"));
        IniLeser k(kaputt, dezimal);
        Aufbau e(dezimal);
        e.seite->laden(k);
        QCOMPARE(k.unlesbar().size(), 3);
        QCOMPARE(e.text("SMD_E_Code"), QStringLiteral("472"));
        QVERIFY(e.meldungen().isEmpty());
    }

    // Keys only: arrows and space choose the system, Tab leads on to the code and the value.
    void tastatur() {
        Aufbau a;
        a.seite->auswahl()->knopf(0)->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(a.seite->auswahl()->itemIndex(), 3);
        QCOMPARE(a.text("SMD_E_Code"), QStringLiteral("1H104K"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("SMD_E_Code"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2a473k"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(a.text("SMD_E_Wert"), t(u"47,00 nF"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("SMD_E_Wert"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("SMD_E_T"));
        QVERIFY(a.meldungen().isEmpty());
    }

    // Through the real window: the sub-page and its code survive closing and starting again; F1 on it
    // asks for its help topic.
    void neustartImFenster() {
        QTemporaryDir ordner;
        plattform::setzeDatenOrdner(ordner.path());
        test::MeldungsRecorder rec;
        {
            Hauptfenster f;
            f.show();
            f.pageControl1()->setCurrentIndex(0);
            f.pageControl2()->setCurrentIndex(3);
            QCOMPARE(f.hilfeKontext(), 190);
            auto* seite = f.findChild<SmdSeite*>();
            QVERIFY(seite);
            seite->auswahl()->setItemIndex(2);
            test::tippeUndEnter(f.findChild<QLineEdit*>(QStringLiteral("SMD_E_Code")), QStringLiteral("68x"));
            f.close();
        }
        Hauptfenster f;
        f.show();
        QCOMPARE(f.pageControl1()->currentIndex(), 0);
        QCOMPARE(f.pageControl2()->currentIndex(), 3);
        QCOMPARE(f.findChild<SmdSeite*>()->auswahl()->itemIndex(), 2);
        QCOMPARE(f.findChild<QLineEdit*>(QStringLiteral("SMD_E_Code"))->text(), QStringLiteral("68X"));
        QCOMPARE(f.findChild<QLineEdit*>(QStringLiteral("SMD_E_Wert"))->text(),
                 t(u"49,90 \u2126").replace(u',', f.umgebung().dezimal));
        // only the message about the help file missing beside the test program
        QVERIFY(rec.eintraege.size() <= 2);
        for (const auto& e : rec.eintraege) QVERIFY2(e.text.contains(QStringLiteral("Hilfe-Datei")), qPrintable(e.text));
    }
};

QTEST_MAIN(SmdSeiteTest)
#include "smdseite_guitest.moc"
