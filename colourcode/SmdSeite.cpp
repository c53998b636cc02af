// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcode/SmdSeite.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <cmath>

#include "colourcode/Farbring.h"
#include "colourcode/SmdBild.h"
#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/Radiogruppe.h"
#include "fields/Ressourcen.h"
#include "fields/Uebergabeknopf.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

using namespace smdcode;

// Page layout (content area about 629 x 440), in the manner of the other colour-code sub-pages.
constexpr int RechtsLinks = 492;  // right column
constexpr int RechtsBreite = 133;
constexpr int ZweiteReihe = 132;  // system selector, code and E-series
constexpr int DritteReihe = 256;  // the codes of the value

// The limits of the value field: a resistor from the zero-ohm bridge on, a capacitor as on its
// colour-code page.
const Grenze grenzeR{"SMD_E_Wert", 0, 1e12, u"", u"0\u2126 bis 1T\u2126", u"\u2126"};
const Grenze grenzeC{"SMD_E_Wert", 1e-14, 10, u"", u"10fF bis 10F", u"F"};

// First-start values, and the defaults of missing keys.
constexpr double StartR = 4700;
constexpr double StartC = 1e-7;
constexpr const char* StartRText = "4700";
constexpr const char* StartCText = "1e-7";
constexpr const char* StartToleranz = "K";
constexpr const char* StartSpannung = "1H";

// The page's section of the settings file.
constexpr const char* Abschnitt = "SMD-Code";

const char16_t* hinweisText(System s) {
    switch (s) {
        case System::Dreistellig:
            return u"Zwei Ziffern und die Zahl der Nullen, R = Komma:\r"
                   u"472 = 4,7 k\u2126   4R7 = 4,7 \u2126   000 = Brücke";
        case System::Vierstellig:
            return u"Drei Ziffern und die Zahl der Nullen, R = Komma:\r"
                   u"4702 = 47 k\u2126   1000 = 100 \u2126   0R10 = 0,1 \u2126";
        case System::EIA96:
            return u"Nummer des E96-Wertes (01 bis 96), Multiplikator:\r"
                   u"01C = 10 k\u2126   68X = 49,9 \u2126   (1-%-Widerstände)";
        case System::Kondensator:
            return u"pF: zwei Ziffern und die Zahl der Nullen, R = Komma:\r"
                   u"2A104J = 100 V, 100 nF, \u00b15 %   4R7 = 4,7 pF";
    }
    return u"";
}

QString hinweisMitTrenner(System s, QChar dezimal) {
    // the separator of numbers only (a comma between two digits), not the commas of the sentence
    QString t = QString::fromUtf16(hinweisText(s)).replace(u'\r', u'\n');
    const auto ziffer = [](QChar c) { return c >= u'0' && c <= u'9'; };
    for (qsizetype i = 0; i + 2 < t.size(); ++i)
        if (ziffer(t[i]) && t[i + 1] == u',' && ziffer(t[i + 2])) {
            t[i + 1] = dezimal;
            i += 2;  // both digits belong to this number
        }
    return t;
}

// A field that takes a code, a letter or a value of a set rather than a number: its text goes to the
// page's accept stage as typed, which reads it, refuses it with its own message or commits it.
void codeFeld(Eingabefeld* f, Eingabefeld::Annahme annahme) {
    f->setParser([](const QString&, QChar) -> std::optional<double> { return 0.0; });
    f->setAnzeige([f](double) { return f->text(); });
    f->setAnnahme(std::move(annahme));
}

QString keinCodeHinweis(System s, const QString& wert) {
    const QString art = s == System::Dreistellig   ? QStringLiteral("3-stelligen Code")
                        : s == System::Vierstellig ? QStringLiteral("4-stelligen Code")
                        : s == System::EIA96       ? QStringLiteral("EIA-96-Code")
                                                   : QStringLiteral("Kondensatorcode");
    return QStringLiteral("%1 hat keinen %2.\nDie nächsten Codes stehen in der Liste unten.").arg(wert.trimmed(), art);
}

}  // namespace

SmdSeite::SmdSeite(const Umgebung& umgebung, QWidget* parent) : Rechnerseite(umgebung, parent) { aufbauen(); }

