// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <memory>

#include "circuits/SternDreieckSeite.h"
#include "fields/Eingabefeld.h"
#include "support/GuiTestFixture.h"

using namespace zelmo;

namespace {

// A resistor as the six fields show it, computed or confirmed: the Greek omega, never the ohm sign.
QString ein(const char16_t* t) { return QString::fromUtf16(t) + QChar(0x03A9); }
QString erg(const char16_t* t) { return ein(t); }

const QStringList sternNamen{"SD_E_Rs1", "SD_E_Rs2", "SD_E_Rs3"};
const QStringList dreieckNamen{"SD_E_Rd1", "SD_E_Rd2", "SD_E_Rd3"};

QString ausserhalb(const QString& eingabe) {
    return QStringLiteral("Die Eingabe ") + eingabe +
           QStringLiteral(u"  ist außerhalb\r\rdes gültigen Wertebereiches: 1E-21 bis 1E21 \u2126");
}

// The page as the main window builds it at a first start (or only built).
struct Aufbau : test::Seitenaufbau<SternDreieckSeite> {
    explicit Aufbau(QChar dezimal = u',', bool erststart = true)
        : Seitenaufbau(dezimal, erststart ? Start::ersterStart : Start::keiner) {}
    Eingabefeld* feld(const QString& name) const { return seite->findChild<Eingabefeld*>(name); }
    QStringList texte(const QStringList& namen) const {
        QStringList l;
        for (const QString& n : namen) l << feld(n)->text();
        return l;
    }
    void klicke(const char* label) {
        QTest::mouseClick(seite->findChild<QLabel*>(QString::fromLatin1(label)), Qt::LeftButton);
    }
};

// One user action: type a text into a field, then Enter (or only type, or only press Enter).
struct Schritt {
    QString feld;
    QString text;
    enum { TippenUndEnter, NurTippen, NurEnter } art = TippenUndEnter;
};

struct Fall {
    const char* name;
    std::vector<Schritt> schritte;
    QStringList stern;    // texts of SD_E_Rs1..3 afterwards
    QStringList dreieck;  // texts of SD_E_Rd1..3 afterwards
    QStringList meldungen;
};

const QStringList start{erg(u"5,00 k"), erg(u"5,00 k"), erg(u"5,00 k")};
const QStringList startDreieck{erg(u"15,00 k"), erg(u"15,00 k"), erg(u"15,00 k")};

std::vector<Fall> faelle() {
    std::vector<Fall> f;
    f.push_back({"EinsZweiDreiUndZurueck",
                 {{"SD_E_Rs1", "1k"}, {"SD_E_Rs2", "2k"}, {"SD_E_Rs3", "3k"}},
                 {ein(u"1,00 k"), ein(u"2,00 k"), ein(u"3,00 k")},
                 {erg(u"5,50 k"), erg(u"3,67 k"), erg(u"11,00 k")},
                 {}});
    // confirming the shown Rd2 converts the rounded texts back
    f.push_back({"BestaetigtesRd2RechnetZurueck",
                 {{"SD_E_Rs1", "1k"}, {"SD_E_Rs2", "2k"}, {"SD_E_Rs3", "3k"}, {"SD_E_Rd2", {}, Schritt::NurEnter}},
                 {erg(u"1,00 k"), erg(u"2,00 k"), erg(u"3,00 k")},
                 {erg(u"5,50 k"), ein(u"3,67 k"), erg(u"11,00 k")},
                 {}});
    f.push_back({"DreimalDreissigKilo",
                 {{"SD_E_Rd1", "30k"}, {"SD_E_Rd2", "30k"}, {"SD_E_Rd3", "30,0k"}},
                 {erg(u"10,00 k"), erg(u"10,00 k"), erg(u"10,00 k")},
                 {ein(u"30,00 k"), ein(u"30,00 k"), ein(u"30,00 k")},
                 {}});
    f.push_back({"PunktWirdKomma",
                 {{"SD_E_Rs2", "2.2k"}},
                 {start[0], ein(u"2,20 k"), start[2]},
                 {erg(u"21,36 k"), erg(u"9,40 k"), erg(u"9,40 k")},
                 {}});
    // a refused entry: only its own field returns, the other side stays
    f.push_back({"ZuGrossInRd2",
                 {{"SD_E_Rd2", "2E21"}},
                 start,
                 startDreieck,
                 {ausserhalb("2E21")}});
    f.push_back({"KeineZahl",
                 {{"SD_E_Rs3", "abc"}},
                 start,
                 startDreieck,
                 {QStringLiteral("Die eingegebene Zahl abc  ist keine Gleitkommazahl !")}});
    f.push_back({"GrenzenGehoerenDazu",
                 {{"SD_E_Rs1", "1E21"}, {"SD_E_Rd3", "1E-21"}},
                 {erg(u"1,00 Z"), erg(u"500,00 y"), erg(u"500,00 y")},
                 {erg(u"2,00 Z"), erg(u"2,00 Z"), ein(u"1,00 z")},
                 {}});
    // 1E21 fits, but together with 1E-21 the delta would need 5E45 Ω
    f.push_back({"UmrechnungNichtDarstellbar",
                 {{"SD_E_Rs1", "1E21"}, {"SD_E_Rs2", "1E-21"}},
                 {ein(u"1,00 Z"), start[1], start[2]},
                 {erg(u"2,00 Z"), erg(u"2,00 Z"), erg(u"10,00 k")},
                 {QStringLiteral(u"Mit der Eingabe 1E-21  ergibt die Umrechnung einen Widerstand außerhalb\r\rdes "
                                 u"darstellbaren Bereiches: 1E-24 bis 1E27 \u2126")}});
    // a zero typed without Enter would divide by zero: it is named and the other side says nothing
    f.push_back({"NullNichtBestaetigt",
                 {{"SD_E_Rs2", "0", Schritt::NurTippen}, {"SD_E_Rs1", "1k"}},
                 {ein(u"1,00 k"), QStringLiteral("0"), start[2]},
                 {QString(), QString(), QString()},
                 {QStringLiteral(u"Im Feld \"Widerstand Rs 2\" steht kein gültiger Wert: 0\r\rBitte dort einen Wert "
                                 u"größer 0 eingeben und mit der Enter-Taste bestätigen.")}});
    f.push_back({"DanachWiederGanz",
                 {{"SD_E_Rs2", "0", Schritt::NurTippen}, {"SD_E_Rs1", "1k"}, {"SD_E_Rs2", "5k"}},
                 {ein(u"1,00 k"), ein(u"5,00 k"), start[2]},
                 {erg(u"7,00 k"), erg(u"7,00 k"), erg(u"35,00 k")},
                 {QStringLiteral(u"Im Feld \"Widerstand Rs 2\" steht kein gültiger Wert: 0\r\rBitte dort einen Wert "
                                 u"größer 0 eingeben und mit der Enter-Taste bestätigen.")}});
    return f;
}

}  // namespace

