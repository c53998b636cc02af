// SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialogs the program builds with its window; the update dialog comes from its module
// (dialogs/Updatelader.h).

#include "dialogs/InfoDialog.h"
#include "dialogs/OptionenDialog.h"
#include "dialogs/SternDreieckDialog.h"
#include "dialogs/Updatelader.h"
