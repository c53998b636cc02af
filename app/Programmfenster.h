// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window with the dialogs it opens, wired together, as the program builds it. Tools that
// need the whole window (the README's page pictures) build it the same way. The options dialog is
// built with the window (it holds settings of the file); the info and drawing dialogs are built the
// first time they are wanted, the update dialog comes from its module then.

#include "app/Hauptfenster.h"
#include "app/Seitenordnung.h"
#include "dialogs/Dialoge.h"
#include "platform/Plattform.h"

namespace zelmo {

struct Programmfenster {
    Hauptfenster fenster;
    OptionenDialog optionen{fenster.umgebung().dezimal, &fenster};
    Updatelader update;

    // updatemodule: the files the update module is looked for in, in this order
    explicit Programmfenster(QStringList updatemodule = updatemodulOrte(plattform::programmOrdner()))
        : update(&fenster, std::move(updatemodule)) {
        // the dialogs get the keyboard order and the names the pages get
        seiteOrdnen(&optionen);
        fenster.setzeDialoge(&optionen, Dialogquelle<InfoDialog>([this] { return geordnet(new InfoDialog(&fenster)); }),
                             Dialogquelle<SternDreieckDialog>(
                                 [this] { return geordnet(new SternDreieckDialog(&fenster)); }),
                             &update);
    }

    template <class D>
    static D* geordnet(D* dialog) {
        seiteOrdnen(dialog);
        return dialog;
    }
};

}  // namespace zelmo
