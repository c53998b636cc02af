// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Normwerte" in the real main window: opened from each circuit page, following the page in
// view and its last accepted calculation, its choices entered like every field, the hand-on to the
// tolerance page, and what it keeps across a restart.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/NormwerteFenster.h"
#include "eseries/ToleranzSeite.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "fields/Uebergabeknopf.h"
#include "platform/Plattform.h"
#include "platform/ordner.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

QChar trenner = u',';
// A text written with a decimal comma, with the window's separator.
QString d(QString s) { return s.replace(u',', trenner); }

struct Fenster {
    test::MeldungsRecorder rec;
    std::vector<int> hilfe;
    Hauptfenster f;
    NormwerteFenster* n = nullptr;
    QStringList start;  // the boxes of the start-up
    Fenster() {
        plattform::setzeHilfeAnzeige([this](int k) { hilfe.push_back(k); });
        trenner = f.umgebung().dezimal;
        f.show();
        f.activateWindow();
        (void)QTest::qWaitForWindowActive(&f);
        n = f.findChild<NormwerteFenster*>(QStringLiteral("TFormNormwerte"));
        for (const auto& e : rec.eintraege) start << e.text;
        rec.leeren();
    }
    ~Fenster() { plattform::setzeHilfeAnzeige({}); }

    Seitenregister* pc1() const { return f.pageControl1(); }
    // Shows tab i and clicks the page's button.
    void oeffnen(int tab, const char* knopf) {
        pc1()->setCurrentIndex(tab);
        auto* k = pc1()->seite(tab)->findChild<QPushButton*>(QString::fromLatin1(knopf));
        QVERIFY2(k, knopf);
        QCOMPARE(k->text(), QStringLiteral("Normwerte"));
        QCOMPARE(k->toolTip(), QStringLiteral("mit Normwerten, Toleranzen und Belastbarkeit nachrechnen"));
        QVERIFY(k->isVisibleTo(&f));
        k->click();
        QVERIFY(n->isVisible());
    }
    QStringList zeilen() const { return n->zeilen(); }
    QString text(const char* name) const {
        if (auto* e = n->findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
        if (auto* l = n->findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
        return QStringLiteral("<%1 fehlt>").arg(QString::fromLatin1(name));
    }
    Eingabefeld* seitenfeld(int tab, const char* name) const {
        return pc1()->seite(tab)->findChild<Eingabefeld*>(QString::fromLatin1(name));
    }
    void reihe(int i) {
        auto* cb = n->findChild<QComboBox*>(QStringLiteral("Norm_CB_Reihe"));
        cb->setCurrentIndex(i);
        emit cb->activated(i);
    }
};

void dateienLoeschen() {
    const QString ordner = plattform::datenOrdner();
    QFile::remove(ordner + QStringLiteral("/ZelmosV121.ini"));
    QFile::remove(ordner + QStringLiteral("/ZelmosV121.dat"));
}

}  // namespace

class NormwerteTest : public QObject {
    Q_OBJECT
private slots:
    void init() { dateienLoeschen(); }
    void cleanup() { dateienLoeschen(); }

