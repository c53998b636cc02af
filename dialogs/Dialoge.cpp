#include "dialogs/Dialoge.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>

#include "fields/Ressourcen.h"

namespace zelmo {

Dialog::Dialog(const QString& name, const QString& titel, QSize groesse, QWidget* parent) : QDialog(parent) {
    ressourcenLaden();
    setObjectName(name);
    setWindowTitle(titel);
    setWindowIcon(QIcon(QStringLiteral(":/zelmotron.svg")));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(groesse);
    setModal(false);
}

OptionenDialog::OptionenDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm2"), QStringLiteral(" Optionen    Zelmotron V1.2"), {410, 280}, parent) {
    auto* allgemein = new QGroupBox(QStringLiteral(" Allgemein "), this);
    allgemein->setObjectName(QStringLiteral("GroupBox1"));
    allgemein->setGeometry(8, 8, 394, 110);
    m_kurzhinweise = new QCheckBox(QStringLiteral("Kurzhinweise anzeigen"), allgemein);
    m_kurzhinweise->setObjectName(QStringLiteral("Optionen_CB_Kurzhinweise"));
    m_kurzhinweise->setGeometry(16, 24, 300, 20);
    m_autoUpdate = new QCheckBox(QStringLiteral("automatisch nach Updates sehen"), allgemein);
    m_autoUpdate->setObjectName(QStringLiteral("Optionen_CB_AutoUpdate"));
    m_autoUpdate->setGeometry(16, 52, 300, 20);
    m_vordergrund = new QCheckBox(QStringLiteral("immer im Vordergrund"), allgemein);
    m_vordergrund->setObjectName(QStringLiteral("Optionen_CB_Vordergrund"));
    m_vordergrund->setGeometry(16, 80, 300, 20);
}

InfoDialog::InfoDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm3"), QStringLiteral(" Info   Zelmotron V1.2"), {401, 532}, parent) {}

SternDreieckDialog::SternDreieckDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm4"), QStringLiteral(" QR2ZUXs   Zelmotron V1.1"), {660, 311}, parent) {}

UpdateDialog::UpdateDialog(QWidget* parent)
    : Dialog(QStringLiteral("TForm9"), QStringLiteral("Update"), {241, 279}, parent) {}

}  // namespace zelmo
