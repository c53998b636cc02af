// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the program finds its help file and keeps its settings and data files.

#include <QString>

namespace zelmo {

inline const QString iniDateiName = QStringLiteral("ZelmosV121.ini");
inline const QString datDateiName = QStringLiteral("ZelmosV121.dat");
inline const QString hilfeDateiName = QStringLiteral("ZelmosV121.chm");

// The folder of an installation's shared files, seen from the folder of the program file.
inline const QString geteilterOrdner = QStringLiteral("../share/zelmotron");

// Where a program whose file lies in programmOrdner stands.
struct Programmort {
    // An installed program finds its help file in ../share/zelmotron (whatever the prefix, a staged
    // installation included); any other program looks for it beside itself.
    bool installiert = false;
    QString hilfeDatei;
};
Programmort programmortFuer(const QString& programmOrdner);

// An installed program keeps its files in benutzerOrdner + "/QR2ZUX_Software/Zelmotronik"; one run
// from anywhere else (its build folder, a copied folder) keeps them beside itself.
QString datenOrdnerFuer(const QString& programmOrdner, bool installiert, const QString& benutzerOrdner);

}  // namespace zelmo
