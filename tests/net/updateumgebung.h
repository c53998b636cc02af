// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the widget tests of the update path share: a home of their own, and the look into a folder.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zelmo::test {

// No proxy from the environment, HOME and the cache folder inside heim; the cache location the
// update path writes below (empty when heim is not usable).
inline QString eigenesHeim(const QTemporaryDir& heim) {
    for (const char* v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(v);
    if (!heim.isValid()) return {};
    qputenv("HOME", QFile::encodeName(heim.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(heim.filePath(QStringLiteral(".cache"))));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.startsWith(heim.path()) ? cache : QString();
}

// Everything below a folder, relative, sorted.
inline QStringList baum(const QString& ordner) {
    QStringList l;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) l << QDir(ordner).relativeFilePath(it.next());
    l.sort();
    return l;
}

}  // namespace zelmo::test
