#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a picture of every page of the real program (offscreen) into docs/bilder for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build "${launcher[@]}" >/dev/null
cmake --build build --target zelmo_seitenbilder -j2
# German number format, as a technician's desktop shows it
QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 build/docs/zelmo_seitenbilder docs/bilder
ls docs/bilder
