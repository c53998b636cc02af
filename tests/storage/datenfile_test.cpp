// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "storage/datenfile.h"
#include "support/gtest_qt.h"

using namespace zelmo;

namespace {
// the first-start values: LED voltages, Rthjc and Rthja of the ten housings, reference voltages
const Datenwerte erststart{1.6, 2.2, 2.4, 3.8, 4.0, 4.2, 3,  2.6, 3,   25,  15,  30,  30,  3,   23.5,
                           3,   50,  35,  35,  110, 140, 110, 110, 50, 92,  3,   1.2, 1.4, 3.2, 2.5};
}  // namespace

TEST(Datenfile, EinunddreissigZeilenMitTrenner) {
    const QByteArray t = datenfileText(erststart, u',');
    EXPECT_TRUE(t.startsWith(",\r\n1,6\r\n2,2\r\n2,4\r\n3,8\r\n4\r\n4,2\r\n3\r\n2,6\r\n"));
    EXPECT_TRUE(t.endsWith("1,2\r\n1,4\r\n3,2\r\n2,5\r\n"));
    EXPECT_EQ(t.count("\r\n"), 31);
    EXPECT_EQ(datenfileText(erststart, u'.').left(8), QByteArray(".\r\n1.6\r\n"));
}

TEST(Datenfile, ZurueckMitDemAktuellenTrenner) {
    for (QChar schreib : {QChar(u','), QChar(u'.')})
        for (QChar lies : {QChar(u','), QChar(u'.')}) {
            const auto w = leseDatenfile(datenfileText(erststart, schreib), lies);
            for (size_t i = 0; i < erststart.size(); ++i) {
                ASSERT_TRUE(w[i].has_value()) << i;
                EXPECT_EQ(*w[i], erststart[i]) << i;
            }
        }
    // "23,5" in line 16 becomes 23.5 on a system with "."
    EXPECT_EQ(*leseDatenfile(datenfileText(erststart, u','), u'.')[14], 23.5);
}

TEST(Datenfile, KaputteOderFehlendeZeilenGebenNichts) {
    const auto w = leseDatenfile(QByteArray(",\r\n1,6\r\nabc\r\n\r\n3,8\r\n"), u',');
    EXPECT_EQ(w[0], 1.6);
    EXPECT_FALSE(w[1].has_value());
    EXPECT_FALSE(w[2].has_value());
    EXPECT_EQ(w[3], 3.8);  // the lines after a broken one are still read
    for (size_t i = 4; i < w.size(); ++i) EXPECT_FALSE(w[i].has_value()) << i;
    for (const auto& x : leseDatenfile(QByteArray(), u',')) EXPECT_FALSE(x.has_value());
}

TEST(Datenfile, FremdeKodierungenUndZeilenenden) {
    const QByteArray heute = datenfileText(erststart, u',');
    QByteArray crNur = heute;
    crNur.replace("\r\n", "\r");
    QByteArray utf16("\xFF\xFE");
    for (char c : heute) utf16 += c, utf16 += '\0';
    const struct {
        const char* name;
        QByteArray bytes;
    } faelle[] = {{"wie geschrieben", heute},
                  {"nur CR", crNur},
                  {"nur LF", QByteArray(heute).replace("\r\n", "\n")},
                  {"UTF-8 mit Marke", QByteArray("\xEF\xBB\xBF") + heute},
                  {"UTF-16 LE", utf16}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QString fehler = QStringLiteral("nicht gesetzt");
        const auto w = leseDatenfile(f.bytes, u'.', &fehler);
        EXPECT_EQ(fehler, QString());
        for (size_t i = 0; i < erststart.size(); ++i) EXPECT_EQ(w[i], erststart[i]) << i;
    }
}

TEST(Datenfile, KeinTextGibtGrundUndKeineZahl) {
    QString fehler;
    const auto w = leseDatenfile(QByteArray(",\r\n1,6\r\n\x00\x00\x80\x3F\r\n", 13), u',', &fehler);
    EXPECT_TRUE(fehler.contains(QStringLiteral("Zeile 3"))) << fehler.toStdString();
    for (const auto& x : w) EXPECT_FALSE(x.has_value());
}
