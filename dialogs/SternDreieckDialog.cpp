#include "dialogs/SternDreieckDialog.h"

namespace zelmo {

SternDreieckDialog::SternDreieckDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm4"), QStringLiteral(" QR2ZUXs   Zelmotron V1.1"), {660, 311}, parent) {}

void SternDreieckDialog::zeige(bool) {
    show();
    raise();
    activateWindow();
}

}  // namespace zelmo
