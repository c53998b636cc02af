#pragma once
// "Optionen" (TForm2): hints, stay on top, automatic update check, maximum junction temperature.

#include "dialogs/Dialog.h"

class QCheckBox;

namespace zelmo {

class OptionenDialog : public Dialog {
    Q_OBJECT
public:
    explicit OptionenDialog(QWidget* parent = nullptr);
    QCheckBox* autoUpdate() const { return m_autoUpdate; }

private:
    QCheckBox* m_kurzhinweise;
    QCheckBox* m_autoUpdate;
    QCheckBox* m_vordergrund;
};

}  // namespace zelmo
