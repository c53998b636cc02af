// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Further drawings of the star and the delta circuit (TForm4). Created when first wanted, then only hidden;
// which drawings it shows is decided when it becomes visible.

#include "dialogs/Dialog.h"

class QPushButton;

namespace zelmo {

class Schaltbild;

class SternDreieckDialog : public Dialog {
    Q_OBJECT
public:
    explicit SternDreieckDialog(QWidget* parent = nullptr);
    // Shows the dialog with the star (true) or the delta drawings; an open dialog only comes to the
    // front and keeps its drawings.
    void zeige(bool stern);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
    void OK_ButtonClick();

    bool m_stern = true;  // the drawings asked for by the last link
    Schaltbild* m_sternBild;
    Schaltbild* m_dreieckBild;
    QPushButton* m_ok;
};

}  // namespace zelmo
