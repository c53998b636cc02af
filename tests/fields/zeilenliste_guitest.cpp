// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>

#include "fields/Zeilenliste.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QColor gruen(0, 0x80, 0);
const QColor maroon(0x80, 0, 0);

std::vector<Listenzeile> zeilen(int n) {
    std::vector<Listenzeile> z;
    for (int i = 0; i < n; ++i)
        z.push_back({QStringLiteral(" %1,00k\t  2,00k\t%2%").arg(i + 1).arg(i), i % 2 ? maroon : gruen});
    return z;
}

// A list of the size of the tolerance page's, shown.
struct Fenster {
    Zeilenliste liste{QStringLiteral("Liste"), nullptr};
    Fenster() {
        liste.setzeTabs({QTextOption::Tab(64, QTextOption::LeftTab), QTextOption::Tab(120, QTextOption::LeftTab)}, 48);
        liste.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        liste.resize(300, 232);
        liste.show();
        (void)QTest::qWaitForWindowExposed(&liste);
    }
    QRect zeile(int i) const { return liste.visualRect(liste.model()->index(i, 0)); }
};

// How many pixels of a colour the part of the picture holds.
int pixel(const QImage& bild, const QRect& teil, const QColor& farbe) {
    int n = 0;
    for (int y = teil.top(); y <= teil.bottom(); ++y)
        for (int x = teil.left(); x <= teil.right(); ++x)
            if (bild.pixelColor(x, y) == farbe) ++n;
    return n;
}

}  // namespace

class ZeilenlisteTest : public QObject {
    Q_OBJECT
private slots:
    void zeilenUndAuswahl() {
        Fenster f;
        Zeilenliste& l = f.liste;
        QCOMPARE(l.objectName(), QStringLiteral("Liste"));
        l.setzeZeilen(zeilen(40));
        QCOMPARE(l.anzahl(), 40);
        QCOMPARE(l.zeile(0), QStringLiteral(" 1,00k\t  2,00k\t0%"));
        QCOMPARE(l.farbe(0), gruen);
        QCOMPARE(l.farbe(39), maroon);
        QCOMPARE(l.zeile(40), QString());
        QCOMPARE(l.zeile(-1), QString());
        QCOMPARE(l.alleZeilen().size(), 40);
        QCOMPARE(l.alleZeilen().at(39), l.zeile(39));
        // the chosen lines in the order of the list, whatever order they were chosen in
        l.selectionModel()->select(l.model()->index(7, 0), QItemSelectionModel::Select);
        l.selectionModel()->select(l.model()->index(2, 0), QItemSelectionModel::Select);
        QCOMPARE(l.gewaehlteZeilen(), (QStringList{l.zeile(2), l.zeile(7)}));
        // new lines: from the first, nothing chosen, the scroll bar at once as long as the list
        l.verticalScrollBar()->setValue(10);
        l.setzeZeilen(zeilen(100));
        QVERIFY(l.gewaehlteZeilen().isEmpty());
        QCOMPARE(l.verticalScrollBar()->value(), 0);
        const int sichtbar = l.viewport()->height() / f.zeile(0).height();
        QCOMPARE(l.verticalScrollBar()->maximum(), 100 - sichtbar);
        l.setzeZeilen({});
        QCOMPARE(l.anzahl(), 0);
        QVERIFY(l.gewaehlteZeilen().isEmpty());
        QCOMPARE(l.verticalScrollBar()->maximum(), 0);
    }