    // Each page with its first-start values: the parts, the circuit with standard values, the lines.
    void jedeSeiteOeffnetDasFenster() {
        Fenster w;
        QVERIFY(!w.n->isVisible());
        auto* reihen = w.n->findChild<QComboBox*>(QStringLiteral("Norm_CB_Reihe"));
        QCOMPARE(reihen->currentText(), QStringLiteral("E 24"));
        QCOMPARE(reihen->count(), 7);
        QCOMPARE(reihen->itemText(0), QStringLiteral("E 3"));
        QCOMPARE(reihen->itemText(6), QStringLiteral("E 192"));
        QCOMPARE(w.text("Norm_E_Toleranz"), d(QStringLiteral("5,00 %")));
        QCOMPARE(w.text("Norm_E_C_Toleranz"), d(QStringLiteral("10,00 %")));
        QCOMPARE(w.text("Norm_E_Last"), d(QStringLiteral("50,00 %")));

        // divider: 583,33 Ω and 416,67 Ω become 560 Ω and 430 Ω; U2 = 12 V x 430 / 990
        w.oeffnen(2, "SpT_B_Normwerte");
        QCOMPARE(w.n->windowTitle(), QStringLiteral(u"Normwerte – Spannungs-/ Stromteiler"));
        QCOMPARE(w.zeilen().size(), 2);
        QVERIFY2(w.zeilen()[0].startsWith(d(QStringLiteral(u"R1 | 583,33 Ω | 560,00 Ω | "))), qPrintable(w.zeilen()[0]));
        QVERIFY2(w.zeilen()[1].startsWith(d(QStringLiteral(u"R2 | 416,67 Ω | 430,00 Ω | "))), qPrintable(w.zeilen()[1]));
        QCOMPARE(w.text("Norm_E_Nenn"), d(QStringLiteral("U2 = 5,21 V (+4,24 %)")));
        QVERIFY(w.text("Norm_E_Min").startsWith(d(QStringLiteral("U2 = 4,"))));
        QVERIFY(!w.n->findChild<QLineEdit*>(QStringLiteral("Norm_E_C_Toleranz"))->isVisible());

        // LED: 340 Ω becomes 360 Ω (less current, not more), 3,4 V over it
        w.oeffnen(3, "LED_B_Normwerte");
        QCOMPARE(w.n->windowTitle(), QStringLiteral(u"Normwerte – LED-Vorwiderstand"));
        QCOMPARE(w.zeilen(), QStringList{d(QStringLiteral(u"R | 340,00 Ω | 360,00 Ω | 32,11 mW | 33,80 mW | 0,1 W"))});
        QCOMPARE(w.text("Norm_E_Nenn"), d(QStringLiteral("I = 9,44 mA (-5,56 %)")));
        QCOMPARE(w.text("Norm_E_Min"), d(QStringLiteral("I = 8,99 mA (-10,05 %)")));
        QCOMPARE(w.text("Norm_E_Max"), d(QStringLiteral("I = 9,94 mA (-0,58 %)")));
        QVERIFY(w.text("Norm_L_Hinweise").contains(u"nächsthöherer Normwert"));
        QVERIFY(w.text("Norm_L_Hinweise").contains(u"Flußspannung"));

        // LM317: R1 as typed, R2 720 Ω becomes 750 Ω
        w.oeffnen(4, "LM317_B_Normwerte");
        QCOMPARE(w.zeilen().size(), 2);
        QVERIFY2(w.zeilen()[0].startsWith(d(QStringLiteral(u"R1 | 240,00 Ω | 240,00 Ω | 6,51 mW | 7,41 mW | 0,063 W"))),
                 qPrintable(w.zeilen()[0]));
        QVERIFY2(w.zeilen()[1].startsWith(d(QStringLiteral(u"R2 | 720,00 Ω | 750,00 Ω | "))), qPrintable(w.zeilen()[1]));
        QCOMPARE(w.text("Norm_E_Nenn"), d(QStringLiteral("U2 = 5,16 V (+3,13 %)")));
        QVERIFY(w.text("Norm_L_Hinweise").contains(d(QStringLiteral(u"1,20 V bis 1,30 V"))));
        QVERIFY(w.text("Norm_L_Hinweise").contains(u"R1: wie auf der Seite eingegeben"));

        // NE555: every part as typed, the capacitor's tolerance counts here
        w.oeffnen(5, "NE555_B_Normwerte");
        QCOMPARE(w.zeilen().size(), 3);
        QVERIFY(w.zeilen()[0].startsWith(d(QStringLiteral(u"R1 | 120,00 kΩ | 120,00 kΩ | "))));
        QVERIFY(w.zeilen()[1].startsWith(d(QStringLiteral(u"R2 | 47,00 Ω | 47,00 Ω | "))));
        QCOMPARE(w.zeilen()[2], d(QStringLiteral(u"C | 15,00 nF | 15,00 nF | — | — | —")));
        QVERIFY(w.text("Norm_E_Nenn").startsWith(d(QStringLiteral("t1 = 1,25 ms (0,00 %);  t2 = 489,27 ns (0,00 %);  F = 799,89 Hz"))));
        QVERIFY(w.n->findChild<QLineEdit*>(QStringLiteral("Norm_E_C_Toleranz"))->isVisible());
        QVERIFY(w.text("Norm_L_Hinweise").contains(u"16 V"));

        // constant-current source with two transistors: R1 120 Ω stays, R2 9,6 kΩ becomes 10 kΩ
        w.oeffnen(6, "kStrom_B_Normwerte");
        QCOMPARE(w.zeilen().size(), 2);
        QVERIFY(w.zeilen()[0].startsWith(d(QStringLiteral(u"R1 | 120,00 Ω | 120,00 Ω | 12,00 mW | "))));
        QVERIFY(w.zeilen()[1].startsWith(d(QStringLiteral(u"R2 | 9,60 kΩ | 10,00 kΩ | 9,22 mW | "))));
        QCOMPARE(w.text("Norm_E_Nenn"), d(QStringLiteral("I = 10,00 mA (0,00 %)")));
        QCOMPARE(w.rec.eintraege.size(), size_t(0));
    }

