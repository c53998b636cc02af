// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the update check needs to know: the server and its files, the version of this build, the
// reading of the published version number and the texts for a program that cannot be started.

#include <QString>
#include <optional>

namespace zelmo::net {

// Version of this build, compared with the number the update server publishes.
inline constexpr int VersiondiesesProg = 121;

// The update server; tests point the client elsewhere.
inline const QString updateServer = QStringLiteral("https://www.qr2zux.example");
inline const QString versionsDatei = QStringLiteral("/Uploads/Version_Zelmos.txt");
inline const QString installerName = QStringLiteral("Updater1.exe");

// The names are built from the parsed number only, never from the text the server sent.
// "Zel-mosV122.zip", and its path on the server "/Uploads/Zel-mosV122.zip"
QString archivName(int version);
QString archivPfad(int version);
// "/Uploads/Zel-mosV122.zip.sig", the detached signature of the archive
QString signaturPfad(int version);
// "Zel-mosV122.exe", the new program the installer puts beside this one
QString programmName(int version);

// The version file's body as a number: decimal digits, white space around them allowed, nothing
// else; a number beyond int is no version either.
std::optional<int> versionAusText(const QString& text);
// The message for a body that is not a number: "'abc' ist kein gültiger Integerwert" (control
// characters shown as "?").
QString meldungKeinInteger(const QString& text);

// The text for a failed start of a program, by the shell's result code (32 or less).
QString ShellExecuteErrorMessage(int ErrorCode);

}  // namespace zelmo::net
