// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a keyboard user and a screen reader get from the main window: the page-switching keys, the
// Tab order of the pages, radio groups as one stop, the help link, and the accessible tree.

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "dialogs/Dialoge.h"
#include "fields/Radiogruppe.h"
#include "platform/Plattform.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QString hilfeFehlt = QStringLiteral(
    "Die Hilfe-Datei  \"ZelmosV121.chm\"  konnte leider nicht gefunden werden. Es kann keine Hilfe angezeigt "
    "werden.\r\rBitte die Datei \"ZelmosV121.chm\" in den Programmordner kopieren und das Programm neu starten.");

struct Fenster {
    test::MeldungsRecorder rec;
    std::vector<int> hilfe;
    Hauptfenster f;
    Seitenregister* pc1;
    Seitenregister* pc2;
    Fenster() {
        plattform::setzeHilfeAnzeige([this](int k) { hilfe.push_back(k); });
        f.show();
        f.activateWindow();
        (void)QTest::qWaitForWindowActive(&f);
        pc1 = f.pageControl1();
        pc2 = f.pageControl2();
    }
    ~Fenster() { plattform::setzeHilfeAnzeige({}); }
    static QWidget* fokus() { return QApplication::focusWidget(); }
    void taste(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(fokus() ? fokus() : static_cast<QWidget*>(&f), key, m);
    }
    template <class T = QWidget>
    T* kind(const char* name) const {
        return f.findChild<T*>(QString::fromLatin1(name));
    }
    // Tab from the outer tab row until the first frame button; the names of the stops on the way
    // (a radio button stands for its group).
    QStringList tabWeg() {
        pc1->setFocus(Qt::TabFocusReason);
        QStringList weg;
        for (int i = 0; i < 80; ++i) {
            taste(Qt::Key_Tab);
            QWidget* w = fokus();
            if (w->objectName() == QLatin1String("Button1")) return weg;
            weg << (qobject_cast<QRadioButton*>(w) ? w->parentWidget()->objectName() : w->objectName());
        }
        return weg << QStringLiteral("(no end)");
    }
};

void sammle(QAccessibleInterface* i, QAccessible::Role rolle, QList<QAccessibleInterface*>& gefunden, int tiefe = 0) {
    if (!i || tiefe > 40) return;
    if (i->role() == rolle) gefunden.append(i);
    for (int k = 0; k < i->childCount(); ++k) sammle(i->child(k), rolle, gefunden, tiefe + 1);
}

}  // namespace

