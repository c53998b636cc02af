#pragma once
// "Update" (TForm9): version check, download and installation of a new release.

#include "dialogs/Dialog.h"

namespace zelmo {

class UpdateDialog : public Dialog {
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget* parent = nullptr);
};

}  // namespace zelmo
