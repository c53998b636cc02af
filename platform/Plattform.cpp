// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Plattform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/ordner.h"

namespace zelmo::plattform {

namespace {
std::function<void(int)>& hilfeAnzeige() {
    static std::function<void(int)> a;
    return a;
}
}  // namespace

QString programmOrdner() { return QDir::cleanPath(QCoreApplication::applicationDirPath()); }

namespace {
// looked up once: the program file does not move while it runs
const Programmort& ort() {
    static const Programmort o = programmortFuer(programmOrdner());
    return o;
}
}  // namespace

bool installiert() { return ort().installiert; }

QString hilfeDatei() { return ort().hilfeDatei; }

QString benutzerOrdner() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

namespace {
QString& ersatzOrdner() {
    static QString o;
    return o;
}
}  // namespace

QString datenOrdner() {
    if (!ersatzOrdner().isEmpty()) return ersatzOrdner();
    return datenOrdnerFuer(programmOrdner(), installiert(), benutzerOrdner());
}

void setzeDatenOrdner(const QString& ordner) { ersatzOrdner() = ordner; }

bool oeffne(const QString& urlOderDatei) {
    const QUrl url = QFileInfo::exists(urlOderDatei) ? QUrl::fromLocalFile(urlOderDatei) : QUrl(urlOderDatei);
    return QDesktopServices::openUrl(url);
}

int starteProgramm(const QString& pfad) {
    if (pfad.isEmpty()) return 2;
    const QFileInfo datei(pfad);
    if (!datei.absoluteDir().exists()) return 3;
    if (!datei.exists()) return 2;
    if (!datei.isFile() || !datei.isExecutable()) return 5;
    return QProcess::startDetached(datei.absoluteFilePath(), {}) ? 42 : 31;
}

void zeigeHilfe(int kontext) {
    if (hilfeAnzeige()) hilfeAnzeige()(kontext);
}

void setzeHilfeAnzeige(std::function<void(int)> anzeige) { hilfeAnzeige() = std::move(anzeige); }

void warntonAus() {}

}  // namespace zelmo::plattform
