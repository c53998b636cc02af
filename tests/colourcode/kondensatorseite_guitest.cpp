// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitor sub-page driven like a user: ceramic and tantalum, the ceramic tolerance classes at
// 10 pF, ring clicks, typed values, tolerances and voltages with Enter.

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "colourcode/Farbring.h"
#include "colourcode/KondensatorSeite.h"
#include "fields/Eingabefeld.h"
#include "farbcodehilfe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;
using Farben = std::vector<Farbwert>;

namespace {
QString t(const char16_t* s) { return QString::fromUtf16(s); }
const QStringList alleReihen{" E 3    -  >20%",  " E 6    -    20%",  " E 12  -    10%",
                             " E 24  -      5%", " E 48  -      2%", " E 96  -      1%"};
const char* toleranzTeile[] = {"Shape47", "C_E_T", "Label66", "Label34", "Label35", "C_Tol_max", "C_Tol_min", "Label64"};
}  // namespace

class KondensatorSeiteTest : public QObject, public test::Farbcodehilfe<KondensatorSeite> {
    Q_OBJECT

    Farben ringe() const { return {farbe("Shape44"), farbe("Shape45"), farbe("Shape46")}; }
    QStringList eReihe() const { return w<EReihenListe>("E_Reihe_C")->zeilen(); }
    void art(int i) {
        klicke("RG_Kondensatore", i);
        QCOMPARE(gruppe("RG_Kondensatore")->itemIndex(), i);
    }
    // which ceramic tolerance group is shown: true for the class of at most 10 pF
    void klasse(bool klein) {
        QVERIFY(gruppe("RG_C_T_U10")->isVisible() == klein);
        QVERIFY(gruppe("RG_C_T_O10")->isVisible() == !klein);
    }

private slots:
    void init() { aufbauen(); }
    void cleanup() { abbauen(); }

