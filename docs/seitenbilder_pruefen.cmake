# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the picture tool into a fresh folder and expects a PNG of every page.
file(REMOVE_RECURSE ${ZIEL})
execute_process(COMMAND ${WERKZEUG} ${ZIEL} RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "zelmo_seitenbilder ended with ${ergebnis}")
endif()
file(GLOB bilder ${ZIEL}/*.png)
list(LENGTH bilder anzahl)
if(NOT anzahl EQUAL 11)
  message(FATAL_ERROR "expected 11 pictures, found ${anzahl}")
endif()
foreach(b IN LISTS bilder)
  file(SIZE ${b} groesse)
  if(groesse LESS 10000)
    message(FATAL_ERROR "${b} is nearly empty (${groesse} bytes)")
  endif()
endforeach()