class ZugangTest : public QObject {
    Q_OBJECT
private slots:
    // Ctrl+Tab and its kin switch the page control holding the focus, round the end, and the focus
    // moves into the new page.
    void blaetterTasten() {
        Fenster w;
        w.pc1->setCurrentIndex(3);
        w.kind<QLineEdit>("LED_E_U")->setFocus();
        const struct {
            Qt::Key taste;
            Qt::KeyboardModifiers mod;
            int seite;
        } schritte[] = {{Qt::Key_Tab, Qt::ControlModifier, 4},
                        {Qt::Key_PageDown, Qt::ControlModifier, 5},
                        {Qt::Key_PageUp, Qt::ControlModifier, 4},
                        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 3},
                        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2}};
        for (const auto& s : schritte) {
            w.taste(s.taste, s.mod);
            QCOMPARE(w.pc1->currentIndex(), s.seite);
            QVERIFY2(w.pc1->seite(s.seite)->isAncestorOf(Fenster::fokus()), "focus stays in the shown page");
        }
        // round the end
        w.pc1->setCurrentIndex(7);
        w.kind<QLineEdit>("SD_E_Rs1")->setFocus();
        w.taste(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 0);
        // the first stop of "Farbcode" is its inner tab row; there the inner page control switches
        QCOMPARE(Fenster::fokus(), w.pc2);
        const int innen = w.pc2->currentIndex();
        w.taste(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 0);
        QCOMPARE(w.pc2->currentIndex(), (innen + 1) % 3);
        // the outer tab row holds the focus: the outer page control switches and keeps the focus
        w.pc1->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 1);
        QCOMPARE(Fenster::fokus(), w.pc1);
        // a combo box does not keep Ctrl+PgDown for itself
        w.pc1->setCurrentIndex(4);
        auto* gehaeuse = w.kind("LM317_CB_Gehaeuse");
        QVERIFY(gehaeuse);
        gehaeuse->setFocus();
        w.taste(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 5);
    }

    // Ctrl+Tab leads out of the colour codes: past the last sub-page to the next page, before the first
    // back to the previous one. Ctrl+PgDown and Ctrl+PgUp keep cycling the sub-pages.
    void blaetternAusDenFarbcodes() {
        Fenster w;
        const size_t meldungen = w.rec.eintraege.size();  // the start may say the help file is missing
        w.pc1->setCurrentIndex(0);
        const int letzte = w.pc2->count() - 1;
        QCOMPARE(letzte, 3);
        w.pc2->setCurrentIndex(0);
        w.kind<QLineEdit>("R_E_Wert")->setFocus();
        for (int i = 1; i <= letzte; ++i) {
            w.taste(Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(w.pc1->currentIndex(), 0);
            QCOMPARE(w.pc2->currentIndex(), i);
        }
        // PgDown cycles the sub-pages round the end, PgUp back
        w.taste(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 0);
        QCOMPARE(w.pc2->currentIndex(), 0);
        w.taste(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 0);
        QCOMPARE(w.pc2->currentIndex(), letzte);
        // at the last sub-page Ctrl+Tab goes on to the next page, the focus with it
        w.taste(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 1);
        QVERIFY2(w.pc1->seite(1)->isAncestorOf(Fenster::fokus()), "focus in the next page");
        // back: Ctrl+Shift+Tab returns to the colour codes, at the sub-page last shown
        w.taste(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.pc1->currentIndex(), 0);
        QCOMPARE(w.pc2->currentIndex(), letzte);
        // before the first sub-page Ctrl+Shift+Tab goes to the previous page, round the end
        w.pc2->setCurrentIndex(0);
        w.kind<QLineEdit>("R_E_Wert")->setFocus();
        w.taste(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.pc1->currentIndex(), w.pc1->count() - 1);
        QCOMPARE(w.pc2->currentIndex(), 0);
        // the same from the inner tab row itself
        w.pc1->setCurrentIndex(0);
        w.pc2->setCurrentIndex(letzte);
        w.pc2->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.pc1->currentIndex(), 1);
        QCOMPARE(w.rec.eintraege.size(), meldungen);
    }

    // The tab rows take the focus with Tab; the arrow keys choose the page; Tab goes on into it.
    void reiterMitTabUndPfeilen() {
        Fenster w;
        w.pc1->setCurrentIndex(0);
        w.pc2->setCurrentIndex(0);
        w.pc1->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Tab);
        QCOMPARE(Fenster::fokus(), w.pc2);
        w.taste(Qt::Key_Right);
        QCOMPARE(w.pc2->currentIndex(), 1);
        QCOMPARE(Fenster::fokus(), w.pc2);
        w.taste(Qt::Key_Tab);
        QVERIFY(w.pc2->seite(1)->isAncestorOf(Fenster::fokus()));
        w.taste(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Fenster::fokus(), w.pc2);
        w.taste(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Fenster::fokus(), w.pc1);
        w.taste(Qt::Key_End);
        QCOMPARE(w.pc1->currentIndex(), 7);
        w.taste(Qt::Key_Left);
        QCOMPARE(w.pc1->currentIndex(), 6);
        w.taste(Qt::Key_Home);
        QCOMPARE(w.pc1->currentIndex(), 0);
        w.taste(Qt::Key_Left);  // no wrap with the arrows
        QCOMPARE(w.pc1->currentIndex(), 0);
    }

    // Tab visits a page in reading order: groups, fields and buttons, a radio group once, the help
    // link last.
    void tabInLesereihenfolge() {
        Fenster w;
        w.pc1->setCurrentIndex(3);
        QCOMPARE(w.tabWeg(), QStringList({"RG_LED_Farbe", "LED_E_U", "LED_E_I", "LED_E_Uf", "RG_LED_Anzahl",
                                          "User_Leds", "LED_E_R", "BitBtn4", "LED_E_R_P", "LED_B_Normwerte", "LHilfe_LED"}));
        w.pc1->setCurrentIndex(7);
        const QStringList weg = w.tabWeg();
        QCOMPARE(weg.mid(2), QStringList({"SD_E_Rs1", "SD_E_Rs2", "SD_E_Rs3", "SD_E_Rd1", "SD_E_Rd2", "SD_E_Rd3",
                                          "LHilfe_SternDreieck"}));
    }

    // On every page Tab reaches each stop once, stays inside the page and ends at the help link.
    void jedeSeiteMitTabErreichbar() {
        Fenster w;
        const QStringList hilfe{"LHilfe_R",    "LHilfe_L",     "LHilfe_C",   "LHilfe_SMD",    "LHilfe_Toleranz",
                                "LHilfe_SpannTeiler", "LHilfe_LED", "LHilfe_LM317", "LHilfe_NE555",
                                "LHilfe_konstStrom",  "LHilfe_SternDreieck"};
        int n = 0;
        for (int s = 0; s < 8; ++s)
            for (int u = 0; u < (s == 0 ? 4 : 1); ++u, ++n) {
                w.pc1->setCurrentIndex(s);
                w.pc2->setCurrentIndex(u);
                QStringList weg = w.tabWeg();
                if (s == 0) QCOMPARE(weg.takeFirst(), QStringLiteral("PageControl2"));
                QWidget* seite = s == 0 ? w.pc2->seite(u) : w.pc1->seite(s);
                QVERIFY2(weg.size() >= 2, qPrintable(hilfe[n]));
                QCOMPARE(weg.last(), hilfe[n]);
                QCOMPARE(QSet<QString>(weg.begin(), weg.end()).size(), weg.size());
                for (const QString& name : weg) {
                    auto* halt = seite->findChild<QWidget*>(name);
                    QVERIFY2(halt, qPrintable(name + " lies outside " + hilfe[n]));
                }
            }
    }

    // A radio group is one stop; the arrow keys choose its items (and run the page's handler).
    void radiogruppeMitPfeilen() {
        Fenster w;
        w.pc1->setCurrentIndex(3);
        auto* farbe = w.kind<Radiogruppe>("RG_LED_Farbe");
        auto* uf = w.kind<QLineEdit>("LED_E_Uf");
        farbe->setItemIndex(0);
        farbe->knopf(0)->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Down);
        QCOMPARE(farbe->itemIndex(), 1);
        QCOMPARE(Fenster::fokus(), farbe->knopf(1));
        QVERIFY(uf->text().startsWith(QStringLiteral("4")));  // blue LED: 4,00 V
        w.taste(Qt::Key_Up);
        w.taste(Qt::Key_Up);  // round the end
        QCOMPARE(farbe->itemIndex(), 5);
        // the chosen item is the group's stop
        w.taste(Qt::Key_Tab);
        QCOMPARE(Fenster::fokus()->objectName(), QStringLiteral("LED_E_U"));
        w.taste(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Fenster::fokus(), farbe->knopf(5));

        // the same in a page built later (the code systems of the SMD page)
        w.pc1->setCurrentIndex(0);
        w.pc2->setCurrentIndex(3);
        auto* system = w.kind<Radiogruppe>("RG_SMD");
        QVERIFY(system);
        system->setItemIndex(0);
        system->knopf(0)->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Down);
        QCOMPARE(system->itemIndex(), 1);
        QCOMPARE(Fenster::fokus(), system->knopf(1));
    }

    // "andere Darstellungen" opens the dialog with further drawings from the keyboard too
    void klickbaresLabelMitEnter() {
        Fenster w;
        SternDreieckDialog bilder(&w.f);
        w.f.setzeDialoge(nullptr, nullptr, &bilder, nullptr);
        w.pc1->setCurrentIndex(7);
        const QStringList weg = w.tabWeg();
        QCOMPARE(weg.size(), 9);
        auto* links = w.kind(qPrintable(weg[0]));
        auto* rechts = w.kind(qPrintable(weg[1]));
        QCOMPARE(qobject_cast<QLabel*>(links)->text().simplified(), QStringLiteral("andere Darstellungen"));
        QVERIFY(links->x() < rechts->x());
        for (QWidget* l : {links, rechts}) {
            bilder.hide();
            l->setFocus(Qt::TabFocusReason);
            w.taste(Qt::Key_Return);
            QVERIFY(bilder.isVisible());
        }
        bilder.hide();
        links->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Space);
        QVERIFY(bilder.isVisible());
        bilder.hide();
    }

    void hilfeVerweisMitEnterUndLeertaste() {
        Fenster w;
        w.pc1->setCurrentIndex(5);
        auto* verweis = w.kind("LHilfe_NE555");
        verweis->setFocus(Qt::TabFocusReason);
        // the test program has no help file beside it: each request ends in the missing-file message
        w.rec.leeren();
        w.taste(Qt::Key_Return);
        w.taste(Qt::Key_Space);
        w.taste(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w.rec.eintraege.size(), size_t(3));
        for (const auto& e : w.rec.eintraege) QCOMPARE(e.text, hilfeFehlt);
        w.taste(Qt::Key_A);
        QCOMPARE(w.rec.eintraege.size(), size_t(3));
    }

    // The accessible tree: two page tab lists with their tabs, the selected state following a
    // switch (with its events), fields named by their labels, pictures described by their hints.
    void zugaenglicherBaum() {
        Fenster w;
        QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(&w.f);
        QVERIFY(fenster);
        QList<QAccessibleInterface*> listen;
        sammle(fenster, QAccessible::PageTabList, listen);
        QCOMPARE(listen.size(), 2);
        QAccessibleInterface* aussen = QAccessible::queryAccessibleInterface(w.pc1);
        QVERIFY(listen.contains(aussen));
        QList<QAccessibleInterface*> reiter;
        for (int i = 0; i < aussen->childCount(); ++i)
            if (aussen->child(i)->role() == QAccessible::PageTab) reiter.append(aussen->child(i));
        QCOMPARE(reiter.size(), 8);
        const QStringList titel{"Farbcode",          "Toleranz (E-Reihen)", "Spannungs-/ Stromteiler",
                                "LED-Vorwiderstand", "LM317 Berechnung",    "NE555 Berechnung",
                                "konst. Stromquelle", "Stern-/Dreieckwandlung"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(reiter[i]->text(QAccessible::Name), titel[i]);
            QCOMPARE(reiter[i]->state().selected, i == w.pc1->currentIndex());
            QCOMPARE(reiter[i]->parent(), aussen);
            QCOMPARE(aussen->indexOfChild(reiter[i]), i);
        }
        // a switch moves the selected state (the events that tell a screen reader need a platform
        // accessibility bridge, which the offscreen platform has not)
        w.pc1->setFocus(Qt::TabFocusReason);
        w.taste(Qt::Key_Right);
        QCOMPARE(w.pc1->currentIndex(), 7);
        QVERIFY(reiter[7]->state().selected);
        QVERIFY(reiter[7]->state().focused);
        QVERIFY(!reiter[6]->state().selected);
        QCOMPARE(aussen->focusChild(), reiter[7]);
        // the tab's press action chooses its page
        reiter[3]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.pc1->currentIndex(), 3);
        // the list holds the tabs only; each tab holds its page
        QCOMPARE(aussen->childCount(), 8);
        QAccessibleInterface* seite3 = QAccessible::queryAccessibleInterface(w.pc1->seite(3));
        QCOMPARE(aussen->indexOfChild(seite3), -1);
        QCOMPARE(reiter[3]->childCount(), 1);
        QCOMPARE(reiter[3]->child(0), seite3);
        QCOMPARE(reiter[3]->indexOfChild(seite3), 0);
        QCOMPARE(seite3->parent(), reiter[3]);
        QCOMPARE(aussen->text(QAccessible::Name), QStringLiteral("Seiten"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.pc2)->text(QAccessible::Name), QStringLiteral("Farbcode-Seiten"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.pc2)->childCount(), 4);

        // fields are named by their labels (an index written after its letter included) once their
        // page has been shown
        for (int seite : {2, 5, 3}) w.pc1->setCurrentIndex(seite);
        const struct {
            const char* feld;
            const char* name;
        } felder[] = {{"LED_E_U", "Spannung U"},
                      {"LED_E_Uf", "Flu\xc3\x9fspannung Uf"},
                      {"LED_E_R", "Widerstand R"},
                      {"NE555_E_C", "Kondensator C"},
                      {"SpT_E_IL", "Laststrom IL"},
                      {"User_Leds", "Anzahl von LEDs eingeben"}};  // no label: its hint
        for (const auto& f : felder) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w.kind(f.feld));
            QVERIFY2(i, f.feld);
            QCOMPARE(i->text(QAccessible::Name), QString::fromUtf8(f.name));
        }
        // pictures carry their hint as description
        QAccessibleInterface* bild = QAccessible::queryAccessibleInterface(w.kind("Image15"));
        QCOMPARE(bild->role(), QAccessible::Graphic);
        QCOMPARE(bild->text(QAccessible::Description),
                 QStringLiteral(u"Anschlußbild der LED - von unten und von der Seite gesehen"));
        QAccessibleInterface* hilfeBild = QAccessible::queryAccessibleInterface(w.kind("IHilfe_LED"));
        QCOMPARE(hilfeBild->role(), QAccessible::Graphic);
        QCOMPARE(hilfeBild->text(QAccessible::Description), QStringLiteral("Hilfe anzeigen"));
        // the help link is a link with a press action
        QAccessibleInterface* verweis = QAccessible::queryAccessibleInterface(w.kind("LHilfe_LED"));
        QCOMPARE(verweis->role(), QAccessible::Link);
        QCOMPARE(verweis->text(QAccessible::Name), QStringLiteral("Hilfe"));
        w.rec.leeren();
        verweis->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.rec.letzter(), hilfeFehlt);
    }
};

QTEST_MAIN(ZugangTest)
#include "zugang_guitest.moc"
