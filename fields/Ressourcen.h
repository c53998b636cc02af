// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QIcon>

namespace zelmo {
// Registers the compiled-in artwork (the UI library is static, so this is not automatic) and the
// font substitution.
void ressourcenLaden();

// The program's one typeface ("Microsoft Sans Serif", which the resources map to the nearest free face
// where it is missing) at a size in pixels (rounded, at least 1).
QFont schrift(double pixel, bool fett = false);

// The icon of a picture of the resources (":/hilfe.svg"), one for the whole run: its file is read
// once and each size is drawn once, however many controls show it.
const QIcon& bildsymbol(const QString& datei);
}  // namespace zelmo
