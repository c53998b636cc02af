// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/freigabe.h"

#include <QFile>
#include <charconv>
#include <limits>
#include <memory>
#include <openssl/evp.h>

#include "net/signatur.h"
#include "net/updategrenzen.h"

namespace zelmo::net {

namespace {
constexpr qint64 praefixLaenge = qint64(sizeof freigabePraefix);  // with its 0x00

QByteArray praefix() { return QByteArray(freigabePraefix, praefixLaenge); }

// Decimal digits without sign and without a leading zero (but "0" itself), up to maxStellen, as a
// number not above hoechstens.
std::optional<qint64> zahl(QByteArrayView text, qsizetype maxStellen, qint64 hoechstens) {
    if (text.isEmpty() || text.size() > maxStellen || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    qint64 n = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (fehler != std::errc() || ende != text.data() + text.size() || n > hoechstens) return std::nullopt;
    return n;
}

QString nichtAngekuendigt(int angekuendigt, const QString& grund) {
    return QStringLiteral("Das Update ist nicht die angekündigte Version %1 und wird aus Sicherheitsgründen nicht "
                          "entpackt.\r\r(%2)")
        .arg(angekuendigt)
        .arg(grund);
}
}  // namespace

QString meldungKeineSignatur(const QString& grund) {
    return QStringLiteral("Das Update trägt keine gültige Signatur und wird aus Sicherheitsgründen nicht "
                          "entpackt.\r\r(%1)")
        .arg(grund);
}

QByteArray freigabeAussage(const Freigabeangabe& angabe) {
    return praefix() + QByteArray::number(angabe.version) + '\n' + angabe.sha256.toHex() + '\n' +
           QByteArray::number(angabe.groesse) + '\n';
}

std::optional<Freigabeangabe> leseFreigabeAussage(const QByteArray& aussage) {
    if (!aussage.startsWith(praefix()) || !aussage.endsWith('\n')) return std::nullopt;
    const QList<QByteArray> felder = aussage.mid(praefixLaenge).chopped(1).split('\n');
    if (felder.size() != 3) return std::nullopt;
    const std::optional<qint64> version = zahl(felder[0], 10, std::numeric_limits<int>::max());
    const std::optional<qint64> groesse = zahl(felder[2], 19, std::numeric_limits<qint64>::max());
    const QByteArray& hex = felder[1];
    if (!version || *version < 1 || !groesse || hex.size() != 64) return std::nullopt;
    for (char c : hex)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
    return Freigabeangabe{int(*version), QByteArray::fromHex(hex), *groesse};
}

std::optional<Dateipruefsumme> sha256Datei(const QString& datei, QString* fehler,
                                           const std::function<bool()>& abgebrochen) {
    const auto nein = [fehler](const QString& t) {
        if (fehler) *fehler = t;
        return std::nullopt;
    };
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return nein(f.errorString());
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1)
        return nein(QStringLiteral("SHA-256 ist nicht verfügbar."));
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    Dateipruefsumme p;
    for (;;) {
        if (abgebrochen && abgebrochen()) return nein(QStringLiteral("abgebrochen"));
        const qint64 n = f.read(block.data(), block.size());
        if (n < 0) return nein(f.errorString());
        if (n == 0) break;
        if (EVP_DigestUpdate(ctx.get(), block.constData(), size_t(n)) != 1)
            return nein(QStringLiteral("SHA-256 ist nicht verfügbar."));
        p.groesse += n;
    }
    p.sha256 = QByteArray(32, '\0');
    unsigned int laenge = 0;
    if (EVP_DigestFinal_ex(ctx.get(), reinterpret_cast<unsigned char*>(p.sha256.data()), &laenge) != 1 || laenge != 32)
        return nein(QStringLiteral("SHA-256 ist nicht verfügbar."));
    return p;
}

QString pruefeFreigabe(const QByteArray& satz, const Dateipruefsumme& archiv, int angekuendigt, int laufend,
                       const QList<QByteArray>& schluessel) {
    if (satz.size() <= signaturLaenge || satz.size() > maxFreigabesatz)
        return meldungKeineSignatur(QStringLiteral("Die Signaturdatei hat %1 Bytes; eine gültige hat %2 bis %3.")
                                 .arg(satz.size())
                                 .arg(praefixLaenge + 1 + 1 + 64 + 1 + 1 + 1 + signaturLaenge)
                                 .arg(maxFreigabesatz));
    const QByteArray aussage = satz.chopped(signaturLaenge);
    const QByteArray signatur = satz.right(signaturLaenge);
    bool echt = false;
    for (const QByteArray& s : schluessel) echt = echt || signaturGueltig(aussage, signatur, s);
    if (!echt)
        return meldungKeineSignatur(QStringLiteral("Sie stammt von keinem Freigabeschlüssel dieses Programms, oder die "
                                            "signierte Angabe wurde verändert."));
    if (!aussage.startsWith(praefix()))
        return nichtAngekuendigt(angekuendigt, QStringLiteral("Es ist für ein anderes Programm signiert."));
    const std::optional<Freigabeangabe> angabe = leseFreigabeAussage(aussage);
    if (!angabe) return nichtAngekuendigt(angekuendigt, QStringLiteral("Die signierte Angabe ist nicht lesbar."));
    if (angabe->version != angekuendigt)
        return nichtAngekuendigt(angekuendigt, QStringLiteral("Es ist als Version %1 signiert.").arg(angabe->version));
    if (angabe->version <= laufend)
        return nichtAngekuendigt(angekuendigt, QStringLiteral("Version %1 ist nicht neuer als diese Programmversion %2.")
                                                   .arg(angabe->version)
                                                   .arg(laufend));
    if (angabe->groesse != archiv.groesse)
        return nichtAngekuendigt(angekuendigt, QStringLiteral("Das Archiv hat %1 Bytes, signiert sind %2 Bytes.")
                                                   .arg(archiv.groesse)
                                                   .arg(angabe->groesse));
    if (angabe->sha256 != archiv.sha256)
        return nichtAngekuendigt(angekuendigt,
                                 QStringLiteral("Die Prüfsumme des Archivs ist nicht die signierte."));
    return {};
}

}  // namespace zelmo::net
