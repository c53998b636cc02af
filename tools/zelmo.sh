#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build and run / test in one command.
#   tools/zelmo.sh run    install missing packages, build Release, start the program
#   tools/zelmo.sh test   install missing packages, build with tests, run every test offscreen
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
mode=${1:-run}

install_packages() {
  local missing=()
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < packages.txt
  if ((${#missing[@]})); then
    local sudo=""
    [[ $(id -u) -ne 0 ]] && sudo=sudo
    echo "installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

# The desktop locales the tests run under: German (decimal comma) and English (point). Without the
# locale installed the C library quietly stays in the C locale, and faults that follow the desktop's
# number format would never show.
locales=(de_DE.UTF-8 en_US.UTF-8)
install_locales() {
  local sudo="" l
  [[ $(id -u) -ne 0 ]] && sudo=sudo
  for l in "${locales[@]}"; do
    locale -a | grep -qixF "${l%%.*}.utf8" || $sudo localedef -i "${l%%.*}" -f UTF-8 "$l"
  done
}

# The whole program and test suite once more with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer, in build-asan/. Leaks of the system libraries below Qt are suppressed in
# tools/lsan.supp, each with its reason; any other finding fails the test that shows it.
sanitizer_tests() {
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DZELMO_TESTS=ON \
    -DZELMO_SANITIZE=ON "${launcher[@]}" >/dev/null
  cmake --build build-asan -j"$jobs"
  (
    cd build-asan
    LC_ALL=de_DE.UTF-8 ZELMO_LOCALE_PFLICHT=1 ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
      LSAN_OPTIONS="suppressions=$top/tools/lsan.supp:print_suppressions=0" \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
  )
}

# The libFuzzer targets of fuzz/ (clang, with both sanitizers), in build-fuzz/: each runs
# ZELMO_FUZZ_SEKUNDEN seconds (default 25) from its seeds in fuzz/corpus/<name>/ (which also hold the
# inputs that once found a fault). New inputs go to build-fuzz/korpus/, a failing input to build-fuzz/funde/.
fuzz_tests() {
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMO_TESTS=OFF -DZELMO_FUZZ=ON \
    "${launcher[@]}" >/dev/null
  cmake --build build-fuzz --target fuzz_alle -j"$jobs"
  local sekunden=${ZELMO_FUZZ_SEKUNDEN:-25} quelle name
  for quelle in fuzz/*_fuzz.cpp; do
    name=$(basename "$quelle" _fuzz.cpp)
    rm -rf "build-fuzz/korpus/$name"
    mkdir -p "build-fuzz/korpus/$name" build-fuzz/funde fuzz/corpus/"$name"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "build-fuzz/fuzz/fuzz_$name" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="build-fuzz/funde/$name-" "build-fuzz/korpus/$name" "fuzz/corpus/$name" \
      >"build-fuzz/fuzz_$name.log" 2>&1; then
      tail -n 60 "build-fuzz/fuzz_$name.log"
      echo "fuzz_$name found a fault; the input is in build-fuzz/funde/" >&2
      return 1
    fi
    echo "fuzz_$name: $(grep -E '^#[0-9]+.*(DONE|pulse)' "build-fuzz/fuzz_$name.log" | tail -n 1)"
  done
}

# Waits (at most $2 seconds) until process $1 has its own handler for SIGTERM, which the program sets
# up just before its window appears: from then on SIGTERM saves and closes it. Fails when the process
# ends or the time is up.
wait_for_term_handler() {
  local pid=$1 limit=$2 state mask i
  for ((i = 0; i < limit * 10; i++)); do
    read -r state mask < <(awk '/^State:/ {s = $2} /^SigCgt:/ {m = $2} END {print s, m}' "/proc/$pid/status" 2>/dev/null)
    [[ -n $mask && $state != Z && $state != X ]] || return 1
    (((16#$mask >> 14) & 1)) && return 0
    sleep 0.1
  done
  return 1
}

# The Debian package: built by CPack from the test build, its contents and dependencies checked,
# lintian, its desktop file, AppStream data and manual pages validated, the licence information of
# the tree checked (reuse lint); the staged program answers --version and --help without a display;
# then a staged installation (DESTDIR) is started offscreen and closed the way a desktop session does.
# An installed program finds its help file in ../share/zelmotron and therefore keeps its files in the
# user's config folder: the settings file appearing there proves both.
package_stage() {
  echo "== package"
  local id version deb tmp
  id=$(sed -n 's/^set(ZELMO_ID \(.*\))$/\1/p' packaging/CMakeLists.txt)
  version=$(sed -n 's/^project(Zelmotron VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  deb=build/zelmotron_${version}_amd64.deb
  rm -f "$deb"
  cmake --build build --target package >/dev/null
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' RETURN

  local contents
  contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
  local modul=./usr/lib/zelmotron/zelmo_update.so
  local expected=(./usr/bin/zelmotron "$modul" ./usr/share/zelmotron/ZelmosV121.chm
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$id.svg")
  expected+=(./usr/share/doc/zelmotron/copyright ./usr/share/doc/zelmotron/changelog.gz
    ./usr/share/man/man1/zelmotron.1.gz ./usr/share/man/de/man1/zelmotron.1.gz)
  for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  done
  for f in "${expected[@]}"; do
    grep -qxF "$f" <<<"$contents" || { echo "package lacks $f" >&2; return 1; }
  done
  if grep -v -e '/$' -e '^./usr/bin/zelmotron$' -e "^$modul\$" -e '^./usr/share/' <<<"$contents"; then
    echo "package holds files outside /usr/bin/zelmotron, $modul and /usr/share" >&2
    return 1
  fi

  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6svg6 libssl3 libchm1 libzip4; do
    sed 's/, /\n/g' <<<"$depends" | awk '{print $1}' | grep -qxF "$p" || { echo "Depends lacks $p" >&2; return 1; }
  done

  dpkg-deb -x "$deb" "$tmp/deb"
  update_module_check "$tmp/deb/usr/bin/zelmotron" "$tmp/deb/${modul#./}"
  desktop-file-validate "$tmp/deb/usr/share/applications/$id.desktop"
  local meldungen
  meldungen=$(appstreamcli validate --no-net --pedantic "$tmp/deb/usr/share/metainfo/$id.metainfo.xml") || {
    echo "$meldungen" >&2
    return 1
  }
  if grep -E '^[EW]:' <<<"$meldungen"; then
    echo "appstreamcli found errors or warnings in the AppStream data" >&2
    return 1
  fi
  lintian_check "$deb"
  manual_pages_check "$tmp/deb/usr/share/man"
  reuse lint >"$tmp/reuse.txt" || { cat "$tmp/reuse.txt" >&2; echo "reuse lint: licence information missing" >&2; return 1; }

  DESTDIR="$tmp/stage" cmake --install build --prefix /usr >/dev/null
  local l
  for l in "${locales[@]}"; do
    echo "staged program under LC_ALL=$l"
    LC_ALL=$l command_line_check "$tmp/stage/usr/bin/zelmotron" "$version" "$tmp/cli-$l" || return 1
    LC_ALL=$l staged_start "$tmp/stage/usr/bin/zelmotron" "$tmp/config-$l" || return 1
  done
  echo "package $deb: contents, dependencies, desktop file and AppStream data fine; staged program ran"
}

# A staged installation started offscreen and closed the way a desktop session does; it keeps its files
# in the user's config folder (XDG_CONFIG_HOME=$2) and loads its update module after start-up. Run
# under each desktop locale: the second start reads what the first one wrote.
staged_start() {
  local program=$1 config=$2
  mkdir -p "$config"
  XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen "$program" &
  local pid=$!
  # up when it handles SIGTERM itself; a loaded machine may take long to get there
  if ! wait_for_term_handler "$pid" 120; then
    if kill -0 "$pid" 2>/dev/null; then
      echo "staged program did not come up within 120 s" >&2
      kill -KILL "$pid"
    else
      echo "staged program ended by itself" >&2
    fi
    wait "$pid" || true
    return 1
  fi
  kill -TERM "$pid"
  local rc=0
  wait "$pid" || rc=$?
  [[ $rc -eq 0 ]] || { echo "staged program closed with exit code $rc" >&2; return 1; }
  for f in ZelmosV121.ini ZelmosV121.dat; do
    [[ -f "$config/QR2ZUX_Software/Zelmotronik/$f" ]] || {
      echo "staged program did not keep $f in the config folder (help file not found?)" >&2
      return 1
    }
  done
  [[ ! -e "$(dirname "$program")/ZelmosV121.ini" ]] || { echo "staged program wrote beside itself" >&2; return 1; }
  staged_update_module "$program" "$config"
}

# lintian --pedantic on the package: no error, no warning, no hardening tag (the informational and
# pedantic rest is shown, and the overrides of packaging/lintian-overrides with their reasons).
lintian_check() {
  local deb=$1 ausgabe
  ausgabe=$(lintian --pedantic --display-info --show-overrides --tag-display-limit 0 "$deb" 2>&1) || true
  [[ -z $ausgabe ]] || echo "$ausgabe"
  if grep -E -e '^[EW]: ' -e '^[IPX]: .* hardening-' <<<"$ausgabe" >/dev/null; then
    echo "lintian found errors, warnings or hardening tags in $deb" >&2
    return 1
  fi
  echo "lintian: no error, no warning, no hardening tag"
}

# Every manual page of the package renders at 80 columns without a warning.
manual_pages_check() {
  local seite warnungen
  for seite in "$1"/man1/zelmotron.1.gz "$1"/de/man1/zelmotron.1.gz; do
    warnungen=$(MANWIDTH=80 man --warnings -l "$seite" 2>&1 >/dev/null)
    [[ -z $warnungen ]] || { echo "$seite: $warnungen" >&2; return 1; }
  done
}

# --version and --help answer without a display and without a file; a wrong call ends with 2.
command_line_check() {
  local program=$1 version=$2 home=$3 ausgabe rc
  mkdir -p "$home"
  local ohne=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$home/config" HOME="$home")
  ausgabe=$("${ohne[@]}" "$program" --version) || { echo "zelmotron --version failed" >&2; return 1; }
  [[ $ausgabe == "Zelmotron $version" ]] || { echo "zelmotron --version printed: $ausgabe" >&2; return 1; }
  ausgabe=$("${ohne[@]}" "$program" --help) || { echo "zelmotron --help failed" >&2; return 1; }
  [[ $ausgabe == "Aufruf: zelmotron "* ]] || { echo "zelmotron --help printed: $ausgabe" >&2; return 1; }
  rc=0
  "${ohne[@]}" "$program" --gibtesnicht 2>/dev/null || rc=$?
  [[ $rc -eq 2 ]] || { echo "zelmotron --gibtesnicht ended with $rc, not 2" >&2; return 1; }
  if [[ -n $(find "$home" -mindepth 1 -print -quit) ]]; then
    echo "zelmotron --version/--help wrote files:" >&2
    find "$home" -mindepth 1 >&2
    return 1
  fi
  echo "zelmotron --version and --help answered without display and files"
}

# The update path is a module of its own: the program file links none of its libraries, the module
# holds them all. The module links none of the program's code either (it gets the program's services
# handed over): the program file exports only the few symbols the dynamic linker asks of any program,
# at most $exports_limit, and the module leaves no symbol of the program's namespace zelmo undefined.
exports_limit=40
update_module_check() {
  local program=$1 module=$2 needed exported open
  needed=$(readelf -d "$program" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p')
  if grep -E '^lib(Qt6Network|Qt6Concurrent|crypto|ssl|zip)\.' <<<"$needed"; then
    echo "the program file links the update path's libraries itself" >&2
    return 1
  fi
  needed=$(readelf -d "$module" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p')
  for lib in libQt6Network libcrypto libzip; do
    grep -q "^$lib\." <<<"$needed" || { echo "the update module does not link $lib" >&2; return 1; }
  done
  exported=$(nm -D --defined-only "$program" | wc -l)
  if ((exported > exports_limit)); then
    echo "the program file exports $exported dynamic symbols, more than $exports_limit; the first:" >&2
    nm -D --defined-only -C "$program" | sed -n 1,20p >&2
    return 1
  fi
  open=$(nm -D --undefined-only -C "$module" | grep -E '(^|[^[:alnum:]_:])zelmo::') || true
  if [[ -n $open ]]; then
    echo "the update module expects code of the program from the program file:" >&2
    echo "$open" >&2
    return 1
  fi
  echo "the program file exports $exported dynamic symbols; the update module needs none of them"
}

# A staged program with the automatic update check on finds its module in the installation's library
# folder and loads it after start-up. The check goes to a proxy on a closed local port, never out.
staged_update_module() {
  local program=$1 config=$2 ini=$2/QR2ZUX_Software/Zelmotronik/ZelmosV121.ini
  sed -i 's/^AutoUpdate=0/AutoUpdate=1/' "$ini"
  grep -q '^AutoUpdate=1' "$ini" || { echo "no AutoUpdate key in the staged settings file" >&2; return 1; }
  XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen https_proxy=http://127.0.0.1:9 http_proxy=http://127.0.0.1:9 \
    no_proxy= "$program" &
  local pid=$! loaded=""
  # a loaded machine may take long to get there; the module comes right after the first frame
  for _ in $(seq 1200); do
    grep -q '/lib/zelmotron/zelmo_update\.so$' "/proc/$pid/maps" 2>/dev/null && { loaded=yes; break; }
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -TERM "$pid" 2>/dev/null || true
  local rc=0
  wait "$pid" || rc=$?
  [[ -n $loaded ]] || { echo "staged program did not load its update module" >&2; return 1; }
  [[ $rc -eq 0 ]] || { echo "staged program with update check closed with exit code $rc" >&2; return 1; }
  echo "staged program loaded its update module after start-up"
}

install_packages
install_locales
jobs=$(nproc 2>/dev/null || echo 2)
# A compiler cache, when the machine has one, makes repeated builds quick; the build does not need it.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
case "$mode" in
  run)
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZELMO_TESTS=OFF "${launcher[@]}" >/dev/null
    cmake --build build-release -j"$jobs"
    exec build-release/zelmotron
    ;;
  test)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMO_TESTS=ON "${launcher[@]}" >/dev/null
    cmake --build build -j"$jobs"
    for l in "${locales[@]}"; do
      echo "== tests under LC_ALL=$l"
      (cd build && LC_ALL=$l ZELMO_LOCALE_PFLICHT=1 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
    done
    package_stage
    sanitizer_tests
    fuzz_tests
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
