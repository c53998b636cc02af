// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/SternDreieckDialog.h"

#include <QFrame>
#include <QPushButton>
#include <QShowEvent>

#include "fields/Ressourcen.h"
#include "circuits/SternDreieckBilder.h"
#include "fields/Bausteine.h"
#include "fields/Schaltbild.h"

namespace zelmo {

SternDreieckDialog::SternDreieckDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm4"), QStringLiteral(" QR2ZUXs   Zelmotron V1.1"), {660, 311}, parent) {
    QFrame* aussen = farbpanel(this, QStringLiteral("Panel1"), {8, 24, 644, 241}, geldgruen);
    QFrame* innen = farbpanel(aussen, QStringLiteral("Panel2"), {8, 8, 628, 225}, geldgruen);

    m_sternBild = new Schaltbild(QStringLiteral("SD_I_Stern"), sdbild::dialogGroesse, innen);
    m_sternBild->setZeichnung(sdbild::sternFormen);
    m_dreieckBild = new Schaltbild(QStringLiteral("SD_I_Dreieck"), sdbild::dialogGroesse, innen);
    m_dreieckBild->setZeichnung(sdbild::dreieckFormen);
    for (Schaltbild* b : {m_sternBild, m_dreieckBild}) b->setGeometry(0, 0, 628, 225);
    m_dreieckBild->hide();

    m_ok = new QPushButton(QStringLiteral(u"Schließen"), this);
    m_ok->setObjectName(QStringLiteral("OK_Button"));
    m_ok->setGeometry(569, 272, 83, 33);
    m_ok->setFont(schrift(16));
    connect(m_ok, &QPushButton::clicked, this, [this] { OK_ButtonClick(); });
}

void SternDreieckDialog::zeige(bool stern) {
    if (!isVisible()) m_stern = stern;
    show();
    raise();
    activateWindow();
}

void SternDreieckDialog::showEvent(QShowEvent* e) {
    // only a dialog that was hidden chooses its drawings (not a restore from the task bar)
    if (!e->spontaneous()) FormShow();
    Dialog::showEvent(e);
}

void SternDreieckDialog::FormShow() {
    m_sternBild->setVisible(m_stern);
    m_dreieckBild->setVisible(!m_stern);
}

void SternDreieckDialog::OK_ButtonClick() { hide(); }

}  // namespace zelmo
