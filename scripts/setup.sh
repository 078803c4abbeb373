# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# Sourced, not run.

GRIDLEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

GRIDLEX_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libqt6svg6
  libjpeg62-turbo-dev libgif-dev libgtest-dev
  fonts-liberation xvfb xauth
  gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
)

gridlex_install() {
  local missing=()
  for package in "${GRIDLEX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# gridlex_build DIR [cmake options...]
gridlex_build() {
  local dir=$1
  shift
  cmake -S "$GRIDLEX_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir"
}
