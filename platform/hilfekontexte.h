// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The table that maps help context numbers to topics inside the help file ("90 widerstand.htm").

#include <QString>
#include <map>

namespace zelmo {

// Lines "number topic"; blank lines and lines starting with "#" are skipped, broken lines ignored.
std::map<int, QString> leseHilfekontexte(const QString& text);

}  // namespace zelmo