void SmdSeite::aufbauen() {
    // value with the limits above and below it
    beschriftung(this, QStringLiteral("max."), {4, 8, 32, 20}, QStringLiteral("SMD_L_max"));
    m_tolMax = neuesGrenzfeld(QStringLiteral("SMD_Tol_max"), QString(),
                              QStringLiteral("Wert bei der oberen Toleranzgrenze"), this);
    m_tolMax->setGeometry(36, 8, 94, 20);
    m_eWert = new Eingabefeld(QStringLiteral("SMD_E_Wert"), dezimal(), this);
    m_eWert->setGeometry(4, 35, 126, 24);
    m_eWert->setAlignment(Qt::AlignCenter);
    m_eWert->setToolTip(QStringLiteral("Eingabe des Wertes: zeigt die Codes, unter denen er auf dem Bauteil steht"));
    beschriftung(this, QStringLiteral("min."), {4, 66, 32, 20}, QStringLiteral("SMD_L_min"));
    m_tolMin = neuesGrenzfeld(QStringLiteral("SMD_Tol_min"), QString(),
                              QStringLiteral("Wert bei der unteren Toleranzgrenze"), this);
    m_tolMin->setGeometry(36, 66, 94, 20);
    m_uebergabe = new Uebergabeknopf(QStringLiteral("BitBtn7"),
                                     QStringLiteral(u"Übernahme des Widerstandswertes auf die Seite Toleranz"), this);
    m_uebergabe->move(134, 34);
    connect(m_uebergabe, &Uebergabeknopf::clicked, this, [this] { uebergeben(); });

    // the part with its print
    m_bild = new SmdBild(QStringLiteral("SMD_I_Bauteil"), this);
    m_bild->setGeometry(164, 2, 322, 126);
    m_bild->setToolTip(QStringLiteral("Das Bauteil mit seinem Aufdruck"));

    // tolerance and voltage of a capacitor code
    beschriftung(this, QStringLiteral("Toleranz"), {RechtsLinks, 2, RechtsBreite, 18}, QStringLiteral("SMD_L_Toleranz"));
    m_eT = new Eingabefeld(QStringLiteral("SMD_E_T"), dezimal(), this);
    m_eT->setGeometry(RechtsLinks, 20, RechtsBreite, 24);
    m_eT->setToolTip(QStringLiteral("Toleranz des Kondensators: Kennbuchstabe (J) oder Wert (5 %, 0,25 pF)"));
    beschriftung(this, QStringLiteral("Spannung"), {RechtsLinks, 50, RechtsBreite, 18}, QStringLiteral("SMD_L_Spannung"));
    m_eU = new Eingabefeld(QStringLiteral("SMD_E_U"), dezimal(), this);
    m_eU->setGeometry(RechtsLinks, 68, RechtsBreite, 24);
    m_eU->setToolTip(QStringLiteral("Nennspannung des Kondensators: EIA-Code (2A) oder Wert (100 V)"));

    // system and code
    m_rgSmd = new Radiogruppe(QStringLiteral("RG_SMD"), QStringLiteral(" System "),
                              {systemName(System::Dreistellig), systemName(System::Vierstellig),
                               systemName(System::EIA96), systemName(System::Kondensator)},
                              1, this);
    m_rgSmd->setGeometry(0, ZweiteReihe, 130, 118);
    m_rgSmd->setToolTip(QStringLiteral("Auswahl des Codes: 3 oder 4 Ziffern, EIA-96 oder Kondensator"));
    m_rgSmd->klick = [this] { RG_SMDClick(); };

    auto* codeBox = new QGroupBox(QStringLiteral(" Code "), this);
    codeBox->setObjectName(QStringLiteral("SMD_GB_Code"));
    codeBox->setGeometry(136, ZweiteReihe, 350, 118);
    m_eCode = new Eingabefeld(QStringLiteral("SMD_E_Code"), dezimal(), codeBox);
    m_eCode->setGeometry(12, 24, 150, 32);
    m_eCode->setAlignment(Qt::AlignCenter);
    m_eCode->setFont(schrift(20, true));
    m_eCode->setMaxLength(16);
    m_eCode->setToolTip(QStringLiteral("Eingabe des Codes, wie er auf dem Bauteil steht"));
    beschriftung(codeBox, QStringLiteral("wie er auf dem Bauteil steht,\nmit Enter übernehmen"), {172, 24, 170, 34},
                 QStringLiteral("SMD_L_Code"));
    m_hinweis = beschriftung(codeBox, QString(), {12, 62, 330, 48}, QStringLiteral("SMD_L_Hinweis"));
    m_hinweis->setWordWrap(true);
    m_hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // the codes of the value and the E-series
    auto* codesBox = new QGroupBox(QStringLiteral(" Codes des Wertes "), this);
    codesBox->setObjectName(QStringLiteral("SMD_GB_Codes"));
    codesBox->setGeometry(0, DritteReihe, 486, 181);
    codesBox->setToolTip(QStringLiteral("Der Wert in jedem Code, oder die nächsten Codes darunter und darüber"));
    m_codes = new EReihenListe(QStringLiteral("SMD_L_Codes"), codesBox);
    m_codes->setGeometry(8, 22, 470, 151);
    m_codes->setLineWrapMode(QTextEdit::WidgetWidth);
    m_codes->setToolTip(codesBox->toolTip());

    auto* box = new QGroupBox(QStringLiteral(" in E-Reihe "), this);
    box->setObjectName(QStringLiteral("SMD_GB_EReihe"));
    box->setGeometry(RechtsLinks, ZweiteReihe, RechtsBreite, 305);
    box->setToolTip(QStringLiteral("Wert in E-Reihen enthalten"));
    m_eReihe = new EReihenListe(QStringLiteral("E_Reihe_SMD"), box);
    m_eReihe->setGeometry(8, 22, RechtsBreite - 16, 305 - 30);
    m_eReihe->setToolTip(box->toolTip());

    // keyboard order: system, code, value, tolerance, voltage
    setTabOrder(m_rgSmd->knopf(m_rgSmd->anzahl() - 1), m_eCode);
    setTabOrder(m_eCode, m_eWert);
    setTabOrder(m_eWert, m_eT);
    setTabOrder(m_eT, m_eU);

    // Enter in the code: read it in the selected system; the code keeps the form it was typed in
    codeFeld(m_eCode, [this](double, const QString& eingabe) {
        Leseergebnis e = smdcode::lesen(system(), eingabe);
        if (!e.lesung) return Eingabefeld::Urteil::abgelehnt(e.fehler);
        return Eingabefeld::Urteil::angenommen([this, l = *e.lesung] {
            if (kondensator()) {
                m_wertC = l.wert;
                m_toleranz = l.toleranz;
                m_spannung = l.spannung;
            } else {
                m_wertR = l.wert;
            }
            alles_anzeigen(l.code);
        });
    });

    // Enter in the value: the code of the selected system and of all others
    m_eWert->setWertepruefung([this](double v, const QString& eingabe) {
        return pruefeBereich(kondensator() ? grenzeC : grenzeR, v, eingabe, dezimal());
    });
    m_eWert->setAnzeige([this](double v) { return wertText(kondensator(), v, dezimal()); });
    m_eWert->setUebernahme([this](double v) {
        if (kondensator()) {
            m_wertC = v;
            // a tolerance in picofarad belongs to small capacitors only
            if (m_toleranz && !passtZumWert(*m_toleranz, v)) m_toleranz = nullptr;
        } else {
            m_wertR = v;
        }
        alles_anzeigen();
    });

    // Enter in tolerance and voltage (capacitor only): a letter, a code or a value of the set
    codeFeld(m_eT, [this](double, const QString& eingabe) {
        const Toleranzeingabe t = toleranzAusEingabe(eingabe, dezimal());
        if (!t.gueltig) return Eingabefeld::Urteil::abgelehnt(toleranzMeldung(eingabe));
        if (t.toleranz && !passtZumWert(*t.toleranz, m_wertC))
            return Eingabefeld::Urteil::abgelehnt(pikofaradMeldung(t.toleranz->buchstabe));
        return Eingabefeld::Urteil::angenommen([this, t] {
            m_toleranz = t.toleranz;
            alles_anzeigen();
        });
    });
    codeFeld(m_eU, [this](double, const QString& eingabe) {
        const Spannungseingabe u = spannungAusEingabe(eingabe, dezimal());
        if (!u.gueltig) return Eingabefeld::Urteil::abgelehnt(spannungMeldung(eingabe));
        return Eingabefeld::Urteil::angenommen([this, u] {
            m_spannung = u.spannung;
            alles_anzeigen();
        });
    });
}

