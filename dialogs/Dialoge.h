#pragma once
// The four dialogs of the program.

#include "dialogs/InfoDialog.h"
#include "dialogs/OptionenDialog.h"
#include "dialogs/SternDreieckDialog.h"
#include "dialogs/UpdateDialog.h"
