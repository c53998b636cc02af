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
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
