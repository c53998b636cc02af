// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's message boxes behind one replaceable service (tests install a recorder).

#include <QList>
#include <QString>
#include <utility>

namespace zelmo {

class Meldungen {
public:
    enum class Art {
        Fehler,          // caption "Fehler", error icon, one "OK" button
        Hinweis,         // plain box with the application title
        Standardfehler,  // the application's box for failures (error icon, application title)
    };
    virtual ~Meldungen() = default;
    virtual void zeige(Art art, const QString& text) = 0;

    // The service in use; by default real modal boxes centred on the screen.
    static Meldungen& dienst();
    // Installs another service (nullptr restores the real boxes); the caller keeps ownership.
    static void setzeDienst(Meldungen* d);

    // A service installed for as long as it lives; the one in use before returns afterwards.
    class Vertretung;
    // While it lives no box is shown (for work the user did not ask for and does not see, such as
    // pages built only to save what they hold); the service before it returns afterwards.
    class Stille;
    // While it lives a box whose text was shown already in its time is not shown again (a page that
    // starts runs its calculation once for each value it sets up; a stored value that cannot be used is
    // then named once).
    class OhneWiederholung;

    static void fehler(const QString& text) { dienst().zeige(Art::Fehler, text); }
    static void hinweis(const QString& text) { dienst().zeige(Art::Hinweis, text); }
    static void standardFehler(const QString& text) { dienst().zeige(Art::Standardfehler, text); }
};

class Meldungen::Vertretung : public Meldungen {
public:
    Vertretung(const Vertretung&) = delete;
    Vertretung& operator=(const Vertretung&) = delete;

protected:
    Vertretung();
    ~Vertretung() override;
    // The service in use before this one.
    Meldungen& vorher() { return m_weiter; }

private:
    Meldungen* m_installiert;  // installed before (nullptr: the real boxes)
    Meldungen& m_weiter;
};

class Meldungen::Stille : public Meldungen::Vertretung {
public:
    Stille() = default;
    void zeige(Art, const QString&) override {}
};

class Meldungen::OhneWiederholung : public Meldungen::Vertretung {
public:
    OhneWiederholung() = default;
    void zeige(Art art, const QString& text) override;

private:
    QList<std::pair<Art, QString>> m_gezeigt;
};

// Real boxes. In the texts a "\r" breaks the line.
class MeldungsBoxen : public Meldungen {
public:
    void zeige(Art art, const QString& text) override;
};

// The application title shown in plain boxes: "Zelmotron V1.2".
QString anwendungsTitel();

}  // namespace zelmo
