// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields/Ressourcen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>
#include <QtGlobal>

namespace {
// A number as QPixmap::load writes it into its cache keys: each byte in memory order, low digit first.
template <typename T>
void hexAnhaengen(QString& s, T wert) {
    const auto* b = reinterpret_cast<const unsigned char*>(&wert);
    for (size_t i = 0; i < sizeof(T); ++i) {
        s += QLatin1Char("0123456789abcdef"[b[i] & 0xf]);
        s += QLatin1Char("0123456789abcdef"[b[i] >> 4]);
    }
}

// The Fusion style draws every group box frame from a PNG of Qt's own resources, read through
// QPixmap. That read lets the image reader ask each image-format plugin whether it takes PNG, which
// loads all of them (and libjpeg) for the first group box painted. Read here by the built-in PNG
// reader alone and put into the pixmap cache under the key QPixmap::load looks up, the same pixels
// are there without a plugin. Should the key ever differ, Qt reads the file itself as before.
void gruppenrahmenVorlesen() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    const QString datei = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QFileInfo info(datei);
    if (!info.exists()) return;
    QImageReader leser(datei, "png");
    leser.setAutoDetectImageFormat(false);
    const QImage bild = leser.read();
    if (bild.isNull()) return;
    QString schluessel = QStringLiteral("qt_pixmap") + info.absoluteFilePath();
    hexAnhaengen(schluessel, uint(info.lastModified().toSecsSinceEpoch()));
    hexAnhaengen(schluessel, quint64(info.size()));
    hexAnhaengen(schluessel, uint(0));  // an ordinary pixmap, not a bitmap
    QPixmapCache::insert(schluessel, QPixmap::fromImage(bild));
}
}  // namespace

static void laden() {
    Q_INIT_RESOURCE(resources);
    gruppenrahmenVorlesen();
    // the window was laid out for "Microsoft Sans Serif"; Liberation Sans is the nearest free face
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace zelmo {
QFont schrift(double pixel, bool fett) {
    QFont f(QStringLiteral("Microsoft Sans Serif"));
    f.setPixelSize(std::max(1, int(std::lround(pixel))));
    f.setBold(fett);
    return f;
}

const QIcon& bildsymbol(const QString& datei) {
    static QHash<QString, QIcon> symbole;
    auto it = symbole.find(datei);
    if (it == symbole.end()) {
        ressourcenLaden();
        it = symbole.insert(datei, QIcon(datei));
    }
    return *it;
}

void ressourcenLaden() {
    static const bool einmal = (laden(), true);
    (void)einmal;
}
}  // namespace zelmo
