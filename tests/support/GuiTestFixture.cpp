// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/GuiTestFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Plattform.h"

namespace zelmo::test {

namespace {
// Every widget test keeps its settings and data files in a fresh folder of its own, so that a window
// closed by one test never turns the next start into anything but a first start.
struct TemporaererDatenordner {
    QTemporaryDir ordner;
    TemporaererDatenordner() { plattform::setzeDatenOrdner(ordner.path()); }
} temporaererDatenordner;

// A modal box that nobody expected would wait for a click forever: end the test program instead,
// naming the box. Installed in every widget test when its application starts.
void waechterStarten() {
    // a test without widgets runs a QCoreApplication: no dialogs there, and qApp would not be a QApplication
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    auto* t = new QTimer(app);
    t->setInterval(200);
    QObject::connect(t, &QTimer::timeout, [] {
        if (QWidget* m = QApplication::activeModalWidget())
            qFatal("unexpected modal dialog \"%s\": %s", qPrintable(m->windowTitle()),
                   qPrintable(m->findChildren<QLabel*>().isEmpty() ? QString() : m->findChildren<QLabel*>().front()->text()));
    });
    t->start();
}
Q_COREAPP_STARTUP_FUNCTION(waechterStarten)
}  // namespace

void trennerZeilen() {
    QTest::addColumn<QChar>("dezimal");
    QTest::newRow("Komma") << QChar(u',');
    QTest::newRow("Punkt") << QChar(u'.');
}

int dunklePunkte(const QImage& bild, int grauUnter) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < grauUnter) ++n;
    return n;
}

void tippe(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClicks(feld, text);
}

void tippeUndEnter(QLineEdit* feld, const QString& text) {
    tippe(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
}

}  // namespace zelmo::test
