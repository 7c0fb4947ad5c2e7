#!/usr/bin/env bash
# Installs what Rotalis needs from Debian's packages, builds it, then starts it or tests it.
#   ./setup.sh run    build and start the program
#   ./setup.sh test   build with AddressSanitizer and UndefinedBehaviorSanitizer, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ make cmake pkg-config
  locales       # the French locale the tests run in, as on the users' desktops
  qt6-base-dev libsqlcipher-dev libxlsxwriter-dev fonts-liberation
  libssl-dev    # the cipher of a roster file's first page, checked before SQLCipher reads it
  libical-dev   # each doctor's duties as a calendar file
  coinor-libcbc-dev  # the optimisation solver that corrects a year
  qt6-translations-l10n  # Qt's own dialogs in French
  sqlcipher     # the command-line shell the tests read a roster file with
  poppler-utils # pdftotext and pdfinfo, with which the tests read the printed PDF files
  python3-openpyxl python3-icalendar  # the tests read the workbook and the calendars back
  xvfb xauth    # a virtual display for running the program on a machine without one
)

install_missing() {
  local missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
}

# The users' own locale, which the tests run in.
generate_french_locale() {
  locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$' && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen
}

build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
run)
  install_missing
  build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here. Start Rotalis on a virtual display with:"
    echo "  xvfb-run -a -s '-screen 0 1280x1024x24' ./build/src/app/rotalis"
    exit 1
  fi
  exec ./build/src/app/rotalis
  ;;
test)
  install_missing
  generate_french_locale
  build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DROTALIS_SANITIZE=ON
  LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 TZ=Europe/Paris ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
  ;;
*)
  echo "usage: $0 run|test" >&2
  exit 2
  ;;
esac