System SmdSeite::system() const {
    const int i = m_rgSmd->itemIndex();
    return i >= 0 && i < int(alleSysteme.size()) ? alleSysteme[size_t(i)] : System::Dreistellig;
}

bool SmdSeite::kondensator() const { return !istWiderstand(system()); }

double SmdSeite::wert() const { return kondensator() ? m_wertC : m_wertR; }

void SmdSeite::ersterStart() { setzeZustand(zustandAus(ablage().erstwerte(dezimal()))); }

void SmdSeite::RG_SMDClick() {
    const bool kond = kondensator();
    m_eT->setEnabled(kond);
    m_eU->setEnabled(kond);
    m_uebergabe->setEnabled(!kond);
    m_eWert->setEinheit(kond ? QStringLiteral("F") : OhmZeichen);
    alles_anzeigen();
}

void SmdSeite::alles_anzeigen(const std::optional<QString>& gelesen) {
    SMD_Code_anzeigen(gelesen);
    SMD_Wert_anzeigen();
    SMD_E_T_anzeigen();
    SMD_E_U_anzeigen();
    SMD_Toleranzen_berechnen();
    SMD_Codes_auflisten();
    SMD_E_Reihe();
    SMD_Bild_zeigen();
    SMD_Hinweis_zeigen();
}

