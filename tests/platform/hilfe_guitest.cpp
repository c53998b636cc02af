#include <QTest>
#include <QTextBrowser>

#include "platform/Hilfeanzeige.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

class HilfeTest : public QObject {
    Q_OBJECT
private slots:
    void jedeSeiteHatIhrThemaInDerHilfedatei() {
        test::MeldungsRecorder rec;
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        const struct {
            int kontext;
            const char* thema;
            const char16_t* titel;
        } faelle[] = {{90, "widerstand.htm", u"Farbcode – Widerstände"},
                      {100, "drossel.htm", u"Farbcode – Drosseln"},
                      {110, "kondensator.htm", u"Farbcode – Kondensatoren"},
                      {120, "toleranz.htm", u"Toleranz (E-Reihen)"},
                      {130, "teiler.htm", u"Spannungs- und Stromteiler"},
                      {140, "led.htm", u"LED-Vorwiderstand"},
                      {150, "lm317.htm", u"LM317 Berechnung"},
                      {160, "ne555.htm", u"NE555 Berechnung"},
                      {170, "konststrom.htm", u"Konstantstromquelle"},
                      {180, "sterndreieck.htm", u"Stern-/Dreieckwandlung"}};
        for (const auto& f : faelle) {
            QVERIFY2(h.zeige(f.kontext), qPrintable(QString::number(f.kontext)));
            QCOMPARE(h.thema(), QString::fromLatin1(f.thema));
            QCOMPARE(h.browser()->documentTitle(), QString::fromUtf16(f.titel));
            QVERIFY(h.isVisible());
        }
        QVERIFY(rec.eintraege.empty());
        // a link inside a topic is read from the help file too
        h.browser()->setSource(QUrl(QStringLiteral("index.htm")));
        QCOMPARE(h.browser()->documentTitle(), QStringLiteral(u"Zelmotron – Übersicht"));
        QVERIFY(h.browser()->toPlainText().contains(QStringLiteral("Enter-Taste")));
    }

    void fehlendeDateiOderUnbekannteNummerMelden() {
        test::MeldungsRecorder rec;
        Hilfeanzeige fehlt(QStringLiteral("/nirgends/ZelmosV121.chm"));
        QVERIFY(!fehlt.zeige(90));
        QCOMPARE(rec.eintraege.size(), size_t(1));
        QCOMPARE(int(rec.eintraege[0].art), int(Meldungen::Art::Standardfehler));
        QVERIFY(rec.letzter().contains(QStringLiteral("/nirgends/ZelmosV121.chm")));
        Hilfeanzeige h(QStringLiteral(ZELMO_HILFE_DATEI));
        QVERIFY(!h.zeige(95));
        QCOMPARE(rec.eintraege.size(), size_t(2));
        QVERIFY(!h.isVisible());
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_guitest.moc"
