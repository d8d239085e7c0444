#!/usr/bin/env bash
# Installs what building the game needs on Debian: "play" for the game, "test" also for tests and
# benchmarks (with an SVG renderer and an XML checker), "fuzz" also for the AFL++ fuzzers,
# "windows" for the cross build of vaskorath.exe and its tests under Wine.
set -euo pipefail

purpose="${1:-play}"
packages=(g++ cmake ninja-build)
if [[ "$purpose" == "test" || "$purpose" == "fuzz" ]]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev)
  if [[ "$purpose" == "test" ]]; then
    # The tests render the situation maps with a real SVG renderer and parse them as XML.
    packages+=(librsvg2-bin libxml2-utils)
  fi
elif [[ "$purpose" == "windows" ]]; then
  # googletest brings the sources that the cross build compiles; wine brings the wine command.
  packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64)
fi
if [[ "$purpose" == "fuzz" ]]; then
  packages+=(afl++ clang)
fi

missing=()
if command -v dpkg-query >/dev/null 2>&1; then
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
else
  echo "Hinweis: kein Debian-Paketsystem gefunden; es wird angenommen, dass Compiler, CMake und Ninja vorhanden sind." >&2
fi

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Folgende Pakete fehlen und werden installiert: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
  echo "Fehler: Zum Installieren werden Administratorrechte gebraucht (root oder sudo)." >&2
  echo "Bitte als Administrator ausfuehren: apt-get install ${missing[*]}" >&2
  exit 1
fi
