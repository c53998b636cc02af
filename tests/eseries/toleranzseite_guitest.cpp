// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <limits>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "eseries/ToleranzSeite.h"
#include "eseries/dreier.h"
#include "eseries/toleranz.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "fields/Schaltbild.h"
#include "fields/Zeilenliste.h"
#include "storage/einstellungen.h"
#include "storage/inidokument.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");

struct Zeile {
    QString text;
    QColor farbe;
};

std::vector<Zeile> zeilen(Zeilenliste* re) {
    std::vector<Zeile> z;
    for (int i = 0; i < re->anzahl(); ++i) z.push_back({re->zeile(i), re->farbe(i)});
    return z;
}

QString zeile(const char16_t* a, const char16_t* b, const char16_t* ges, const char16_t* f) {
    return u' ' + QString::fromUtf16(a) + u'\t' + QString::fromUtf16(b) + u'\t' + QString::fromUtf16(ges) + u'\t' +
           QString::fromUtf16(f);
}

// A page on its own with the comma as decimal separator, started as on a first start.
struct Seite : test::Seitenaufbau<ToleranzSeite> {
    using test::Seitenaufbau<ToleranzSeite>::Seitenaufbau;
    ToleranzSeite& s = *seite;
    template <class T>
    T* w(const char* name) {
        T* t = s.findChild<T*>(QString::fromLatin1(name));
        if (!t) qFatal("missing %s", name);
        return t;
    }
    Eingabefeld* feld() { return w<Eingabefeld>("Toleranz_E_Wert"); }
    Radiogruppe* reihen() { return w<Radiogruppe>("RG_Toleranzen_EReihen"); }
    Radiogruppe* auswahl() { return w<Radiogruppe>("RG_Toleranzen_Auswahl"); }
    Radiogruppe* anzahl() { return w<Radiogruppe>("RG_Toleranzen_Anzahl"); }
    QCheckBox* nurBestand() { return w<QCheckBox>("CB_Toleranzen_Bestand"); }
    Zeilenliste* parallel() { return w<Zeilenliste>("RE_Toleranz_parallel"); }
    Zeilenliste* seriell() { return w<Zeilenliste>("RE_Toleranz_seriell"); }
    QString unten() { return w<QLabel>("Tol_unten")->text(); }
    QString oben() { return w<QLabel>("Tol_oben")->text(); }
    QString titelParallel() { return w<QGroupBox>("GB_Toleranzen_Parallel")->title(); }
    QString titelReihe() { return w<QGroupBox>("GB_Toleranzen_Reihe")->title(); }
};

}  // namespace

class ToleranzSeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStartZeigtHundertFuenfzigOhm() {
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        QCOMPARE(p.feld()->text(), QStringLiteral(u"150,00 \u2126"));
        QCOMPARE(p.reihen()->itemIndex(), 2);
        QCOMPARE(p.auswahl()->itemIndex(), 0);
        QCOMPARE(p.s.maxF(), 10.0);
        QCOMPARE(p.unten(), QStringLiteral(u"120,00 \u2126"));
        QCOMPARE(p.oben(), QStringLiteral(u"180,00 \u2126"));
        QCOMPARE(p.s.toleranz().Toleranz_R, 150.0);
        QCOMPARE(p.s.toleranz().Toleranz_L, 7.5e-8);
        QCOMPARE(p.s.toleranz().Toleranz_C, 3e-11);
        // the same lines as the calculation itself gives
        const auto e = Toleranz_Berechnung(QStringLiteral(u"150,00 \u2126"), reihe(EReihe::E12), 10, artR, u',');
        QVERIFY(e);
        const auto par = zeilen(p.parallel());
        QCOMPARE(par.size(), e->parallel.size());
        for (size_t i = 0; i < par.size(); ++i) QCOMPARE(par[i].text, e->parallel[i].text);
        QCOMPARE(p.titelParallel(), parallelTitel(int(e->parallel.size())));
        QCOMPARE(p.titelReihe(), reiheTitel(int(e->seriell.size())));
        // R pictures and headers shown, the others hidden
        QVERIFY(p.w<Schaltbild>("I_Toleranz_par_R")->isVisible());
        QVERIFY(p.w<Schaltbild>("I_Toleranz_ser_R")->isVisible());
        QVERIFY(p.w<QLabel>("Label58")->isVisible());
        QVERIFY(!p.w<Schaltbild>("I_Toleranz_par_C")->isVisible());
        QVERIFY(!p.w<QLabel>("Label71")->isVisible());
        QVERIFY(rec.eintraege.empty());
    }

    void einKiloOhmInE12() {
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        test::tippeUndEnter(p.feld(), QStringLiteral("1k"));
        QVERIFY(rec.eintraege.empty());
        QCOMPARE(p.feld()->text(), QStringLiteral(u"1,00 k\u2126"));
        QCOMPARE(p.s.toleranz().Toleranz_R, 1000.0);
        QCOMPARE(p.unten(), QStringLiteral(u"820,00 \u2126"));
        QCOMPARE(p.oben(), QStringLiteral(u"1,20 k\u2126"));
        for (int k = 0; k < 7; ++k) QVERIFY2(p.reihen()->knopfFett(k), qPrintable(QString::number(k)));
        QCOMPARE(p.titelParallel(), QStringLiteral(u" Parallelsch. =  26 mögliche Kombinationen "));
        QCOMPARE(p.titelReihe(), QStringLiteral(u" Reihensch. =  17 mögliche Kombinationen "));
        const auto par = zeilen(p.parallel());
        const auto ser = zeilen(p.seriell());
        QCOMPARE(par.size(), size_t(26));
        QCOMPARE(ser.size(), size_t(17));
        QCOMPARE(par[0].text, zeile(u"  1,00k", u"100,00k", u"990,10\u2126", u"-0,99%"));
        QCOMPARE(ser[0].text, zeile(u"180,00\u2126", u"820,00\u2126", u"  1,00k", u"0,00%"));
        const QColor gruen(0, 0x80, 0);
        const QColor maroon(0x80, 0, 0);
        QCOMPARE(par[0].farbe, gruen);
        QCOMPARE(ser[0].farbe, gruen);
        QCOMPARE(par.back().farbe, maroon);  // -9,09 %
        QCOMPARE(ser.back().farbe, maroon);  // 9,00 %
        // tab stops at 48, 70 and 92 points (4/3 pixels each), the same in both lists
        const auto tabs = p.parallel()->textOption().tabs();
        QCOMPARE(tabs.size(), 3);
        QCOMPARE(tabs[0].position, 64.0);
        QVERIFY(std::fabs(tabs[1].position - 70 * 4.0 / 3) < 1e-9);
        QVERIFY(std::fabs(tabs[2].position - 92 * 4.0 / 3) < 1e-9);
        QVERIFY(p.seriell()->textOption().tabs() == tabs);
        // the second column starts at the first stop, as the line is painted
        QCOMPARE(p.parallel()->zeichenX(0, int(par[0].text.indexOf(u'\t')) + 1), 64.0);
        QCOMPARE(p.parallel()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(p.seriell()->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void weitereBeispiele() {
        struct Fall {
            const char16_t* eingabe;
            int reihe;
            int art;
            const char16_t* feld;
            const char16_t* unten;
            const char16_t* oben;
            std::array<bool, 7> fett;
        };
        const Fall faelle[] = {
            {u"4,7k", 2, 0, u"4,70 k\u2126", u"3,90 k\u2126", u"5,60 k\u2126", {1, 1, 1, 1, 0, 0, 1}},
            {u"1k", 5, 0, u"1,00 k\u2126", u"976,00 \u2126", u"1,02 k\u2126", {1, 1, 1, 1, 1, 1, 1}},
            {u"4,7n", 1, 2, u"4,70 nF", u"3,30 nF", u"6,80 nF", {1, 1, 1, 1, 0, 0, 1}},
            {u"9,9999995k", 2, 0, u"10,00 k\u2126", u"8,20 k\u2126", u"10,00 k\u2126", {0, 0, 0, 0, 0, 0, 0}},
            {u"1e27", 2, 0, u"1000,00 Y\u2126", u"820,00 Y\u2126", u"1200,00 Y\u2126", {1, 1, 1, 1, 1, 1, 1}},
            // E192: window 0,5 %, its own neighbours and the value that is only in E192
            {u"9,2k", 6, 0, u"9,20 k\u2126", u"9,09 k\u2126", u"9,31 k\u2126", {0, 0, 0, 0, 0, 0, 1}},
            {u"1k", 6, 0, u"1,00 k\u2126", u"988,00 \u2126", u"1,01 k\u2126", {1, 1, 1, 1, 1, 1, 1}},
            {u"1,03k", 6, 0, u"1,03 k\u2126", u"1,02 k\u2126", u"1,04 k\u2126", {0, 0, 0, 0, 0, 0, 0}},
        };
        for (const Fall& f : faelle) {
            Seite p;
            test::MeldungsRecorder& rec = p.rec;
            p.reihen()->knopf(f.reihe)->click();
            p.auswahl()->knopf(f.art)->click();
            test::tippeUndEnter(p.feld(), QString::fromUtf16(f.eingabe));
            const QString was = QString::fromUtf16(f.eingabe);
            QVERIFY2(rec.eintraege.empty(), qPrintable(was + rec.letzter()));
            QCOMPARE(p.feld()->text(), QString::fromUtf16(f.feld));
            QCOMPARE(p.unten(), QString::fromUtf16(f.unten));
            QCOMPARE(p.oben(), QString::fromUtf16(f.oben));
            for (int k = 0; k < 7; ++k) QVERIFY2(p.reihen()->knopfFett(k) == f.fett[size_t(k)], qPrintable(was));
        }
        // capacitors add up in parallel
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        p.reihen()->knopf(1)->click();
        p.auswahl()->knopf(2)->click();
        test::tippeUndEnter(p.feld(), QStringLiteral("4,7n"));
        const auto par = zeilen(p.parallel());
        QVERIFY(par.size() >= 2);
        QCOMPARE(par[0].text, zeile(u"  1,50n", u"  3,30n", u"  4,80n", u"2,13%"));
        QCOMPARE(par[1].text, zeile(u"  4,70n", u"100,00p", u"  4,80n", u"2,13%"));
        QCOMPARE(p.s.toleranz().Toleranz_C, 4.7e-9);
        QCOMPARE(p.s.toleranz().Toleranz_R, 150.0);
    }

    void enterRechnetMitDemGetipptenText() {
        // "1,024k" is shown as "1,02 kΩ", the lists belong to 1024 Ω
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        test::tippeUndEnter(p.feld(), QStringLiteral("1,024k"));
        QCOMPARE(p.feld()->text(), QStringLiteral(u"1,02 k\u2126"));
        QCOMPARE(p.s.toleranz().Toleranz_R, 1024.0);
        const auto getippt = Toleranz_Berechnung(QStringLiteral("1,024k"), reihe(EReihe::E12), 10, artR, u',');
        const auto gezeigt = Toleranz_Berechnung(p.feld()->text(), reihe(EReihe::E12), 10, artR, u',');
        QCOMPARE(zeilen(p.parallel())[0].text, getippt->parallel[0].text);
        QVERIFY(getippt->parallel[0].text != gezeigt->parallel[0].text);
    }

    void abgelehnteEingaben() {
        struct Fall {
            const char16_t* eingabe;
            const char16_t* meldung;
        };
        const Fall faelle[] = {
            {u"0", u"Die Eingabe 0  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
            {u"-5", u"Die Eingabe -5  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
            {u"1,1e27", u"Die Eingabe 1,1e27  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
            {u"abc", u"Die eingegebene Zahl abc  ist keine Gleitkommazahl !"},
        };
        for (const Fall& f : faelle) {
            Seite p;
            test::MeldungsRecorder& rec = p.rec;
            const QString titel = p.titelParallel();
            test::tippeUndEnter(p.feld(), QString::fromUtf16(f.eingabe));
            QCOMPARE(rec.eintraege.size(), size_t(1));
            QCOMPARE(rec.eintraege[0].art, Meldungen::Art::Fehler);
            QCOMPARE(rec.letzter(), QString::fromUtf16(f.meldung));
            QCOMPARE(p.feld()->text(), QStringLiteral(u"150,00 \u2126"));
            QCOMPARE(p.s.toleranz().Toleranz_R, 150.0);
            QCOMPARE(p.titelParallel(), titel);
        }
    }

    void reiheUndArtWechseln() {
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        test::tippeUndEnter(p.feld(), QStringLiteral("1k"));
        p.reihen()->knopf(5)->click();
        QCOMPARE(p.s.maxF(), 1.0);
        QCOMPARE(p.unten(), QStringLiteral(u"976,00 \u2126"));
        QVERIFY(zeilen(p.seriell())[0].text.startsWith(QStringLiteral(u" 113,00\u2126\t887,00\u2126")));
        p.reihen()->knopf(6)->click();
        QCOMPARE(p.s.maxF(), 0.5);
        QCOMPARE(p.unten(), QStringLiteral(u"988,00 \u2126"));
        // the window of E192 holds only lines within half a percent
        for (const auto& z : zeilen(p.seriell()))
            QVERIFY2(std::fabs(z.text.section(u'\t', 3).chopped(1).replace(u',', u'.').toDouble()) < 0.5, qPrintable(z.text));
        p.reihen()->knopf(0)->click();
        QCOMPARE(p.s.maxF(), 36.0);
        QCOMPARE(p.oben(), QStringLiteral(u"2,20 k\u2126"));

        // kind C: its pictures, headers and stored value; R keeps its value
        p.auswahl()->knopf(2)->click();
        QCOMPARE(p.feld()->text(), QStringLiteral("30,00 pF"));
        QVERIFY(p.w<Schaltbild>("I_Toleranz_par_C")->isVisible());
        QVERIFY(p.w<Schaltbild>("I_Toleranz_ser_C")->isVisible());
        QVERIFY(p.w<QLabel>("Label72")->isVisible());
        QVERIFY(p.w<QLabel>("Label74")->isVisible());
        QVERIFY(!p.w<QLabel>("Label58")->isVisible());
        QVERIFY(!p.w<Schaltbild>("I_Toleranz_par_R")->isVisible());
        QCOMPARE(p.w<QLabel>("Label72")->text(),
                 QStringLiteral("       C1            C2             Cges              F                   "));
        QVERIFY(zeilen(p.parallel())[0].text.contains(u'p'));
        p.auswahl()->knopf(1)->click();
        QCOMPARE(p.feld()->text(), QStringLiteral("75,00 nH"));
        QVERIFY(p.w<QLabel>("Label73")->isVisible());
        p.auswahl()->knopf(0)->click();
        QCOMPARE(p.feld()->text(), QStringLiteral(u"1,00 k\u2126"));
        QVERIFY(rec.eintraege.empty());
    }

    void unbestaetigterTextBeimReihenklick() {
        // a valid typed text counts without Enter (the record keeps its value)
        {
            Seite p;
            test::MeldungsRecorder& rec = p.rec;
            test::tippe(p.feld(), QStringLiteral("2,2k"));
            p.reihen()->knopf(3)->click();
            QVERIFY(rec.eintraege.empty());
            QCOMPARE(p.feld()->text(), QStringLiteral("2,2k"));
            QCOMPARE(p.unten(), QStringLiteral(u"2,00 k\u2126"));
            QCOMPARE(p.oben(), QStringLiteral(u"2,40 k\u2126"));
            QCOMPARE(p.s.toleranz().Toleranz_R, 150.0);
        }
        // no number, zero, negative or out of range: told as on Enter, the field goes back and the
        // new series is calculated from the restored text
        struct Fall {
            const char16_t* text;
            const char16_t* meldung;
        };
        const Fall faelle[] = {
            {u"abc", u"Die eingegebene Zahl abc  ist keine Gleitkommazahl !"},
            {u"", u"Die eingegebene Zahl   ist keine Gleitkommazahl !"},
            {u"0", u"Die Eingabe 0  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
            {u"-1k", u"Die Eingabe -1k  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
            {u"1E30", u"Die Eingabe 1E30  ist außerhalb\r\rdes gültigen Wertebereiches: 1y bis 1000Y"},
        };
        for (const Fall& f : faelle) {
            Seite p;
            test::MeldungsRecorder& rec = p.rec;
            test::tippe(p.feld(), QString::fromUtf16(f.text));
            p.reihen()->knopf(3)->click();
            QCOMPARE(rec.eintraege.size(), size_t(1));
            QCOMPARE(rec.letzter(), QString::fromUtf16(f.meldung));
            QCOMPARE(p.feld()->text(), QStringLiteral(u"150,00 \u2126"));
            QCOMPARE(p.reihen()->itemIndex(), 3);
            QCOMPARE(p.s.maxF(), 5.0);
            QCOMPARE(p.unten(), QStringLiteral(u"130,00 \u2126"));  // E24 around 150 Ω
            QCOMPARE(p.oben(), QStringLiteral(u"160,00 \u2126"));
        }
    }

    void uebergabe() {
        // refused: nothing changes, the user is told why
        const double schlecht[] = {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                   1e30, 1e-30};
        for (double w : schlecht) {
            Seite p;
            test::MeldungsRecorder& rec = p.rec;
            p.auswahl()->knopf(2)->click();
            const QString titel = p.titelParallel();
            QVERIFY(!p.s.Uebergabe(w));
            QCOMPARE(rec.eintraege.size(), size_t(1));
            QCOMPARE(rec.eintraege[0].art, Meldungen::Art::Fehler);
            QVERIFY(rec.letzter().contains(QStringLiteral(u"nicht auf die Seite Toleranz übernommen")));
            QCOMPARE(p.auswahl()->itemIndex(), 2);
            QCOMPARE(p.feld()->text(), QStringLiteral("30,00 pF"));
            QCOMPARE(p.s.toleranz().Toleranz_R, 150.0);
            QCOMPARE(p.titelParallel(), titel);
        }
        {
            Seite p;
            test::MeldungsRecorder& rec = p.rec;
            QVERIFY(!p.s.Uebergabe(0));
            QCOMPARE(rec.letzter(), QStringLiteral(u"Der Widerstandswert 0 \u2126 kann nicht auf die Seite Toleranz "
                                                   u"übernommen werden.\r\rMöglich sind Werte von 1E-24 \u2126 bis "
                                                   u"1E27 \u2126."));
        }
        // taken: kind R, value shown, calculated
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        p.auswahl()->knopf(2)->click();
        QVERIFY(p.s.Uebergabe(4700));
        QVERIFY(rec.eintraege.empty());
        QCOMPARE(p.auswahl()->itemIndex(), 0);
        QCOMPARE(p.s.toleranz().Toleranz_R, 4700.0);
        QCOMPARE(p.feld()->text(), QStringLiteral(u"4,70 k\u2126"));
        QCOMPARE(p.unten(), QStringLiteral(u"3,90 k\u2126"));
        QVERIFY(p.w<Schaltbild>("I_Toleranz_par_R")->isVisible());
        // with R already selected
        QVERIFY(p.s.Uebergabe(1e27));
        QCOMPARE(p.feld()->text(), QStringLiteral(u"1000,00 Y\u2126"));
        QVERIFY(p.s.Uebergabe(1e-24));
        QCOMPARE(p.s.toleranz().Toleranz_R, 1e-24);
    }

    void dreiBauteile() {
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        // the first start searches pairs
        QCOMPARE(p.anzahl()->itemIndex(), 0);
        QVERIFY(p.w<Schaltbild>("I_Toleranz_par_R")->isVisible());
        QVERIFY(!p.w<Schaltbild>("I_Toleranz_par3_R")->isVisible());
        p.reihen()->knopf(5)->click();
        test::tippeUndEnter(p.feld(), QStringLiteral("3,37k"));
        p.anzahl()->knopf(1)->click();
        QVERIFY(rec.eintraege.empty());
        QVERIFY(p.w<Schaltbild>("I_Toleranz_par3_R")->isVisible());
        QVERIFY(p.w<Schaltbild>("I_Toleranz_ser3_R")->isVisible());
        QVERIFY(!p.w<Schaltbild>("I_Toleranz_par_R")->isVisible());
        QVERIFY(!p.w<QLabel>("Label58")->isVisible());
        QVERIFY(p.w<QLabel>("Tol_Kopf3_parallel")->isVisible());
        QVERIFY(p.w<QLabel>("Tol_Kopf3_seriell")->text().contains(QStringLiteral("Schaltung")));
        // the lists are those of the calculation, in their colours
        ToleranzSuche drei;
        drei.teile = 3;
        drei.dreierWerte = dreierReihe(EReihe::E96);
        const auto e = Toleranz_Berechnung(QStringLiteral("3,37k"), reihe(EReihe::E96), 1, artR, u',', drei);
        QVERIFY(e);
        for (const auto& [box, soll] : {std::pair{p.parallel(), &e->parallel}, std::pair{p.seriell(), &e->seriell}}) {
            const auto ist = zeilen(box);
            QCOMPARE(ist.size(), soll->size());
            for (size_t i = 0; i < ist.size(); i += 97) QCOMPARE(ist[i].text, (*soll)[i].text);
        }
        QCOMPARE(p.titelReihe(), reiheTitel(1000, e->seriellAlle));
        QVERIFY(p.titelReihe().contains(QStringLiteral("1000 von")));
        QVERIFY(zeilen(p.seriell())[0].text.contains(QStringLiteral(u"R1+")));
        // five tab stops for the six columns
        QCOMPARE(p.seriell()->textOption().tabs().size(), 5);
        // the kind changes the letters of the formula and the pictures
        p.auswahl()->knopf(2)->click();
        QVERIFY(p.w<Schaltbild>("I_Toleranz_par3_C")->isVisible());
        QVERIFY(zeilen(p.parallel())[0].text.contains(u'C'));
        QVERIFY(p.w<QLabel>("Tol_Kopf3_parallel")->text().contains(QStringLiteral("Cges")));
        // stored, and back to pairs as they were
        QVERIFY(p.gespeichert().contains("Bauteile=1"));
        p.auswahl()->knopf(0)->click();
        p.anzahl()->knopf(0)->click();
        QCOMPARE(p.seriell()->textOption().tabs().size(), 3);
        const auto zwei = Toleranz_Berechnung(QStringLiteral("3,37k"), reihe(EReihe::E96), 1, artR, u',');
        QCOMPARE(zeilen(p.seriell()).size(), zwei->seriell.size());
        QCOMPARE(zeilen(p.seriell())[0].text, zwei->seriell[0].text);
        QCOMPARE(p.titelReihe(), reiheTitel(int(zwei->seriell.size())));
        QVERIFY(p.gespeichert().contains("Bauteile=0"));
        QVERIFY(rec.eintraege.empty());
    }

    void kopieren() {
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        test::tippeUndEnter(p.feld(), QStringLiteral("1k"));
        // the keyboard reaches the lists with Tab, one after the other
        p.nurBestand()->setFocus();
        QTest::keyClick(p.nurBestand(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.parallel());
        QTest::keyClick(p.parallel(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.seriell());
        // arrows move the line, Shift takes the lines between; Ctrl+C copies the chosen lines with the
        // header, the columns without padding
        auto ohneRand = [](QString z) {
            QStringList f = z.split(u'\t');
            for (auto& x : f) x = x.trimmed();
            return f.join(u'\t');
        };
        const auto ser = zeilen(p.seriell());
        const QString kopf = QStringLiteral("R1\tR2\tRges\tF\n");
        auto kopiert = [&](std::initializer_list<int> nummern) {
            QString t = kopf;
            for (int n : nummern) t += ohneRand(ser[size_t(n)].text) + u'\n';
            return t;
        };
        QTest::keyClick(p.seriell(), Qt::Key_Home);
        QTest::keyClick(p.seriell(), Qt::Key_Down, Qt::ShiftModifier);
        QApplication::clipboard()->clear();
        QTest::keyClick(p.seriell(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), kopiert({0, 1}));
        QCOMPARE(ohneRand(ser[0].text), QStringLiteral(u"180,00\u2126\t820,00\u2126\t1,00k\t0,00%"));
        QTest::keyClick(p.seriell(), Qt::Key_Down);  // one line again, the next
        QTest::keyClick(p.seriell(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), kopiert({2}));
        QTest::keyClick(p.seriell(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(p.seriell(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(p.seriell(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), kopiert({0, 1, 2}));
        // with the mouse: a click and a Shift click take the lines between, in the order of the list
        auto mitte = [&](int zeile) { return p.seriell()->visualRect(p.seriell()->model()->index(zeile, 0)).center(); };
        QTest::mouseClick(p.seriell()->viewport(), Qt::LeftButton, {}, mitte(5));
        QTest::mouseClick(p.seriell()->viewport(), Qt::LeftButton, Qt::ShiftModifier, mitte(3));
        QCOMPARE(p.s.kopieren(p.seriell(), false), kopiert({3, 4, 5}));
        // the lines are drawn one below the other, from the top of the list
        QCOMPARE(mitte(1).y() - mitte(0).y(), p.seriell()->visualRect(p.seriell()->model()->index(0, 0)).height());
        QVERIFY(mitte(0).y() < mitte(0).x());
        // a new calculation brings new lines, shown from the first with nothing chosen
        p.seriell()->scrollToBottom();
        test::tippeUndEnter(p.feld(), QStringLiteral("1k"));
        QVERIFY(p.s.kopieren(p.seriell(), false).isEmpty());
        QCOMPARE(p.seriell()->indexAt(QPoint(5, 5)).row(), 0);
        // every line
        const QString alle = p.s.kopieren(p.parallel(), true);
        QCOMPARE(alle.count(u'\n'), int(zeilen(p.parallel()).size()) + 1);
        QVERIFY(alle.startsWith(QStringLiteral("R1\tR2\tRges\tF\n")));
        // nothing selected: nothing to copy
        p.parallel()->clearSelection();
        QVERIFY(p.s.kopieren(p.parallel(), false).isEmpty());
        // the context menu: "Kopieren" only with chosen lines, "Alle kopieren" takes every line
        auto menue = [&](Zeilenliste* liste, const QString& punkt) {
            QStringList an;
            QTimer::singleShot(0, [&] {
                auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!m) return;
                for (QAction* a : m->actions())
                    if (a->isEnabled()) an << a->text();
                for (QAction* a : m->actions())
                    if (a->text() == punkt && a->isEnabled()) m->setActiveAction(a);
                QTest::keyClick(m, Qt::Key_Return);
            });
            QApplication::clipboard()->clear();
            emit liste->customContextMenuRequested(QPoint(5, 5));
            return an;
        };
        QCOMPARE(menue(p.parallel(), QStringLiteral("Alle kopieren")), QStringList{QStringLiteral("Alle kopieren")});
        QCOMPARE(QApplication::clipboard()->text(), alle);
        p.parallel()->selectionModel()->select(p.parallel()->model()->index(3, 0), QItemSelectionModel::Select);
        QCOMPARE(menue(p.parallel(), QStringLiteral("Kopieren")),
                 (QStringList{QStringLiteral("Kopieren"), QStringLiteral("Alle kopieren")}));
        QCOMPARE(QApplication::clipboard()->text(), kopf + ohneRand(zeilen(p.parallel())[3].text) + u'\n');
        // the point as separator on such a system
        Seite q(u'.');
        test::tippeUndEnter(q.feld(), QStringLiteral("1k"));
        QVERIFY(q.s.kopieren(q.seriell(), true).contains(QStringLiteral(u"180.00\u2126\t820.00\u2126\t1.00k\t0.00%")));
        QVERIFY(rec.eintraege.empty());
    }

    void bestand() {
        QTemporaryDir ordner;
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        p.umgebung.datenOrdner = [&] { return ordner.path(); };
        // empty stock with "nur Bestand": told, no search
        p.nurBestand()->click();
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QVERIFY(rec.letzter().startsWith(QStringLiteral(u"Der Bestand „Widerstände“ ist leer")));
        QVERIFY(zeilen(p.parallel()).empty());
        QCOMPARE(p.titelParallel(), parallelTitel(0));
        // typed values of every form; a line that is no value is named once with its number and kept
        const QString r = QStringLiteral("3,3k\n68\nvier\n4k7\n\n4.7k;Kiste 2\n100R\nx");
        QString texte[3] = {r, QStringLiteral("10µ"), QString()};
        p.s.bestandUebernehmen(texte);
        QCOMPARE(rec.eintraege.size(), size_t(2));
        QCOMPARE(rec.letzter(), QStringLiteral(u"Die Zeilen 3, 8 enthalten im Bestand „Widerstände“ keinen Bauteilwert. "
                                               u"Sie bleiben im Bestand stehen, werden aber bei der Suche nicht verwendet."));
        QCOMPARE(p.s.bestand(artR), (std::vector<double>{3300, 68, 4700, 4700, 100}));
        QFile f(ordner.filePath(QStringLiteral("Bestand_R.txt")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), r + u'\n');
        QVERIFY(QFile::exists(ordner.filePath(QStringLiteral("Bestand_L.txt"))));
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("Bestand_C.txt"))));
        // only the stock: 3,3k‖4,7k for 1,94 kΩ, nothing else
        test::tippeUndEnter(p.feld(), QStringLiteral("1,94k"));
        p.reihen()->knopf(5)->click();
        const auto par = zeilen(p.parallel());
        QCOMPARE(par.size(), size_t(1));
        QVERIFY(par[0].text.contains(QStringLiteral("3,30k")) && par[0].text.contains(QStringLiteral("4,70k")));
        QVERIFY(zeilen(p.seriell()).empty());
        // a new page reads the files (the bad lines named again, once)
        Seite q;
        q.umgebung.datenOrdner = [&] { return ordner.path(); };
        q.nurBestand()->click();
        QCOMPARE(q.rec.eintraege.size(), size_t(1));
        QVERIFY(q.rec.letzter().contains(QStringLiteral("Die Zeilen 3, 8")));
        QCOMPARE(q.s.bestandText(artR), r);
        QCOMPARE(q.s.bestand(artL).size(), size_t(1));
        QVERIFY(std::fabs(q.s.bestand(artL)[0] - 1e-5) < 1e-18);
        QVERIFY(q.gespeichert().contains("NurBestand=1"));
    }

    void einstellungenGespeichert() {
        // the series (E192 included) goes into the settings file and comes back
        IniDokument d;
        {
            Seite p;
            p.reihen()->knopf(6)->click();
            IniSchreiber s(d, u',');
            p.s.speichern(s);
        }
        QCOMPARE(d.lies(QStringLiteral("Toleranz"), QStringLiteral("E-Reihe")), QStringLiteral("6"));
        {
            Seite p;
            IniLeser l(d, u',');
            p.s.laden(l);
            QVERIFY(l.unlesbar().isEmpty());
            QCOMPARE(p.reihen()->itemIndex(), 6);
            QCOMPARE(p.s.maxF(), 0.5);
        }
        // an index beyond the seven series: E12, named
        IniDokument kaputt;
        kaputt.schreibe(QStringLiteral("Toleranz"), QStringLiteral("E-Reihe"), QStringLiteral("7"));
        Seite p;
        IniLeser l(kaputt, u',');
        p.s.laden(l);
        QCOMPARE(l.unlesbar().size(), 1);
        QCOMPARE(p.reihen()->itemIndex(), 2);
    }

    void gespeicherterWertAusserhalb() {
        // a record value the field would refuse (a damaged settings file) falls back to the first-start value
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        p.s.toleranz().Toleranz_L = 0;
        p.auswahl()->knopf(1)->click();
        QCOMPARE(p.feld()->text(), QStringLiteral("75,00 nH"));
        QCOMPARE(p.s.toleranz().Toleranz_L, 7.5e-8);
        QVERIFY(rec.eintraege.empty());
    }

    void laufzeitEinstellungen() {
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        const char16_t* hinweise[] = {u">20%", u"20%", u"10%", u"5%", u"2%", u"1%", u"0,5%"};
        const int links[] = {10, 60, 110, 165, 220, 275, 331};
        QCOMPARE(p.reihen()->anzahl(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(p.reihen()->knopf(i)->toolTip(), QString::fromUtf16(hinweise[i]));
            QCOMPARE(p.reihen()->knopf(i)->x(), links[i]);
            QCOMPARE(p.reihen()->knopf(i)->text(),
                     QStringLiteral("E %1").arg(QStringLiteral("3,6,12,24,48,96,192").split(u',')[i]));
            // every button shows its whole caption
            QVERIFY(p.reihen()->knopf(i)->geometry().right() < p.reihen()->width());
            QVERIFY2(p.reihen()->knopf(i)->sizeHint().width() <= p.reihen()->knopf(i)->width(),
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(i).arg(p.reihen()->knopf(i)->sizeHint().width()).arg(p.reihen()->knopf(i)->width())));
        }
        QCOMPARE(p.reihen()->knopf(6)->width(), 66);
        const char16_t* auswahl[] = {u"Widerstand auswählen", u"Spulen auswählen", u"Kondensator auswählen"};
        const int links2[] = {8, 42, 76};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(p.auswahl()->knopf(i)->toolTip(), QString::fromUtf16(auswahl[i]));
            QCOMPARE(p.auswahl()->knopf(i)->x(), links2[i]);
            QVERIFY2(p.auswahl()->knopf(i)->sizeHint().width() <= p.auswahl()->knopf(i)->width(),
                     qPrintable(QString::number(p.auswahl()->knopf(i)->sizeHint().width())));
        }
        QCOMPARE(p.anzahl()->title(), QStringLiteral(" Anzahl "));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(p.anzahl()->knopf(i)->text(), QStringLiteral("%1 Bauteile").arg(i + 2));
            QVERIFY2(p.anzahl()->knopf(i)->sizeHint().width() <= p.anzahl()->knopf(i)->width(), qPrintable(QString::number(p.anzahl()->knopf(i)->sizeHint().width())));
            QVERIFY(p.anzahl()->knopf(i)->geometry().right() < p.anzahl()->width());
        }
        QCOMPARE(p.w<QPushButton>("B_Toleranzen_Bestand")->text(), QStringLiteral(u"Bestand …"));
        QCOMPARE(p.w<QCheckBox>("CB_Toleranzen_Bestand")->text(), QStringLiteral("nur Bestand"));
        // nothing overlaps in the two top rows
        const QStringList oben{"Tol_unten", "Tol_L_kleiner1", "Toleranz_E_Wert", "Tol_L_kleiner2", "Tol_oben", "RG_Toleranzen_Anzahl"};
        const QStringList mitte{"RG_Toleranzen_EReihen", "RG_Toleranzen_Auswahl", "B_Toleranzen_Bestand"};
        for (const QStringList* reihe : {&oben, &mitte})
            for (qsizetype i = 1; i < reihe->size(); ++i)
                QVERIFY2(p.w<QWidget>(qPrintable((*reihe)[i - 1]))->geometry().right() <
                             p.w<QWidget>(qPrintable((*reihe)[i]))->geometry().left(),
                         qPrintable((*reihe)[i]));
        QVERIFY(p.w<QWidget>("CB_Toleranzen_Bestand")->geometry().right() < p.s.width());
        QCOMPARE(p.reihen()->title(), QStringLiteral(" E-Reihen "));
        QCOMPARE(p.auswahl()->title(), QStringLiteral(" Auswahl "));
        QCOMPARE(p.w<QLabel>("Tol_unten")->toolTip(), QStringLiteral(u"nächst kleinerer Wert in der eingestellten E-Reihe"));
        QCOMPARE(p.w<QLabel>("Tol_oben")->toolTip(), QStringLiteral(u"nächst größerer Wert in der eingestellten E-Reihe"));
        QCOMPARE(p.feld()->toolTip(), QStringLiteral("Eingabe der Wertes des Bauteils"));
    }

    void vorzeichenUnabhaengigVonDerAktivenSeite() {
        // the first start runs while another page is shown; the unit signs are there all the same
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.pageControl1()->currentIndex(), 6);
        // a refused transfer builds the page (it is built on first show or first use) but does not show it
        QVERIFY(!f.findChild<ToleranzSeite*>());
        f.umgebung().anToleranzUebergeben(0.0);
        QCOMPARE(f.pageControl1()->currentIndex(), 6);
        f.pageControl1()->setCurrentIndex(1);
        auto* par = f.findChild<Zeilenliste*>(QStringLiteral("RE_Toleranz_parallel"));
        QVERIFY(par);
        QVERIFY(zeilen(par)[0].text.contains(ohm));
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("Tol_unten"))->text(), QStringLiteral(u"120,00 \u2126").replace(u',', f.umgebung().dezimal));

        // a transfer shows the page
        f.pageControl1()->setCurrentIndex(6);
        f.umgebung().anToleranzUebergeben(330.0);
        QCOMPARE(f.pageControl1()->currentIndex(), 1);
        QCOMPARE(f.findChild<ToleranzSeite*>()->toleranz().Toleranz_R, 330.0);
    }

    void fuellungE96WieBerechnet() {
        // both lists show exactly the lines of the calculation in their colours, and each refill
        // replaces the previous lines (the time it takes is measured in bench/)
        Seite p;
        test::MeldungsRecorder& rec = p.rec;
        p.reihen()->knopf(5)->click();
        const QColor gruen(0, 0x80, 0);
        const QColor maroon(0x80, 0, 0);
        for (const char* text : {"1k", "4,7k", "1k"}) {
            test::tippeUndEnter(p.feld(), QString::fromLatin1(text));
            p.parallel()->viewport()->repaint();
            p.seriell()->viewport()->repaint();
            const auto e = Toleranz_Berechnung(QString::fromLatin1(text), reihe(EReihe::E96), 1, artR, u',');
            QVERIFY(e);
            for (const auto& [box, soll] : {std::pair{p.parallel(), &e->parallel}, std::pair{p.seriell(), &e->seriell}}) {
                const auto ist = zeilen(box);
                QCOMPARE(ist.size(), soll->size());
                for (size_t i = 0; i < ist.size(); ++i) {
                    QCOMPARE(ist[i].text, (*soll)[i].text);
                    QCOMPARE(ist[i].farbe, (*soll)[i].gruen ? gruen : maroon);
                }
            }
        }
    }
};

QTEST_MAIN(ToleranzSeiteTest)
#include "toleranzseite_guitest.moc"
