// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window's way to the update dialog: loads the update module the first time the dialog is
// wanted and builds the dialog from it. A module that is missing or does not fit is named in a German
// message: an error box when the user asks for the dialog, the standard error box of a failed check
// when the check after start-up asks for it. Either way the window works on.

#include <QString>
#include <QStringList>

#include "dialogs/Updatefenster.h"

namespace zelmo {

// The module's file name and the places it is looked for, in this order: the library folder of an
// installation (relative to the program's folder, as the build's install layout puts it), then
// beside the program (the build folder).
extern const QString updatemodulDatei;
QStringList updatemodulOrte(const QString& programmOrdner);

// The program's services for the update module, one for the whole run: its message service, its
// artwork, its dialog look, the desktop (platform/Plattform.h). The tests of the dialog use it too.
Updatedienste& updatedienste();

class Updatelader : public Updatefenster {
public:
    // eltern: the main window, which becomes the dialog's parent; orte: the files tried in order.
    Updatelader(QWidget* eltern, QStringList orte);

    void zeigen() override;
    void startpruefung() override;

    // Loads the module and builds the dialog, once; false when that is not possible (fehler() says why).
    bool laden();
    // Why the module could not be loaded, a German sentence (empty after success).
    const QString& fehler() const { return m_fehler; }

private:
    QWidget* m_eltern;
    QStringList m_orte;
    Updatefenster* m_dialog = nullptr;
    QString m_fehler;
};

}  // namespace zelmo
