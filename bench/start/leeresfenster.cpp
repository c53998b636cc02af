// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up benchmark: an empty Qt Widgets window of the program's size, started
// the same way as the program.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.setFixedSize(670, 617);  // the main window's size
    fenster.show();
    return app.exec();
}
