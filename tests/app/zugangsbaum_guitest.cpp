// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on every page and in the dialogs, walked through the accessible tree and
// told by the events the program sends. With ZELMO_ZUGANG_BAUM=<folder> the trees are also written
// there, one file per page.

#include <QAccessible>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/Programmfenster.h"
#include "app/Seitenregister.h"
#include "fields/Radiogruppe.h"
#include "support/GuiTestFixture.h"
#include "support/Zugangsbaum.h"

using namespace zelmo;

namespace {

struct Seitenwahl {
    int seite;
    int unterseite;
    const char* datei;
};
const Seitenwahl alleSeiten[] = {{0, 0, "widerstaende"}, {0, 1, "drosseln"},   {0, 2, "kondensatore"},
                                 {0, 3, "smd"},          {1, 0, "toleranz"},   {2, 0, "teiler"},
                                 {3, 0, "led"},          {4, 0, "lm317"},      {5, 0, "ne555"},
                                 {6, 0, "konststrom"},   {7, 0, "sterndreieck"}};

void schreibe(const char* datei, const QStringList& zeilen) {
    const QString ordner = qEnvironmentVariable("ZELMO_ZUGANG_BAUM");
    if (ordner.isEmpty()) return;
    QDir().mkpath(ordner);
    QFile f(ordner + u'/' + QString::fromLatin1(datei) + QStringLiteral(".txt"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(zeilen.join(u'\n').toUtf8() + '\n');
}

QAccessibleInterface* zugang(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

// Every event the program tells assistive technology, as (type, object, child, checked/selected).
struct Ereignis {
    QAccessible::Event art;
    QObject* objekt;
    int kind;
    QAccessible::State geaendert;
};
std::vector<Ereignis>* ereignisse = nullptr;
void aufzeichnen(QAccessibleEvent* e) {
    if (!ereignisse) return;
    QAccessible::State s;
    if (e->type() == QAccessible::StateChanged) s = static_cast<QAccessibleStateChangeEvent*>(e)->changedStates();
    ereignisse->push_back({e->type(), e->object(), e->child(), s});
}
struct Mithoeren {
    std::vector<Ereignis> liste;
    Mithoeren() {
        ereignisse = &liste;
        QAccessible::installUpdateHandler(aufzeichnen);
    }
    ~Mithoeren() {
        QAccessible::installUpdateHandler(nullptr);
        ereignisse = nullptr;
    }
    // index of the first event of the type about o (and child), from ab on; -1 when there is none
    int finde(QAccessible::Event art, QObject* o, int kind = -2, size_t ab = 0) const {
        for (size_t i = ab; i < liste.size(); ++i)
            if (liste[i].art == art && liste[i].objekt == o && (kind == -2 || liste[i].kind == kind)) return int(i);
        return -1;
    }
};

// Events reach a listener only while a platform accessibility bridge is active (AT-SPI under X with a
// session bus); offscreen there is none, and the checks of events are skipped there. The run under
// the bridge (ZELMO_ZUGANG_BRUECKE set) fails instead when the bridge does not come up.
bool brueckeAktiv() {
    static const bool aktiv = [] {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
        QAccessible::isActive();  // the bridge is made when first asked for, and connects in the event loop
        QDeadlineTimer frist(5000);
        while (!QAccessible::isActive() && !frist.hasExpired()) QTest::qWait(20);
        return QAccessible::isActive();
    }();
    return aktiv;
}
#define EREIGNISSE_NOETIG()                                                                       \
    do {                                                                                          \
        if (!brueckeAktiv()) {                                                                    \
            if (qEnvironmentVariableIsSet("ZELMO_ZUGANG_BRUECKE")) QFAIL("no accessibility bridge"); \
            QSKIP("events need a platform accessibility bridge");                                 \
        }                                                                                         \
    } while (false)

struct Programm {
    test::MeldungsRecorder rec;
    Programmfenster p;
    Seitenregister* pc1;
    Seitenregister* pc2;
    Programm() {
        p.fenster.show();
        p.fenster.activateWindow();
        (void)QTest::qWaitForWindowActive(&p.fenster);
        pc1 = p.fenster.pageControl1();
        pc2 = p.fenster.pageControl2();
    }
    void zeige(const Seitenwahl& s) {
        pc1->setCurrentIndex(s.seite);
        if (s.seite == 0) pc2->setCurrentIndex(s.unterseite);
    }
    template <class T = QWidget>
    T* kind(const char* name) const {
        return p.fenster.findChild<T*>(QString::fromLatin1(name));
    }
    InfoDialog* info() {
        kind<QPushButton>("Button2")->click();
        return p.fenster.findChild<InfoDialog*>();
    }
};

// What is wrong with what a reader finds below wurzel (empty when nothing is).
QStringList maengel(QObject* wurzel) {
    QStringList m;
    QList<QAccessibleInterface*> alle;
    test::sammleZugang(zugang(wurzel), alle);
    for (QAccessibleInterface* i : alle) {
        const QString name = i->text(QAccessible::Name);
        const QString was = test::rollenname(i->role()) + QStringLiteral(" \"") + name + u'"';
        if (name != name.simplified()) m << was + QStringLiteral(": blanks around or doubled");
        if (const QString b = i->text(QAccessible::Description); b != b.simplified())
            m << was + QStringLiteral(": description with blanks");
        if (i->state().focusable && name.isEmpty()) m << was + QStringLiteral(": focusable without a name");
        if (i->role() == QAccessible::Graphic && name.isEmpty() && i->text(QAccessible::Description).isEmpty())
            m << was + QStringLiteral(": picture without description");
        if (auto* k = qobject_cast<QRadioButton*>(i->object())) {
            if (i->role() != QAccessible::RadioButton) m << was + QStringLiteral(": radio button with another role");
            if (k->text().trimmed().isEmpty()) m << was + QStringLiteral(": empty item reaches the reader");
        }
        if (i->role() == QAccessible::ComboBox && (name.isEmpty() || name == i->text(QAccessible::Value)))
            m << was + QStringLiteral(": combo box named by its item");
        if (auto* g = qobject_cast<Radiogruppe*>(i->object()); g && g->itemIndex() >= 0) {
            int an = 0;
            for (int k = 0; k < i->childCount(); ++k)
                if (i->child(k)->role() == QAccessible::RadioButton && i->child(k)->state().checked) ++an;
            if (an != 1) m << was + QStringLiteral(": %1 radio buttons checked").arg(an);
        }
    }
    return m;
}

}  // namespace

class ZugangsbaumTest : public QObject {
    Q_OBJECT
private slots:
    // On every page and in the dialogs: names without layout blanks, no focusable control without a
    // name, no picture without description, radio buttons as such with one checked per group, no
    // empty ring item, combo boxes named by their label.
    void jedeSeiteUndDialog() {
        Programm w;
        QStringList m;
        for (const Seitenwahl& s : alleSeiten) {
            w.zeige(s);
            m << maengel(&w.p.fenster);
            schreibe(s.datei, test::baum(&w.p.fenster));
        }
        m.removeDuplicates();
        QVERIFY2(m.isEmpty(), qPrintable(m.join(u'\n')));
        InfoDialog* info = w.info();
        QVERIFY(info);
        QVERIFY2(maengel(info).isEmpty(), qPrintable(maengel(info).join(u'\n')));
        schreibe("info", test::baum(info));
        w.p.optionen.show();
        QVERIFY2(maengel(&w.p.optionen).isEmpty(), qPrintable(maengel(&w.p.optionen).join(u'\n')));
        schreibe("optionen", test::baum(&w.p.optionen));
    }

    // Radio buttons: role, checked state with its events, the choice through the reader's action runs
    // the group's handler; the empty items of a ring group are not there for the reader.
    void radioknoepfe() {
        Programm w;
        w.zeige({3, 0, ""});
        auto* farbe = w.kind<Radiogruppe>("RG_LED_Farbe");
        auto* uf = w.kind<QLineEdit>("LED_E_Uf");
        farbe->setItemIndex(0);
        QAccessibleInterface* blau = zugang(farbe->knopf(1));
        QCOMPARE(blau->role(), QAccessible::RadioButton);
        QVERIFY(blau->state().checkable);
        QVERIFY(!blau->state().checked);
        Mithoeren ohr;
        blau->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(farbe->itemIndex(), 1);
        QVERIFY(uf->text().startsWith(u'4'));  // the page's handler ran: blue LED
        QVERIFY(blau->state().checked);
        QVERIFY(!zugang(farbe->knopf(0))->state().checked);
        // both buttons tell their change
        for (int k : {0, 1}) {
            if (!brueckeAktiv()) break;
            const int e = ohr.finde(QAccessible::StateChanged, farbe->knopf(k));
            QVERIFY2(e >= 0, "state change told");
            QVERIFY(ohr.liste[size_t(e)].geaendert.checked);
        }

        // the tolerance ring of the resistor: only the items with a text
        w.zeige({0, 0, ""});
        auto* ring = w.kind<Radiogruppe>("RG_R_T");
        QAccessibleInterface* gruppe = zugang(ring);
        QCOMPARE(gruppe->text(QAccessible::Name), QStringLiteral("Toleranz"));
        int mitText = 0;
        for (int k = 0; k < ring->anzahl(); ++k) mitText += ring->knopf(k)->text().trimmed().isEmpty() ? 0 : 1;
        QVERIFY(mitText < ring->anzahl());
        QCOMPARE(gruppe->childCount(), mitText);
        for (int k = 0; k < gruppe->childCount(); ++k) {
            QCOMPARE(gruppe->child(k)->role(), QAccessible::RadioButton);
            QCOMPARE(gruppe->indexOfChild(gruppe->child(k)), k);
        }
    }

    // The arrows follow the visible grid: in the LED colours (three columns of two) Right reaches the
    // button beside, Down the one below.
    void pfeileImGitter() {
        Programm w;
        w.zeige({3, 0, ""});
        auto* farbe = w.kind<Radiogruppe>("RG_LED_Farbe");
        farbe->setItemIndex(0);
        QVERIFY(farbe->knopf(2)->x() > farbe->knopf(0)->x());
        QCOMPARE(farbe->knopf(2)->y(), farbe->knopf(0)->y());
        farbe->knopf(0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(farbe->knopf(0), Qt::Key_Right);
        QCOMPARE(farbe->itemIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), farbe->knopf(2));
        QTest::keyClick(farbe->knopf(2), Qt::Key_Down);
        QCOMPARE(farbe->itemIndex(), 3);
        QTest::keyClick(farbe->knopf(3), Qt::Key_Left);
        QCOMPARE(farbe->itemIndex(), 1);
        QTest::keyClick(farbe->knopf(1), Qt::Key_Up);
        QCOMPARE(farbe->itemIndex(), 0);
    }

    // Names that say what a control does.
    void namen() {
        Programm w;
        // the transfer buttons by their hint, on every page that has one
        for (const Seitenwahl& s : alleSeiten) w.zeige(s);
        const char* knoepfe[] = {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7"};
        for (const char* k : knoepfe) {
            QWidget* knopf = w.kind(k);
            QVERIFY2(knopf, k);
            QVERIFY2(knopf->toolTip().contains(QStringLiteral("Toleranz")), k);
            QCOMPARE(zugang(knopf)->text(QAccessible::Name), knopf->toolTip().simplified());
        }
        // and when the hint changes
        w.kind("BitBtn7")->setToolTip(QStringLiteral(" anderer Hinweis "));
        QCOMPARE(zugang(w.kind("BitBtn7"))->text(QAccessible::Name), QStringLiteral("anderer Hinweis"));

        // combo boxes by their label, the item shown as value
        w.zeige({4, 0, ""});
        auto* gehaeuse = w.kind<QComboBox>("LM317_CB_Gehaeuse");
        auto* iso = w.kind<QComboBox>("LM317ner_C_Iso");
        QAccessibleInterface* g = zugang(gehaeuse);
        QCOMPARE(g->role(), QAccessible::ComboBox);
        QCOMPARE(g->text(QAccessible::Name), QStringLiteral(u"Gehäuse"));
        QCOMPARE(g->text(QAccessible::Value), gehaeuse->currentText().simplified());
        QCOMPARE(zugang(iso)->text(QAccessible::Name), QStringLiteral("R th laut Datenblatt"));
        QCOMPARE(zugang(iso)->text(QAccessible::Value), iso->currentText().simplified());
        QCOMPARE(g->childCount(), 1);
        QCOMPARE(g->child(0)->object(), gehaeuse->view());

        // the fourth field of the constant-current page follows its label through the circuits
        w.zeige({6, 0, ""});
        auto* schaltung = w.kind<Radiogruppe>("RG_kStrom_Schaltung");
        QLineEdit* uf = w.kind<QLineEdit>("kStrom_E_Uf");
        auto* text = w.kind<QLabel>("Label176");
        auto* index = w.kind<QLabel>("Label162");
        QStringList gehoert;
        for (int k = 0; k < schaltung->anzahl(); ++k) {
            Mithoeren ohr;
            schaltung->setItemIndex(k);
            const QString name = zugang(uf)->text(QAccessible::Name);
            QCOMPARE(name, (text->text().trimmed() + index->text().trimmed()).simplified());
            if (k > 0 && name != gehoert.last() && brueckeAktiv()) QVERIFY(ohr.finde(QAccessible::NameChanged, uf) >= 0);
            gehoert << name;
        }
        QVERIFY(gehoert.contains(QStringLiteral("Spannung UBE")));
        QCOMPARE(QSet<QString>(gehoert.begin(), gehoert.end()).size() > 1, true);

        // the options dialog's field by its label
        QCOMPARE(zugang(w.p.optionen.findChild<QLineEdit*>(QStringLiteral("Optionen_E_Tjmax")))->text(QAccessible::Name),
                 QStringLiteral("maximale Sperrschichtemperatur"));
    }

    // Pictures say what they show.
    void beschreibungen() {
        Programm w;
        for (const Seitenwahl& s : alleSeiten) w.zeige(s);
        for (const char* bild : {"Panel26", "Panel30", "Image3"}) {
            QAccessibleInterface* i = zugang(w.kind(bild));
            QVERIFY2(i, bild);
            QCOMPARE(i->role(), QAccessible::Graphic);
            QVERIFY2(i->text(QAccessible::Description).size() > 20, bild);
            QCOMPARE(i->childCount(), 0);  // one picture, not its parts
        }
    }

    // A page change is told before the focus moves into the new page: the old tab is no longer
    // selected, the new one is; the field the focus lands in stands below the new tab.
    void seitenwechselAngesagt() {
        EREIGNISSE_NOETIG();
        Programm w;
        w.pc1->setCurrentIndex(3);
        QLineEdit* feld = w.kind<QLineEdit>("LED_E_U");
        feld->setFocus();
        QAccessibleInterface* liste = zugang(w.pc1);
        Mithoeren ohr;
        QTest::keyClick(feld, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 4);
        const int alt = ohr.finde(QAccessible::StateChanged, w.pc1, 3);
        const int neu = ohr.finde(QAccessible::StateChanged, w.pc1, 4);
        const int auswahl = ohr.finde(QAccessible::Selection, w.pc1, 4);
        QWidget* ziel = QApplication::focusWidget();
        QVERIFY(w.pc1->seite(4)->isAncestorOf(ziel));
        const int fokus = ohr.finde(QAccessible::Focus, ziel);
        QVERIFY(alt >= 0 && neu >= 0 && auswahl >= 0 && fokus >= 0);
        QVERIFY(ohr.liste[size_t(alt)].geaendert.selected && ohr.liste[size_t(neu)].geaendert.selected);
        QVERIFY2(neu < fokus && auswahl < fokus, "the tab is told before the focus moves");
        QVERIFY(!liste->child(3)->state().selected);
        QVERIFY(liste->child(4)->state().selected);
        // the focused field lies below the selected tab
        QAccessibleInterface* i = zugang(ziel);
        while (i && i->parent() != liste) i = i->parent();
        QCOMPARE(i, liste->child(4));

        // Ctrl+PgDown in the colour-code pages: the inner list tells its tab
        w.pc1->setCurrentIndex(0);
        w.pc2->setCurrentIndex(0);
        w.pc2->setFocus(Qt::TabFocusReason);
        Mithoeren ohr2;
        QTest::keyClick(w.pc2, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.pc2->currentIndex(), 1);
        QVERIFY(ohr2.finde(QAccessible::Focus, w.pc2, 1) >= 0);  // the tab holds the focus here
        QCOMPARE(zugang(w.pc2)->focusChild(), zugang(w.pc2)->child(1));
        QVERIFY(!zugang(w.pc2)->child(0)->state().selected);
    }

    // The info dialog: its web and mail links are reached with Tab and opened with Enter or the
    // reader's press action; the text field is named.
    void infoVerweise() {
        Programm w;
        InfoDialog* info = w.info();
        QVERIFY(info);
        QStringList geoeffnet;
        info->oeffnen = [&](const QString& u) { geoeffnet << u; };
        auto* web = info->findChild<QLabel*>(QStringLiteral("Info_L_WebSeite"));
        auto* mail = info->findChild<QLabel*>(QStringLiteral("Info_L_EMail"));
        auto* updates = info->findChild<QPushButton*>(QStringLiteral("Info_B_Updates"));
        updates->setFocus(Qt::TabFocusReason);
        QTest::keyClick(updates, Qt::Key_Tab);
        QCOMPARE(info->focusWidget(), web);
        QTest::keyClick(web, Qt::Key_Return);
        QTest::keyClick(web, Qt::Key_Tab);
        QCOMPARE(info->focusWidget(), mail);
        if (const QString ordner = qEnvironmentVariable("ZELMO_ZUGANG_BAUM"); !ordner.isEmpty())
            info->grab().save(ordner + QStringLiteral("/info.png"));
        QTest::keyClick(mail, Qt::Key_Space);
        QCOMPARE(geoeffnet, QStringList({webSeite, mailLink()}));
        for (QLabel* l : {web, mail}) {
            QAccessibleInterface* i = zugang(l);
            QCOMPARE(i->role(), QAccessible::Link);
            QVERIFY(i->state().focusable);
            i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(geoeffnet.size(), 4);
        QCOMPARE(zugang(web)->text(QAccessible::Description), webSeite);
        QCOMPARE(zugang(mail)->text(QAccessible::Description), autorAdresse);
        QCOMPARE(zugang(info->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")))->text(QAccessible::Name),
                 QStringLiteral("Hinweis"));
        QCOMPARE(zugang(info->findChild<QPlainTextEdit*>(QStringLiteral("Memo2")))->text(QAccessible::Name),
                 QStringLiteral("Credits"));

        // the two "andere Darstellungen" of the star-delta page are links that open the drawings
        w.zeige({7, 0, ""});
        for (const char* name : {"Stern_aD", "Dreieck_aD"}) {
            QAccessibleInterface* i = zugang(w.kind(name));
            QCOMPARE(i->role(), QAccessible::Link);
            QCOMPARE(i->text(QAccessible::Name), QStringLiteral("andere Darstellungen"));
            i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            auto* bilder = w.p.fenster.findChild<SternDreieckDialog*>();
            QVERIFY(bilder && bilder->isVisible());
            bilder->hide();
        }
    }
};

QTEST_MAIN(ZugangsbaumTest)
#include "zugangsbaum_guitest.moc"
