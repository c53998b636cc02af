// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Optionen" (TForm2): short hints, automatic update check, stay on top, maximum junction temperature.

#include <functional>

#include "dialogs/Dialog.h"

class QCheckBox;

namespace zelmo {

class Eingabefeld;

class OptionenDialog : public Dialog {
    Q_OBJECT
public:
    explicit OptionenDialog(QChar dezimal, QWidget* parent = nullptr);

    QCheckBox* kurzhinweise() const { return m_kurzhinweise; }
    QCheckBox* autoUpdate() const { return m_autoUpdate; }
    QCheckBox* vordergrund() const { return m_vordergrund; }
    Eingabefeld* tjmax() const { return m_tjmax; }

    // Reactions of the main window. A check box set by the program runs its reaction as a click does.
    std::function<void(bool)> beiKurzhinweisen;
    std::function<void(bool)> beiVordergrund;
    // An accepted maximum junction temperature in °C.
    std::function<void(double)> beiTjmax;

private:
    QCheckBox* m_kurzhinweise;
    QCheckBox* m_autoUpdate;
    QCheckBox* m_vordergrund;
    Eingabefeld* m_tjmax;
};

}  // namespace zelmo
