#include "dialogs/OptionenDialog.h"

#include <QCheckBox>
#include <QGroupBox>

namespace zelmo {

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

}  // namespace zelmo
