// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor sub-page driven like a user: clicking ring items, typing values and pressing Enter.

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "colourcode/Farbring.h"
#include "colourcode/WiderstandSeite.h"
#include "fields/Eingabefeld.h"
#include "farbcodehilfe.h"
#include "support/GuiTestFixture.h"
#include "values/zahlen.h"

using namespace zelmo;

namespace {
const QString Ohm = QString(QChar(0x2126));
QString t(const char16_t* s) { return QString::fromUtf16(s); }
}  // namespace

class WiderstandSeiteTest : public QObject, public test::Farbcodehilfe<WiderstandSeite> {
    Q_OBJECT

    QStringList eReihe() const { return w<EReihenListe>("E_Reihe_R")->zeilen(); }

    void ringzahl(int i) {
        klicke("RG_Widerstand", i);
        QCOMPARE(gruppe("RG_Widerstand")->itemIndex(), i);
    }
    std::vector<Farbwert> ringe(bool fuenf) const {
        if (fuenf) return {farbe("Shape1"), farbe("Shape2"), farbe("Shape3"), farbe("Shape4")};
        return {farbe("Shape1"), farbe("Shape2"), farbe("Shape4")};
    }

private slots:
    void init() { aufbauen(); }
    void cleanup() { abbauen(); }

    void ersterStartZeigtVierRinge() {
        const Widerstand& r = m_seite->widerstand();
        QCOMPARE(r.Wert_4R, 39000.0);
        QCOMPARE(r.Wert_5R, 47000.0);
        QCOMPARE(r.Toleranz_4R, 5.0);
        QCOMPARE(r.Spannung_5R, 100.0);
        QCOMPARE(text("R_E_Wert"), t(u"39,00 k\u2126"));
        QCOMPARE(text("R_E_T"), QStringLiteral("5%"));
        QCOMPARE(text("R_E_U"), QStringLiteral("100,00 V"));
        QCOMPARE(text("R_Tol_max"), t(u"40,95 k\u2126"));
        QCOMPARE(text("R_Tol_min"), t(u"37,05 k\u2126"));
        // orange, white, orange; gold tolerance; black voltage
        QCOMPARE(ringe(false), (std::vector<Farbwert>{Orange, clWhite, Orange}));
        QCOMPARE(farbe("Shape19"), Gold);
        QCOMPARE(farbe("Shape20"), clBlack);
        QCOMPARE(gruppe("RG_R_1")->itemIndex(), 3);
        QCOMPARE(gruppe("RG_R_2")->itemIndex(), 9);
        QCOMPARE(gruppe("RG_R_M")->itemIndex(), 3);
        QCOMPARE(gruppe("RG_R_T")->itemIndex(), 11);
        QCOMPARE(gruppe("RG_R_U")->itemIndex(), 0);
        QCOMPARE(eReihe(), (QStringList{" E 12  -  10%", " E 24  -    5%"}));
        // 4 rings: no third digit, multiplier group right of the second digit
        QVERIFY(w("Shape3")->isHidden());
        QVERIFY(gruppe("RG_R_3")->isHidden());
        QVERIFY(w("Label82")->isHidden());
        QCOMPARE(gruppe("RG_R_M")->x(), 216);
        QCOMPARE(gruppe("RG_R_T")->x(), 291);
        QCOMPARE(gruppe("RG_R_U")->x(), 366);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void gesperrteUndLeereItems() {
        struct Fall {
            const char* gruppe;
            std::vector<int> gesperrt;
        };
        const Fall faelle[] = {{"RG_R_1", {0, 10, 11, 12}},
                               {"RG_R_2", {10, 11, 12}},
                               {"RG_R_M", {12}},
                               {"RG_R_T", {0, 3, 4, 8, 9, 12}},
                               {"RG_R_U", {9}}};
        for (const auto& f : faelle)
            for (int r = 0; r < 13; ++r) {
                const bool aus = std::find(f.gesperrt.begin(), f.gesperrt.end(), r) != f.gesperrt.end();
                QVERIFY2(gruppe(f.gruppe)->knopf(r)->isEnabled() == !aus, qPrintable(QStringLiteral("%1 row %2").arg(f.gruppe).arg(r)));
            }
        // a disabled item cannot be chosen: nothing changes
        klicke("RG_R_1", 0);
        QCOMPARE(gruppe("RG_R_1")->itemIndex(), 3);
        QCOMPARE(text("R_E_Wert"), t(u"39,00 k\u2126"));
        QCOMPARE(gruppe("RG_R_2")->knopf(5)->text(), QStringLiteral("5"));
        QCOMPARE(gruppe("RG_R_M")->knopf(6)->text(), QStringLiteral("x 1 M"));
        QCOMPARE(gruppe("RG_R_U")->knopf(12)->text(), QStringLiteral("500V"));
        QCOMPARE(gruppe("RG_R_T")->title(), QStringLiteral(" Toleranz "));
        QCOMPARE(gruppe("RG_Widerstand")->toolTip(), QStringLiteral("Auswahl 4 oder 5 Ringcode"));
        QCOMPARE(gruppe("RG_R_1")->toolTip(), QStringLiteral("Wert Farbring"));
        QCOMPARE(feld("R_E_U")->toolTip(), t(u"Eingabe der maximal zulässigen Spannung"));
    }

    void wertSetztRinge_data() {
        QTest::addColumn<int>("ringzahl");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<std::vector<Farbwert>>("farben");
        QTest::addColumn<QStringList>("reihen");
        // the multiplier of 0.047 stays as it was (orange from 39k with 4 rings, red from 47k with 5)
        QTest::newRow("4.7k") << 0 << "4.7k" << t(u"4,70 k\u2126") << std::vector<Farbwert>{clYellow, clFuchsia, clRed}
                              << QStringList{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%"};
        QTest::newRow("36.5k") << 1 << "36.5k" << t(u"36,50 k\u2126")
                               << std::vector<Farbwert>{Orange, clBlue, clGreen, clRed}
                               << QStringList{" E 48  -    2%", " E 96  -    1%"};
        QTest::newRow("0.47") << 0 << "0.47" << t(u"470,00 m\u2126")
                              << std::vector<Farbwert>{clYellow, clFuchsia, clSilver}
                              << QStringList{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%"};
        QTest::newRow("0.047") << 0 << "0.047" << t(u"47,00 m\u2126")
                               << std::vector<Farbwert>{clYellow, clFuchsia, Orange}
                               << QStringList{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%"};
        QTest::newRow("129") << 0 << "129" << t(u"129,00 \u2126") << std::vector<Farbwert>{clMaroon, clRed, clMaroon}
                             << QStringList{keineEReihe.split(u'\r')};
        QTest::newRow("100.004") << 0 << "100.004" << t(u"100,00 \u2126")
                                 << std::vector<Farbwert>{clMaroon, clBlack, clMaroon}
                                 << QStringList{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%",
                                                " E 48  -    2%", " E 96  -    1%"};
        QTest::newRow("12") << 0 << "12" << t(u"12,00 \u2126") << std::vector<Farbwert>{clMaroon, clRed, clBlack}
                            << QStringList{" E 12  -  10%", " E 24  -    5%"};
        QTest::newRow("13") << 0 << "13" << t(u"13,00 \u2126") << std::vector<Farbwert>{clMaroon, Orange, clBlack}
                            << QStringList{" E 24  -    5%", " E 96  -    1%"};
        QTest::newRow("17") << 1 << "17" << t(u"17,00 \u2126") << std::vector<Farbwert>{clMaroon, clFuchsia, clBlack, Gold}
                            << QStringList{"    Wert ist in", "    k e i n e r", "    E-Reihe", "    enthalten"};
    }
    void wertSetztRinge() {
        QFETCH(int, ringzahl);
        QFETCH(QString, eingabe);
        QFETCH(QString, anzeige);
        QFETCH(std::vector<Farbwert>, farben);
        QFETCH(QStringList, reihen);
        if (ringzahl == 1) this->ringzahl(1);
        eingeben("R_E_Wert", eingabe);
        QVERIFY(m_meldungen->eintraege.empty());
        QCOMPARE(text("R_E_Wert"), anzeige);
        QCOMPARE(ringe(ringzahl == 1), farben);
        QCOMPARE(eReihe(), reihen);
        // setting the rings never feeds back into the value
        const double gespeichert = ringzahl == 1 ? m_seite->widerstand().Wert_5R : m_seite->widerstand().Wert_4R;
        QCOMPARE(gespeichert, *Zahleneingabe(QString(eingabe).replace(u'.', u','), u','));
    }

    void grenzenMitToleranz() {
        eingeben("R_E_Wert", "4.7k");
        klicke("RG_R_T", 10);  // silver: 10 %
        QCOMPARE(text("R_E_T"), QStringLiteral("10%"));
        QCOMPARE(m_seite->widerstand().Toleranz_4R, 10.0);
        QCOMPARE(farbe("Shape19"), clSilver);
        QCOMPARE(text("R_Tol_max"), t(u"5,17 k\u2126"));
        QCOMPARE(text("R_Tol_min"), t(u"4,23 k\u2126"));
    }

    void toleranzEingabe() {
        eingeben("R_E_T", "3");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
        QCOMPARE(m_meldungen->letzter(), t(u"Die eingegebene Zahl 3%  ist außerhalb der möglichen Toleranzwerte\r\r"
                                           u"               0.1, 0.25, 0.5, 1, 2, 5 und 10 %."));
        QCOMPARE(text("R_E_T"), QStringLiteral("5%"));
        QCOMPARE(m_seite->widerstand().Toleranz_4R, 5.0);
        QCOMPARE(farbe("Shape19"), Gold);

        eingeben("R_E_T", "0.25");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
        QCOMPARE(text("R_E_T"), QStringLiteral("250,00 m%"));
        QCOMPARE(m_seite->widerstand().Toleranz_4R, 0.25);
        QCOMPARE(farbe("Shape19"), clBlue);
        QCOMPARE(gruppe("RG_R_T")->itemIndex(), 6);
        QCOMPARE(text("R_Tol_max"), t(u"39,10 k\u2126"));
        QCOMPARE(text("R_Tol_min"), t(u"38,90 k\u2126"));
    }

    void spannungEingabe() {
        eingeben("R_E_U", "2000.7");
        QVERIFY(m_meldungen->eintraege.empty());
        QCOMPARE(text("R_E_U"), QStringLiteral("2,00 kV"));
        QCOMPARE(m_seite->widerstand().Spannung_4R, 2000.0);
        QCOMPARE(farbe("Shape20"), clSilver);
        QCOMPARE(gruppe("RG_R_U")->itemIndex(), 10);

        eingeben("R_E_U", "99.9");
        QCOMPARE(m_meldungen->letzter(),
                 t(u"Die eingegebene Zahl 99,9V  ist außerhalb der möglichen Spannungswerte\r\r"
                   u" 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000 V"));
        QCOMPARE(text("R_E_U"), QStringLiteral("2,00 kV"));
        QCOMPARE(m_seite->widerstand().Spannung_4R, 2000.0);

        // the "500V" item without a ring paints the body colour; typing 500 gives the yellow ring
        klicke("RG_R_U", 12);
        QCOMPARE(farbe("Shape20"), Hintergrund);
        QCOMPARE(text("R_E_U"), QStringLiteral("500,00 V"));
        QCOMPARE(m_seite->widerstand().Spannung_4R, 500.0);
        eingeben("R_E_U", "500");
        QCOMPARE(farbe("Shape20"), clYellow);
        QCOMPARE(gruppe("RG_R_U")->itemIndex(), 4);
    }

    void ziffernringeAendernDenWert() {
        eingeben("R_E_Wert", "12");
        klicke("RG_R_1", 2);
        QCOMPARE(farbe("Shape1"), clRed);
        QCOMPARE(text("R_E_Wert"), t(u"22,00 \u2126"));
        QCOMPARE(eReihe(), (QStringList{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%", " E 24  -    5%"}));
        klicke("RG_R_2", 7);
        QCOMPARE(farbe("Shape2"), clFuchsia);
        QCOMPARE(text("R_E_Wert"), t(u"27,00 \u2126"));
        QCOMPARE(m_seite->widerstand().Wert_4R, 27.0);
        QCOMPARE(eReihe(), (QStringList{" E 12  -  10%", " E 24  -    5%"}));

        eingeben("R_E_Wert", "123");
        QCOMPARE(ringe(false), (std::vector<Farbwert>{clMaroon, clRed, clMaroon}));
        klicke("RG_R_2", 5);  // green: the third digit stays
        QCOMPARE(text("R_E_Wert"), t(u"153,00 \u2126"));
        QCOMPARE(eReihe(), QStringList{keineEReihe.split(u'\r')});
        klicke("RG_R_M", 2);  // red: 15 x 100
        QCOMPARE(farbe("Shape4"), clRed);
        QCOMPARE(text("R_E_Wert"), t(u"1,50 k\u2126"));
        QCOMPARE(m_seite->widerstand().Wert_4R, 1500.0);
        QCOMPARE(eReihe(), (QStringList{" E 6    -  20%", " E 12  -  10%", " E 24  -    5%", " E 96  -    1%"}));
        QCOMPARE(text("R_Tol_max"), t(u"1,58 k\u2126"));  // 5 %: 1575
    }

    void silberMultiplikator() {
        klicke("RG_R_T", 10);  // 10 %
        klicke("RG_R_1", 2);
        klicke("RG_R_2", 2);
        QCOMPARE(text("R_E_Wert"), t(u"22,00 k\u2126"));
        klicke("RG_R_M", 10);
        QCOMPARE(farbe("Shape4"), clSilver);
        QCOMPARE(m_seite->widerstand().Wert_4R, 0.22);
        QCOMPARE(text("R_E_Wert"), t(u"220,00 m\u2126"));
        QCOMPARE(text("R_Tol_min"), t(u"198,00 m\u2126"));
        QCOMPARE(text("R_Tol_max"), t(u"242,00 m\u2126"));
        // gold: 22 x 0,1
        klicke("RG_R_M", 11);
        QCOMPARE(text("R_E_Wert"), t(u"2,20 \u2126"));
    }

    void fuenfRingeDritteZiffer() {
        ringzahl(1);
        // 47 k: yellow violet black red
        QCOMPARE(ringe(true), (std::vector<Farbwert>{clYellow, clFuchsia, clBlack, clRed}));
        QVERIFY(w("Shape3")->isVisible());
        QVERIFY(gruppe("RG_R_3")->isVisible());
        QVERIFY(w("Label82")->isVisible());
        QCOMPARE(gruppe("RG_R_3")->x(), 216);
        QCOMPARE(gruppe("RG_R_M")->x(), 258);
        QCOMPARE(gruppe("RG_R_T")->x(), 333);
        QCOMPARE(gruppe("RG_R_U")->x(), 408);
        for (int r : {10, 11, 12}) QVERIFY(!gruppe("RG_R_3")->knopf(r)->isEnabled());
        // the rings stand on the body in order, the voltage ring after a gap
        const int x1 = w("Shape1")->x(), x2 = w("Shape2")->x(), x3 = w("Shape3")->x(), xm = w("Shape4")->x(),
                  xt = w("Shape19")->x(), xu = w("Shape20")->x();
        QVERIFY(x1 < x2 && x2 < x3 && x3 < xm && xm < xt && xt < xu);
        QVERIFY(2 * (xu - xt) > 3 * (xt - xm));
        QVERIFY(std::abs(w("Label83")->geometry().center().x() - w("Shape4")->geometry().center().x() -
                         w("Shape4")->parentWidget()->x()) <= 1);
        klicke("RG_R_3", 6);  // blue third digit
        QCOMPARE(text("R_E_Wert"), t(u"47,60 k\u2126"));
        klicke("RG_R_M", 1);  // 476 x 10
        QCOMPARE(text("R_E_Wert"), t(u"4,76 k\u2126"));
        QCOMPARE(eReihe(), QStringList{keineEReihe.split(u'\r')});  // list also follows the multiplier
    }

    void umschaltenBehaeltJedeCodierung() {
        eingeben("R_E_Wert", "4.7k");
        eingeben("R_E_T", "10");
        eingeben("R_E_U", "200");
        const int platzM4 = w("Shape4")->x();
        ringzahl(1);
        QCOMPARE(text("R_E_Wert"), t(u"47,00 k\u2126"));
        QCOMPARE(text("R_E_T"), QStringLiteral("5%"));
        QCOMPARE(text("R_E_U"), QStringLiteral("100,00 V"));
        QVERIFY(w("Shape4")->x() > platzM4);
        eingeben("R_E_Wert", "36.5k");
        eingeben("R_E_T", "1");
        klicke("RG_R_U", 11);  // 1000 V
        ringzahl(0);
        QCOMPARE(text("R_E_Wert"), t(u"4,70 k\u2126"));
        QCOMPARE(text("R_E_T"), QStringLiteral("10%"));
        QCOMPARE(text("R_E_U"), QStringLiteral("200,00 V"));
        QCOMPARE(ringe(false), (std::vector<Farbwert>{clYellow, clFuchsia, clRed}));
        QCOMPARE(farbe("Shape19"), clSilver);
        QCOMPARE(farbe("Shape20"), clMaroon);
        QCOMPARE(w("Shape4")->x(), platzM4);
        QCOMPARE(text("R_Tol_max"), t(u"5,17 k\u2126"));
        ringzahl(1);
        QCOMPARE(text("R_E_Wert"), t(u"36,50 k\u2126"));
        QCOMPARE(text("R_E_T"), QStringLiteral("1%"));
        QCOMPARE(text("R_E_U"), QStringLiteral("1,00 kV"));
        QCOMPARE(farbe("Shape19"), clMaroon);
        QCOMPARE(farbe("Shape20"), Gold);
        QCOMPARE(eReihe(), (QStringList{" E 48  -    2%", " E 96  -    1%"}));
        const Widerstand& r = m_seite->widerstand();
        QCOMPARE(r.Wert_4R, 4700.0);
        QCOMPARE(r.Wert_5R, 36500.0);
        QCOMPARE(r.Toleranz_4R, 10.0);
        QCOMPARE(r.Toleranz_5R, 1.0);
        QCOMPARE(r.Spannung_4R, 200.0);
        QCOMPARE(r.Spannung_5R, 1000.0);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void falscheWerteWerdenAbgewiesen() {
        eingeben("R_E_Wert", "abc");
        QCOMPARE(m_meldungen->letzter(), QStringLiteral("Die eingegebene Zahl abc  ist keine Gleitkommazahl !"));
        QCOMPARE(text("R_E_Wert"), t(u"39,00 k\u2126"));
        eingeben("R_E_Wert", "0.5n");
        QCOMPARE(m_meldungen->letzter(),
                 t(u"Die Eingabe 0,5n  ist außerhalb\r\rdes gültigen Wertebereiches: 1n\u2126 bis 1T\u2126"));
        QCOMPARE(text("R_E_Wert"), t(u"39,00 k\u2126"));
        QCOMPARE(m_seite->widerstand().Wert_4R, 39000.0);
        QCOMPARE(ringe(false), (std::vector<Farbwert>{Orange, clWhite, Orange}));
        // the bounds themselves are accepted
        eingeben("R_E_Wert", "1T");
        QCOMPARE(text("R_E_Wert"), t(u"1,00 T\u2126"));
        QCOMPARE(m_meldungen->eintraege.size(), size_t(2));
    }
};

QTEST_MAIN(WiderstandSeiteTest)
#include "widerstandseite_guitest.moc"
