// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The inductor sub-page driven like a user: choosing the coding, clicking ring items, typing values
// and tolerances and pressing Enter.

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "colourcode/DrosselSeite.h"
#include "colourcode/Farbring.h"
#include "fields/Eingabefeld.h"
#include "farbcodehilfe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;
using Farben = std::vector<Farbwert>;

namespace {
QString t(const char16_t* s) { return QString::fromUtf16(s); }
const QStringList alleReihen{" E 3    -  >20%", " E 6    -  20%", " E 12  -  10%",
                             " E 24  -    5%",  " E 48  -    2%", " E 96  -    1%"};
const QStringList e3bisE24 = alleReihen.mid(0, 4);
}  // namespace

class DrosselSeiteTest : public QObject, public test::Farbcodehilfe<DrosselSeite> {
    Q_OBJECT

    QStringList eReihe() const { return w<EReihenListe>("E_Reihe_L")->zeilen(); }
    void codierung(int i) {
        klicke("RG_Drossel", i);
        QCOMPARE(gruppe("RG_Drossel")->itemIndex(), i);
    }
    // digit rings and, where the coding has one, the multiplier ring
    Farben ringe() const {
        switch (m_seite->system()) {
            case drosselcode::System::IEC: return {farbe("Shape24"), farbe("Shape25"), farbe("Shape26")};
            case drosselcode::System::JahreDezi: return {farbe("Shape24"), farbe("Shape25"), farbe("Shape28")};
            case drosselcode::System::JahreMulti: return {farbe("Shape24"), farbe("Shape25"), farbe("Shape68")};
        }
        return {};
    }
    double wert() const {
        Drossel d = m_seite->drossel();
        return drosselcode::wert(d, m_seite->system());
    }

private slots:
    void init() { aufbauen(); }
    void cleanup() { abbauen(); }

