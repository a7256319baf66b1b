#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ringlark need, only when missing.
#   scripts/install-deps.sh [build|test|demo]
set -euo pipefail

build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libmpg123-dev libsdl2-dev
  fonts-wqy-microhei            # the captions are Chinese: without a CJK font they show as boxes
  dpkg-dev file                 # scripts/package.sh: CPack finds the .deb's libraries with them
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  lame sox mpg123              # make and check the MP3 fixtures
)

demo_packages=(
  xvfb x11-utils xdotool imagemagick   # a private X server, driven like a person, photographed
)

wanted=("${build_packages[@]}")
case "${1:-build}" in
  test) wanted+=("${test_packages[@]}") ;;
  demo) wanted+=("${demo_packages[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