    void ersterStartZeigtKerko() {
        const Kondensator& k = m_seite->kondensator();
        QCOMPARE(k.Wert_Ker, 1e-8);
        QCOMPARE(k.Wert_Tan, 1e-5);
        QCOMPARE(k.Toleranz_U10, 1.0);
        QCOMPARE(k.Toleranz_O10, 10.0);
        QCOMPARE(k.Spannung_U10, 100.0);
        QCOMPARE(k.Spannung_O10, 100.0);
        QCOMPARE(k.Spannung_Tan, 16.0);
        QCOMPARE(gruppe("RG_Kondensatore")->itemIndex(), 0);
        QCOMPARE(text("C_E_Wert"), "10,00 nF");
        QCOMPARE(text("C_E_T"), "10 %");
        QCOMPARE(text("C_E_U"), "100,00 V");
        QCOMPARE(text("C_Tol_max"), "11,00 nF");
        QCOMPARE(text("C_Tol_min"), "9,00 nF");
        // brown black orange (10 x 1 nF), white 10 %, brown 100 V
        QCOMPARE(ringe(), (Farben{clMaroon, clBlack, Orange}));
        QCOMPARE(farbe("Shape47"), clWhite);
        QCOMPARE(farbe("Shape69"), clMaroon);
        QCOMPARE(gruppe("RG_C_M_Ker")->itemIndex(), 3);
        QCOMPARE(gruppe("RG_C_T_O10")->itemIndex(), 9);
        QCOMPARE(gruppe("RG_C_U_Ker")->itemIndex(), 1);
        QCOMPARE(eReihe(), alleReihen);
        klasse(false);
        QVERIFY(gruppe("RG_C_M_Tan")->isHidden());
        QVERIFY(gruppe("RG_C_U_Tan")->isHidden());
        QCOMPARE(gruppe("RG_C_T_O10")->x(), 291);
        QCOMPARE(gruppe("RG_C_M_Ker")->x(), 216);
        QCOMPARE(w("Panel28")->toolTip(), QStringLiteral("eckiger Kondensator (kann auch rund sein)"));
        QCOMPARE(w("Shape47")->toolTip(), QStringLiteral("Toleranzring"));
        QCOMPARE(gruppe("RG_C_T_O10")->toolTip(), QStringLiteral("Toleranz"));
        QCOMPARE(w<Ringform>("Shape47")->form(), Ringform::Form::Abgerundet);
        QCOMPARE(gruppe("RG_Kondensatore")->knopf(0)->text(), QStringLiteral("Kerko "));
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void gesperrteItems() {
        struct Fall {
            int art;
            const char* wert;  // nullptr: as it is
            const char* gruppe;
            std::vector<int> gesperrt;
        };
        const Fall faelle[] = {
            {0, nullptr, "RG_C_1", {0, 10, 11, 12}},
            {0, nullptr, "RG_C_2", {10, 11, 12}},
            {0, nullptr, "RG_C_M_Ker", {6, 7, 10, 11, 12}},
            {0, nullptr, "RG_C_T_O10", {3, 4, 6, 7, 8, 10, 11, 12}},
            {0, nullptr, "RG_C_U_Ker", {0}},
            {0, "4.7p", "RG_C_T_U10", {0, 3, 4, 6, 7, 8, 10, 11}},
            {1, nullptr, "RG_C_1", {0, 10, 11, 12}},
            {1, nullptr, "RG_C_M_Tan", {3, 4, 5, 6, 10, 11, 12}},
            {1, nullptr, "RG_C_U_Tan", {7, 10, 11, 12}},
        };
        for (const auto& f : faelle) {
            if (gruppe("RG_Kondensatore")->itemIndex() != f.art) art(f.art);
            if (f.wert) eingeben("C_E_Wert", QString::fromLatin1(f.wert));
            QVERIFY2(gruppe(f.gruppe)->isVisible(), f.gruppe);
            for (int r = 0; r < 13; ++r) {
                const bool aus = std::find(f.gesperrt.begin(), f.gesperrt.end(), r) != f.gesperrt.end();
                QVERIFY2(gruppe(f.gruppe)->knopf(r)->isEnabled() == !aus,
                         qPrintable(QStringLiteral("%1 row %2").arg(f.gruppe).arg(r)));
            }
        }
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void kleinerKerkoToleranzInPikofarad() {
        eingeben("C_E_Wert", "4.7p");
        QCOMPARE(text("C_E_Wert"), "4,70 pF");
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clWhite}));
        klasse(true);
        QCOMPARE(gruppe("RG_C_T_U10")->x(), 291);
        QCOMPARE(text("C_E_T"), "1 pF");
        QCOMPARE(farbe("Shape47"), clWhite);  // 1 pF
        QCOMPARE(text("C_Tol_max"), "5,70 pF");
        eingeben("C_E_T", "0.25");
        QCOMPARE(text("C_E_T"), "0,25 pF");
        QCOMPARE(farbe("Shape47"), clRed);
        QCOMPARE(gruppe("RG_C_T_U10")->itemIndex(), 2);
        QCOMPARE(text("C_Tol_max"), "4,95 pF");
        QCOMPARE(text("C_Tol_min"), "4,45 pF");
        QCOMPARE(m_seite->kondensator().Toleranz_U10, 0.25);
        QCOMPARE(m_seite->kondensator().Toleranz_O10, 10.0);
        // 20 % is the one percent tolerance of the class
        klicke("RG_C_T_U10", 12);
        QCOMPARE(farbe("Shape47"), Hintergrund);
        QCOMPARE(text("C_E_T"), "20 %");
        QCOMPARE(text("C_Tol_max"), "5,64 pF");
        eingeben("C_E_T", "2");
        QCOMPARE(m_meldungen->letzter(), t(u"Die eingegebene Zahl 2%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                           u"               0.1, 0.25, 0.5, 1 pF oder 20 %."));
        QCOMPARE(text("C_E_T"), "20 %");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
    }

    void klassengrenzeZehnPikofarad_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("klein");
        QTest::addColumn<QString>("toleranz");
        QTest::addColumn<Farben>("farben");
        QTest::newRow("10p") << "10p" << true << "1 pF" << Farben{clMaroon, clBlack, clBlack};
        QTest::newRow("10.004p shows 10,00") << "10.004p" << true << "1 pF" << Farben{clMaroon, clBlack, clBlack};
        QTest::newRow("10.1p") << "10.1p" << false << "10 %" << Farben{clMaroon, clBlack, clBlack};
        QTest::newRow("0.47p") << "0.47p" << true << "1 pF" << Farben{clYellow, clFuchsia, clGray};
        QTest::newRow("0.96p") << "0.96p" << true << "1 pF" << Farben{clWhite, clBlue, clGray};
        QTest::newRow("4.7n") << "4.7n" << false << "10 %" << Farben{clYellow, clFuchsia, clRed};
    }
    void klassengrenzeZehnPikofarad() {
        QFETCH(QString, eingabe);
        QFETCH(bool, klein);
        QFETCH(QString, toleranz);
        QFETCH(Farben, farben);
        // start from the other class so that the switch is seen
        eingeben("C_E_Wert", klein ? "47p" : "4.7p");
        klasse(!klein);
        eingeben("C_E_Wert", eingabe);
        klasse(klein);
        QCOMPARE(text("C_E_T"), toleranz);
        QCOMPARE(ringe(), farben);
        QCOMPARE(farbe("Shape47"), clWhite);  // 1 pF and 10 % are both white
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void multiplikatorWechseltDieKlasse() {
        eingeben("C_E_Wert", "47p");
        eingeben("C_E_T", "20");
        QCOMPARE(text("C_E_T"), "20 %");
        QCOMPARE(farbe("Shape47"), clBlack);
        eingeben("C_E_Wert", "4.7p");
        QCOMPARE(text("C_E_T"), "1 pF");
        QCOMPARE(farbe("Shape47"), clWhite);
        // white -> black: 47 x 1 pF, the layout and the tolerance follow at once
        klicke("RG_C_M_Ker", 0);
        QCOMPARE(text("C_E_Wert"), "47,00 pF");
        QCOMPARE(m_seite->kondensator().Wert_Ker, 47e-12);
        klasse(false);
        QCOMPARE(text("C_E_T"), "20 %");
        QCOMPARE(farbe("Shape47"), clBlack);
        QCOMPARE(gruppe("RG_C_T_O10")->itemIndex(), 0);
        QCOMPARE(text("C_Tol_max"), "56,40 pF");
        // and back with grey: 47 x 0,01 pF
        klicke("RG_C_M_Ker", 8);
        QCOMPARE(text("C_E_Wert"), "470,00 fF");
        klasse(true);
        QCOMPARE(text("C_E_T"), "1 pF");
        QCOMPARE(text("C_Tol_max"), "1,47 pF");
        QCOMPARE(text("C_Tol_min"), "0,00 fF");  // 1 pF below 0.47 pF stops at zero
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void ziffernringUeberZehnPikofarad() {
        eingeben("C_E_Wert", "10p");
        klasse(true);
        klicke("RG_C_2", 1);  // 11 pF
        QCOMPARE(text("C_E_Wert"), "11,00 pF");
        klasse(false);
        QCOMPARE(text("C_E_T"), "10 %");
        QCOMPARE(text("C_Tol_max"), "12,10 pF");
        klicke("RG_C_2", 0);  // 10 pF again
        klasse(true);
        QCOMPARE(text("C_Tol_max"), "11,00 pF");
        QCOMPARE(eReihe(), alleReihen);
    }

    void grosserKerkoToleranzInProzent() {
        eingeben("C_E_T", "0.5");
        QCOMPARE(m_meldungen->letzter(), t(u"Die eingegebene Zahl 0,5%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                           u"               1, 2, 5, 10 und 20 %."));
        QCOMPARE(text("C_E_T"), "10 %");
        eingeben("C_E_T", "20");
        QCOMPARE(text("C_E_T"), "20 %");
        QCOMPARE(farbe("Shape47"), clBlack);
        QCOMPARE(text("C_Tol_min"), "8,00 nF");
        klicke("RG_C_T_O10", 2);
        QCOMPARE(text("C_E_T"), "2 %");
        QCOMPARE(farbe("Shape47"), clRed);
        QCOMPARE(m_seite->kondensator().Toleranz_O10, 2.0);
        QCOMPARE(m_seite->kondensator().Toleranz_U10, 1.0);
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
    }

    void unbestaetigterWertAendertDieKlasseNicht() {
        eingeben("C_E_Wert", "4.7p");
        test::tippe(w<QLineEdit>("C_E_Wert"), "47p");  // typed, no Enter
        eingeben("C_E_T", "0.25");
        QVERIFY(m_meldungen->eintraege.empty());
        QCOMPARE(m_seite->kondensator().Toleranz_U10, 0.25);
        QCOMPARE(text("C_E_T"), "0,25 pF");
        QCOMPARE(farbe("Shape47"), clRed);
        QCOMPARE(m_seite->kondensator().Wert_Ker, 4.7e-12);
    }

    void kerkoSpannung() {
        eingeben("C_E_U", "500");
        QCOMPARE(text("C_E_U"), "500,00 V");
        QCOMPARE(farbe("Shape69"), clGreen);
        QCOMPARE(gruppe("RG_C_U_Ker")->itemIndex(), 5);
        klicke("RG_C_U_Ker", 12);
        QCOMPARE(farbe("Shape69"), Hintergrund);
        QCOMPARE(m_seite->kondensator().Spannung_U10, 500.0);
        eingeben("C_E_U", "450");
        QCOMPARE(m_meldungen->letzter(), t(u"Die eingegebene Zahl 450 V  ist außerhalb der möglichen Spannungswerte\r\r"
                                           u" 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000 V"));
        QCOMPARE(text("C_E_U"), "500,00 V");
        klicke("RG_C_U_Ker", 10);
        QCOMPARE(text("C_E_U"), "2,00 kV");
        QCOMPARE(farbe("Shape69"), clSilver);
        // one voltage for both classes
        eingeben("C_E_Wert", "4.7p");
        QCOMPARE(text("C_E_U"), "2,00 kV");
        eingeben("C_E_U", "1000");
        QCOMPARE(farbe("Shape69"), Gold);
        QCOMPARE(m_seite->kondensator().Spannung_U10, 1000.0);
        QCOMPARE(m_seite->kondensator().Spannung_O10, 1000.0);
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
    }

    void tantalOhneToleranz() {
        const int tolPlatz = w("Shape47")->x();
        const int tolMarke = w("Label64")->geometry().center().x();
        art(1);
        for (const char* n : toleranzTeile) QVERIFY2(w(n)->isHidden(), n);
        for (const char* n : {"RG_C_M_Ker", "RG_C_T_U10", "RG_C_T_O10", "RG_C_U_Ker"}) QVERIFY2(w(n)->isHidden(), n);
        QCOMPARE(gruppe("RG_C_M_Tan")->x(), 216);
        QCOMPARE(gruppe("RG_C_U_Tan")->x(), 298);
        QVERIFY(gruppe("RG_C_M_Tan")->geometry().right() < 298);
        // the voltage ring and "U" stand where the tolerance ring was
        QCOMPARE(w("Shape69")->x(), tolPlatz);
        QVERIFY(std::abs(w("Label65")->geometry().center().x() - tolMarke) <= 1);
        // 10 uF, 16 V
        QCOMPARE(text("C_E_Wert"), t(u"10,00 \u00B5F"));
        QCOMPARE(text("C_E_U"), "16,00 V");
        QCOMPARE(ringe(), (Farben{clMaroon, clBlack, clBlack}));
        QCOMPARE(farbe("Shape69"), clGreen);

        eingeben("C_E_Wert", t(u"0.47\u00B5"));
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clGray}));
        eingeben("C_E_Wert", t(u"0.047\u00B5"));
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clFuchsia}));  // violet x 0,001 uF
        QCOMPARE(gruppe("RG_C_M_Tan")->itemIndex(), 7);
        eingeben("C_E_Wert", t(u"47\u00B5"));
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clBlack}));
        klicke("RG_C_M_Tan", 9);  // white: 47 x 0,1 uF
        QCOMPARE(text("C_E_Wert"), t(u"4,70 \u00B5F"));
        klicke("RG_C_1", 2);
        QCOMPARE(text("C_E_Wert"), t(u"2,70 \u00B5F"));
        QCOMPARE(eReihe(), (QStringList{" E 12  -    10%", " E 24  -      5%"}));
        QCOMPARE(m_seite->kondensator().Wert_Tan, 2.7e-6);
        QCOMPARE(m_seite->kondensator().Wert_Ker, 1e-8);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void tantalSpannung() {
        art(1);
        const std::pair<const char*, Farbwert> faelle[] = {{"6.3", clYellow}, {"35", clRed},   {"1.5", clMaroon},
                                                           {"10", clBlack},  {"25", clGray},  {"3", clWhite}};
        for (auto [eingabe, f] : faelle) {
            eingeben("C_E_U", QString::fromLatin1(eingabe));
            QCOMPARE(farbe("Shape69"), f);
        }
        QCOMPARE(text("C_E_U"), "3,00 V");
        eingeben("C_E_U", "6.3");
        QCOMPARE(text("C_E_U"), "6,30 V");
        QCOMPARE(m_seite->kondensator().Spannung_Tan, 6.3);
        eingeben("C_E_U", "100");
        QCOMPARE(m_meldungen->letzter(), t(u"Die eingegebene Zahl 100 V  ist außerhalb der möglichen Spannungswerte\r\r"
                                           u" 1.5, 3, 6.3, 10, 16, 20, 25, 35 V"));
        QCOMPARE(text("C_E_U"), "6,30 V");
        // the orange item is another 35 V
        klicke("RG_C_U_Tan", 3);
        QCOMPARE(farbe("Shape69"), Orange);
        QCOMPARE(text("C_E_U"), "35,00 V");
        QCOMPARE(m_seite->kondensator().Spannung_Tan, 35.0);
        QCOMPARE(m_seite->kondensator().Spannung_U10, 100.0);
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
    }

    void umschaltenBehaeltJedeArt() {
        eingeben("C_E_Wert", "4.7n");
        QCOMPARE(eReihe(), alleReihen.mid(0, 4));
        eingeben("C_E_T", "5");
        eingeben("C_E_U", "300");
        art(1);
        eingeben("C_E_Wert", t(u"4.7\u00B5"));
        eingeben("C_E_U", "25");
        art(0);
        QCOMPARE(text("C_E_Wert"), "4,70 nF");
        QCOMPARE(text("C_E_T"), "5 %");
        QCOMPARE(text("C_E_U"), "300,00 V");
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clRed}));
        QCOMPARE(farbe("Shape47"), clGreen);
        QCOMPARE(farbe("Shape69"), Orange);
        QCOMPARE(text("C_Tol_max"), "4,94 nF");
        for (const char* n : toleranzTeile) QVERIFY2(w(n)->isVisible(), n);
        QVERIFY(w("Shape69")->x() > w("Shape47")->x());
        art(1);
        QCOMPARE(text("C_E_Wert"), t(u"4,70 \u00B5F"));
        QCOMPARE(text("C_E_U"), "25,00 V");
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clWhite}));
        QCOMPARE(farbe("Shape69"), clGray);
        const Kondensator& k = m_seite->kondensator();
        QCOMPARE(k.Wert_Ker, 4.7e-9);
        QCOMPARE(k.Wert_Tan, 4.7e-6);
        QCOMPARE(k.Toleranz_O10, 5.0);
        QCOMPARE(k.Spannung_U10, 300.0);
        QCOMPARE(k.Spannung_Tan, 25.0);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void falscheWerteWerdenAbgewiesen() {
        eingeben("C_E_Wert", "x");
        QCOMPARE(m_meldungen->letzter(), QStringLiteral("Die eingegebene Zahl x  ist keine Gleitkommazahl !"));
        eingeben("C_E_Wert", "20");
        QCOMPARE(m_meldungen->letzter(), t(u"Die Eingabe 20  ist außerhalb\r\rdes gültigen Wertebereiches: 10fF bis 10F"));
        QCOMPARE(text("C_E_Wert"), "10,00 nF");
        QCOMPARE(m_seite->kondensator().Wert_Ker, 1e-8);
        eingeben("C_E_T", "abc");
        QCOMPARE(text("C_E_T"), "10 %");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(3));
    }
};

QTEST_MAIN(KondensatorSeiteTest)
#include "kondensatorseite_guitest.moc"
