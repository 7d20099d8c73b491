#!/usr/bin/env bash
# Installs every Debian package the build, the programs and the tests need.
# Idempotent and without questions: packages already there are left alone.
set -euo pipefail

pacotes=(
  cmake
  g++
  make
  pkg-config
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  qt6-base-dev
  fonts-dejavu-core
  libcups2-dev
  cups-daemon
  cups-client
  xvfb
  xauth
  poppler-utils
  qt6-translations-l10n
)

faltam=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltam+=("$p")
  fi
done

if [ ${#faltam[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "setup: installing ${faltam[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltam[@]}"
