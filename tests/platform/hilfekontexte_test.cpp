// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "platform/hilfekontexte.h"
#include "support/gtest_qt.h"

using namespace zelmo;

TEST(Hilfekontexte, ZeilenMitNummerUndThema) {
    const auto t = leseHilfekontexte(QStringLiteral("# Kopf\n90 widerstand.htm\r\n\n 100   drossel.htm \nkaputt\n"
                                                    "x1 a.htm\n120 a.htm b.htm\n130 teiler.htm"));
    ASSERT_EQ(t.size(), size_t(3));
    EXPECT_EQ(t.at(90), QStringLiteral("widerstand.htm"));
    EXPECT_EQ(t.at(100), QStringLiteral("drossel.htm"));
    EXPECT_EQ(t.at(130), QStringLiteral("teiler.htm"));
    EXPECT_TRUE(leseHilfekontexte(QString()).empty());
}
