#pragma once
// The main window: every calculator on the pages of a two-level page control, the frame buttons,
// start-up (data folder, files, help check, hints, update check) and shutdown (files written).

#include <QWidget>
#include <array>

#include "fields/Rechnerseite.h"

namespace zelmo {

class Seitenregister;
class Seitenrahmen;
class OptionenDialog;
class InfoDialog;
class SternDreieckDialog;
class UpdateDialog;
class WiderstandSeite;
class ToleranzSeite;
class SpannungsteilerSeite;
class LedSeite;
class DrosselSeite;
class KondensatorSeite;
class SmdSeite;
class LM317Seite;
class NE555Seite;
class KonstantstromSeite;
class SternDreieckSeite;

class Hauptfenster : public QWidget {
    Q_OBJECT
public:
    explicit Hauptfenster(QWidget* parent = nullptr);
    ~Hauptfenster() override;

    // The dialogs are created by the program entry right after the window.
    void setzeDialoge(OptionenDialog* optionen, InfoDialog* info, SternDreieckDialog* sternDreieck,
                      UpdateDialog* update);

    Seitenregister* pageControl1() const { return m_pc1; }
    Seitenregister* pageControl2() const { return m_pc2; }
    // Help context of the visible page: 90/100/110/190 for the colour-code sub-pages, 120 ... 180.
    int hilfeKontext() const;
    QString iniPath() const { return m_iniPath; }
    bool hilfeVorhanden() const { return m_hilfe; }
    // Short hints (tool tips) of the window; off until the options switch them on.
    bool kurzhinweise() const { return m_kurzhinweise; }
    void setzeKurzhinweise(bool an) { m_kurzhinweise = an; }
    void setzeVordergrund(bool an);
    const Umgebung& umgebung() const { return m_umgebung; }

    WiderstandSeite* widerstandSeite() const { return m_widerstand; }
    ToleranzSeite* toleranzSeite() const { return m_toleranz; }
    SpannungsteilerSeite* spannungsteilerSeite() const { return m_spannungsteiler; }
    LedSeite* ledSeite() const { return m_led; }
    DrosselSeite* drosselSeite() const { return m_drossel; }
    KondensatorSeite* kondensatorSeite() const { return m_kondensator; }
    SmdSeite* smdSeite() const { return m_smd; }
    LM317Seite* lm317Seite() const { return m_lm317; }
    NE555Seite* ne555Seite() const { return m_ne555; }
    KonstantstromSeite* konstantstromSeite() const { return m_konstantstrom; }
    SternDreieckSeite* sternDreieckSeite() const { return m_sternDreieckSeite; }

    // Start-up and shutdown steps, public so that tests can run them on a window of their own.
    void FormShow();
    void Eingabefelder_laden();
    void FormClose();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* rahmen(QWidget* seite, const QString& hilfeLabel, const QString& hilfeBild, int kontext);
    void hilfeLink(int kontext);
    void aufUpdatePruefen();

    Umgebung m_umgebung;
    QString m_iniPath;
    bool m_hilfe = true;
    bool m_gezeigt = false;
    bool m_geschlossen = false;
    bool m_kurzhinweise = false;

    Seitenregister* m_pc1;
    Seitenregister* m_pc2;
    std::vector<Rechnerseite*> m_seiten;
    WiderstandSeite* m_widerstand = nullptr;
    ToleranzSeite* m_toleranz = nullptr;
    SpannungsteilerSeite* m_spannungsteiler = nullptr;
    LedSeite* m_led = nullptr;
    DrosselSeite* m_drossel = nullptr;
    KondensatorSeite* m_kondensator = nullptr;
    SmdSeite* m_smd = nullptr;
    LM317Seite* m_lm317 = nullptr;
    NE555Seite* m_ne555 = nullptr;
    KonstantstromSeite* m_konstantstrom = nullptr;
    SternDreieckSeite* m_sternDreieckSeite = nullptr;

    OptionenDialog* m_optionen = nullptr;
    InfoDialog* m_info = nullptr;
    SternDreieckDialog* m_sternDreieck = nullptr;
    UpdateDialog* m_update = nullptr;
};


}  // namespace zelmo
