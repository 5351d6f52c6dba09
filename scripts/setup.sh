# Sourced by run.sh and test.sh: makes sure every Debian package the build,
# the game and the tests need is installed. As root it installs what is
# missing; otherwise it prints the one apt-get line to run and stops.

PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev libjpeg62-turbo-dev fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool
  desktop-file-utils appstream dpkg-dev file librsvg2-bin
)

missing_packages() {
  local pkg
  for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$pkg"
    fi
  done
}

ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages)
  [ "${#missing[@]}" -eq 0 ] && return 0

  if [ "$(id -u)" -ne 0 ]; then
    echo "Some packages are missing. Run this as root, then start again:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into the given directory with both cores; further
# arguments go to CMake.
build_project() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}
