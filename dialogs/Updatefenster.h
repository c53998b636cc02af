// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The update dialog as the main window knows it. The dialog and everything it needs for the network
// (Qt Network, OpenSSL, libzip) live in a module of their own (update/), which the program loads only
// when the dialog is first wanted (dialogs/Updatelader.h); the program file does not link them.

#include <QtPlugin>

class QWidget;

namespace zelmo {

class Updatefenster {
public:
    virtual ~Updatefenster() = default;
    // Shows the dialog; it asks the server for its version at once.
    virtual void zeigen() = 0;
    // The check after start-up, in the background: the dialog appears only when the server publishes a
    // newer version; a failure goes to the standard error box.
    virtual void startpruefung() = 0;
};

// What the module offers: the update dialog as a hidden child window of eltern, which owns it.
class Updatemodul {
public:
    virtual ~Updatemodul() = default;
    virtual Updatefenster* updateDialog(QWidget* eltern) = 0;
};

}  // namespace zelmo

// The module uses the program's own code (dialog base, buttons, messages), so it fits this very
// version only; the version is part of the interface's name.
#define ZELMO_UPDATEMODUL_IID "example.qr2zux.zelmotron.Updatemodul/" ZELMO_VERSION
Q_DECLARE_INTERFACE(zelmo::Updatemodul, ZELMO_UPDATEMODUL_IID)