void SmdSeite::SMD_Code_anzeigen(const std::optional<QString>& gelesen) {
    if (gelesen) {
        m_eCode->setzeText(*gelesen);
        return;
    }
    const auto c = codeFuer(system(), wert());
    if (!c) {
        m_eCode->setzeText(QString());
        return;
    }
    m_eCode->setzeText(kondensator() ? kondensatorCode(*c, m_toleranz, m_spannung) : *c);
}

void SmdSeite::SMD_Wert_anzeigen() { m_eWert->setzeText(wertText(kondensator(), wert(), dezimal())); }

void SmdSeite::SMD_E_T_anzeigen() {
    if (kondensator())
        m_eT->setzeText(m_toleranz ? toleranzText(*m_toleranz, dezimal()) : QString());
    else if (system() == System::EIA96)
        m_eT->setzeText(u'±' + allgemein(EIA96Toleranz, dezimal()) + QStringLiteral(" %"));
    else
        m_eT->setzeText(QString());
}

void SmdSeite::SMD_E_U_anzeigen() {
    m_eU->setzeText(kondensator() && m_spannung ? spannungText(*m_spannung, dezimal()) : QString());
}

void SmdSeite::SMD_Toleranzen_berechnen() {
    Toleranzgrenzen g;
    if (kondensator() && m_toleranz)
        g = smdcode::grenzen(m_wertC, *m_toleranz, dezimal());
    else if (system() == System::EIA96 && codeFuer(System::EIA96, m_wertR))
        g = smdcode::grenzen(m_wertR, m_wertR * EIA96Toleranz / 100, m_wertR * EIA96Toleranz / 100, false, dezimal());
    m_tolMax->setText(g.oben);
    m_tolMin->setText(g.unten);
    m_tolMax->setCursorPosition(0);
    m_tolMin->setCursorPosition(0);
}

void SmdSeite::SMD_Codes_auflisten() {
    m_codes->zeigen(listenZeilen(kondensator(), wert(), dezimal(), m_toleranz, m_spannung));
}

void SmdSeite::SMD_E_Reihe() {
    // the value as displayed, like the other colour-code pages
    if (const auto v = Zahleneingabe(m_eWert->text(), dezimal()))
        m_eReihe->zeigen(eReihenZeilen(*v, kondensator() ? Reihenzeilen::Kondensator : Reihenzeilen::WiderstandDrossel));
}

void SmdSeite::SMD_Bild_zeigen() {
    // the print is the code as the field shows it; a capacitor's voltage code stands on a line of its own
    const QString c = m_eCode->letzterProgrammText();
    if (!kondensator()) {
        m_bild->zeigeChip(c);
        return;
    }
    const bool spannungVorn = m_spannung && c.startsWith(QString::fromUtf16(m_spannung->code));
    m_bild->zeigeKondensator(spannungVorn ? c.mid(2) : c, spannungVorn ? c.left(2) : QString());
}

void SmdSeite::SMD_Hinweis_zeigen() {
    if (codeFuer(system(), wert()))
        m_hinweis->setText(hinweisMitTrenner(system(), dezimal()));
    else
        m_hinweis->setText(keinCodeHinweis(system(), m_eWert->text()));
}

void SmdSeite::uebergeben() {
    // a zero-ohm bridge is no resistor for the tolerance page
    if (kondensator() || !(m_wertR > 0)) return;
    if (umgebung().anToleranzUebergeben) umgebung().anToleranzUebergeben(m_wertR);
}

