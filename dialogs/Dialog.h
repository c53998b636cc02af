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

    // What the constructor does, for a dialog that cannot derive from this class (the update module's,
    // which links none of the program's code): objectName, title, window icon, frame, fixed size, font,
    // modeless; and it counts as one of the program's dialogs (ist).
    static void einrichten(QDialog& dialog, const QString& name, const QString& titel, QSize groesse);
    // Whether a window is one of the program's dialogs (this class or set up by einrichten).
    static bool ist(const QObject* o);
};

}  // namespace zelmo
