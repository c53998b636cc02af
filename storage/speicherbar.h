// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a page offers to the settings file and the data file: it writes its own keys and reads them
// back, and it writes and reads its share of the data file. The file handling calls these in the
// pages' order (storage/sicherung.h); a page that stores nothing keeps the empty defaults.

namespace zelmo {

class IniSchreiber;
class IniLeser;
class DatenSchreiber;
class DatenLeser;

class Speicherbar {
public:
    virtual ~Speicherbar() = default;

    // Writes the page's keys in the order of a fresh file.
    virtual void speichern(IniSchreiber&) const {}
    // Reads them back and shows what was read (groups run their handlers, the page calculates).
    virtual void laden(IniLeser&) {}
    // The page's numbers of the data file, in the file's order.
    virtual void datenSpeichern(DatenSchreiber&) const {}
    virtual void datenLaden(DatenLeser&) {}
};

}  // namespace zelmo