class SternDreieckSeiteTest : public QObject {
    Q_OBJECT
private slots:
    void ersterStart_data() {
        test::trennerZeilen();
    }
    void ersterStart() {
        QFETCH(QChar, dezimal);
        Aufbau vorher(dezimal, false);
        for (const QString& n : sternNamen + dreieckNamen) QCOMPARE(vorher.feld(n)->text(), QStringLiteral(" 5"));

        Aufbau a(dezimal);
        const auto d = [&](const QStringList& l) {
            QStringList r;
            for (QString t : l) r << t.replace(u',', dezimal);
            return r;
        };
        QCOMPARE(a.texte(sternNamen), d(start));
        QCOMPARE(a.texte(dreieckNamen), d(startDreieck));
        QVERIFY(a.rec.eintraege.empty());
    }

    void eingaben_data() {
        QTest::addColumn<int>("fall");
        const auto f = faelle();
        for (size_t i = 0; i < f.size(); ++i) QTest::newRow(f[i].name) << int(i);
    }
    void eingaben() {
        QFETCH(int, fall);
        const Fall f = faelle()[size_t(fall)];
        Aufbau a;
        for (const Schritt& s : f.schritte) {
            Eingabefeld* e = a.feld(s.feld);
            QVERIFY(e);
            if (s.art == Schritt::NurEnter) {
                e->setFocus();
                QTest::keyClick(e, Qt::Key_Return);
            } else if (s.art == Schritt::NurTippen) {
                test::tippe(e, s.text);
            } else {
                test::tippeUndEnter(e, s.text);
            }
        }
        if (!f.stern.isEmpty()) QCOMPARE(a.texte(sternNamen), f.stern);
        if (!f.dreieck.isEmpty()) QCOMPARE(a.texte(dreieckNamen), f.dreieck);
        QCOMPARE(a.meldungen(), f.meldungen);
        for (const auto& e : a.rec.eintraege) QCOMPARE(e.art, Meldungen::Art::Fehler);
    }

