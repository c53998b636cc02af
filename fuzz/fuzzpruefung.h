// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the fuzz targets share: a broken promise ends the run with the text of the check.

#include <cstdio>
#include <cstdlib>

#define FUZZ_PRUEFE(bedingung)                                                                   \
    do {                                                                                         \
        if (!(bedingung)) {                                                                      \
            std::fprintf(stderr, "%s:%d: promise broken: %s\n", __FILE__, __LINE__, #bedingung); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