    // The window stays open across page changes; pages without parts say so.
    void folgtDerSeiteUndIhrerLetztenRechnung() {
        Fenster w;
        w.oeffnen(3, "LED_B_Normwerte");
        const QStringList vorher = w.zeilen();
        w.pc1()->setCurrentIndex(1);
        QVERIFY(w.n->isVisible());
        QCOMPARE(w.n->windowTitle(), QStringLiteral(u"Normwerte – Toleranz (E-Reihen)"));
        QVERIFY(w.n->findChild<QLabel*>(QStringLiteral("Norm_L_Keine"))->isVisible());
        QCOMPARE(w.text("Norm_L_Keine"), QStringLiteral("keine Bauteile auf dieser Seite"));
        QVERIFY(!w.n->findChild<QTreeWidget*>(QStringLiteral("Norm_L_Bauteile"))->isVisible());
        w.pc1()->setCurrentIndex(0);
        QVERIFY(w.n->findChild<QLabel*>(QStringLiteral("Norm_L_Keine"))->isVisible());
        w.pc1()->setCurrentIndex(3);
        QVERIFY(!w.n->findChild<QLabel*>(QStringLiteral("Norm_L_Keine"))->isVisible());
        QCOMPARE(w.zeilen(), vorher);

        // a value typed without Enter changes nothing; Enter does: 12 V leave 10,4 V, R 1,04 kΩ -> 1,1 kΩ
        Eingabefeld* u = w.seitenfeld(3, "LED_E_U");
        test::tippe(u, QStringLiteral("12"));
        QCOMPARE(w.zeilen(), vorher);
        QTest::keyClick(u, Qt::Key_Return);
        QCOMPARE(w.zeilen().size(), 1);
        QVERIFY2(w.zeilen()[0].startsWith(d(QStringLiteral(u"R | 1,04 kΩ | 1,10 kΩ | "))), qPrintable(w.zeilen()[0]));
        // on a page not in view nothing follows until it comes into view again
        w.pc1()->setCurrentIndex(4);
        QCOMPARE(w.zeilen().size(), 2);
        QVERIFY(w.zeilen()[1].startsWith(d(QStringLiteral(u"R2 | 720,00 Ω"))));
        Eingabefeld* u2 = w.seitenfeld(4, "LM317ner_E_U2");
        test::tippeUndEnter(u2, d(QStringLiteral("3,3")));
        QVERIFY2(w.zeilen()[1].startsWith(d(QStringLiteral(u"R2 | 393,60 Ω | 390,00 Ω"))), qPrintable(w.zeilen()[1]));
        // the current regulator: R = 1,25 V / I, the next larger value
        w.pc1()->seite(4)->findChild<Radiogruppe*>(QStringLiteral("RG_317ner_Reglerart"))->knopf(1)->click();
        QCOMPARE(w.zeilen(), QStringList{d(QStringLiteral(u"R | 8,33 Ω | 9,10 Ω | 171,70 mW | 195,49 mW | 0,5 W *"))});
        QVERIFY(w.text("Norm_L_Hinweise").contains(d(QStringLiteral(u"* mehr als 0,25 W"))));
        QCOMPARE(w.text("Norm_E_Nenn"), d(QStringLiteral("I = 137,36 mA (-8,42 %)")));
    }

