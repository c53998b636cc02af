// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <optional>
#include <vector>

#include "fields/Meldungen.h"
#include "fields/Rechnerseite.h"
#include "storage/einstellungen.h"
#include "storage/inidokument.h"

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


// The size of a page's content in its frame.
inline constexpr QSize seitenInhalt{637, 473};

// A page as the main window builds it: shown at the size of its content, then started the one way a
// page starts (Rechnerseite::starten): with the first-start values, from the text of a settings file,
// or (Start::keiner) not at all, as built. Boxes recorded; transfers to the tolerance page and requests
// for the star/delta drawings recorded.
template <class Seite>
struct Seitenaufbau {
    enum class Start { ersterStart, keiner };
    explicit Seitenaufbau(QChar dezimal = u',', Start start = Start::ersterStart) {
        bauen(dezimal);
        if (start == Start::ersterStart) seite->starten(nullptr);
    }
    Seitenaufbau(QChar dezimal, const QByteArray& einstellungen) : dokument(IniDokument::ausBytes(einstellungen)) {
        bauen(dezimal);
        leser.emplace(dokument, dezimal);
        seite->starten(&*leser);
    }
    void bauen(QChar dezimal) {
        umgebung.dezimal = dezimal;
        umgebung.anToleranzUebergeben = [this](double w) { uebergeben.push_back(w); };
        umgebung.sternDreieckBilderZeigen = [this](bool stern) { bilder.push_back(stern); };
        seite = std::make_unique<Seite>(umgebung, nullptr);
        seite->resize(seitenInhalt);
        seite->show();
        seite->activateWindow();
        (void)QTest::qWaitForWindowActive(seite.get());
    }
    // What the page writes to a settings file, and the values its reader named.
    QByteArray gespeichert() const {
        IniDokument d;
        IniSchreiber s(d, umgebung.dezimal);
        seite->speichern(s);
        return d.alsBytes();
    }
    QStringList unlesbar() const { return leser ? leser->unlesbar() : QStringList(); }
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
    std::vector<bool> bilder;  // true: star drawings asked for
    IniDokument dokument;
    std::optional<IniLeser> leser;
    std::unique_ptr<Seite> seite;
};

}  // namespace zelmo::test
