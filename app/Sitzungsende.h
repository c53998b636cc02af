// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A desktop session that ends saves the values, on every platform.

namespace zelmo {

class Hauptfenster;

// The session manager's request to save (logout, shutdown) writes the settings and data files at
// once; the window stays open, since the session may still be cancelled. On Unix the signals a
// session sends its programs (SIGTERM, SIGINT, SIGHUP) close the window like its "OK" button.
// Called before the window is shown.
void sitzungsendeBeachten(Hauptfenster& fenster);

// Called once the window's show() has returned, before the event loop. Start-up reads the files
// inside show() and may show boxes there; a signal that comes while one is open closes it, and the
// rest of start-up shows none (the values of every page are read in full, so that nothing saved is
// lost). The window is closed and saved here then, and the result is false: the program ends
// without running its event loop, which nothing would end. Otherwise true, and from now on a
// signal closes the window at once.
bool startUeberstanden(Hauptfenster& fenster);

}  // namespace zelmo