    // The choices are entered with the entry field rules; a new series brings its usual tolerance.
    void auswahlUndEingabefelder() {
        Fenster w;
        w.oeffnen(3, "LED_B_Normwerte");
        w.reihe(5);  // E 96
        QCOMPARE(w.text("Norm_E_Toleranz"), d(QStringLiteral("1,00 %")));
        QCOMPARE(w.zeilen(), QStringList{d(QStringLiteral(u"R | 340,00 Ω | 340,00 Ω | 34,00 mW | 34,34 mW | 0,1 W"))});
        w.reihe(0);  // E 3: >20 % taken as 20 %
        QCOMPARE(w.text("Norm_E_Toleranz"), d(QStringLiteral("20,00 %")));
        QVERIFY(w.zeilen()[0].startsWith(d(QStringLiteral(u"R | 340,00 Ω | 470,00 Ω | "))));
        w.reihe(6);  // E 192 at 0,5 %: 340 Ω is one of its values
        QCOMPARE(w.text("Norm_E_Toleranz"), d(QStringLiteral("0,50 %")));
        QVERIFY(w.zeilen()[0].startsWith(d(QStringLiteral(u"R | 340,00 Ω | 340,00 Ω | "))));
        w.reihe(0);

        auto* tol = w.n->findChild<Eingabefeld*>(QStringLiteral("Norm_E_Toleranz"));
        test::tippeUndEnter(tol, QStringLiteral("60"));
        QCOMPARE(w.rec.letzter(),
                 d(QStringLiteral(u"Die Eingabe 60  ist außerhalb\r\rdes gültigen Wertebereiches: 0,01% bis 50%")));
        QCOMPARE(tol->text(), d(QStringLiteral("20,00 %")));
        test::tippeUndEnter(tol, QStringLiteral("x"));
        QCOMPARE(w.rec.letzter(), QStringLiteral("Die eingegebene Zahl x  ist keine Gleitkommazahl !"));
        test::tippeUndEnter(tol, QStringLiteral("2.5"));
        QCOMPARE(tol->text(), d(QStringLiteral("2,50 %")));
        QCOMPARE(w.text("Norm_E_Min"), d(QStringLiteral("I = 7,06 mA (-29,42 %)")));  // 3,4 V / (470 Ω x 1,025)

        // a lower permitted load asks for a larger class
        auto* last = w.n->findChild<Eingabefeld*>(QStringLiteral("Norm_E_Last"));
        test::tippeUndEnter(last, QStringLiteral("10 %"));
        QCOMPARE(last->text(), d(QStringLiteral("10,00 %")));
        QVERIFY2(w.zeilen()[0].endsWith(d(QStringLiteral("| 0,5 W *"))), qPrintable(w.zeilen()[0]));
        test::tippeUndEnter(last, QStringLiteral("0"));
        QVERIFY(w.rec.letzter().contains(u"1% bis 100%"));
    }

    // A nominal result outside the tolerance: the part's ideal value goes to the tolerance page with
    // the window's series.
    void weiterZurToleranzseite() {
        Fenster w;
        w.oeffnen(4, "LM317_B_Normwerte");
        QVERIFY(!w.n->findChild<Uebergabeknopf*>(QStringLiteral("Norm_B_Weiter_R2")));  // +3,13 % within 5 %
        w.reihe(2);  // E 12 at 10 %: 720 Ω -> 680 Ω, still within
        QVERIFY(!w.n->findChild<Uebergabeknopf*>(QStringLiteral("Norm_B_Weiter_R2")));
        auto* tol = w.n->findChild<Eingabefeld*>(QStringLiteral("Norm_E_Toleranz"));
        test::tippeUndEnter(tol, QStringLiteral("1"));
        QVERIFY(!w.n->findChild<Uebergabeknopf*>(QStringLiteral("Norm_B_Weiter_R1")));  // typed, kept
        auto* k = w.n->findChild<Uebergabeknopf*>(QStringLiteral("Norm_B_Weiter_R2"));
        QVERIFY(k);
        QVERIFY(k->toolTip().contains(u"(E 12)"));
        k->click();
        QCOMPARE(w.pc1()->currentIndex(), 1);
        auto* t = w.pc1()->seite(1)->findChild<ToleranzSeite*>();
        QVERIFY(t);
        QCOMPARE(t->reihenGruppe()->itemIndex(), 2);
        QCOMPARE(w.pc1()->seite(1)->findChild<QLineEdit*>(QStringLiteral("Toleranz_E_Wert"))->text(),
                 d(QStringLiteral(u"720,00 Ω")));
        // the window follows to the tolerance page
        QVERIFY(w.n->findChild<QLabel*>(QStringLiteral("Norm_L_Keine"))->isVisible());
    }

