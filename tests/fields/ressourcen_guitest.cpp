// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's resources: the group box frames of the Fusion style come from the pixmap the
// program reads ahead, with Qt's own pixels and without loading an image-format plugin.

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <memory>

#include "fields/Ressourcen.h"

using namespace zelmo;

namespace {
// The image-format plugins this process has mapped.
QStringList bildPlugins() {
    QFile f(QStringLiteral("/proc/self/maps"));
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("(no /proc/self/maps)")};
    QStringList gefunden;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.contains("/imageformats/")) gefunden << QString::fromUtf8(zeile.mid(zeile.indexOf('/')));
    gefunden.removeDuplicates();
    return gefunden;
}

QImage gruppenbild() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QGroupBox g(QStringLiteral(" Werte "));
    g.setStyle(fusion.get());
    g.resize(160, 90);
    return g.grab().toImage();
}
}  // namespace

class RessourcenTest : public QObject {
    Q_OBJECT
private slots:
    void gruppenrahmenOhneBildPluginUndMitQtsPixeln() {
        ressourcenLaden();
        const QImage vorgelesen = gruppenbild();
        // the frame came from the cache: no plugin was asked about the PNG
        QCOMPARE(bildPlugins(), QStringList{});
        // read by Qt itself (with the plugins) the frame looks exactly the same
        QPixmapCache::clear();
        const QImage vonQt = gruppenbild();
        QCOMPARE(vorgelesen, vonQt);
        QVERIFY(!vonQt.isNull());
    }
};

QTEST_MAIN(RessourcenTest)
#include "ressourcen_guitest.moc"
