#include "support/GuiTestFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace zelmo::test {

ModalWaechter::ModalWaechter() {
    m_timer.setInterval(50);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            ++m_gesehen;
            m->close();
        }
    });
    m_timer.start();
}

void tippe(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClicks(feld, text);
}

void tippeUndEnter(QLineEdit* feld, const QString& text) {
    tippe(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
}

}  // namespace zelmo::test
