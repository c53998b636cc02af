// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a text file that may come from another program, editor or machine.
//
// Encoding: a byte-order mark decides (UTF-8, UTF-16 LE, UTF-16 BE); without one, text that is valid
// UTF-8 is UTF-8 and anything else Windows-1252 (the ANSI code page of the program's origin, which
// differs from Latin-1 in 0x80 to 0x9F). Byte-order marks are dropped wherever they stand (editors
// and copied files repeat them). Line ends CR LF, LF and a lone CR all become "\n".

#include <QByteArray>
#include <QString>

namespace zelmo {

struct GelesenerText {
    QString text;    // lines ended by "\n"; empty when fehler is set
    QString fehler;  // why the bytes are no text, in words for a message; empty when all is well
};

// The text of a file's bytes. Bytes that are no text (control characters as in binary files, an
// invalid sequence in a file marked as UTF-8 or UTF-16, bytes Windows-1252 does not define) give
// an empty text and the reason, naming the line.
GelesenerText textLesen(const QByteArray& bytes);

// One byte of Windows-1252 as a character; the five bytes it leaves undefined give U+FFFD.
QChar windows1252(unsigned char byte);

}  // namespace zelmo
