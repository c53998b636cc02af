// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Builds ZIP fixtures for the tests with libzip itself.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>
#include <zip.h>

namespace zelmo::test {

struct ZipEintrag {
    QString name;        // as stored in the archive; a trailing "/" makes a folder entry
    QByteArray daten;
    unsigned modus = 0644;  // Unix permission bits
    unsigned art = 0;       // Unix file type bits; 0: file or folder after the name (0120000: a link)
    bool verschluesseln = false;  // AES-256 with a password
    bool gepackt = true;          // false: stored as it is
};

// Writes the archive; false when libzip refuses.
inline bool schreibeZip(const QString& pfad, const std::vector<ZipEintrag>& eintraege) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(pfad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z) return false;
    for (const ZipEintrag& e : eintraege) {
        const QByteArray name = e.name.toUtf8();
        zip_int64_t index;
        if (name.endsWith('/')) {
            index = zip_dir_add(z, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            // libzip copies nothing: the buffer lives in the caller's entries until zip_close
            zip_source_t* quelle = zip_source_buffer(z, e.daten.constData(), zip_uint64_t(e.daten.size()), 0);
            index = zip_file_add(z, name.constData(), quelle, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
            if (index < 0) zip_source_free(quelle);
        }
        if (index < 0) {
            zip_discard(z);
            return false;
        }
        if (!e.gepackt && zip_set_file_compression(z, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0) {
            zip_discard(z);
            return false;
        }
        if (e.verschluesseln &&
            zip_file_set_encryption(z, zip_uint64_t(index), ZIP_EM_AES_256, "geheim") != 0) {
            zip_discard(z);
            return false;
        }
        const unsigned art = e.art ? e.art : name.endsWith('/') ? 0040000 : 0100000;
        zip_file_set_external_attributes(z, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (art | e.modus) << 16);
    }
    return zip_close(z) == 0;
}

inline QByteArray zipDaten(const QString& pfad, const std::vector<ZipEintrag>& eintraege) {
    if (!schreibeZip(pfad, eintraege)) return {};
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace zelmo::test