    // 0 is out of range in every field; the field returns to what it showed, nothing is recomputed.
    void nullIstAusserhalb() {
        for (const QString& n : sternNamen + dreieckNamen) {
            Aufbau a;
            test::tippeUndEnter(a.feld(n), QStringLiteral("0"));
            QCOMPARE(a.meldungen(), QStringList{ausserhalb(QStringLiteral("0"))});
            QCOMPARE(a.texte(sternNamen), start);
            QCOMPARE(a.texte(dreieckNamen), startDreieck);
            QVERIFY(a.feld(n)->hasFocus());
        }
    }

    void textUndHinweise() {
        Aufbau a;
        const struct {
            const char* name;
            const char* text;
            const char* hinweis;
        } labels[] = {{"Label1", "Stern-", ""},
                      {"Label2", "Schaltung", ""},
                      {"Label4", "Dreieck-", ""},
                      {"Label3", "Schaltung", ""},
                      {"Stern_aD", "  andere Darstellungen   ", "andere Zeichnungen der Sternschaltung"},
                      {"Dreieck_aD", "andere Darstellungen", "  andere Zeichnungen der Dreieckschaltung  "}};
        for (const auto& l : labels) {
            auto* w = a.seite->findChild<QLabel*>(QString::fromLatin1(l.name));
            QVERIFY2(w, l.name);
            QCOMPARE(w->text(), QString::fromLatin1(l.text));
            QCOMPARE(w->toolTip(), QString::fromLatin1(l.hinweis));
        }
        for (const char* name : {"Stern_aD", "Dreieck_aD"}) {
            auto* w = a.seite->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(w->autoFillBackground());
            QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 220, 192));
            QCOMPARE(w->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        }
        const struct {
            const char* name;
            const char16_t* titel;
            const char* hinweis;
            QStringList felder;
            QStringList beschriftungen;
        } gruppen[] = {{"GroupBox2", u" Sternschaltung ", "Eingaben zur Sternschaltung", sternNamen,
                        {"Widerstand Rs 1", "Widerstand Rs 2", "Widerstand Rs 3"}},
                       {"GroupBox3", u" Dreickschaltung ", "Eingaben zur Dreieckschaltung", dreieckNamen,
                        {"Widerstand Rd 1", "Widerstand Rd 2", "Widerstand Rd 3"}}};
        for (const auto& g : gruppen) {
            auto* gb = a.seite->findChild<QGroupBox*>(QString::fromLatin1(g.name));
            QVERIFY2(gb, g.name);
            QCOMPARE(gb->title(), QString::fromUtf16(g.titel));
            QCOMPARE(gb->toolTip(), QString::fromLatin1(g.hinweis));
            for (const QString& f : g.felder) QCOMPARE(a.feld(f)->parentWidget(), gb);
            QStringList texte;
            for (auto* l : gb->findChildren<QLabel*>()) texte << l->text();
            QCOMPARE(texte, g.beschriftungen);
        }
    }

    void bilder() {
        Aufbau a;
        const struct {
            const char* name;
            const char* hinweis;
        } bilder[] = {{"Image1", "Schaltbild der Sternschaltung"},
                      {"Image2", "Schaltbild der Dreieckschaltung"},
                      {"Image3", ""}};
        for (const auto& b : bilder) {
            auto* w = a.seite->findChild<QWidget*>(QString::fromLatin1(b.name));
            QVERIFY2(w, b.name);
            QCOMPARE(w->toolTip(), QString::fromLatin1(b.hinweis));
            // a real drawing: a good share of dark pixels, not an empty area
            const QImage img = w->grab().toImage();
            int dunkel = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < 90) ++dunkel;
            QVERIFY2(dunkel > img.width() * img.height() / 100, b.name);
        }
        // the two circuits are different drawings
        QVERIFY(a.seite->findChild<QWidget*>("Image1")->grab().toImage() !=
                a.seite->findChild<QWidget*>("Image2")->grab().toImage());
    }

    void verweiseOeffnenDenDialog() {
        Aufbau a;
        a.klicke("Stern_aD");
        QCOMPARE(a.bilder, std::vector<bool>{true});
        QVERIFY(a.seite->sternDreieck());
        a.klicke("Dreieck_aD");
        QCOMPARE(a.bilder, (std::vector<bool>{true, false}));
        QVERIFY(!a.seite->sternDreieck());
        QVERIFY(a.rec.eintraege.empty());
    }
};

QTEST_MAIN(SternDreieckSeiteTest)
#include "sterndreieckseite_guitest.moc"
