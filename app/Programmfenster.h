#pragma once
// The main window with the four dialogs it opens, wired together, as the program builds it. Tools that
// need the whole window (the README's page pictures) build it the same way.

#include "app/Hauptfenster.h"
#include "dialogs/Dialoge.h"

namespace zelmo {

struct Programmfenster {
    Hauptfenster fenster;
    OptionenDialog optionen{fenster.umgebung().dezimal, &fenster};
    InfoDialog info{&fenster};
    SternDreieckDialog sternDreieck{&fenster};
    UpdateDialog update{&fenster};

    Programmfenster() { fenster.setzeDialoge(&optionen, &info, &sternDreieck, &update); }
};

}  // namespace zelmo
