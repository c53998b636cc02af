// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/textlesen.h"

#include <array>

namespace zelmo {

namespace {

constexpr char16_t Bom = 0xFEFF;

// 0x80 to 0x9F of Windows-1252; 0xFFFD where the code page defines no character.
constexpr std::array<char16_t, 32> cp1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Offset of the first byte that does not belong to well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF), or -1.
qsizetype ersterUtf8Fehler(const QByteArray& b) {
    const auto n = b.size();
    const auto u = [&](qsizetype i) { return static_cast<unsigned char>(b[i]); };
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = u(i);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int folge = 0;
        unsigned char min2 = 0x80, max2 = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            folge = 1;
        else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2;
            if (c == 0xE0) min2 = 0xA0;
            if (c == 0xED) max2 = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3;
            if (c == 0xF0) min2 = 0x90;
            if (c == 0xF4) max2 = 0x8F;
        } else
            return i;
        if (i + folge >= n) return i;
        if (u(i + 1) < min2 || u(i + 1) > max2) return i;
        for (int k = 2; k <= folge; ++k)
            if (u(i + k) < 0x80 || u(i + k) > 0xBF) return i;
        i += folge + 1;
    }
    return -1;
}

// Line number (from 1) of a byte offset, counting LF and lone CR as line ends.
int zeileBeiByte(const QByteArray& b, qsizetype bis) {
    int zeile = 1;
    for (qsizetype i = 0; i < bis && i < b.size(); ++i)
        if (b[i] == '\n' || (b[i] == '\r' && (i + 1 >= b.size() || b[i + 1] != '\n'))) ++zeile;
    return zeile;
}

QString zeilenText(int zeile) { return QStringLiteral("Zeile %1").arg(zeile); }
QString hex(unsigned wert, int stellen) { return QString::number(wert, 16).toUpper().rightJustified(stellen, u'0'); }

// UTF-16 code units of the bytes after a mark; an unpaired surrogate gives its unit index.
GelesenerText utf16(const QByteArray& b, bool bigEndian) {
    if (b.size() % 2 != 0)
        return {{}, QStringLiteral("sie ist als UTF-16 gekennzeichnet, endet aber mitten in einem Zeichen")};
    QString t;
    t.resize(b.size() / 2);
    for (qsizetype i = 0; i < t.size(); ++i) {
        const auto hi = static_cast<unsigned char>(b[2 * i + (bigEndian ? 0 : 1)]);
        const auto lo = static_cast<unsigned char>(b[2 * i + (bigEndian ? 1 : 0)]);
        t[i] = QChar(char16_t(hi << 8 | lo));
    }
    for (qsizetype i = 0; i < t.size(); ++i) {
        const bool paar = t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate();
        if (paar) {
            ++i;
        } else if (t[i].isSurrogate()) {
            int zeile = 1;
            for (qsizetype k = 0; k < i; ++k)
                if (t[k] == u'\n' || (t[k] == u'\r' && (k + 1 >= t.size() || t[k + 1] != u'\n'))) ++zeile;
            return {{},
                    QStringLiteral("sie ist als UTF-16 gekennzeichnet, enthält aber in %1 ein unvollständiges Zeichen")
                        .arg(zeilenText(zeile))};
        }
    }
    return {t, {}};
}

}  // namespace

QChar windows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return QChar(cp1252[byte - 0x80]);
    return QChar(char16_t(byte));
}

GelesenerText textLesen(const QByteArray& bytes) {
    GelesenerText g;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        const QByteArray rest = bytes.mid(3);
        if (const qsizetype f = ersterUtf8Fehler(rest); f >= 0)
            return {{},
                    QStringLiteral("sie ist als UTF-8 gekennzeichnet, enthält aber in %1 eine ungültige Bytefolge")
                        .arg(zeilenText(zeileBeiByte(rest, f)))};
        g.text = QString::fromUtf8(rest);
    } else if (bytes.startsWith("\xFF\xFE")) {
        g = utf16(bytes.mid(2), false);
    } else if (bytes.startsWith("\xFE\xFF")) {
        g = utf16(bytes.mid(2), true);
    } else if (ersterUtf8Fehler(bytes) < 0) {
        g.text = QString::fromUtf8(bytes);
    } else {
        g.text.resize(bytes.size());
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            g.text[i] = windows1252(static_cast<unsigned char>(bytes[i]));
            if (g.text[i] == QChar::ReplacementCharacter)
                return {{}, QStringLiteral("%1 enthält das Byte 0x%2, das in Windows-1252 kein Zeichen ist")
                                .arg(zeilenText(zeileBeiByte(bytes, i)), hex(static_cast<unsigned char>(bytes[i]), 2))};
        }
    }
    if (!g.fehler.isEmpty()) return g;

    // one kind of line end, no byte-order marks, no control characters
    QString t;
    t.reserve(g.text.size());
    int zeile = 1;
    for (qsizetype i = 0; i < g.text.size(); ++i) {
        const QChar c = g.text[i];
        if (c == QChar(Bom)) continue;
        if (c == u'\r') {
            if (i + 1 < g.text.size() && g.text[i + 1] == u'\n') ++i;
            t += u'\n';
            ++zeile;
            continue;
        }
        if (c == u'\n') {
            t += u'\n';
            ++zeile;
            continue;
        }
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F))
            return {{}, QStringLiteral("%1 enthält das Steuerzeichen U+%2; das ist keine Textdatei")
                            .arg(zeilenText(zeile), hex(u, 4))};
        t += c;
    }
    return {t, {}};
}

}  // namespace zelmo
