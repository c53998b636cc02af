// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Dialog.h"

#include <QIcon>
#include <QVariant>

#include "fields/Ressourcen.h"

namespace zelmo {

namespace {
constexpr const char* kennung = "zelmoDialog";
}

Dialog::Dialog(const QString& name, const QString& titel, QSize groesse, QWidget* parent) : QDialog(parent) {
    einrichten(*this, name, titel, groesse);
}

void Dialog::einrichten(QDialog& d, const QString& name, const QString& titel, QSize groesse) {
    ressourcenLaden();
    d.setProperty(kennung, true);  // before the title: its change may already ask for the window's name
    d.setObjectName(name);
    d.setWindowTitle(titel);
    d.setWindowIcon(bildsymbol(QStringLiteral(":/zelmotron.svg")));
    d.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    d.setFixedSize(groesse);
    d.setModal(false);
    d.setFont(schrift(13));
}

bool Dialog::ist(const QObject* o) {
    return qobject_cast<const Dialog*>(o) || (o && o->property(kennung).toBool());
}

}  // namespace zelmo
