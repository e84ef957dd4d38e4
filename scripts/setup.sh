#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests use and the machine lacks, so that
# both README commands work on a plain Debian 12 machine:
#   build:   cmake, ninja-build, g++, Qt 6 Core and its translation tools, bison, flex
#   tests:   GoogleTest/GoogleMock, lit and FileCheck (llvm-14-tools), python3, clang with its
#            sanitizer runtimes (libclang-rt-14-dev: a recommendation of clang, which
#            --no-install-recommends leaves out), and the real headers the tests load
#            (zlib, sqlite3, expat).
# "apt-get update" runs only when something is missing.
set -euo pipefail
needed=(cmake ninja-build g++ qt6-base-dev qt6-l10n-tools bison flex
        clang libclang-rt-14-dev libgtest-dev libgmock-dev llvm-14-tools python3
        zlib1g-dev libsqlite3-dev libexpat1-dev)
missing=()
for p in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
