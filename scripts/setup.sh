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
  locales
  xdg-utils
)

faltam=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltam+=("$p")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
if [ ${#faltam[@]} -eq 0 ]; then
  echo "setup: all packages present"
else
  echo "setup: installing ${faltam[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltam[@]}"
fi

# A locale with a decimal comma: the tests check that numbers are written and
# read with "." whatever the locale.
if ! locale -a 2>/dev/null | grep -qix 'pt_BR.utf8'; then
  echo "setup: generating the pt_BR.UTF-8 locale"
  $sudo sed -i 's/^# *\(pt_BR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen > /dev/null
  $sudo locale-gen > /dev/null
fi
