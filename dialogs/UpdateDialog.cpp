#include "dialogs/UpdateDialog.h"

namespace zelmo {

UpdateDialog::UpdateDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm9"), QStringLiteral("Update"), {241, 279}, parent) {}

}  // namespace zelmo
