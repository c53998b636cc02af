// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Base of the dialogs the main window opens modeless. Each is created once (at start or when first
// wanted) and then only hidden.

#include <QDialog>

namespace zelmo {

class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(const QString& name, const QString& titel, QSize groesse, QWidget* parent = nullptr);
};

}  // namespace zelmo
