#pragma once
// Base of the dialogs the main window opens modeless. They are created once at start and only hidden.

#include <QDialog>

namespace zelmo {

class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(const QString& name, const QString& titel, QSize groesse, QWidget* parent = nullptr);
};

}  // namespace zelmo
