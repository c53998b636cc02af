#pragma once
// Helpers for widget tests: a recorder in place of the message boxes, a watchdog that closes (and
// reports) any modal dialog nobody expected, and typing into a field the way a user does.

#include <QString>
#include <QTimer>
#include <vector>

#include "fields/Meldungen.h"

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

// Closes any modal dialog that opens and remembers that it did; a test checks gesehen() at its end.
class ModalWaechter {
public:
    ModalWaechter();
    int gesehen() const { return m_gesehen; }

private:
    QTimer m_timer;
    int m_gesehen = 0;
};

// Replaces the field's text by typing text key by key, then presses Enter.
void tippeUndEnter(QLineEdit* feld, const QString& text);
// Only types (select all, then the keys).
void tippe(QLineEdit* feld, const QString& text);

}  // namespace zelmo::test