    void lageWieImTextfeld() {
        Fenster f;
        Zeilenliste& l = f.liste;
        l.setzeZeilen(zeilen(100));
        // the first line a margin below the top edge, the others one below the other, all as high
        const int h = f.zeile(0).height();
        QVERIFY(h >= QFontMetrics(l.font()).height());
        QCOMPARE(f.zeile(0).top(), Zeilenliste::rand);
        QCOMPARE(f.zeile(5).top(), Zeilenliste::rand + 5 * h);
        QCOMPARE(f.zeile(0).width(), l.viewport()->width());
        QVERIFY(!l.indexAt(QPoint(5, 0)).isValid());
        QCOMPARE(l.indexAt(QPoint(5, Zeilenliste::rand)).row(), 0);
        QCOMPARE(l.indexAt(QPoint(5, Zeilenliste::rand + h)).row(), 1);
        // scrolled by lines, the top line touches the edge
        l.verticalScrollBar()->setValue(3);
        QCOMPARE(f.zeile(3).top(), 0);
        QCOMPARE(l.indexAt(QPoint(5, 0)).row(), 3);
        // a sign from a fallback font makes every line as high as the highest (the double bar is not
        // in the lists' narrow font)
        QFont schmal(QStringLiteral("Liberation Sans"));
        schmal.setPixelSize(11);
        l.setzeSchrift(schmal);
        std::vector<Listenzeile> z = zeilen(3);
        z[1].text += QStringLiteral(u"\tR1\u2016R2");
        l.setzeZeilen(z);
        QTextLayout hoch(z[1].text, l.font());
        hoch.setTextOption(l.textOption());
        hoch.beginLayout();
        QTextLine zeile = hoch.createLine();
        zeile.setLeadingIncluded(true);
        hoch.endLayout();
        QVERIFY(f.zeile(1).height() >= zeile.height());
        QCOMPARE(f.zeile(0).height(), f.zeile(1).height());
        // the columns start at the tab stops, after the last one every tab distance
        l.setzeZeilen(zeilen(3));
        const QString t = l.zeile(0);
        QCOMPARE(l.zeichenX(0, int(t.indexOf(u'\t')) + 1), 64.0);
        QCOMPARE(l.zeichenX(0, int(t.lastIndexOf(u'\t')) + 1), 120.0);
        l.setzeTabs({QTextOption::Tab(64, QTextOption::LeftTab)}, 48);
        QCOMPARE(l.zeichenX(0, int(t.lastIndexOf(u'\t')) + 1), 144.0);
    }

    void gemaltInFarbe() {
        Fenster f;
        Zeilenliste& l = f.liste;
        l.setzeZeilen(zeilen(100));
        l.selectionModel()->select(l.model()->index(1, 0), QItemSelectionModel::Select);
        const QImage bild = l.viewport()->grab().toImage();
        // each line in its colour; a chosen line on the highlight, its text in the highlight's text colour
        QVERIFY(pixel(bild, f.zeile(0), gruen) > 10);
        QCOMPARE(pixel(bild, f.zeile(0), maroon), 0);
        const QPalette& p = l.palette();
        QCOMPARE(pixel(bild, f.zeile(1), maroon), 0);
        QVERIFY(pixel(bild, f.zeile(1), p.color(QPalette::Inactive, QPalette::Highlight)) +
                    pixel(bild, f.zeile(1), p.color(QPalette::Active, QPalette::Highlight)) >
                f.zeile(1).width() * f.zeile(1).height() / 2);
        QVERIFY(pixel(bild, f.zeile(3), maroon) > 10);
        // nothing is drawn in the margin above the first line
        QCOMPARE(pixel(bild, QRect(0, 0, l.viewport()->width(), Zeilenliste::rand), gruen), 0);
    }

    void vorleser() {
        Fenster f;
        Zeilenliste& l = f.liste;
        l.setAccessibleName(QStringLiteral("Ergebnisse"));
        l.setzeZeilen(zeilen(5));
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&l);
        QVERIFY(i);
        QCOMPARE(i->role(), QAccessible::List);
        QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Ergebnisse"));
        QCOMPARE(i->childCount(), 5);
        // each line read as its columns, without the padding
        QAccessibleInterface* erste = i->child(0);
        QVERIFY(erste);
        QCOMPARE(erste->text(QAccessible::Name), QStringLiteral("1,00k; 2,00k; 0%"));
        QCOMPARE(i->child(4)->text(QAccessible::Name), QStringLiteral("5,00k; 2,00k; 4%"));
        QVERIFY(!erste->state().editable);
    }
};

QTEST_MAIN(ZeilenlisteTest)
#include "zeilenliste_guitest.moc"
