// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Updatelader.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QtDebug>

#include "dialogs/Dialog.h"
#include "fields/Meldungen.h"
#include "fields/Ressourcen.h"
#include "platform/Plattform.h"

namespace zelmo {

namespace {
class Programmdienste : public Updatedienste {
public:
    void melde(Meldungen::Art art, const QString& text) override { Meldungen::dienst().zeige(art, text); }
    QIcon bildsymbol(const QString& datei) override { return zelmo::bildsymbol(datei); }
    void alsDialog(QDialog& dialog, const QString& name, const QString& titel, QSize groesse) override {
        Dialog::einrichten(dialog, name, titel, groesse);
    }
    QString programmOrdner() override { return plattform::programmOrdner(); }
    int starteProgramm(const QString& pfad) override { return plattform::starteProgramm(pfad); }
};
}  // namespace

Updatedienste& updatedienste() {
    static Programmdienste dienste;
    return dienste;
}

const QString updatemodulDatei = QStringLiteral(ZELMO_UPDATEMODUL_DATEI);

QStringList updatemodulOrte(const QString& programmOrdner) {
    const QDir programm(programmOrdner);
    return {QDir::cleanPath(programm.filePath(QStringLiteral(ZELMO_UPDATEMODUL_ORDNER) + u'/' + updatemodulDatei)),
            QDir::cleanPath(programm.filePath(updatemodulDatei))};
}

Updatelader::Updatelader(QWidget* eltern, QStringList orte) : m_eltern(eltern), m_orte(std::move(orte)) {}

bool Updatelader::laden() {
    if (m_dialog) return true;
    QString datei;
    for (const QString& ort : m_orte)
        if (QFileInfo(ort).isFile()) {
            datei = ort;
            break;
        }
    if (datei.isEmpty()) {
        QStringList gesucht;
        for (const QString& ort : m_orte) gesucht << QDir::toNativeSeparators(QFileInfo(ort).absolutePath());
        m_fehler = QStringLiteral(u"Das Update-Modul „%1“ fehlt; gesucht wurde in %2.")
                       .arg(updatemodulDatei, gesucht.join(QStringLiteral(" und ")));
        return false;
    }
    QPluginLoader lader(datei);
    // every symbol now: a module of another build fails here, not later in the middle of a call
    lader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    auto* modul = qobject_cast<Updatemodul*>(lader.instance());
    if (!modul) {
        qWarning().noquote() << "update module" << datei << ":" << lader.errorString();
        m_fehler = QStringLiteral(u"Das Update-Modul „%1“ lässt sich nicht laden: Es ist beschädigt oder gehört "
                                  u"nicht zu dieser Programmversion.")
                       .arg(QDir::toNativeSeparators(datei));
        return false;
    }
    // the module stays loaded for the rest of the run: the dialog's code lives in it
    m_dialog = modul->updateDialog(m_eltern, updatedienste());
    m_fehler.clear();
    return m_dialog != nullptr;
}

void Updatelader::zeigen() {
    if (laden()) {
        m_dialog->zeigen();
        return;
    }
    Meldungen::fehler(m_fehler + QStringLiteral(u"\r\rOhne dieses Modul kann Zelmotron nicht nach Updates sehen. "
                                                u"Bitte das Programm neu installieren."));
}

void Updatelader::startpruefung() {
    if (laden()) {
        m_dialog->startpruefung();
        return;
    }
    Meldungen::standardFehler(QStringLiteral(u"Die automatische Suche nach Updates ist nicht möglich. ") + m_fehler);
}

}  // namespace zelmo
