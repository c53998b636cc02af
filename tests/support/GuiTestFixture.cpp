#include "support/GuiTestFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Plattform.h"

namespace zelmo::test {

namespace {
// Every widget test keeps its settings and data files in a fresh folder of its own, so that a window
// closed by one test never turns the next start into anything but a first start.
struct TemporaererDatenordner {
    QTemporaryDir ordner;
    TemporaererDatenordner() { plattform::setzeDatenOrdner(ordner.path()); }
} temporaererDatenordner;
}  // namespace

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

int dunklePunkte(const QImage& bild, int grauUnter) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < grauUnter) ++n;
    return n;
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
