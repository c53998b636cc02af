// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <set>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/KonstantstromSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString ohm = QStringLiteral(u"\u2126");
const char* const bildNamen[] = {"I_2Trans_npn", "I_2Trans_pnp",   "I_2Dioden_npn", "I_2Dioden_pnp",
                                 "I_JFET_n",     "I_JFET_p",       "I_ZDiode_npn",  "I_ZDiode_pnp"};

// A page as the main window builds it at a first start, with a recording transfer.
struct Aufbau : test::Seitenaufbau<KonstantstromSeite> {
    using Seitenaufbau::Seitenaufbau;
    QToolButton* knopf(const char* name) const { return seite->findChild<QToolButton*>(name); }
    void klickeSchaltung(int i) { QTest::mouseClick(seite->schaltungGruppe()->knopf(i), Qt::LeftButton); }
    void klickePolaritaet(int i) { QTest::mouseClick(seite->polaritaetGruppe()->knopf(i), Qt::LeftButton); }
    // the one picture shown
    QStringList sichtbareBilder() const {
        QStringList l;
        for (const char* n : bildNamen)
            if (sichtbar(n)) l << QString::fromLatin1(n);
        return l;
    }
    QStringList ergebnisse() const {
        return {text("kStrom_E_R1"), text("kStrom_C_R1"), text("kStrom_E_R2"), text("kStrom_C_R2"),
                text("kStrom_E_RL"), text("kStrom_C_RL")};
    }
};

}  // namespace

class KonstantstromSeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStart_data() {
        test::trennerZeilen();
    }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        Aufbau a(dezimal);
        const auto d = [&](const char16_t* t) { return QString::fromUtf16(t).replace(u',', dezimal); };
        QCOMPARE(a.text("kStrom_E_U"), d(u"12,00 V"));
        QCOMPARE(a.text("kStrom_E_I"), d(u"10,00 mA"));
        QCOMPARE(a.text("kStrom_E_Iq"), d(u"1,00 mA"));
        // the circuit's reference as a circuit shows it: Zahlenausgabe + " V", two blanks
        QCOMPARE(a.text("kStrom_E_Uf"), d(u"1,20  V"));
        QCOMPARE(a.ergebnisse(), (QStringList{d(u" 120,00"), ohm, d(u" 9,60"), u'k' + ohm, d(u" 980,00"), ohm}));
        QCOMPARE(a.seite->schaltungGruppe()->itemIndex(), 0);
        QCOMPARE(a.seite->polaritaetGruppe()->itemIndex(), 0);
        // circuit 0 was set without its handler: the design captions stay until a circuit is picked
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(0)->text(), QStringLiteral("npn Transistor"));
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(1)->text(), QStringLiteral("pnp Transistor"));
        QCOMPARE(a.text("Label176"), QStringLiteral("Spannung U"));
        QCOMPARE(a.text("Label162"), QStringLiteral("BE"));
        QCOMPARE(a.sichtbareBilder(), QStringList{"I_2Trans_npn"});
        QCOMPARE(a.seite->kStrom1() + a.seite->kStrom2(), 0);
        const KStrom& k = a.seite->kStrom();
        QCOMPARE(k.Trans, 1.2);
        QCOMPARE(k.Dioden, 1.4);
        QCOMPARE(k.JFET, 3.2);
        QCOMPARE(k.ZDiode, 2.5);
        QVERIFY(a.rec.eintraege.empty());
    }

    void texteUndHinweise() {
        Aufbau a;
        QCOMPARE(a.seite->schaltungGruppe()->title(), QStringLiteral(" Auswahl "));
        QCOMPARE(a.seite->schaltungGruppe()->toolTip(), QStringLiteral("Auswahl der Reglerart"));
        QCOMPARE(a.seite->polaritaetGruppe()->title(), QStringLiteral(" Schaltbildauswahl "));
        QCOMPARE(a.seite->polaritaetGruppe()->toolTip(), QStringLiteral("Auswahl der Transistorart"));
        const QStringList labels{a.text("Label13"), a.text("Label14"), a.text("Label164"), a.text("Label165"),
                                 a.text("Label20"), a.text("Label21"), a.text("Label22")};
        QCOMPARE(labels, (QStringList{"Spannung U", "konst. Strom I", "Querstrom I", "q", "Widerstand R1",
                                      "Widerstand R2", "maximaler RL"}));
        QCOMPARE(a.w("Label22")->toolTip(), QStringLiteral(u"Wert des maximal möglichen Lastwiderstandes"));
        QCOMPARE(a.knopf("BitBtn5")->toolTip(), QStringLiteral(u"Übernahme des Wertes von R1 auf die Seite Toleranz"));
        QCOMPARE(a.knopf("BitBtn6")->toolTip(), QStringLiteral(u"Übernahme des Wertes von R2 auf die Seite Toleranz"));
        QCOMPARE(a.w("I_JFET_p")->toolTip(),
                 QStringLiteral("Schaltbil der konst. Stromquelle mit  p-Kanal JFET Transistor"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(a.seite->schaltungGruppe()->knopf(i)->text(),
                     (QStringList{"2 Transistore", "2 Si-Dioden", "J-FET", "Z-Diode"})[i]);
        // laid out at start-up: circuits two per column, polarities side by side
        const int links[] = {30, 30, 155, 155};
        const int breiten[] = {110, 100, 60, 80};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(a.seite->schaltungGruppe()->knopf(i)->x(), links[i]);
            QCOMPARE(a.seite->schaltungGruppe()->knopf(i)->width(), breiten[i]);
        }
        QVERIFY(a.seite->schaltungGruppe()->knopf(1)->y() > a.seite->schaltungGruppe()->knopf(0)->y());
        QCOMPARE(a.seite->schaltungGruppe()->knopf(2)->y(), a.seite->schaltungGruppe()->knopf(0)->y());
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(0)->geometry().left(), 25);
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(1)->geometry().left(), 170);
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(1)->width(), 120);
        // subscripts follow their label's text closely
        for (const auto& [haupt, index] : {std::pair{"Label164", "Label165"}, std::pair{"Label176", "Label162"}}) {
            auto* h = a.seite->findChild<QLabel*>(haupt);
            auto* i = a.seite->findChild<QLabel*>(index);
            const int ende = h->x() + h->fontMetrics().horizontalAdvance(h->text());
            QVERIFY2(i->x() >= ende && i->x() <= ende + 3, haupt);
        }
    }

    void schaltungen_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QStringList>("polaritaet");
        QTest::addColumn<QString>("referenz");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QStringList>("ergebnis");
        const QString k = u'k' + ohm;
        QTest::newRow("Dioden") << 1 << "I_2Dioden" << QStringList{"npn-Transistor", "pnp-Transistor"}
                                << "2 x Dioden U" << "f" << "1,40  V"
                                << QStringList{" 70,00", ohm, " 10,60", k, " 1,03", k};
        QTest::newRow("JFET") << 2 << "I_JFET" << QStringList{"n-Kanal FET", "p-Kanal FET"} << "J-FET U" << "GS"
                              << "3,20  V" << QStringList{" 320,00", ohm, "", "", " 680,00", ohm};
        QTest::newRow("ZDiode") << 3 << "I_ZDiode" << QStringList{"npn-Transistor", "pnp-Transistor"} << "Z-Diode U"
                                << "Z" << "2,50  V" << QStringList{" 180,00", ohm, " 9,50", k, " 920,00", ohm};
        QTest::newRow("Transistoren") << 0 << "I_2Trans" << QStringList{"npn-Transistore", "pnp-Transistore"}
                                      << "Spannung U" << "BE" << "1,20  V"
                                      << QStringList{" 120,00", ohm, " 9,60", k, " 980,00", ohm};
    }
    void schaltungen() {
        QFETCH(int, item);
        QFETCH(QString, bild);
        QFETCH(QStringList, polaritaet);
        QFETCH(QString, referenz);
        QFETCH(QString, index);
        QFETCH(QString, uf);
        QFETCH(QStringList, ergebnis);
        Aufbau a;
        // from the J-FET (everything for R2 hidden) into each circuit, to see that every switch shows its rows
        if (item != 2) a.klickeSchaltung(2);
        a.klickeSchaltung(item);
        const bool jfet = item == 2;
        const bool npn = bild != QLatin1String("I_JFET");
        QCOMPARE(a.sichtbareBilder(), QStringList{bild + (npn ? "_npn" : "_n")});
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(0)->text(), polaritaet[0]);
        QCOMPARE(a.seite->polaritaetGruppe()->knopf(1)->text(), polaritaet[1]);
        QCOMPARE(a.text("Label176"), referenz);
        QCOMPARE(a.text("Label162"), index);
        QCOMPARE(a.text("kStrom_E_Uf"), uf);
        for (const char* n : {"Label164", "Label165", "kStrom_E_Iq", "Label21", "kStrom_E_R2", "kStrom_C_R2", "BitBtn6"})
            QVERIFY2(a.sichtbar(n) == !jfet, n);
        QStringList r = a.ergebnisse();
        if (jfet) r[2].clear(), r[3].clear();  // R2 is hidden and not computed
        QCOMPARE(r, ergebnis);
        // the other polarity changes only the picture
        a.klickePolaritaet(1);
        QCOMPARE(a.sichtbareBilder(), QStringList{bild + (npn ? "_pnp" : "_p")});
        QCOMPARE(a.seite->kStrom2(), 1);
        r = a.ergebnisse();
        if (jfet) r[2].clear(), r[3].clear();
        QCOMPARE(r, ergebnis);
        QCOMPARE(a.text("kStrom_E_Uf"), uf);
        QVERIFY(a.rec.eintraege.empty());
    }

    void referenzspannung() {
        Aufbau a;
        a.klickeSchaltung(3);
        QLineEdit* uf = a.feld("kStrom_E_Uf");
        // the first-start 2,5 V of the Z-diode can be used but not entered
        test::tippeUndEnter(uf, QStringLiteral("2.5"));
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral(
                                    u"Die Eingabe  2,5V  ist außerhalb\r\rdes gültigen Wertebereiches: 400mV bis 2V")});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Fehler);
        QCOMPARE(uf->text(), QStringLiteral("2,50  V"));
        QCOMPARE(a.seite->kStrom().ZDiode, 2.5);
        QCOMPARE(a.text("kStrom_E_R1"), QStringLiteral(" 180,00"));
        a.rec.leeren();
        test::tippeUndEnter(uf, QStringLiteral("x"));
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral("Die eingegebene Zahl x  ist keine Gleitkommazahl !")});
        QCOMPARE(uf->text(), QStringLiteral("2,50  V"));
        a.rec.leeren();
        // 1,0 V is stored for the Z-diode only
        test::tippeUndEnter(uf, QStringLiteral("1.0"));
        QVERIFY(a.rec.eintraege.empty());
        QCOMPARE(uf->text(), QStringLiteral("1,00 V"));
        const KStrom& k = a.seite->kStrom();
        QCOMPARE(k.ZDiode, 1.0);
        QCOMPARE(k.Trans, 1.2);
        QCOMPARE(k.Dioden, 1.4);
        QCOMPARE(k.JFET, 3.2);
        QCOMPARE(a.ergebnisse(), (QStringList{" 30,00", ohm, " 11,00", u'k' + ohm, " 1,07", u'k' + ohm}));
        a.klickeSchaltung(1);
        QCOMPARE(uf->text(), QStringLiteral("1,40  V"));
        // the bounds belong to the range; below 1 V the prefix stays with the unit
        test::tippeUndEnter(uf, QStringLiteral("0,4"));
        QCOMPARE(uf->text(), QStringLiteral("400,00 mV"));
        QCOMPARE(k.Dioden, 0.4);
        QCOMPARE(a.text("kStrom_E_R1"), QStringLiteral(" -30,00"));
        QVERIFY(!a.knopf("BitBtn5")->isEnabled());
        a.klickeSchaltung(3);
        QCOMPARE(uf->text(), QStringLiteral("1,00  V"));
        a.klickeSchaltung(1);
        QCOMPARE(uf->text(), QStringLiteral("400,00 m V"));
        test::tippeUndEnter(uf, QStringLiteral("2"));
        QCOMPARE(uf->text(), QStringLiteral("2,00 V"));
        QVERIFY(a.rec.eintraege.empty());
    }

    void eingaben_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");  // empty: accepted
        QTest::addColumn<QString>("danach");
        QTest::addColumn<QString>("r1");
        QTest::newRow("U Text") << "kStrom_E_U" << "abc"
                                << QStringLiteral("Die eingegebene Zahl abc  ist keine Gleitkommazahl !") << "12,00 V"
                                << " 120,00";
        QTest::newRow("U zu gross") << "kStrom_E_U" << "1M"
                                    << QStringLiteral(u"Die Eingabe 1M  ist außerhalb\r\rdes gültigen "
                                                      u"Wertebereiches: 100nV bis 999kV")
                                    << "12,00 V" << " 120,00";
        QTest::newRow("U untere Grenze") << "kStrom_E_U" << "100n" << QString() << "100,00 nV" << " 120,00";
        QTest::newRow("I zu klein") << "kStrom_E_I" << "0,5u"
                                    << QStringLiteral(u"Die Eingabe 0,5u  ist außerhalb\r\rdes gültigen "
                                                      u"Wertebereiches: 1µA bis 99,9MA")
                                    << "10,00 mA" << " 120,00";
        QTest::newRow("I Grenze") << "kStrom_E_I" << QStringLiteral(u"1µ") << QString() << QStringLiteral(u"1,00 µA")
                                  << " 1,20";
        QTest::newRow("I gross") << "kStrom_E_I" << "2" << QString() << "2,00 A" << " 600,00";
        QTest::newRow("Iq zu gross") << "kStrom_E_Iq" << "100M"
                                     << QStringLiteral(u"Die Eingabe 100M  ist außerhalb\r\rdes gültigen "
                                                       u"Wertebereiches: 1µA bis 99,9MA")
                                     << "1,00 mA" << " 120,00";
        QTest::newRow("Iq") << "kStrom_E_Iq" << "2m" << QString() << "2,00 mA" << " 120,00";
    }
    void eingaben() {
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, meldung);
        QFETCH(QString, danach);
        QFETCH(QString, r1);
        Aufbau a;
        const QByteArray name = feld.toLatin1();
        const QStringList vorher = a.ergebnisse();
        test::tippeUndEnter(a.feld(name.constData()), eingabe);
        QCOMPARE(a.text(name.constData()), danach);
        QCOMPARE(a.text("kStrom_E_R1"), r1);
        if (meldung.isEmpty()) {
            QVERIFY(a.rec.eintraege.empty());
        } else {
            QCOMPARE(a.meldungen(), QStringList{meldung});
            QCOMPARE(a.ergebnisse(), vorher);
        }
    }

    void zuWenigSpannung() {
        Aufbau a;
        test::tippeUndEnter(a.feld("kStrom_E_U"), QStringLiteral("2"));
        QVERIFY(a.rec.eintraege.empty());
        QCOMPARE(a.ergebnisse(), (QStringList{" 120,00", ohm, " -400,00", ohm, " -20,00", ohm}));
        QVERIFY(a.knopf("BitBtn5")->isEnabled());
        QVERIFY(!a.knopf("BitBtn6")->isEnabled());
        a.klickeSchaltung(1);
        a.klickeSchaltung(0);
        QTest::mouseClick(a.knopf("BitBtn6"), Qt::LeftButton);
        QVERIFY(a.uebergeben.empty());  // a negative R2 is no resistor for the tolerance page
    }

    void uebergabe() {
        Aufbau a;
        QTest::mouseClick(a.knopf("BitBtn5"), Qt::LeftButton);
        QTest::mouseClick(a.knopf("BitBtn6"), Qt::LeftButton);
        QCOMPARE(a.uebergeben, (std::vector<double>{120.0, 9600.0}));
        // the shown value with its prefix is handed on: (12 - 1,4) V / 1,43 mA shows 7,41 kOhm
        a.klickeSchaltung(1);
        test::tippeUndEnter(a.feld("kStrom_E_Iq"), QStringLiteral("1,43m"));
        QTest::mouseClick(a.knopf("BitBtn6"), Qt::LeftButton);
        QCOMPARE(a.uebergeben.back(), 7410.0);
        QTest::mouseClick(a.knopf("BitBtn5"), Qt::LeftButton);
        QCOMPARE(a.uebergeben.back(), 70.0);
        QCOMPARE(a.uebergeben.size(), size_t(4));
        QVERIFY(a.rec.eintraege.empty());
    }

    void unbestaetigteTexte() {
        Aufbau a;
        // a current of 0 typed without Enter, then a click recalculates from the texts: no "inf"
        test::tippe(a.feld("kStrom_E_I"), QStringLiteral("0"));
        test::tippe(a.feld("kStrom_E_Iq"), QStringLiteral("0"));
        a.klickeSchaltung(1);
        QCOMPARE(a.ergebnisse(), (QStringList{"---", ohm, "---", ohm, "---", ohm}));
        QVERIFY(!a.knopf("BitBtn5")->isEnabled());
        QVERIFY(!a.knopf("BitBtn6")->isEnabled());
        QTest::mouseClick(a.knopf("BitBtn5"), Qt::LeftButton);
        QVERIFY(a.uebergeben.empty());
        QVERIFY(a.rec.eintraege.empty());
        // the J-FET does not read its hidden cross current
        test::tippe(a.feld("kStrom_E_I"), QStringLiteral("10m"));
        test::tippe(a.feld("kStrom_E_Iq"), QStringLiteral("abc"));
        a.klickeSchaltung(2);
        QVERIFY(a.rec.eintraege.empty());
        QCOMPARE(a.text("kStrom_E_R1"), QStringLiteral(" 320,00"));
        // elsewhere a text that is no number ends the calculation with the standard error box
        a.klickeSchaltung(3);
        QCOMPARE(a.meldungen(), QStringList{QStringLiteral(u"'abc' ist kein gültiger Gleitkommawert.")});
        QCOMPARE(a.rec.eintraege.front().art, Meldungen::Art::Standardfehler);
        QCOMPARE(a.text("kStrom_E_R1"), QStringLiteral(" 320,00"));
        QCOMPARE(a.sichtbareBilder(), QStringList{"I_ZDiode_npn"});
    }

    void bilder() {
        Aufbau a;
        std::set<QByteArray> verschieden;
        const QRect platz = a.w(bildNamen[0])->geometry();
        for (const char* n : bildNamen) {
            QWidget* b = a.w(n);
            QCOMPARE(b->geometry(), platz);
            b->show();
            QVERIFY2(test::dunklePunkte(b) > 1500, n);
            const QImage img = b->grab().toImage();
            verschieden.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
        }
        QCOMPARE(verschieden.size(), size_t(8));
    }

    void imHauptfenster() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.show();
        KonstantstromSeite* s = f.findChild<KonstantstromSeite*>();
        QVERIFY(s);
        // a first start shows this page
        QCOMPARE(f.pageControl1()->currentIndex(), 6);
        QVERIFY(s->isVisible());
        const QChar d = f.umgebung().dezimal;
        QCOMPARE(s->findChild<QLineEdit*>(QStringLiteral("kStrom_E_R2"))->text(), QStringLiteral(" 9,60").replace(u',', d));
        QCOMPARE(s->schaltungGruppe()->knopf(3)->x(), 155);
        QVERIFY(s->findChild<QWidget*>(QStringLiteral("I_2Trans_npn"))->isVisible());
        // everything lies inside the page
        for (QWidget* k : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(s->rect().contains(k->geometry()), qPrintable(k->objectName()));
    }
};

QTEST_MAIN(KonstantstromSeiteTest)
#include "konstantstromseite_guitest.moc"
