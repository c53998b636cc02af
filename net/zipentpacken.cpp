// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/zipentpacken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <vector>
#include <zip.h>

namespace zelmo::net {

namespace {
QString anzeige(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

// libzip's error as a German text
QString zipText(int code) {
    switch (code) {
        case ZIP_ER_NOZIP: return QStringLiteral("Die Datei ist kein ZIP-Archiv.");
        case ZIP_ER_NOENT: return QStringLiteral("Die Datei wurde nicht gefunden.");
        case ZIP_ER_OPEN: return QStringLiteral("Die Datei kann nicht geöffnet werden.");
        case ZIP_ER_READ: return QStringLiteral("Lesefehler.");
        case ZIP_ER_SEEK: return QStringLiteral("Lesefehler (Position).");
        case ZIP_ER_INCONS: return QStringLiteral("Das Archiv ist unvollständig oder beschädigt.");
        case ZIP_ER_CRC: return QStringLiteral("Prüfsummenfehler.");
        case ZIP_ER_COMPNOTSUPP: return QStringLiteral("Die Kompressionsart wird nicht unterstützt.");
        case ZIP_ER_ENCRNOTSUPP:
        case ZIP_ER_NOPASSWD: return QStringLiteral("Verschlüsselte Archive werden nicht unterstützt.");
        case ZIP_ER_MEMORY: return QStringLiteral("Zu wenig Speicher.");
        case ZIP_ER_EXISTS: return QStringLiteral("Ein Name kommt mehrfach vor.");
        default: {
            zip_error_t e;
            zip_error_init_with_code(&e, code);
            const QString t = QString::fromUtf8(zip_error_strerror(&e));
            zip_error_fini(&e);
            return t;
        }
    }
}

struct ArchivZu {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EintragZu {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

struct Eintrag {
    zip_uint64_t index;
    QString name;  // as in the archive, for messages
    QString pfad;  // clean, relative, "/" separated
    bool ordner;
    qint64 groesse;
    QFile::Permissions ausfuehren;  // the execute bits the archive gives the file
};

constexpr zip_uint32_t artMaske = 0170000, artDatei = 0100000, artOrdner = 0040000;

// Everything written so far; removed again unless the whole archive was unpacked.
struct Aufraeumen {
    Entpackt& e;
    bool behalten = false;
    ~Aufraeumen() {
        if (behalten) return;
        for (auto i = e.dateien.crbegin(); i != e.dateien.crend(); ++i) QFile::remove(*i);
        for (auto i = e.ordner.crbegin(); i != e.ordner.crend(); ++i) QDir().rmdir(*i);
    }
};
}  // namespace

bool zipNameZulaessig(const QString& name) {
    if (name.isEmpty()) return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    QString n = name;
    n.replace(u'\\', u'/');  // archives made on Windows may separate with backslashes
    if (n.startsWith(u'/')) return false;
    if (n.size() >= 2 && n[1] == u':' && n[0].isLetter()) return false;  // "C:..."
    for (const QString& teil : n.split(u'/'))
        if (teil == QStringLiteral("..")) return false;
    return true;
}

void zipEntpacken(const QString& archiv, const QString& ziel, Entpackt& ergebnis, const Entpackoptionen& optionen) {
    ergebnis = {};
    ergebnis = zipEntpacken(archiv, ziel, optionen);
}

Entpackt zipEntpacken(const QString& archiv, const QString& ziel, const Entpackoptionen& o) {
    const auto abgewiesen = [&](const QString& grund) {
        return ZipFehler(QStringLiteral("Das Archiv \"%1\" wird nicht entpackt: %2").arg(anzeige(archiv), grund));
    };
    int code = 0;
    std::unique_ptr<zip_t, ArchivZu> z(
        zip_open(QFile::encodeName(archiv).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!z)
        throw ZipFehler(QStringLiteral("Das Archiv \"%1\" kann nicht entpackt werden: %2")
                            .arg(anzeige(archiv), zipText(code)));
    const QFileInfo zielInfo(ziel);
    if (!zielInfo.isDir() || zielInfo.isSymLink())
        throw ZipFehler(QStringLiteral("Der Ordner \"%1\" wurde nicht gefunden.").arg(anzeige(ziel)));
    const QString basis = zielInfo.absoluteFilePath();

    // every entry is checked before the first file is written
    const zip_int64_t anzahl = zip_get_num_entries(z.get(), 0);
    if (anzahl < 0) throw abgewiesen(zipText(ZIP_ER_INCONS));
    if (anzahl > o.eintraege)
        throw abgewiesen(QStringLiteral("Es hat %1 Einträge, erlaubt sind höchstens %2.").arg(anzahl).arg(o.eintraege));
    std::vector<Eintrag> eintraege;
    QSet<QString> namen, dateien, eltern;
    qint64 gesamt = 0;
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(z.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) ||
            !(st.valid & ZIP_STAT_SIZE) || !(st.valid & ZIP_STAT_COMP_SIZE))
            throw abgewiesen(zipText(ZIP_ER_INCONS));
        const QString name = QString::fromUtf8(st.name);
        if (!zipNameZulaessig(name))
            throw abgewiesen(
                QStringLiteral("Es enthält den unzulässigen Pfad \"%1\", der aus dem Zielordner herausführt.")
                    .arg(name));
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            throw abgewiesen(QStringLiteral("Der Eintrag \"%1\" ist verschlüsselt.").arg(name));
        QString n = name;
        n.replace(u'\\', u'/');
        const bool ordner = n.endsWith(u'/');
        zip_uint8_t system = 0;
        zip_uint32_t attribute = 0;
        zip_file_get_external_attributes(z.get(), zip_uint64_t(i), 0, &system, &attribute);
        QFile::Permissions ausfuehren;
        if (system == ZIP_OPSYS_UNIX) {
            const zip_uint32_t modus = attribute >> 16;
            const zip_uint32_t art = modus & artMaske;
            if (art != 0 && art != (ordner ? artOrdner : artDatei))
                throw abgewiesen(QStringLiteral("Der Eintrag \"%1\" ist keine gewöhnliche Datei (zum Beispiel eine "
                                                "symbolische Verknüpfung).")
                                     .arg(name));
            if (modus & 0100) ausfuehren |= QFile::ExeOwner | QFile::ExeUser;
            if (modus & 0010) ausfuehren |= QFile::ExeGroup;
            if (modus & 0001) ausfuehren |= QFile::ExeOther;
        }
        const qint64 groesse = qint64(std::min<zip_uint64_t>(st.size, zip_uint64_t(o.entpackt) + 1));
        if (ordner && groesse != 0) throw abgewiesen(zipText(ZIP_ER_INCONS));
        if (groesse > o.freigrenze && zip_uint64_t(groesse) / std::max<zip_uint64_t>(st.comp_size, 1) >=
                                          zip_uint64_t(o.verhaeltnis))
            throw abgewiesen(QStringLiteral("Der Eintrag \"%1\" würde sich beim Entpacken auf mehr als das %2-fache "
                                            "vergrößern.")
                                 .arg(name)
                                 .arg(o.verhaeltnis));
        gesamt += groesse;
        if (gesamt > o.entpackt)
            throw abgewiesen(
                QStringLiteral("Entpackt wäre es größer als %1 MiB.").arg(o.entpackt / (1024.0 * 1024.0), 0, 'f', 0));
        const QString pfad = QDir::cleanPath(n);
        if (pfad == QStringLiteral(".")) continue;
        // one name once, also when only the case or a trailing "/" differs
        const QString schluessel = pfad.toCaseFolded();
        if (namen.contains(schluessel))
            throw abgewiesen(QStringLiteral("Der Eintrag \"%1\" kommt mehrfach vor.").arg(name));
        namen.insert(schluessel);
        if (!ordner) dateien.insert(schluessel);
        for (qsizetype s = schluessel.indexOf(u'/'); s >= 0; s = schluessel.indexOf(u'/', s + 1))
            eltern.insert(schluessel.left(s));
        eintraege.push_back({zip_uint64_t(i), name, pfad, ordner, groesse, ausfuehren});
    }
    for (const QString& d : dateien)
        if (eltern.contains(d))
            throw abgewiesen(QStringLiteral("Der Name \"%1\" ist zugleich Datei und Ordner.").arg(d));

    Entpackt ergebnis;
    Aufraeumen aufraeumen{ergebnis};
    // a folder is created new or must be a real folder: no step of a path goes through a link
    const auto ordnerAnlegen = [&](const QString& relativ) {
        QString p = basis;
        for (const QString& teil : relativ.split(u'/', Qt::SkipEmptyParts)) {
            p += u'/' + teil;
            if (QDir().mkdir(p)) {
                ergebnis.ordner << p;
                continue;
            }
            const QFileInfo da(p);
            if (da.isSymLink() || !da.isDir())
                throw abgewiesen(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(anzeige(p)));
        }
    };
    const auto pruefeAbbruch = [&] {
        if (o.abgebrochen && o.abgebrochen())
            throw ZipAbgebrochen(QStringLiteral("Das Entpacken wurde abgebrochen."));
    };

    QByteArray puffer(64 * 1024, Qt::Uninitialized);
    qint64 bisher = 0;
    if (o.fortschritt) o.fortschritt(0, gesamt);
    for (const Eintrag& e : eintraege) {
        pruefeAbbruch();
        if (e.ordner) {
            ordnerAnlegen(e.pfad);
            continue;
        }
        const qsizetype schnitt = e.pfad.lastIndexOf(u'/');
        if (schnitt > 0) ordnerAnlegen(e.pfad.left(schnitt));
        const QString pfad = basis + u'/' + e.pfad;

        std::unique_ptr<zip_file_t, EintragZu> f(zip_fopen_index(z.get(), e.index, 0));
        if (!f)
            throw ZipFehler(QStringLiteral("Der Eintrag \"%1\" des Archivs \"%2\" kann nicht gelesen werden: %3")
                                .arg(e.name, anzeige(archiv), zipText(zip_error_code_zip(zip_get_error(z.get())))));
        // new, never over something that is there (a link there is not followed either)
        QFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw ZipFehler(QStringLiteral("Die Datei \"%1\" kann nicht angelegt werden: %2")
                                .arg(anzeige(pfad), datei.errorString()));
        ergebnis.dateien << pfad;
        qint64 geschrieben = 0;
        for (;;) {
            pruefeAbbruch();
            const zip_int64_t n = zip_fread(f.get(), puffer.data(), zip_uint64_t(puffer.size()));
            if (n < 0)
                throw ZipFehler(QStringLiteral("Der Eintrag \"%1\" des Archivs \"%2\" kann nicht gelesen werden: %3")
                                    .arg(e.name, anzeige(archiv),
                                         zipText(zip_error_code_zip(zip_file_get_error(f.get())))));
            if (n == 0) break;
            geschrieben += n;
            bisher += n;
            // the bytes themselves count, not what the entry claims
            if (geschrieben > e.groesse || bisher > o.entpackt) throw abgewiesen(zipText(ZIP_ER_INCONS));
            if (datei.write(puffer.constData(), n) != n)
                throw ZipFehler(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                                    .arg(anzeige(pfad), datei.errorString()));
            if (o.fortschritt) o.fortschritt(bisher, gesamt);
        }
        if (!datei.flush())
            throw ZipFehler(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                                .arg(anzeige(pfad), datei.errorString()));
        datei.close();
        if (e.ausfuehren) QFile::setPermissions(pfad, QFile::permissions(pfad) | e.ausfuehren);
    }
    aufraeumen.behalten = true;
    return ergebnis;
}

}  // namespace zelmo::net
