#pragma once
// Helpers for widget tests: a recorder in place of the message boxes, typing into a field the way a
// user does, a page fixture. Every widget test also gets its own temporary data folder and a watchdog
// that ends the test program when a modal dialog nobody expected appears (instead of hanging).

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "fields/Meldungen.h"
#include "fields/Rechnerseite.h"

class QLineEdit;
class QWidget;

namespace zelmo::test {

class MeldungsRecorder : public Meldungen {
public:
    struct Eintrag {
        Art art;
        QString text;
    };
    MeldungsRecorder() { Meldungen::setzeDienst(this); }
    ~MeldungsRecorder() override { Meldungen::setzeDienst(nullptr); }
    void zeige(Art art, const QString& text) override { eintraege.push_back({art, text}); }

    std::vector<Eintrag> eintraege;
    QString letzter() const { return eintraege.empty() ? QString() : eintraege.back().text; }
    void leeren() { eintraege.clear(); }
};

// The data rows "Komma" and "Punkt" of a column "dezimal" (QChar), for tests run with either separator.
void trennerZeilen();

// Pixels of a picture darker than the grey value (lines, symbols, text): a drawing that is drawn at all.
int dunklePunkte(const QImage& bild, int grauUnter = 90);
inline int dunklePunkte(QWidget* w, int grauUnter = 90) { return dunklePunkte(w->grab().toImage(), grauUnter); }

// Replaces the field's text by typing text key by key, then presses Enter.
void tippeUndEnter(QLineEdit* feld, const QString& text);
// Only types (select all, then the keys).
void tippe(QLineEdit* feld, const QString& text);


// A page as the main window builds it at a first start: shown at the size of its frame, first-start
// values, then the run-time settings; boxes recorded, transfers to the tolerance page recorded.
template <class Seite>
struct Seitenaufbau {
    explicit Seitenaufbau(QChar dezimal = u',') {
        umgebung.dezimal = dezimal;
        umgebung.anToleranzUebergeben = [this](double w) { uebergeben.push_back(w); };
        seite = std::make_unique<Seite>(umgebung, nullptr);
        seite->resize(637, 473);
        seite->show();
        seite->activateWindow();
        (void)QTest::qWaitForWindowActive(seite.get());
        seite->ersterStart();
        seite->laufzeitEinstellungen();
    }
    // The text of a field or label, or a marker naming what is missing.
    QString text(const char* name) const {
        if (auto* e = seite->template findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
        if (auto* l = seite->template findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
        return QStringLiteral("<%1 fehlt>").arg(QString::fromLatin1(name));
    }
    QLineEdit* feld(const QString& name) const { return seite->template findChild<QLineEdit*>(name); }
    void eingeben(const QString& name, const QString& t) { tippeUndEnter(feld(name), t); }
    QWidget* w(const char* name) const { return seite->template findChild<QWidget*>(QString::fromLatin1(name)); }
    bool sichtbar(const char* name) const {
        QWidget* x = w(name);
        return x && x->isVisibleTo(seite.get());
    }
    QStringList meldungen() const {
        QStringList l;
        for (const auto& e : rec.eintraege) l << e.text;
        return l;
    }

    MeldungsRecorder rec;
    Umgebung umgebung;
    std::vector<double> uebergeben;
    std::unique_ptr<Seite> seite;
};

}  // namespace zelmo::test
