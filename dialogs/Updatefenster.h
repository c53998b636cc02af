// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The update dialog as the main window knows it. The dialog and everything it needs for the network
// (Qt Network, OpenSSL, libzip) live in a module of their own (update/), which the program loads only
// when the dialog is first wanted (dialogs/Updatelader.h); the program file does not link them.
//
// The module links none of the program's code either: whatever it needs of the program (the message
// service, the artwork, the look of the program's dialogs, the desktop) it gets through the
// Updatedienste the program hands it with each dialog. So the program file exports nothing for it,
// and a module that wants more than this interface fails when it is linked, not when it is loaded.

#include <QSize>
#include <QString>
#include <QtPlugin>

#include "fields/Meldungen.h"

class QDialog;
class QIcon;
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

// The program's services for the module. Each call reaches the program's one instance of what it
// names at the time of the call (a message service a test installed later is the one that shows).
class Updatedienste {
public:
    virtual ~Updatedienste() = default;
    // Shows a message through the program's message service in use (Meldungen::dienst()).
    virtual void melde(Meldungen::Art art, const QString& text) = 0;
    // An icon of the program's artwork (":/haken.svg"), from the program's one store of icons.
    virtual QIcon bildsymbol(const QString& datei) = 0;
    // Gives a dialog of the module the look and standing of the program's own dialogs (Dialog): its
    // objectName, title, window icon, frame, fixed size and font, modeless.
    virtual void alsDialog(QDialog& dialog, const QString& name, const QString& titel, QSize groesse) = 0;
    // The folder of the running program file, without trailing separator.
    virtual QString programmOrdner() = 0;
    // Starts a program file detached; the shell-like result of plattform::starteProgramm (above 32:
    // started).
    virtual int starteProgramm(const QString& pfad) = 0;
};

// What the module offers: the update dialog as a hidden child window of eltern, which owns it. The
// services outlive the dialog.
class Updatemodul {
public:
    virtual ~Updatemodul() = default;
    virtual Updatefenster* updateDialog(QWidget* eltern, Updatedienste& dienste) = 0;
};

}  // namespace zelmo

// The module and the program meet only in the classes above, whose layout may change from one version
// to the next; the version is part of the interface's name, so a module of another build is refused.
#define ZELMO_UPDATEMODUL_IID "example.qr2zux.zelmotron.Updatemodul/" ZELMO_VERSION
Q_DECLARE_INTERFACE(zelmo::Updatemodul, ZELMO_UPDATEMODUL_IID)
