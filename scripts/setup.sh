# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# Sourced, not run.

GRIDLEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

GRIDLEX_PACKAGES=(
  build-essential cmake ninja-build pkg-config help2man lld ccache clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libqt6svg6
  libjpeg62-turbo-dev libgif-dev libgtest-dev
  fonts-liberation xvfb xauth poppler-utils python3
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

# When ccache is installed, builds of several checkouts of the project share their compiled files
# (paths are taken relative to the folder holding the checkouts).
gridlex_launcher=()
if command -v ccache >/dev/null 2>&1; then
  gridlex_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR CCACHE_NOHASHDIR=1
  # The tests' precompiled headers are cached too.
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  CCACHE_BASEDIR=$(dirname "$GRIDLEX_ROOT")
fi

# Every build, the package's included, is compiled by clang: it compiles the project in two thirds
# of the time gcc takes (half in the sanitizer build), and the program it makes writes the same bytes.
GRIDLEX_COMPILER=clang++-14

# gridlex_forget_other_compiler DIR: a build folder configured by another compiler starts afresh.
# CMake would throw its cache away by itself, and with it the options of the command line (a
# sanitizer build would come out unsanitized).
gridlex_forget_other_compiler() {
  local cache=$1/CMakeCache.txt
  if [ -f "$cache" ] && ! grep -q "^CMAKE_CXX_COMPILER:.*/$GRIDLEX_COMPILER\$" "$cache"; then
    rm -rf "$cache" "$1/CMakeFiles"
  fi
}

# gridlex_build DIR [cmake options...]
gridlex_build() {
  local dir=$1
  shift
  gridlex_forget_other_compiler "$dir"
  cmake -S "$GRIDLEX_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$GRIDLEX_COMPILER" \
    "${gridlex_launcher[@]}" "$@" >/dev/null
  cmake --build "$dir"
}
