#pragma once
// Further drawings of the star and the delta circuit (TForm4).

#include "dialogs/Dialog.h"

namespace zelmo {

class SternDreieckDialog : public Dialog {
    Q_OBJECT
public:
    explicit SternDreieckDialog(QWidget* parent = nullptr);
    // Shows the dialog with the star (true) or the delta drawings; an open dialog only comes to the front.
    void zeige(bool stern);
};

}  // namespace zelmo
