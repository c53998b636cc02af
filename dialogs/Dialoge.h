#pragma once
// The four dialogs the main window opens modeless. They are created once at start and only hidden.

#include <QDialog>

class QCheckBox;

namespace zelmo {

class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(const QString& name, const QString& titel, QSize groesse, QWidget* parent = nullptr);
};

// "Optionen" (TForm2)
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

// "Info" (TForm3)
class InfoDialog : public Dialog {
    Q_OBJECT
public:
    explicit InfoDialog(QWidget* parent = nullptr);
};

// star and delta drawings (TForm4)
class SternDreieckDialog : public Dialog {
    Q_OBJECT
public:
    explicit SternDreieckDialog(QWidget* parent = nullptr);
};

// "Update" (TForm9)
class UpdateDialog : public Dialog {
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget* parent = nullptr);
};

}  // namespace zelmo
