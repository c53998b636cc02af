# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening of every target, as Debian builds its packages (lintian checks the program and the module):
# position-independent code and executables, the stack protector, fortified calls of the C library
# (they need optimisation, so not in Debug builds, and not with the sanitizers, which check those
# calls themselves), relocations read-only and bound at start. The .comment section is taken out of
# the installed files (packaging/CMakeLists.txt).
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options(-fstack-protector-strong)
if(NOT ZELMO_SANITIZE AND NOT ZELMO_FUZZ)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
