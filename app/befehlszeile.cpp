// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/befehlszeile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <array>

namespace zelmo::befehlszeile {

namespace {

struct QtOption {
    const char* name;
    bool mitWert;
};

// The options that Qt's application object takes out of the command line itself (QGuiApplication,
// QApplication and the X11 platform plugin), each also with two dashes.
constexpr std::array qtOptionen{
    QtOption{"platform", true},    QtOption{"platformpluginpath", true}, QtOption{"platformtheme", true},
    QtOption{"plugin", true},      QtOption{"qwindowgeometry", true},    QtOption{"geometry", true},
    QtOption{"qwindowtitle", true}, QtOption{"title", true},             QtOption{"qwindowicon", true},
    QtOption{"icon", true},        QtOption{"session", true},            QtOption{"style", true},
    QtOption{"stylesheet", true},  QtOption{"display", true},            QtOption{"name", true},
    QtOption{"visual", true},      QtOption{"qmljsdebugger", true},      QtOption{"reverse", false},
    QtOption{"testability", false}, QtOption{"widgetcount", false},      QtOption{"nograb", false},
    QtOption{"dograb", false},
};

const QString hinweis = QStringLiteral(u" – Aufruf und Optionen zeigt „zelmotron --help“\n");

QString hilfeText() {
    return QStringLiteral(
        u"Aufruf: zelmotron [Optionen]\n"
        u"\n"
        u"Zelmotron ist eine Rechner-Sammlung für Elektroniker in einem Fenster:\n"
        u"Farbcodes von Widerständen, Drosseln und Kondensatoren, E-Reihen-Kombinationen,\n"
        u"Spannungs- und Stromteiler, LED-Vorwiderstand, LM317, NE555,\n"
        u"Konstantstromquelle und Stern-Dreieck-Wandlung.\n"
        u"\n"
        u"Optionen:\n"
        u"  -h, --help       diese Hilfe zeigen\n"
        u"  -v, --version    die Version zeigen\n"
        u"  dazu die Optionen von Qt, etwa -platform <Name>, -style <Name>\n"
        u"  oder -display <Anzeige>\n"
        u"\n"
        u"Dateien:\n"
        u"  Einstellungen ZelmosV121.ini, Daten ZelmosV121.dat, deren Sicherungen (.bak)\n"
        u"  und die Sperrdatei ZelmosV121.lock liegen beim installierten Programm in\n"
        u"  $XDG_CONFIG_HOME/QR2ZUX_Software/Zelmotronik (ohne die Variable in\n"
        u"  ~/.config/QR2ZUX_Software/Zelmotronik), beim Programm in seinem Bauordner\n"
        u"  neben ihm selbst.\n"
        u"\n"
        u"Hilfe:\n"
        u"  F1 im Programm zeigt die Hilfe zur sichtbaren Seite (ZelmosV121.chm in\n"
        u"  /usr/share/zelmotron oder neben dem Programm); mehr in „man zelmotron“.\n");
}

QString fehlerZeile(const QString& was) { return QStringLiteral("zelmotron: ") + was + hinweis; }

// The argument as typed that names an option that the parser did not know.
QString wieGeschrieben(const QStringList& argumente, const QString& name) {
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--")) break;
        if (a.startsWith(u'-') && a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0) == name)
            return a;
    }
    return QStringLiteral("-") + name;
}

const QtOption* qtOption(const QString& name) {
    for (const QtOption& o : qtOptionen)
        if (name == QLatin1String(o.name)) return &o;
    return nullptr;
}

// What is wrong when the parser failed without an unknown option: a value missing at the end or a
// value given to an option that takes none.
QString falscherWert(const QStringList& argumente) {
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--")) break;
        if (!a.startsWith(u'-') || a.size() < 2) continue;
        const QString rumpf = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = rumpf.section(u'=', 0, 0);
        const bool gleich = rumpf.contains(u'=');
        const QtOption* o = qtOption(name);
        const bool mitWert = o && o->mitWert;
        const QString option = a.section(u'=', 0, 0);
        if (gleich && !mitWert) return QStringLiteral(u"die Option „%1“ nimmt keinen Wert").arg(option);
        if (mitWert && !gleich) {
            if (i + 1 == argumente.size()) return QStringLiteral(u"der Option „%1“ fehlt ihr Wert").arg(option);
            ++i;
        }
    }
    return QStringLiteral(u"falscher Aufruf");
}

}  // namespace

QStringList argumente(int argc, char* argv[]) {
    QStringList liste;
    for (int i = 0; i < argc; ++i) liste << QString::fromLocal8Bit(argv[i]);
    return liste;
}

Auswertung auswerten(const QStringList& argumente, const QString& version) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    p.addOption(hilfe);
    p.addOption(versionOption);
    for (const QtOption& o : qtOptionen) {
        QCommandLineOption option(QString::fromLatin1(o.name));
        if (o.mitWert) option.setValueName(QStringLiteral("wert"));
        p.addOption(option);
    }
    // the first argument is the program; an empty list stands for a program without arguments
    const QStringList liste = argumente.isEmpty() ? QStringList{QStringLiteral("zelmotron")} : argumente;

    if (!p.parse(liste)) {
        const QStringList unbekannt = p.unknownOptionNames();
        const QString was = unbekannt.isEmpty()
                                ? falscherWert(liste)
                                : QStringLiteral(u"unbekannte Option „%1“").arg(wieGeschrieben(liste, unbekannt.first()));
        return {Art::fehler, fehlerZeile(was), 2};
    }
    if (!p.positionalArguments().isEmpty())
        return {Art::fehler, fehlerZeile(QStringLiteral(u"unerwartetes Argument „%1“").arg(p.positionalArguments().first())),
                2};
    if (p.isSet(hilfe)) return {Art::hilfe, hilfeText(), 0};
    if (p.isSet(versionOption)) return {Art::version, QStringLiteral("Zelmotron ") + version + u'\n', 0};
    return {};
}

}  // namespace zelmo::befehlszeile
