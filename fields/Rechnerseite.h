#pragma once
// Base of every calculator page and what the shell hands to the pages.

#include <QChar>
#include <QWidget>
#include <functional>

namespace zelmo {

// Given by the main window to every page when it is created.
struct Umgebung {
    QChar dezimal = u',';  // the system decimal separator, captured once at start-up
    // Hands a resistance in ohm to the tolerance page and shows that page (when the page takes it).
    std::function<void(double ohm)> anToleranzUebergeben;
    // Opens the dialog with further drawings of the star (true) or the delta circuit (false).
    std::function<void(bool stern)> sternDreieckBilderZeigen;
};

// A page's content. It lies on the inner panel of its page frame; the page places its own controls
// with fixed geometry (as the window has a fixed size).
class Rechnerseite : public QWidget {
    Q_OBJECT
public:
    Rechnerseite(const Umgebung& umgebung, QWidget* parent) : QWidget(parent), m_umgebung(umgebung) {}

    // The values a first start (without a settings file) fills in, with the page's calculation.
    virtual void ersterStart() {}
    // Hints and positions of single radio buttons that are set at start-up.
    virtual void laufzeitEinstellungen() {}

protected:
    QChar dezimal() const { return m_umgebung.dezimal; }
    const Umgebung& umgebung() const { return m_umgebung; }

private:
    const Umgebung& m_umgebung;
};

}  // namespace zelmo