    // Ctrl+N opens the window from the main window and, pressed there, goes back; Escape closes it;
    // F1 opens its topic.
    void tasten() {
        Fenster w;
        w.pc1()->setCurrentIndex(3);
        QTest::keySequence(&w.f, QKeySequence(Qt::CTRL | Qt::Key_N));
        QVERIFY(w.n->isVisible());
        QCOMPARE(w.n->windowTitle(), QStringLiteral(u"Normwerte – LED-Vorwiderstand"));
        QVERIFY(QTest::qWaitForWindowActive(w.n));
        QTest::keyClick(w.n->findChild<QLineEdit*>(QStringLiteral("Norm_E_Last")), Qt::Key_F1);
        QCOMPARE(w.hilfe, std::vector<int>{normwerteHilfekontext});
        QTest::keySequence(w.n, QKeySequence(Qt::CTRL | Qt::Key_N));
        QVERIFY(QTest::qWaitForWindowActive(&w.f));
        QVERIFY(w.n->isVisible());
        w.n->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.n));
        QTest::keyClick(w.n, Qt::Key_Escape);
        QVERIFY(!w.n->isVisible());
    }

    // Choices, place and open state survive a restart; a damaged value is named and takes its default.
    void gespeichertUndWiedergeladen() {
        {
            Fenster w;
            w.oeffnen(5, "NE555_B_Normwerte");
            w.reihe(4);  // E 48
            test::tippeUndEnter(w.n->findChild<Eingabefeld*>(QStringLiteral("Norm_E_C_Toleranz")), QStringLiteral("20"));
            test::tippeUndEnter(w.n->findChild<Eingabefeld*>(QStringLiteral("Norm_E_Last")), QStringLiteral("60"));
            w.n->move(40, 50);
            w.f.FormClose();
        }
        QFile f(plattform::datenOrdner() + QStringLiteral("/ZelmosV121.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString ini = QString::fromUtf8(f.readAll());
        f.close();
        QVERIFY2(ini.contains(QStringLiteral("[Normwerte]\r\nReihe=4\r\nToleranz=2\r\nC_Toleranz=20\r\nLast=60\r\nOffen=1\r\n")),
                 qPrintable(ini));
        {
            Fenster w;
            QVERIFY(w.n->isVisible());
            QCOMPARE(w.n->findChild<QComboBox*>(QStringLiteral("Norm_CB_Reihe"))->currentText(), QStringLiteral("E 48"));
            QCOMPARE(w.text("Norm_E_Toleranz"), d(QStringLiteral("2,00 %")));
            QCOMPARE(w.text("Norm_E_C_Toleranz"), d(QStringLiteral("20,00 %")));
            QCOMPARE(w.text("Norm_E_Last"), d(QStringLiteral("60,00 %")));
            QCOMPARE(w.n->pos(), QPoint(40, 50));
            QCOMPARE(w.n->windowTitle(), QStringLiteral(u"Normwerte – NE555 Berechnung"));
            w.n->close();
            w.f.FormClose();
        }
        QVERIFY(f.open(QIODevice::ReadWrite));
        QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.contains(QStringLiteral("Offen=0")));
        text.replace(QStringLiteral("Toleranz=2\r\n"), QStringLiteral("Toleranz=70\r\n"));
        f.resize(0);
        f.write(text.toUtf8());
        f.close();
        {
            Fenster w;
            QVERIFY(!w.n->isVisible());
            QCOMPARE(w.text("Norm_E_Toleranz"), d(QStringLiteral("5,00 %")));
            QVERIFY2(w.start.join(u'|').contains(QStringLiteral("[Normwerte] Toleranz=70")), qPrintable(w.start.join(u'|')));
        }
    }
};

QTEST_MAIN(NormwerteTest)
#include "normwerte_guitest.moc"
