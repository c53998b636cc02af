#!/usr/bin/env bash
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

# The Debian package: built by CPack from the test build, its contents and dependencies checked, its
# desktop file and AppStream data validated; then a staged installation (DESTDIR) is started offscreen
# and closed the way a desktop session does. An installed program finds its help file in
# ../share/zelmotron and therefore keeps its files in the user's config folder: the settings file
# appearing there proves both.
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
  appstreamcli validate --no-net "$tmp/deb/usr/share/metainfo/$id.metainfo.xml"

  DESTDIR="$tmp/stage" cmake --install build --prefix /usr >/dev/null
  mkdir -p "$tmp/config"
  XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen "$tmp/stage/usr/bin/zelmotron" &
  local pid=$!
  sleep 3
  kill -0 "$pid" 2>/dev/null || { echo "staged program ended by itself" >&2; return 1; }
  kill -TERM "$pid"
  local rc=0
  wait "$pid" || rc=$?
  [[ $rc -eq 0 ]] || { echo "staged program closed with exit code $rc" >&2; return 1; }
  for f in ZelmosV121.ini ZelmosV121.dat; do
    [[ -f "$tmp/config/QR2ZUX_Software/Zelmotronik/$f" ]] || {
      echo "staged program did not keep $f in the config folder (help file not found?)" >&2
      return 1
    }
  done
  [[ ! -e "$tmp/stage/usr/bin/ZelmosV121.ini" ]] || { echo "staged program wrote beside itself" >&2; return 1; }
  staged_update_module "$tmp/stage/usr/bin/zelmotron" "$tmp/config"
  echo "package $deb: contents, dependencies, desktop file and AppStream data fine; staged program ran"
}

# The update path is a module of its own: the program file links none of its libraries, the module
# holds them all.
update_module_check() {
  local program=$1 module=$2 needed
  needed=$(readelf -d "$program" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p')
  if grep -E '^lib(Qt6Network|Qt6Concurrent|crypto|ssl|zip)\.' <<<"$needed"; then
    echo "the program file links the update path's libraries itself" >&2
    return 1
  fi
  needed=$(readelf -d "$module" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p')
  for lib in libQt6Network libcrypto libzip; do
    grep -q "^$lib\." <<<"$needed" || { echo "the update module does not link $lib" >&2; return 1; }
  done
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
  for _ in $(seq 50); do
    grep -q '/lib/zelmotron/zelmo_update\.so$' "/proc/$pid/maps" 2>/dev/null && { loaded=yes; break; }
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
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
    cd "$top"
    package_stage
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
