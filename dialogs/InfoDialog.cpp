#include "dialogs/InfoDialog.h"

namespace zelmo {

InfoDialog::InfoDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm3"), QStringLiteral(" Info   Zelmotron V1.2"), {401, 532}, parent) {}

}  // namespace zelmo
