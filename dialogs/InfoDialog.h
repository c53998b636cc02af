#pragma once
// "Info" (TForm3): about the program, web page and mail links, the update button.

#include "dialogs/Dialog.h"

namespace zelmo {

class InfoDialog : public Dialog {
    Q_OBJECT
public:
    explicit InfoDialog(QWidget* parent = nullptr);
};

}  // namespace zelmo
