#include <QPushButton>
#include <QTest>

#include "app/Hauptfenster.h"
#include "app/Seitenregister.h"
#include "platform/Plattform.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

class HauptfensterTest : public QObject {
    Q_OBJECT
private slots:
    void groesse() {
        test::MeldungsRecorder rec;
        Hauptfenster f;
        f.show();
        auto* inhalt = f.findChild<QWidget*>("TabSheet10_Inhalt"); f.pageControl1()->setCurrentIndex(0); QTest::qWait(50);
        auto* inhalt2 = f.findChild<QWidget*>("TabSheet2_Inhalt");
        qInfo() << "page content" << inhalt->size() << "sub-page content" << inhalt2->size();
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_guitest.moc"
