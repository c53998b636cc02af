// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuits/NormwerteFenster.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTreeWidget>

#include "fields/Bausteine.h"
#include "fields/Eingabefeld.h"
#include "fields/Uebergabeknopf.h"
#include "fields/grenzen.h"
#include "storage/einstellungen.h"
#include "values/zahlen.h"

namespace zelmo {

namespace {

constexpr int spalten = 7;  // part, computed, standard value, P nominal, P worst case, class, hand on

QString mitEinheit(double w, const QString& einheit, QChar dezimal) {
    const Anzeige a = AnzeigeMitVorsatz(w, dezimal);
    return a.zahl + u' ' + a.vorsatz + einheit;
}

QString prozent(double p, QChar dezimal) {
    return (p > 0 ? QStringLiteral("+") : QString()) + festkomma(p, 2, dezimal) + QStringLiteral(" %");
}

// "U2 = 5,16 V (+3,13 %)", several quantities side by side
QString groessenText(const std::vector<normwerte::Groesse>& gg, double normwerte::Groesse::*feld, QChar dezimal) {
    QStringList t;
    for (const normwerte::Groesse& g : gg) {
        const double w = g.*feld;
        t << g.name + QStringLiteral(" = ") + mitEinheit(w, g.einheit, dezimal) + QStringLiteral(" (") +
                 prozent(normwerte::abweichung(w, g.soll), dezimal) + u')';
    }
    return t.join(QStringLiteral(";  "));
}

}  // namespace

NormwerteFenster::NormwerteFenster(QChar dezimal, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_dezimal(dezimal) {
    setObjectName(QStringLiteral("TFormNormwerte"));
    setWindowTitle(QStringLiteral(u"Normwerte"));
    setFixedSize(660, 420);
    setFont(parent ? parent->font() : font());

    // --- choices
    auto* wahl = new QGroupBox(QStringLiteral(" Auswahl "), this);
    wahl->setObjectName(QStringLiteral("Norm_GB_Auswahl"));
    wahl->setGeometry(8, 6, 644, 58);
    beschriftung(wahl, QStringLiteral("Reihe"), {10, 24, 40, 22});
    m_reihe = new QComboBox(wahl);
    m_reihe->setObjectName(QStringLiteral("Norm_CB_Reihe"));
    m_reihe->setGeometry(52, 24, 70, 22);
    for (const normwerte::Normreihe& r : normwerte::normreihen()) m_reihe->addItem(QString::fromUtf16(r.name));
    m_reihe->setToolTip(QStringLiteral(u"Normreihe, aus der die Widerstände gewählt werden"));

    const auto prozentfeld = [this, wahl](const Grenze& g, int x, const QString& hinweis, double& wert) {
        auto* f = new Eingabefeld(g, m_dezimal, wahl);
        f->setGeometry(x, 24, 72, 22);
        // shown as "5,00 %" (no prefix: 0,5 % is no "500,00 m%"); a typed "%" may stay
        f->setAnzeige([this](double w) { return festkomma(w, 2, m_dezimal) + QStringLiteral(" %"); });
        f->setParser([](const QString& t, QChar dez) {
            QString z = t.trimmed();
            if (z.endsWith(u'%')) z.chop(1);
            return Zahleneingabe(z, dez);
        });
        f->setToolTip(hinweis);
        f->setAccessibleDescription(hinweis);
        f->setUebernahme([this, &wert](double w) {
            wert = w;
            rechnen();
        });
        return f;
    };
    beschriftung(wahl, QStringLiteral("Toleranz R"), {136, 24, 72, 22});
    m_reihe->setAccessibleName(QStringLiteral("Reihe"));
    m_toleranz = prozentfeld(grenzen::Norm_E_Toleranz, 208, QStringLiteral(u"Toleranz der Widerstände in %"), m_tol);
    m_cToleranzText = beschriftung(wahl, QStringLiteral("Toleranz C"), {292, 24, 72, 22});
    m_cToleranz = prozentfeld(grenzen::Norm_E_C_Toleranz, 364, QStringLiteral(u"Toleranz des Kondensators in %"), m_cTol);
    m_toleranz->setAccessibleName(QStringLiteral("Toleranz R"));
    m_cToleranz->setAccessibleName(QStringLiteral("Toleranz C"));
    beschriftung(wahl, QStringLiteral("Belastung max."), {448, 24, 100, 22});
    m_last = prozentfeld(grenzen::Norm_E_Last, 552, QStringLiteral(u"größte zulässige Belastung eines Widerstands in % "
                                                                    u"seiner Nennleistung"),
                         m_lastWert);
    m_last->setAccessibleName(QStringLiteral("Belastung max."));
    connect(m_reihe, &QComboBox::activated, this, &NormwerteFenster::reiheGewaehlt);
    connect(m_reihe, &QComboBox::currentIndexChanged, this, [this] { rechnen(); });

    // --- parts
    m_keine = beschriftung(this, QStringLiteral("keine Bauteile auf dieser Seite"), {8, 72, 644, 24},
                           QStringLiteral("Norm_L_Keine"));
    m_keine->setAlignment(Qt::AlignCenter);
    m_bauteile = new QTreeWidget(this);
    m_bauteile->setObjectName(QStringLiteral("Norm_L_Bauteile"));
    m_bauteile->setGeometry(8, 72, 644, 150);
    m_bauteile->setRootIsDecorated(false);
    // reachable with Tab, its lines with the arrow keys (and read by a screen reader)
    m_bauteile->setSelectionMode(QAbstractItemView::SingleSelection);
    m_bauteile->setAccessibleName(QStringLiteral("Bauteile"));
    m_bauteile->setHeaderLabels({QStringLiteral("Bauteil"), QStringLiteral("berechnet"), QStringLiteral("Normwert"),
                                 QStringLiteral("P nominal"), QStringLiteral("P höchstens"),
                                 QStringLiteral("Belastbarkeit"), QString()});
    m_bauteile->setToolTip(QStringLiteral(u"Bauteile der Seite: berechneter Wert, Normwert, Verlustleistung nominal "
                                          u"und im schlechtesten Fall, nötige Belastbarkeit"));
    const int breiten[spalten] = {56, 88, 88, 84, 88, 196, 28};
    for (int i = 0; i < spalten; ++i) m_bauteile->setColumnWidth(i, breiten[i]);
    m_bauteile->header()->setStretchLastSection(false);

    // --- the circuit with the standard values
    m_schaltung = new QGroupBox(QStringLiteral(" Schaltung mit Normwerten "), this);
    m_schaltung->setObjectName(QStringLiteral("Norm_GB_Schaltung"));
    m_schaltung->setGeometry(8, 228, 644, 110);
    const auto zeile = [this](const QString& text, const char* name, int y, const QString& hinweis) {
        beschriftung(m_schaltung, text, {10, y, 90, 22});
        QLineEdit* e = anzeigefeld(m_schaltung, QString::fromLatin1(name), {100, y, 534, 22});
        e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        e->setToolTip(hinweis);
        e->setAccessibleName(text);
        e->setAccessibleDescription(hinweis);
        return e;
    };
    m_nenn = zeile(QStringLiteral("nominal"), "Norm_E_Nenn", 22,
                   QStringLiteral(u"mit den Normwerten, Abweichung vom gewünschten Wert"));
    m_min = zeile(QStringLiteral("kleinster"), "Norm_E_Min", 50,
                  QStringLiteral(u"schlechtester Fall nach unten: jedes Bauteil an seiner Toleranzgrenze"));
    m_max = zeile(QStringLiteral(u"größter"), "Norm_E_Max", 78,
                  QStringLiteral(u"schlechtester Fall nach oben: jedes Bauteil an seiner Toleranzgrenze"));

    m_hinweise = beschriftung(this, QString(), {12, 342, 636, 74}, QStringLiteral("Norm_L_Hinweise"));
    m_hinweise->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hinweise->setWordWrap(true);

    ersterStart();
    folge(QString(), false, std::nullopt);
}

void NormwerteFenster::reiheGewaehlt(int index) {
    // a new series brings its usual tolerance, which may then be changed
    if (index >= 0 && index < int(normwerte::normreihen().size())) {
        m_tol = normwerte::normreihen()[size_t(index)].toleranz;
        m_toleranz->setzeText(m_toleranz->anzeigeText(m_tol));
    }
    rechnen();
}

void NormwerteFenster::folge(const QString& titel, bool mitBauteilen, const std::optional<normwerte::Aufgabe>& aufgabe) {
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Normwerte") : QStringLiteral(u"Normwerte – ") + titel);
    m_mitBauteilen = mitBauteilen;
    m_aufgabe = aufgabe;
    rechnen();
}

normwerte::Wahl NormwerteFenster::wahl() const {
    normwerte::Wahl w;
    const int i = std::clamp(m_reihe->currentIndex(), 0, int(normwerte::normreihen().size()) - 1);
    w.reihe = normwerte::normreihen()[size_t(i)].reihe;
    w.toleranz = m_tol;
    w.cToleranz = m_cTol;
    w.last = m_lastWert;
    return w;
}

void NormwerteFenster::rechnen() {
    m_bauteile->clear();
    m_keine->setVisible(!m_mitBauteilen);
    m_bauteile->setVisible(m_mitBauteilen);
    m_schaltung->setVisible(m_mitBauteilen);
    for (QLineEdit* e : {m_nenn, m_min, m_max}) e->clear();
    m_hinweise->clear();
    const bool mitC = m_aufgabe && std::holds_alternative<normwerte::NE555>(*m_aufgabe);
    m_cToleranzText->setVisible(mitC);
    m_cToleranz->setVisible(mitC);
    if (!m_mitBauteilen) return;
    if (!m_aufgabe) {
        m_hinweise->setText(QStringLiteral("Die Seite zeigt kein Ergebnis, es gibt nichts nachzurechnen."));
        return;
    }
    const normwerte::Wahl w = wahl();
    const normwerte::Ergebnis e = normwerte::auswerten(*m_aufgabe, w, m_dezimal);
    const QString reihe = m_reihe->currentText();
    bool markiert = false;
    for (const normwerte::Bauteil& b : e.bauteile) {
        const QString einheit = b.kondensator ? QStringLiteral("F") : OhmZeichen;
        auto* z = new QTreeWidgetItem(m_bauteile);
        z->setText(0, b.name);
        z->setText(1, mitEinheit(b.ideal, einheit, m_dezimal));
        z->setText(2, b.gewaehlt ? mitEinheit(*b.gewaehlt, einheit, m_dezimal) : QStringLiteral(u"—"));
        z->setText(3, b.pNenn ? mitEinheit(*b.pNenn, QStringLiteral("W"), m_dezimal) : QStringLiteral(u"—"));
        z->setText(4, b.pMax ? mitEinheit(*b.pMax, QStringLiteral("W"), m_dezimal) : QStringLiteral(u"—"));
        if (b.pMax) {
            z->setText(5, normwerte::leistungsklasseText(b.klasse, m_dezimal) + (b.markiert ? QStringLiteral(" *") : QString()));
            if (b.markiert) {
                markiert = true;
                QFont f = z->font(5);
                f.setBold(true);
                z->setFont(5, f);
                z->setForeground(5, QColor(160, 0, 0));
            }
        } else {
            z->setText(5, QStringLiteral(u"—"));
        }
        for (int i = 1; i < spalten - 1; ++i) z->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        if (b.weiterreichen) {
            auto* k = new Uebergabeknopf(QStringLiteral("Norm_B_Weiter_") + b.name,
                                         QStringLiteral(u"Übernahme des berechneten Wertes von %1 auf die Seite "
                                                        u"Toleranz (%2)")
                                             .arg(b.name, reihe));
            const double ideal = b.ideal;
            const EReihe r = w.reihe;
            connect(k, &Uebergabeknopf::clicked, this, [this, ideal, r] {
                if (weiterreichen) weiterreichen(ideal, r);
            });
            m_bauteile->setItemWidget(z, spalten - 1, k);
        }
    }
    m_nenn->setText(groessenText(e.groessen, &normwerte::Groesse::nenn, m_dezimal));
    m_min->setText(groessenText(e.groessen, &normwerte::Groesse::min, m_dezimal));
    m_max->setText(groessenText(e.groessen, &normwerte::Groesse::max, m_dezimal));
    for (QLineEdit* f : {m_nenn, m_min, m_max}) f->setCursorPosition(0);
    QStringList h = e.hinweise;
    if (markiert) h << QStringLiteral(u"* mehr als 0,25 W: kein üblicher kleiner Widerstand.").replace(u',', m_dezimal);
    m_hinweise->setText(h.join(u'\n'));
}

QStringList NormwerteFenster::zeilen() const {
    QStringList z;
    for (int i = 0; i < m_bauteile->topLevelItemCount(); ++i) {
        QStringList s;
        for (int k = 0; k < spalten - 1; ++k) s << m_bauteile->topLevelItem(i)->text(k);
        z << s.join(QStringLiteral(" | "));
    }
    return z;
}

namespace {
constexpr double keinOrt = -100000;  // the place of a window never placed
}  // namespace

const Seitenablage<NormwerteFenster>& NormwerteFenster::ablage() {
    using namespace zelmo::ablage;
    using S = NormwerteFenster;
    // a place far off any screen is corrected when the window is shown; a window never placed keeps
    // none (it first opens beside the main window)
    const auto platziert = [](const Ablagewert& w) { return std::get<double>(w) > keinOrt; };
    // the window takes its values together (anwenden)
    static const Seitenablage<S> a{{
        {index("Normwerte", "Reihe", normwerte::ersteReihe(), std::nullopt, int(normwerte::normreihen().size()),
               normwerte::ersteReihe()),
         nurHolen<S>([](const S& s) { return s.m_reihe->currentIndex(); })},
        {zahl("Normwerte", "Toleranz", "5", 5, zwischen(grenzen::Norm_E_Toleranz.min, grenzen::Norm_E_Toleranz.max)),
         nurHolen<S>([](const S& s) { return s.wahl().toleranz; })},
        {zahl("Normwerte", "C_Toleranz", "10", 10,
              zwischen(grenzen::Norm_E_C_Toleranz.min, grenzen::Norm_E_C_Toleranz.max)),
         nurHolen<S>([](const S& s) { return s.wahl().cToleranz; })},
        {zahl("Normwerte", "Last", "50", 50, zwischen(grenzen::Norm_E_Last.min, grenzen::Norm_E_Last.max)),
         nurHolen<S>([](const S& s) { return s.wahl().last; })},
        {schalter("Normwerte", "Offen", false), nurHolen<S>([](const S& s) { return s.isVisible(); })},
        {zahl("Normwerte", "Links", "-100000", keinOrt, zwischen(keinOrt, -keinOrt)).nurWenn(platziert),
         nurHolen<S>([](const S& s) { return s.m_ortGesetzt ? double(s.pos().x()) : keinOrt; })},
        {zahl("Normwerte", "Oben", "-100000", keinOrt, zwischen(keinOrt, -keinOrt)).nurWenn(platziert),
         nurHolen<S>([](const S& s) { return s.m_ortGesetzt ? double(s.pos().y()) : keinOrt; })},
    }};
    return a;
}

void NormwerteFenster::anwenden(const Ablagewerte& w) {
    const Ablage& a = ablage();
    const auto zahl = [&](const char* name) { return std::get<double>(a.wert(w, name)); };
    m_reihe->blockSignals(true);
    m_reihe->setCurrentIndex(std::get<int>(a.wert(w, "Reihe")));
    m_reihe->blockSignals(false);
    m_tol = zahl("Toleranz");
    m_cTol = zahl("C_Toleranz");
    m_lastWert = zahl("Last");
    m_toleranz->setzeText(m_toleranz->anzeigeText(m_tol));
    m_cToleranz->setzeText(m_cToleranz->anzeigeText(m_cTol));
    m_last->setzeText(m_last->anzeigeText(m_lastWert));
    m_warOffen = std::get<bool>(a.wert(w, "Offen"));
    const double x = zahl("Links"), y = zahl("Oben");
    if (x > keinOrt && y > keinOrt) {
        move(int(x), int(y));
        m_ortGesetzt = true;
    }
    rechnen();
}

void NormwerteFenster::ersterStart() { anwenden(ablage().erstwerte(m_dezimal)); }

void NormwerteFenster::speichern(IniSchreiber& s) const { ablage().speichern(*this, s); }

void NormwerteFenster::laden(IniLeser& l) { anwenden(ablage().lesen(l, {})); }

void NormwerteFenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // first shown beside the main window; a stored place that lies on no screen comes back onto one
    if (!m_ortGesetzt && parentWidget()) {
        move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
        m_ortGesetzt = true;
    }
    if (const QScreen* s = QGuiApplication::screenAt(frameGeometry().center()); !s)
        if (const QScreen* p = QGuiApplication::primaryScreen()) {
            const QRect r = p->availableGeometry();
            move(std::clamp(x(), r.left(), std::max(r.left(), r.right() - width())),
                 std::clamp(y(), r.top(), std::max(r.top(), r.bottom() - height())));
        }
}

void NormwerteFenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (e->key() == Qt::Key_F1) {
        if (hilfe) hilfe();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace zelmo
