#!/usr/bin/env bash
# Installs the Debian packages the build needs. Idempotent and
# non-interactive: asks apt only for what is missing, and updates the package
# lists at most once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libstb-dev libxlsxwriter-dev libutfcpp-dev liborcus-dev libminizip-dev unzip locales
  python3
  libfreetype-dev zlib1g-dev fonts-liberation2 qt6-base-dev
)
# clang with its libFuzzer runtime, only for the fuzz targets (ZRLSS_FUZZ=1).
if [ "${ZRLSS_FUZZ:-0}" = 1 ]; then packages+=(clang); fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale for the test that numbers are read and written the
# same whatever the process locale.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "setup: generating the locale de_DE.UTF-8"
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
