// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "circuits/SternDreieckSeite.h"
#include "dialogs/SternDreieckDialog.h"
#include "fields/Eingabefeld.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

const QColor geld(192, 220, 192);

QWidget* bild(QWidget* d, const char* name) { return d->findChild<QWidget*>(QString::fromLatin1(name)); }
bool sternGezeigt(QWidget* d) { return bild(d, "SD_I_Stern")->isVisible() && !bild(d, "SD_I_Dreieck")->isVisible(); }
bool dreieckGezeigt(QWidget* d) { return !bild(d, "SD_I_Stern")->isVisible() && bild(d, "SD_I_Dreieck")->isVisible(); }
void schliessen(QWidget* d) {
    QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("OK_Button")), Qt::LeftButton);
}

}  // namespace

class SternDreieckDialogTest : public QObject {
    Q_OBJECT
private slots:
    void aufbau() {
        SternDreieckDialog d;
        QCOMPARE(d.objectName(), QStringLiteral("TForm4"));
        QCOMPARE(d.windowTitle(), QStringLiteral(" QR2ZUXs   Zelmotron V1.1"));
        QCOMPARE(d.size(), QSize(660, 311));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!d.isModal());

        auto* aussen = d.findChild<QFrame*>(QStringLiteral("Panel1"));
        auto* innen = d.findChild<QFrame*>(QStringLiteral("Panel2"));
        QVERIFY(aussen && innen);
        QCOMPARE(aussen->geometry(), QRect(8, 24, 644, 241));
        QCOMPARE(innen->parentWidget(), aussen);
        QCOMPARE(innen->size(), QSize(628, 225));
        for (QFrame* p : {aussen, innen}) {
            QVERIFY(p->autoFillBackground());
            QCOMPARE(p->palette().color(QPalette::Window), geld);
        }
        for (const char* name : {"SD_I_Stern", "SD_I_Dreieck"}) {
            QWidget* b = bild(&d, name);
            QVERIFY2(b, name);
            QCOMPARE(b->parentWidget(), innen);
            QCOMPARE(b->geometry(), QRect(0, 0, 628, 225));
        }
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("OK_Button"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral(u"Schließen"));
        QCOMPARE(ok->size(), QSize(83, 33));
        QCOMPARE(ok->font().family(), QStringLiteral("Microsoft Sans Serif"));
        QCOMPARE(ok->font().pixelSize(), 16);
        // bottom right, under the panel
        QVERIFY(ok->geometry().right() >= 640 && ok->geometry().right() < 660);
        QVERIFY(ok->geometry().top() > aussen->geometry().bottom() && ok->geometry().bottom() < 311);
    }

    // The drawings are chosen when the dialog becomes visible, not by a link clicked while it is open.
    void wahlBeimZeigen() {
        SternDreieckDialog d;
        d.zeige(true);
        QVERIFY(d.isVisible());
        QVERIFY(sternGezeigt(&d));
        d.zeige(false);
        QVERIFY(d.isVisible());
        QVERIFY(sternGezeigt(&d));
        schliessen(&d);
        QVERIFY(!d.isVisible());
        d.zeige(false);
        QVERIFY(dreieckGezeigt(&d));
        d.zeige(true);
        QVERIFY(dreieckGezeigt(&d));
        d.close();  // the title bar's close button hides as well
        QVERIFY(!d.isVisible());
        d.zeige(true);
        QVERIFY(sternGezeigt(&d));

        // real drawings, and not the same ones
        QImage stern = bild(&d, "SD_I_Stern")->grab().toImage();
        QImage dreieck = bild(&d, "SD_I_Dreieck")->grab().toImage();
        for (const QImage* img : {&stern, &dreieck}) {
            int dunkel = 0;
            for (int y = 0; y < img->height(); ++y)
                for (int x = 0; x < img->width(); ++x)
                    if (qGray(img->pixel(x, y)) < 90) ++dunkel;
            QVERIFY(dunkel > img->width() * img->height() / 100);
        }
        QVERIFY(stern != dreieck);
    }

    // Through the links of the page in the main window.
    void ausDemHauptfenster() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        SternDreieckDialog d(&f);
        f.setzeDialoge(nullptr, nullptr, &d, nullptr);
        f.show();
        f.pageControl1()->setCurrentIndex(7);
        SternDreieckSeite* seite = f.findChild<SternDreieckSeite*>();
        QVERIFY(f.findChild<QWidget*>(QStringLiteral("TabSheet11"))->isAncestorOf(seite));
        const auto klicke = [&](const char* name) {
            QTest::mouseClick(seite->findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
        };

        klicke("Stern_aD");
        QVERIFY(d.isVisible());
        QVERIFY(sternGezeigt(&d));
        klicke("Dreieck_aD");
        QVERIFY(!seite->sternDreieck());
        QVERIFY(sternGezeigt(&d));
        schliessen(&d);
        klicke("Dreieck_aD");
        QVERIFY(d.isVisible());
        QVERIFY(dreieckGezeigt(&d));

        // the first start reached the page too
        const QChar dez = f.umgebung().dezimal;
        QCOMPARE(seite->sternFeld(0)->text(), QStringLiteral(u"5,00 k\u03A9").replace(u',', dez));
        QCOMPARE(seite->dreieckFeld(2)->text(), QStringLiteral(u"15,00 k\u03A9").replace(u',', dez));
    }
};

QTEST_MAIN(SternDreieckDialogTest)
#include "sterndreieckdialog_guitest.moc"
