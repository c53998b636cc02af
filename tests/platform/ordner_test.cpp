#include <gtest/gtest.h>

#include "platform/ordner.h"
#include "support/gtest_qt.h"

using namespace zelmo;

TEST(DatenOrdner, InstalliertOderDaneben) {
    const QString install = QStringLiteral("/usr/local/bin");
    const QString benutzer = QStringLiteral("/home/anna/.config");
    // installed: the per-user folder (underscore in the maker's name)
    EXPECT_EQ(datenOrdnerFuer(install, install, benutzer),
              QStringLiteral("/home/anna/.config/QR2ZUX_Software/Zelmotronik"));
    // anywhere else, a differently cased path to the same folder included: beside the program
    for (const char* p : {"/home/anna/bin", "/USR/local/bin", "/usr/local/bin/", "/opt/zelmotron"})
        EXPECT_EQ(datenOrdnerFuer(QString::fromLatin1(p), install, benutzer), QString::fromLatin1(p)) << p;
}
