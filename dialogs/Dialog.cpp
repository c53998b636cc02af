// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Dialog.h"

#include <QIcon>

#include "fields/Ressourcen.h"

namespace zelmo {

Dialog::Dialog(const QString& name, const QString& titel, QSize groesse, QWidget* parent) : QDialog(parent) {
    ressourcenLaden();
    setObjectName(name);
    setWindowTitle(titel);
    setWindowIcon(bildsymbol(QStringLiteral(":/zelmotron.svg")));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(groesse);
    setModal(false);
    setFont(schrift(13));
}

}  // namespace zelmo
