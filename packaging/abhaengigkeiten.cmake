# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSHLIBDEPS=<dpkg-shlibdeps> -DZIEL=<file> -DDATEIEN=<program;module> -P abhaengigkeiten.cmake
# Writes the packages the program files need (dpkg-shlibdeps) as one Depends line into ZIEL.
get_filename_component(ordner ${ZIEL} DIRECTORY)
set(arbeit ${ordner}/shlibdeps)
# dpkg-shlibdeps wants a debian/control, which it does not read for this
file(MAKE_DIRECTORY ${arbeit}/debian)
file(TOUCH ${arbeit}/debian/control)
execute_process(COMMAND ${SHLIBDEPS} -O ${DATEIEN} WORKING_DIRECTORY ${arbeit}
                OUTPUT_VARIABLE ausgabe RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0 OR NOT ausgabe MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps: ${ergebnis} ${ausgabe}")
endif()
file(WRITE ${ZIEL} "${CMAKE_MATCH_1}")