const Seitenablage<SmdSeite>& SmdSeite::ablage() {
    using namespace zelmo::ablage;
    using S = SmdSeite;
    const auto aus = [](auto feld) { return nurHolen<S>([feld](const S& s) -> Ablagewert { return s.zustand().*feld; }); };
    // the page takes its values together (setzeZustand); the code as a first start shows it follows
    // from the value (below)
    static const Seitenablage<S> a{
        {
            {index(Abschnitt, "Auswahl", 0, 0, int(alleSysteme.size()), 0), aus(&SmdZustand::system)},
            {zahl(Abschnitt, "Widerstand", StartRText, StartR, zwischen(grenzeR.min, grenzeR.max)), aus(&SmdZustand::wertR)},
            {zahl(Abschnitt, "Kondensator", StartCText, StartC, zwischen(grenzeC.min, grenzeC.max)), aus(&SmdZustand::wertC)},
            {rohtext(Abschnitt, "Toleranz", StartToleranz, QString::fromLatin1(StartToleranz)), aus(&SmdZustand::toleranz)},
            {rohtext(Abschnitt, "Spannung", StartSpannung, QString::fromLatin1(StartSpannung)), aus(&SmdZustand::spannung)},
            {rohtext(Abschnitt, "Code", "", u""), aus(&SmdZustand::code)},
        },
        {},
        // what setzeZustand makes of them: a letter or voltage code that does not fit is dropped, a code
        // that reads as the value stays in its form, else the page shows the value's code
        [](Ablagewerte& w, const std::vector<double>&, QChar) {
            SmdZustand z = zustandAus(w);
            const System sys = alleSysteme[size_t(z.system)];
            const bool kond = !istWiderstand(sys);
            const Toleranzbuchstabe* t = z.toleranz.size() == 1 ? toleranzBuchstabe(z.toleranz[0]) : nullptr;
            if (t && !passtZumWert(*t, z.wertC)) t = nullptr;
            const Spannungscode* u = spannungsCode(z.spannung);
            const double wert = kond ? z.wertC : z.wertR;
            const Leseergebnis e = smdcode::lesen(sys, z.code);
            if (e.lesung && e.lesung->wert == wert && e.lesung->toleranz == (kond ? t : nullptr) &&
                e.lesung->spannung == (kond ? u : nullptr)) {
                z.code = e.lesung->code;
            } else {
                const auto c = codeFuer(sys, wert);
                z.code = !c ? QString() : kond ? kondensatorCode(*c, t, u) : *c;
            }
            const Ablage& a = ablage();
            a.wert(w, "Toleranz") = t ? QString(QChar(t->buchstabe)) : QString();
            a.wert(w, "Spannung") = u ? QString::fromUtf16(u->code) : QString();
            a.wert(w, "Code") = z.code;
        }};
    return a;
}

SmdZustand SmdSeite::zustandAus(const Ablagewerte& w) {
    const Ablage& a = ablage();
    return {std::get<int>(a.wert(w, "Auswahl")),        std::get<double>(a.wert(w, "Widerstand")),
            std::get<double>(a.wert(w, "Kondensator")), std::get<QString>(a.wert(w, "Toleranz")),
            std::get<QString>(a.wert(w, "Spannung")),   std::get<QString>(a.wert(w, "Code"))};
}

void SmdSeite::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void SmdSeite::laden(IniLeser& l) { setzeZustand(zustandAus(ablage().lesen(l, {}))); }

SmdZustand SmdSeite::zustand() const {
    SmdZustand z;
    z.system = m_rgSmd->itemIndex();
    z.wertR = m_wertR;
    z.wertC = m_wertC;
    z.toleranz = m_toleranz ? QString(QChar(m_toleranz->buchstabe)) : QString();
    z.spannung = m_spannung ? QString::fromUtf16(m_spannung->code) : QString();
    z.code = m_eCode->text();
    return z;
}

void SmdSeite::setzeZustand(const SmdZustand& z) {
    const auto innen = [](double v, double lo, double hi) { return std::isfinite(v) && v >= lo && v <= hi; };
    m_wertR = innen(z.wertR, grenzeR.min, grenzeR.max) ? z.wertR : StartR;
    m_wertC = innen(z.wertC, grenzeC.min, grenzeC.max) ? z.wertC : StartC;
    m_toleranz = z.toleranz.size() == 1 ? toleranzBuchstabe(z.toleranz[0]) : nullptr;
    if (m_toleranz && !passtZumWert(*m_toleranz, m_wertC)) m_toleranz = nullptr;
    m_spannung = spannungsCode(z.spannung);
    const int i = z.system >= 0 && z.system < int(alleSysteme.size()) ? z.system : 0;
    m_rgSmd->waehle(i);
    // a code in another form of the same value ("47R" for "470", "479" for "4R7") stays as it was read
    const Leseergebnis e = smdcode::lesen(system(), z.code);
    if (e.lesung && e.lesung->wert == wert() && e.lesung->toleranz == (kondensator() ? m_toleranz : nullptr) &&
        e.lesung->spannung == (kondensator() ? m_spannung : nullptr))
        alles_anzeigen(e.lesung->code);
}

}  // namespace zelmo
