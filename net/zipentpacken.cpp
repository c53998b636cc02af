#include "net/zipentpacken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
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
        default: {
            zip_error_t e;
            zip_error_init_with_code(&e, code);
            const QString t = QString::fromUtf8(zip_error_strerror(&e));
            zip_error_fini(&e);
            return t;
        }
    }
}

QString zipText(zip_t* z) { return zipText(zip_error_code_zip(zip_get_error(z))); }

struct ArchivZu {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct EintragZu {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

// Creates a folder with its missing parents and records each one created.
void ordnerAnlegen(const QString& pfad, Entpackt& ergebnis) {
    QStringList neu;
    for (QString p = QDir::cleanPath(pfad); !QFileInfo::exists(p); p = QFileInfo(p).path()) neu.prepend(p);
    for (const QString& p : neu) {
        if (!QDir().mkdir(p))
            throw ZipFehler(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(anzeige(p)));
        ergebnis.ordner << p;
    }
}

// True when pfad, after following links, lies inside basis (both canonical).
bool liegtIn(const QString& pfad, const QString& basis) {
    const QString c = QFileInfo(pfad).canonicalFilePath();
    return !c.isEmpty() && (c == basis || c.startsWith(basis + u'/'));
}
}  // namespace

bool zipNameZulaessig(const QString& name) {
    if (name.isEmpty()) return false;
    QString n = name;
    n.replace(u'\\', u'/');  // archives made on Windows may separate with backslashes
    if (n.startsWith(u'/')) return false;
    if (n.size() >= 2 && n[1] == u':' && n[0].isLetter()) return false;  // "C:..."
    for (const QString& teil : n.split(u'/'))
        if (teil == QStringLiteral("..")) return false;
    return true;
}

Entpackt zipEntpacken(const QString& archiv, const QString& ziel) {
    Entpackt e;
    zipEntpacken(archiv, ziel, e);
    return e;
}

void zipEntpacken(const QString& archiv, const QString& ziel, Entpackt& ergebnis) {
    int code = 0;
    std::unique_ptr<zip_t, ArchivZu> z(zip_open(QFile::encodeName(archiv).constData(), ZIP_RDONLY, &code));
    if (!z)
        throw ZipFehler(QStringLiteral("Das Archiv \"%1\" kann nicht entpackt werden: %2")
                            .arg(anzeige(archiv), zipText(code)));
    const QString basis = QFileInfo(ziel).canonicalFilePath();
    if (basis.isEmpty())
        throw ZipFehler(QStringLiteral("Der Ordner \"%1\" wurde nicht gefunden.").arg(anzeige(ziel)));

    // every name is checked before the first file is written
    const zip_int64_t anzahl = zip_get_num_entries(z.get(), 0);
    struct Eintrag {
        zip_uint64_t index;
        QString name;
        bool ordner;
        QFile::Permissions ausfuehren;  // the execute bits the archive gives the file
    };
    std::vector<Eintrag> eintraege;
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        const char* roh = zip_get_name(z.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!roh) continue;  // deleted entry
        const QString name = QString::fromUtf8(roh);
        if (!zipNameZulaessig(name))
            throw ZipFehler(QStringLiteral("Das Archiv \"%1\" enthält den unzulässigen Pfad \"%2\", der aus dem "
                                           "Zielordner herausführt. Das Archiv wird nicht entpackt.")
                                .arg(anzeige(archiv), name));
        QString n = name;
        n.replace(u'\\', u'/');
        zip_uint8_t system = 0;
        zip_uint32_t attribute = 0;
        zip_file_get_external_attributes(z.get(), zip_uint64_t(i), 0, &system, &attribute);
        QFile::Permissions ausfuehren;
        if (system == ZIP_OPSYS_UNIX) {
            const zip_uint32_t modus = attribute >> 16;
            if (modus & 0100) ausfuehren |= QFile::ExeOwner | QFile::ExeUser;
            if (modus & 0010) ausfuehren |= QFile::ExeGroup;
            if (modus & 0001) ausfuehren |= QFile::ExeOther;
        }
        eintraege.push_back({zip_uint64_t(i), QDir::cleanPath(n), n.endsWith(u'/'), ausfuehren});
    }

    QByteArray puffer(64 * 1024, Qt::Uninitialized);
    for (const Eintrag& e : eintraege) {
        if (e.name == QStringLiteral(".")) continue;
        const QString pfad = QDir::cleanPath(basis + u'/' + e.name);
        if (e.ordner) {
            ordnerAnlegen(pfad, ergebnis);
            continue;
        }
        const QString eltern = QFileInfo(pfad).path();
        ordnerAnlegen(eltern, ergebnis);
        // a link already in the folder must not lead the file elsewhere
        if (!liegtIn(eltern, basis))
            throw ZipFehler(QStringLiteral("Das Archiv \"%1\" enthält den unzulässigen Pfad \"%2\", der aus dem "
                                           "Zielordner herausführt. Das Archiv wird nicht entpackt.")
                                .arg(anzeige(archiv), e.name));
        if (QFileInfo(pfad).isSymLink()) QFile::remove(pfad);

        std::unique_ptr<zip_file_t, EintragZu> f(zip_fopen_index(z.get(), e.index, 0));
        if (!f)
            throw ZipFehler(QStringLiteral("Der Eintrag \"%1\" des Archivs \"%2\" kann nicht gelesen werden: %3")
                                .arg(e.name, anzeige(archiv), zipText(z.get())));
        QSaveFile datei(pfad);
        if (!datei.open(QIODevice::WriteOnly))
            throw ZipFehler(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                                .arg(anzeige(pfad), datei.errorString()));
        for (;;) {
            const zip_int64_t n = zip_fread(f.get(), puffer.data(), zip_uint64_t(puffer.size()));
            if (n < 0)
                throw ZipFehler(QStringLiteral("Der Eintrag \"%1\" des Archivs \"%2\" kann nicht gelesen werden: %3")
                                    .arg(e.name, anzeige(archiv),
                                         zipText(zip_error_code_zip(zip_file_get_error(f.get())))));
            if (n == 0) break;
            if (datei.write(puffer.constData(), n) != n)
                throw ZipFehler(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                                    .arg(anzeige(pfad), datei.errorString()));
        }
        if (!datei.commit())
            throw ZipFehler(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                                .arg(anzeige(pfad), datei.errorString()));
        ergebnis.dateien << pfad;
        if (e.ausfuehren) QFile::setPermissions(pfad, QFile::permissions(pfad) | e.ausfuehren);
    }
}

}  // namespace zelmo::net
