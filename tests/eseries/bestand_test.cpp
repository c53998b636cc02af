// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/gtest_qt.h"

#include <cmath>

#include "eseries/bestand.h"
#include "eseries/toleranz.h"

using namespace zelmo;

namespace {

TEST(Bestand, WerteInJederSchreibweise) {
    const struct {
        const char16_t* zeile;
        QChar dezimal;
        double wert;  // 0: no value
    } faelle[] = {
        {u"4,7k", u',', 4700},       {u"4.7k", u',', 4700},      {u"4k7", u',', 4700},     {u"4K7", u',', 4700},
        {u"R47", u',', 0.47},         {u"0R47", u',', 0.47},      {u"4R7", u',', 4.7},      {u"2n2", u',', 2.2e-9},
        {u"100n", u',', 1e-7},       {u"2,2 \u00B5H", u',', 2.2e-6}, {u" 68 ", u',', 68},  {u"4,7 k\u2126", u',', 4700},
        {u"4.7k", u'.', 4700},       {u"4,7k", u'.', 4700},      {u"1M5", u'.', 1.5e6},    {u"4k7\u2126", u',', 4700},
        {u"vier", u',', 0},          {u"0", u',', 0},            {u"-5", u',', 0},         {u"4,7,1", u',', 0},
        {u"", u',', 0},              {u"1e400", u',', 0},        {u"Kiste 2", u',', 0},    {u"1k;5", u',', 0},
        {u"2,2E3", u',', 2200},      {u"100R", u',', 100},       {u"R", u',', 0},          {u"k", u',', 0},
    };
    for (const auto& f : faelle) {
        const auto w = bestandWert(QString::fromUtf16(f.zeile), f.dezimal);
        SCOPED_TRACE(QString::fromUtf16(f.zeile).toStdString());
        if (f.wert == 0) {
            EXPECT_FALSE(w.has_value());
        } else {
            ASSERT_TRUE(w.has_value());
            EXPECT_NEAR(*w, f.wert, f.wert * 1e-12);
        }
    }
}

TEST(Bestand, ZeilenUndTabellen) {
    // empty lines count as nothing; the line numbers of faults count every line
    const auto b = bestandLesen(QStringLiteral("3,3k\r\n\r\nKiste\n68;Schublade 2\n4k7\tSMD\n\"1k\";x\n"), u',');
    EXPECT_EQ(b.werte, (std::vector<double>{3300, 68, 4700, 1000}));
    EXPECT_EQ(b.falsch, (std::vector<int>{3}));
    // from a file: a header line is no fault, any later bad line is
    const auto d = bestandLesen(QStringLiteral("Wert;Anzahl\n1k;5\nfehlt;1\n"), u',', true);
    EXPECT_EQ(d.werte, (std::vector<double>{1000}));
    EXPECT_EQ(d.falsch, (std::vector<int>{3}));
    // the comma separates columns only where it is no decimal separator
    EXPECT_EQ(bestandLesen(QStringLiteral("4.7k,10\n"), u'.').werte, (std::vector<double>{4700}));
    EXPECT_EQ(bestandLesen(QStringLiteral("4,7k\n"), u',').werte, (std::vector<double>{4700}));
    EXPECT_EQ(bestandLesen(QStringLiteral("4,7k\n"), u'.').werte, (std::vector<double>{4700}));
    // what a file adds to the stock: the first column, without its header
    EXPECT_EQ(bestandAusDatei(QStringLiteral("Wert;Anzahl\r\n1k;5\r\n2,2k;1\r\n"), u','), QStringLiteral("1k\n2,2k"));
    EXPECT_EQ(bestandAusDatei(QStringLiteral("1k\n4k7\n"), u','), QStringLiteral("1k\n4k7"));
}

TEST(Bestand, MeldungUndDateien) {
    EXPECT_EQ(bestandMeldung({}, artR), QString());
    EXPECT_EQ(bestandMeldung({4}, artC),
              QStringLiteral(u"Die Zeile 4 enthält im Bestand „Kondensatoren“ keinen Bauteilwert. Sie bleibt im "
                             u"Bestand stehen, wird aber bei der Suche nicht verwendet."));
    EXPECT_TRUE(bestandMeldung({2, 9}, artL).startsWith(QStringLiteral(u"Die Zeilen 2, 9 enthalten im Bestand „Spulen“")));
    EXPECT_EQ(bestandDatei(QStringLiteral("/d"), artR), QStringLiteral("/d/Bestand_R.txt"));
    EXPECT_EQ(bestandDatei(QStringLiteral("/d"), artL), QStringLiteral("/d/Bestand_L.txt"));
    EXPECT_EQ(bestandDatei(QStringLiteral("/d"), artC), QStringLiteral("/d/Bestand_C.txt"));
}

TEST(Kopieren, TabulatorenUndKopfzeile) {
    EXPECT_EQ(kopierText({QStringLiteral(u" 180,00\u2126\t820,00\u2126\t  1,00k\t0,00%")}, artR, 2),
              QStringLiteral(u"R1\tR2\tRges\tF\n180,00\u2126\t820,00\u2126\t1,00k\t0,00%\n"));
    EXPECT_EQ(kopierText({QStringLiteral(u"   1,00n\t  2,20n\t  4,70n\tC1+C2+C3\t  7,90n\t-0,50%")}, artC, 3),
              QStringLiteral(u"C1\tC2\tC3\tSchaltung\tCges\tF\n1,00n\t2,20n\t4,70n\tC1+C2+C3\t7,90n\t-0,50%\n"));
    EXPECT_EQ(kopierText({}, artL, 2), QStringLiteral("L1\tL2\tLges\tF\n"));
}

}  // namespace
