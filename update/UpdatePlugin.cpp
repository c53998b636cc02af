// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry of the update module: the program loads this file with QPluginLoader the first time the
// update dialog is wanted (dialogs/Updatelader.h). The module is linked on its own (no symbol left for
// the program to give) and exports only what QPluginLoader looks for.

#include <QObject>

#include "dialogs/Updatefenster.h"
#include "update/UpdateDialog.h"

namespace zelmo {

class UpdatePlugin : public QObject, public Updatemodul {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZELMO_UPDATEMODUL_IID)
    Q_INTERFACES(zelmo::Updatemodul)
public:
    Updatefenster* updateDialog(QWidget* eltern, Updatedienste& dienste) override {
        return new UpdateDialog(dienste, eltern);
    }
};

}  // namespace zelmo

#include "UpdatePlugin.moc"
