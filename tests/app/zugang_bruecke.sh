#!/bin/sh
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with the real Linux accessibility bridge: an X server (Xvfb), a D-Bus session bus and
# the accessibility bus of at-spi2-core (started by asking the session bus for its address), Qt's
# bridge switched on as a screen reader would.
#   zugang_bruecke.sh <command> [arguments]
set -e
exec xvfb-run -a dbus-run-session -- sh -c '
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
  exec env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ZELMO_ZUGANG_BRUECKE=1 "$@"' sh "$@"
