// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// A page's stored values declared once: what is written, read, checked and taken on a first start,
// without widgets.

#include <gtest/gtest.h>

#include "storage/ablage.h"
#include "storage/datenfile.h"
#include "storage/inidokument.h"
#include "support/gtest_qt.h"

using namespace zelmo;

namespace {

// One key of every kind, one written for older readers only, one read but written by another, one
// that is read after the others, and two numbers of the data file.
const Ablage& probe() {
    using namespace zelmo::ablage;
    static const Ablage a = [] {
        Ablage b(
            {
                text("P", "Text", "12,00", u"5,00 V"),
                index("P", "Art", 1, 0, 3, 2).danach(1),
                rohtext("P", "Roh", "6", u"4,0"),
                zahl("P", "Zahl", "82e-10", 1.5, zwischen(0, 1)),
                schlichteZahl("P", "Schlicht", 100, 50, zwischen(1, 1000)),
                schalter("P", "An", true),
                index("Q", "Alt", 0, 0, 3, 0).fuerAlteLeser([](const Ablagewerte& w, QChar) {
                    return probe().wert(w, "Art");
                }),
                zahl("O", "Fremd", "7", 7).nurGelesen(),
            },
            {{1, 1.5, 2, zwischen(0, 10)}, {3, 3, 4, {}}});
        // the text shows the first number
        b.bereinigen = [](Ablagewerte& w, const std::vector<double>& z, QChar d) {
            if (std::get<QString>(probe().wert(w, "Text")) == QStringLiteral("zeige"))
                probe().wert(w, "Text") = QString::number(z.at(0)).replace(u'.', d);
        };
        return b;
    }();
    return a;
}

QByteArray geschrieben(const Ablagewerte& w, QChar dezimal) {
    IniDokument d;
    IniSchreiber s(d, dezimal);
    probe().schreiben(s, w);
    return d.alsBytes();
}

}  // namespace

TEST(Ablage, ErsterStartWirdInDerReihenfolgeDerErklaerungGeschrieben) {
    // the separator replaced in field texts only; the old readers' key follows the list; the key of
    // another is not written
    EXPECT_EQ(QString::fromUtf8(geschrieben(probe().erstwerte(u'.'), u'.')),
              QString::fromUtf8("\xEF\xBB\xBF[P]\r\nText=5.00 V\r\nArt=2\r\nRoh=4,0\r\nZahl=1.5\r\nSchlicht=50\r\nAn=1\r\n"
                         "\r\n[Q]\r\nAlt=2\r\n\r\n"));
    EXPECT_EQ(probe().datenErst(), (std::vector<double>{2, 4}));
    EXPECT_EQ(probe().datenAnfang(), (std::vector<double>{1, 3}));
}

TEST(Ablage, LesenGibtVorgabenPrueftUndNenntInDerReihenfolgeDerStufen) {
    struct Fall {
        const char* datei;
        const char* text;
        int art;
        double zahl, schlicht;
        bool an;
        const char* unlesbar;
    };
    const Fall faelle[] = {
        // nothing stored: every default (a text's with the current separator, a literal converted)
        {"", "12.00", 1, 82e-10, 100, false, ""},
        // the stored separator replaced; a negative index gives its rule
        {"[P]\nText=3,5 mA\nArt=-4\nZahl=0,25\nSchlicht=7\nAn=5\n[Dezimalseparator]\nDezimals=,\n", "3.5 mA", 0, 0.25,
         7, true, ""},
        // outside or unreadable: the default, named; the index after the others (its stage)
        {"[P]\nArt=3\nZahl=2\nSchlicht=0\nAn=x\n", "12.00", 1, 82e-10, 100, false, "[P] Zahl=2|[P] Schlicht=0|[P] Art=3"},
        // a plain number that cannot be read takes its default silently
        {"[P]\nSchlicht=kaputt\nText=zeige\n", "1.5", 1, 82e-10, 100, false, ""},
    };
    for (const Fall& f : faelle) {
        const IniDokument d = IniDokument::ausText(QString::fromUtf8(f.datei));
        IniLeser l(d, u'.');
        const Ablagewerte w = probe().lesen(l, {1.5, 3});
        EXPECT_EQ(std::get<QString>(probe().wert(w, "Text")), QString::fromUtf8(f.text)) << f.datei;
        EXPECT_EQ(std::get<int>(probe().wert(w, "Art")), f.art) << f.datei;
        EXPECT_EQ(std::get<int>(probe().wert(w, "Alt")), f.art) << f.datei;
        EXPECT_DOUBLE_EQ(std::get<double>(probe().wert(w, "Zahl")), f.zahl) << f.datei;
        EXPECT_DOUBLE_EQ(std::get<double>(probe().wert(w, "Schlicht")), f.schlicht) << f.datei;
        EXPECT_EQ(std::get<bool>(probe().wert(w, "An")), f.an) << f.datei;
        EXPECT_EQ(l.unlesbar().join(u'|'), QString::fromUtf8(f.unlesbar)) << f.datei;
    }
}

TEST(Ablage, DatenanteilBehaeltFehlendeZeilenUndSetztDieVorgabeFuerWerteAusserhalb) {
    // line 2 outside (its default), line 3 missing (kept as it was)
    DatenLeser l(leseDatenfileText(QStringLiteral(".\n11\n"), u'.'));
    std::vector<double> w = probe().datenAnfang();
    probe().datenLesen(l, w);
    EXPECT_EQ(w, (std::vector<double>{1.5, 3}));
    EXPECT_EQ(l.ausserhalb().join(u','), QStringLiteral("2"));
    EXPECT_EQ(l.unlesbar().join(u','), QStringLiteral("3"));
    DatenSchreiber s;
    Ablage::datenSchreiben(s, w);
    EXPECT_EQ(s.werte(), w);
}