    void ersterStartZeigtIEC() {
        const Drossel& d = m_seite->drossel();
        for (double v : {d.Wert_IEC, d.Wert_Dezi, d.Wert_Multi}) QCOMPARE(v, 1e-5);
        for (double v : {d.Toleranz_IEC, d.Toleranz_Dezi, d.Toleranz_Multi}) QCOMPARE(v, 10.0);
        QCOMPARE(gruppe("RG_Drossel")->itemIndex(), 0);
        // the first-start texts are rewritten from the record by the set-up
        QCOMPARE(text("L_E_Wert"), t(u"10,00 \u00B5H"));
        QCOMPARE(text("L_E_T"), QStringLiteral("10 %"));
        QCOMPARE(text("L_Tol_max"), t(u"11,00 \u00B5H"));
        QCOMPARE(text("L_Tol_min"), t(u"9,00 \u00B5H"));
        // brown black, x 1 uH; silver 10 %
        QCOMPARE(ringe(), (Farben{clMaroon, clBlack, clBlack}));
        QCOMPARE(farbe("Shape27"), clSilver);
        QCOMPARE(gruppe("RG_L_M_IEC")->itemIndex(), 0);
        QCOMPARE(gruppe("RG_L_T_IEC")->itemIndex(), 11);
        QCOMPARE(eReihe(), alleReihen);
        QCOMPARE(gruppe("RG_Drossel")->toolTip(), QStringLiteral("Auswahl der Kennzeichnungsart"));
        QCOMPARE(w("L_E_Wert")->toolTip(), QStringLiteral("Eingabe des Wertes der Drossel"));
        QCOMPARE(w("GroupBox8")->toolTip(), QStringLiteral("Drosselwert in E-Reihen enthalten"));
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void aufbauJeCodierung() {
        struct Fall {
            int item;
            QRect panel;
            const char* titel1;
            int links1;
            const char* titel2;
            int links2;
            int links3;
            const char* multi;
            int linksM;
            const char* tol;
            int linksT;
            std::vector<const char*> formen;  // left to right
            QStringList marken;
        };
        const Fall faelle[] = {
            {0, {80, 100, 370, 337}, " 1. ", 132, " 2. ", 174, -1, "RG_L_M_IEC", 216, "RG_L_T_IEC", 291,
             {"Shape24", "Shape25", "Shape26", "Shape27"}, {"1.", "2.", "M", "T"}},
            {1, {70, 100, 380, 337}, " 2. ", 174, " 3. ", 216, 258, nullptr, 0, "RG_L_T_Jahre", 300,
             {"Shape62", "Shape24", "Shape25", "Shape28", "Shape63"}, {"1.", "2.", "3", "4", "T"}},
            {2, {60, 100, 410, 337}, " 2. ", 174, " 3. ", 216, -1, "RG_L_M_Jahre", 258, "RG_L_T_Jahre", 333,
             {"Shape62", "Shape24", "Shape25", "Shape68", "Shape63"}, {"1.", "2.", "3", "M", "T"}},
        };
        const char* alleFormen[] = {"Shape62", "Shape24", "Shape25", "Shape28", "Shape26", "Shape27", "Shape68", "Shape63"};
        const char* alleGruppen[] = {"RG_L_M_IEC", "RG_L_M_Jahre", "RG_L_T_IEC", "RG_L_T_Jahre"};
        const char* marken[] = {"L_Ringmarke1", "L_Ringmarke2", "Label60", "Label61", "Label62"};
        for (int durchgang = 0; durchgang < 2; ++durchgang)  // there and back again
            for (const Fall& f : faelle) {
                const QByteArray wo = QByteArray::number(f.item);
                codierung(f.item);
                QCOMPARE(w("Panel22")->geometry(), f.panel);
                QCOMPARE(gruppe("RG_L_1")->title(), QString::fromLatin1(f.titel1));
                QCOMPARE(gruppe("RG_L_1")->x(), f.links1);
                QCOMPARE(gruppe("RG_L_2")->title(), QString::fromLatin1(f.titel2));
                QCOMPARE(gruppe("RG_L_2")->x(), f.links2);
                QCOMPARE(gruppe("RG_L_3")->isVisible(), f.links3 >= 0);
                if (f.links3 >= 0) QCOMPARE(gruppe("RG_L_3")->x(), f.links3);
                QCOMPARE(w("GroupBox11")->isVisible(), f.item != 0);
                for (const char* g : alleGruppen) {
                    const bool an = (f.multi && !qstrcmp(g, f.multi)) || !qstrcmp(g, f.tol);
                    QVERIFY2(gruppe(g)->isVisible() == an, g);
                    // every group stays inside Panel22
                    if (an) QVERIFY2(gruppe(g)->geometry().right() < f.panel.width(), g);
                }
                if (f.multi) QCOMPARE(gruppe(f.multi)->x(), f.linksM);
                QCOMPARE(gruppe(f.tol)->x(), f.linksT);
                for (const char* s : alleFormen) {
                    const bool an = std::find_if(f.formen.begin(), f.formen.end(),
                                                 [s](const char* x) { return !qstrcmp(x, s); }) != f.formen.end();
                    QVERIFY2(w(s)->isVisible() == an, s);
                }
                // rings left to right, each label centred under its ring
                for (size_t i = 0; i < f.formen.size(); ++i) {
                    QWidget* ring = w(f.formen[i]);
                    if (i > 0) QVERIFY2(w(f.formen[i - 1])->x() < ring->x(), f.formen[i]);
                    auto* marke = w<QLabel>(marken[i]);
                    QVERIFY(marke->isVisible());
                    QCOMPARE(marke->text(), f.marken[int(i)]);
                    const int mitte = ring->parentWidget()->x() + ring->geometry().center().x();
                    QVERIFY2(std::abs(marke->geometry().center().x() - mitte) <= 1, marken[i]);
                    QVERIFY(marke->y() > ring->parentWidget()->geometry().bottom() - 2);
                }
                if (f.formen.size() == 4) QVERIFY(w("Label62")->isHidden());
                QVERIFY2(m_meldungen->eintraege.empty(), wo);
            }
        QCOMPARE(farbe("Shape62"), clSilver);
        auto* band = w<QRadioButton>("RadioButton1");
        QVERIFY(band->isChecked());
        // it sits in the silver row, beside item 11 of the ring groups
        QVERIFY(std::abs(band->mapTo(m_seite, QPoint(0, band->height() / 2)).y() -
                         gruppe("RG_L_1")->knopf(11)->mapTo(m_seite, QPoint(0, band->height() / 2)).y()) <= 1);
    }

    void gesperrteItemsJeCodierung() {
        struct Fall {
            int item;
            const char* gruppe;
            std::vector<int> gesperrt;
        };
        const std::vector<int> keine;
        const Fall faelle[] = {
            {0, "RG_L_1", {0, 10, 11, 12}},
            {0, "RG_L_2", {10, 11, 12}},
            {0, "RG_L_M_IEC", {3, 4, 5, 6, 7, 8, 9, 12}},
            {0, "RG_L_T_IEC", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
            {1, "RG_L_1", {0, 11, 12}},
            {1, "RG_L_2", {11, 12}},
            {1, "RG_L_3", {11, 12}},
            {1, "RG_L_T_Jahre", {0, 3, 4, 6, 7, 8, 9}},
            {2, "RG_L_1", {0, 10, 11, 12}},
            {2, "RG_L_2", {10, 11, 12}},
            {2, "RG_L_M_Jahre", {5, 6, 7, 8, 9, 12}},
            {2, "RG_L_T_Jahre", {0, 3, 4, 6, 7, 8, 9}},
        };
        for (const auto& f : faelle) {
            if (gruppe("RG_Drossel")->itemIndex() != f.item) codierung(f.item);
            for (int r = 0; r < 13; ++r) {
                const bool aus = std::find(f.gesperrt.begin(), f.gesperrt.end(), r) != f.gesperrt.end();
                QVERIFY2(gruppe(f.gruppe)->knopf(r)->isEnabled() == !aus,
                         qPrintable(QStringLiteral("%1 %2 row %3").arg(f.item).arg(f.gruppe).arg(r)));
            }
        }
        QCOMPARE(gruppe("RG_L_M_Jahre")->knopf(6)->text(), QStringLiteral("x 1H"));
        QCOMPARE(gruppe("RG_L_3")->knopf(10)->text(), QStringLiteral(","));
        QCOMPARE(gruppe("RG_L_1")->toolTip(), QStringLiteral("Wert Farbring"));
        QCOMPARE(gruppe("RG_L_T_Jahre")->toolTip(), QStringLiteral("Toleranzring"));
        QCOMPARE(w("GroupBox16")->findChild<QLabel*>("GroupBox16_Label44")->text(), QStringLiteral("silver"));
    }

    void wertSetztRinge_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<Farben>("farben");
        QTest::addColumn<QStringList>("reihen");
        QTest::addColumn<double>("wert");
        QTest::newRow("IEC 4.7u") << 0 << t(u"4.7\u00B5") << t(u"4,70 \u00B5H") << Farben{clYellow, clFuchsia, Gold}
                                  << e3bisE24 << 4.7e-6;
        QTest::newRow("IEC 470n") << 0 << "470n" << "470,00 nH" << Farben{clYellow, clFuchsia, clSilver} << e3bisE24
                                  << 470e-9;
        QTest::newRow("IEC 4.7123u") << 0 << "4.7123u" << t(u"4,71 \u00B5H") << Farben{clYellow, clFuchsia, Gold}
                                     << QStringList{keineEReihe.split(u'\r')} << 4.7123e-6;
        // beyond the IEC rings: the multiplier keeps black from the first start
        QTest::newRow("IEC 47m") << 0 << "47m" << "47,00 mH" << Farben{clYellow, clFuchsia, clBlack} << e3bisE24
                                 << 47e-3;
        QTest::newRow("Multi 0.047") << 2 << "0.047" << "47,00 mH" << Farben{clYellow, clFuchsia, Orange} << e3bisE24
                                     << 0.047;
        QTest::newRow("Multi 0.47") << 2 << "0.47" << "470,00 mH" << Farben{clYellow, clFuchsia, clYellow}
                                    << e3bisE24 << 0.47;
        QTest::newRow("Dezi 4,7u") << 1 << t(u"4,7\u00B5") << t(u"4,70 \u00B5H") << Farben{clYellow, Gold, clFuchsia}
                                   << e3bisE24 << 4.7e-6;
        QTest::newRow("Dezi 4.7u typed with a point") << 1 << t(u"4.7\u00B5") << t(u"4,70 \u00B5H")
                                                      << Farben{clYellow, Gold, clFuchsia} << e3bisE24 << 4.7e-6;
        // the rings carry the microhenry text, whatever prefix was typed
        QTest::newRow("Dezi 4700n") << 1 << "4700n" << t(u"4,70 \u00B5H") << Farben{clYellow, Gold, clFuchsia}
                                    << e3bisE24 << 4.7e-6;
        QTest::newRow("Dezi 0,47u") << 1 << t(u"0,47\u00B5") << "470,00 nH" << Farben{clBlack, Gold, clYellow}
                                    << e3bisE24 << 0.47e-6;
        QTest::newRow("Dezi 220u") << 1 << "220u" << t(u"220,00 \u00B5H") << Farben{clRed, clRed, clBlack}
                                   << QStringList{alleReihen.mid(0, 4)} << 220e-6;
    }
    void wertSetztRinge() {
        QFETCH(int, item);
        QFETCH(QString, eingabe);
        QFETCH(QString, anzeige);
        QFETCH(Farben, farben);
        QFETCH(QStringList, reihen);
        QFETCH(double, wert);
        if (item != 0) codierung(item);
        eingeben("L_E_Wert", eingabe);
        QVERIFY(m_meldungen->eintraege.empty());
        QCOMPARE(text("L_E_Wert"), anzeige);
        QCOMPARE(ringe(), farben);
        QCOMPARE(eReihe(), reihen);
        // the rings never feed back into the value
        QCOMPARE(this->wert(), wert);
    }

    void grenzenUndMultiplikator() {
        eingeben("L_E_Wert", t(u"4.7\u00B5"));
        QCOMPARE(text("L_Tol_max"), t(u"5,17 \u00B5H"));
        QCOMPARE(text("L_Tol_min"), t(u"4,23 \u00B5H"));
        // silver multiplier: 47 x 0,01 uH; gold: 47 x 0,1 uH
        klicke("RG_L_M_IEC", 11);
        QCOMPARE(farbe("Shape26"), clSilver);
        QCOMPARE(text("L_E_Wert"), "470,00 nH");
        QCOMPARE(m_seite->drossel().Wert_IEC, 47 * 1e-8);
        QCOMPARE(text("L_Tol_max"), "517,00 nH");
        klicke("RG_L_M_IEC", 10);
        QCOMPARE(farbe("Shape26"), Gold);
        QCOMPARE(text("L_E_Wert"), t(u"4,70 \u00B5H"));
        // red first digit: 2,7 uH, series follow
        klicke("RG_L_1", 2);
        QCOMPARE(farbe("Shape24"), clRed);
        QCOMPARE(text("L_E_Wert"), t(u"2,70 \u00B5H"));
        QCOMPARE(eReihe(), (QStringList{" E 12  -  10%", " E 24  -    5%"}));
        // Jahre Multi: brown x 1 mH from 10 uH's digits
        codierung(2);
        klicke("RG_L_M_Jahre", 3);
        QCOMPARE(farbe("Shape68"), Orange);
        QCOMPARE(text("L_E_Wert"), "10,00 mH");
        QCOMPARE(text("L_Tol_min"), "9,00 mH");
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void jahreDeziRingeUndKomma() {
        codierung(1);
        eingeben("L_E_Wert", t(u"4,7\u00B5"));
        QCOMPARE(gruppe("RG_L_2")->itemIndex(), 10);
        // 47u: yellow violet, the third ring stays violet from 4,7
        eingeben("L_E_Wert", t(u"47\u00B5"));
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, clFuchsia}));
        QCOMPARE(gruppe("RG_L_3")->itemIndex(), 7);
        // gold third ring: "47," is still 47 uH; a red third digit appends: 472 uH
        klicke("RG_L_3", 10);
        QCOMPARE(farbe("Shape28"), Gold);
        QCOMPARE(text("L_E_Wert"), t(u"47,00 \u00B5H"));
        klicke("RG_L_3", 2);
        QCOMPARE(text("L_E_Wert"), t(u"472,00 \u00B5H"));
        // gold in the second ring puts the decimal point there: 4,2 uH
        klicke("RG_L_2", 10);
        QCOMPARE(farbe("Shape25"), Gold);
        QCOMPARE(text("L_E_Wert"), t(u"4,20 \u00B5H"));
        QCOMPARE(m_seite->drossel().Wert_Dezi, 4.2e-6);
        // a typed leading 0 paints black although the item cannot be clicked
        eingeben("L_E_Wert", t(u"0,47\u00B5"));
        QCOMPARE(farbe("Shape24"), clBlack);
        QCOMPARE(gruppe("RG_L_1")->itemIndex(), 0);
        QVERIFY(!gruppe("RG_L_1")->knopf(0)->isEnabled());
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void toleranzEingabe() {
        const QString iec2 = t(u"Die eingegebene Zahl 2%   ist außerhalb\r\r der möglichen Toleranzwerte 5; 10 oder 20% ");
        eingeben("L_E_T", "2");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(1));
        QCOMPARE(m_meldungen->letzter(), iec2);
        QCOMPARE(text("L_E_T"), "10 %");
        QCOMPARE(m_seite->drossel().Toleranz_IEC, 10.0);
        QCOMPARE(farbe("Shape27"), clSilver);

