#pragma once
// The main window with the dialogs it opens, wired together, as the program builds it. Tools that
// need the whole window (the README's page pictures) build it the same way. The update dialog comes
// from its module when it is first wanted.

#include "app/Hauptfenster.h"
#include "dialogs/Dialoge.h"
#include "platform/Plattform.h"

namespace zelmo {

struct Programmfenster {
    Hauptfenster fenster;
    OptionenDialog optionen{fenster.umgebung().dezimal, &fenster};
    InfoDialog info{&fenster};
    SternDreieckDialog sternDreieck{&fenster};
    Updatelader update;

    // updatemodule: the files the update module is looked for in, in this order
    explicit Programmfenster(QStringList updatemodule = updatemodulOrte(plattform::programmOrdner()))
        : update(&fenster, std::move(updatemodule)) {
        fenster.setzeDialoge(&optionen, &info, &sternDreieck, &update);
    }
};

}  // namespace zelmo
