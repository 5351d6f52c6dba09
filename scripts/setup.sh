# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh, test.sh and web.sh: makes sure the Debian packages a
# task needs are installed. As root it installs what is missing; otherwise
# it prints the one apt-get line to run and stops.

# To build and play the game.
PAKETE_SPIEL=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev fonts-liberation python3
)

# To build and run every test of the game and the Qt-free layers.
PAKETE_TEST=(
  "${PAKETE_SPIEL[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev googletest
  clang libc++-dev libc++abi-dev
  xvfb xauth xdotool
  at-spi2-core python3-pyatspi dbus dbus-x11
  orca openbox libglib2.0-bin # the screen reader listening, in a window manager; gsettings turns it on
  desktop-file-utils appstream dpkg-dev file librsvg2-bin lintian
)

# To build the browser edition and test it in Chromium, Firefox ESR and
# WebKitGTK (whose MiniBrowser comes with libwebkit2gtk-4.1-0, a dependency
# of webkit2gtk-driver; it runs under xvfb-run). npm comes with the
# machine's Node.js, not from Debian's npm package, which conflicts.
PAKETE_WEB=(
  cmake make googletest emscripten nlohmann-json3-dev chromium python3-fonttools fonts-liberation
  firefox-esr webkit2gtk-driver xvfb xauth
  dpkg-dev # dpkg-source unpacks the JPEG library's source for the page's decoder
)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$pkg"
    fi
  done
}

# ensure_packages pkg...: installs those of the named packages that are missing.
ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@" | sort -u)
  [ "${#missing[@]}" -eq 0 ] && return 0

  if [ "$(id -u)" -ne 0 ]; then
    echo "Some packages are missing. Run this as root, then start again:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get -o DPkg::Lock::Timeout=600 update -qq
  apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into the given directory with both cores; further
# arguments go to CMake.
build_project() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}