        eingeben("L_E_T", "20");
        QCOMPARE(text("L_E_T"), "20,00 %");
        QCOMPARE(farbe("Shape27"), Hintergrund);
        QCOMPARE(gruppe("RG_L_T_IEC")->itemIndex(), 12);
        QCOMPARE(text("L_Tol_max"), t(u"12,00 \u00B5H"));
        klicke("RG_L_T_IEC", 10);
        QCOMPARE(farbe("Shape27"), Gold);
        QCOMPARE(text("L_E_T"), "5 %");
        QCOMPARE(m_seite->drossel().Toleranz_IEC, 5.0);

        for (int item : {1, 2}) {
            codierung(item);
            eingeben("L_E_T", "2");
            QCOMPARE(text("L_E_T"), "2");  // kept as typed
            QCOMPARE(farbe("Shape63"), clRed);
            QCOMPARE(gruppe("RG_L_T_Jahre")->itemIndex(), 2);
            QCOMPARE(text("L_Tol_max"), t(u"10,20 \u00B5H"));
            eingeben("L_E_T", "0.25");
            QCOMPARE(m_meldungen->letzter(),
                     t(u"Die eingegebene Zahl 0,25%   ist außerhalb der möglichen Toleranzwerte\r\r"
                       u"                    0.5,  1,  2,  5,  10  und  20% "));
            QCOMPARE(text("L_E_T"), "2");
            klicke("RG_L_T_Jahre", 5);
            QCOMPARE(farbe("Shape63"), clGreen);
            QCOMPARE(text("L_E_T"), "0,5 %");
        }
        QCOMPARE(m_seite->drossel().Toleranz_Dezi, 0.5);
        QCOMPARE(m_seite->drossel().Toleranz_Multi, 0.5);
        QCOMPARE(m_seite->drossel().Toleranz_IEC, 5.0);
        QCOMPARE(m_meldungen->eintraege.size(), size_t(3));
    }

    void umschaltenBehaeltJedeCodierung() {
        eingeben("L_E_Wert", t(u"4.7\u00B5"));
        klicke("RG_L_T_IEC", 10);  // 5 %
        codierung(1);
        QCOMPARE(text("L_E_Wert"), t(u"10,00 \u00B5H"));
        QCOMPARE(text("L_E_T"), "10 %");
        eingeben("L_E_Wert", "220u");
        eingeben("L_E_T", "1");
        codierung(2);
        QCOMPARE(text("L_E_Wert"), t(u"10,00 \u00B5H"));
        eingeben("L_E_Wert", "0.047");
        klicke("RG_L_T_Jahre", 12);  // 20 %, no ring
        QCOMPARE(farbe("Shape63"), Hintergrund);

        codierung(0);
        QCOMPARE(text("L_E_Wert"), t(u"4,70 \u00B5H"));
        QCOMPARE(text("L_E_T"), "5 %");
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, Gold}));
        QCOMPARE(farbe("Shape27"), Gold);
        QCOMPARE(text("L_Tol_max"), t(u"4,94 \u00B5H"));
        codierung(1);
        QCOMPARE(text("L_E_Wert"), t(u"220,00 \u00B5H"));
        QCOMPARE(text("L_E_T"), "1 %");
        QCOMPARE(farbe("Shape63"), clMaroon);
        QCOMPARE(ringe(), (Farben{clRed, clRed, clBlack}));
        codierung(2);
        QCOMPARE(text("L_E_Wert"), "47,00 mH");
        QCOMPARE(text("L_E_T"), "20 %");
        QCOMPARE(farbe("Shape63"), Hintergrund);
        QCOMPARE(ringe(), (Farben{clYellow, clFuchsia, Orange}));
        const Drossel& d = m_seite->drossel();
        QCOMPARE(d.Wert_IEC, 4.7e-6);
        QCOMPARE(d.Wert_Dezi, 220e-6);
        QCOMPARE(d.Wert_Multi, 0.047);
        QCOMPARE(d.Toleranz_IEC, 5.0);
        QCOMPARE(d.Toleranz_Dezi, 1.0);
        QCOMPARE(d.Toleranz_Multi, 20.0);
        QVERIFY(m_meldungen->eintraege.empty());
    }

    void falscheWerteWerdenAbgewiesen() {
        eingeben("L_E_Wert", "abc");
        QCOMPARE(m_meldungen->letzter(), QStringLiteral("Die eingegebene Zahl abc  ist keine Gleitkommazahl !"));
        eingeben("L_E_Wert", "200");
        QCOMPARE(m_meldungen->letzter(), t(u"Die Eingabe 200  ist außerhalb\r\rdes gültigen Wertebereiches: 100pH bis 100H"));
        eingeben("L_E_Wert", "0.05n");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(3));
        QCOMPARE(text("L_E_Wert"), t(u"10,00 \u00B5H"));
        QCOMPARE(m_seite->drossel().Wert_IEC, 1e-5);
        QCOMPARE(ringe(), (Farben{clMaroon, clBlack, clBlack}));
        // the bounds themselves are taken
        eingeben("L_E_Wert", "100");
        QCOMPARE(text("L_E_Wert"), "100,00 H");
        eingeben("L_E_Wert", "0.1n");
        QCOMPARE(text("L_E_Wert"), "100,00 pH");
        QCOMPARE(m_meldungen->eintraege.size(), size_t(3));
    }
};

QTEST_MAIN(DrosselSeiteTest)
#include "drosselseite_guitest.moc"
