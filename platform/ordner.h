#pragma once
// Where the program keeps its settings and data files.

#include <QString>

namespace zelmo {

// An installed program (its folder equals installOrdner, compared exactly) keeps its files in
// benutzerOrdner + "/QR2ZUX_Software/Zelmotronik"; one run from anywhere else keeps them beside itself.
QString datenOrdnerFuer(const QString& programmOrdner, const QString& installOrdner,
                        const QString& benutzerOrdner);

inline const QString iniDateiName = QStringLiteral("ZelmosV121.ini");
inline const QString datDateiName = QStringLiteral("ZelmosV121.dat");
inline const QString hilfeDateiName = QStringLiteral("ZelmosV121.chm");

}  // namespace zelmo
