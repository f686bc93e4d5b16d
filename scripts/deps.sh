# SPDX-License-Identifier: GPL-3.0-or-later
# Debian packages Korvel needs to build, test and play; sourced by the other scripts.
KORVEL_PACKAGES="cmake g++ make ccache qt6-base-dev qt6-qpa-plugins \
libgl-dev libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev gstreamer1.0-plugins-base \
gstreamer1.0-plugins-good gstreamer1.0-alsa gstreamer1.0-tools lame python3 xvfb xauth \
fonts-liberation2 fonts-comic-neue dbus-daemon desktop-file-utils pkg-config libtag1-dev"

korvel_install_packages() {
  local missing=()
  for p in $KORVEL_PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Installing Debian packages needs root: run this once as root, or install sudo" >&2
      return 1
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# Configure one tree: korvel_configure DIR [cmake options...]
korvel_configure() {
  local dir=$1; shift
  # Lets work trees of the same project share compiled objects.
  export CCACHE_BASEDIR="$KORVEL_ROOT" CCACHE_NOHASHDIR=1
  cmake -S "$KORVEL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Configure and build everything of one tree: korvel_build DIR [cmake options...]
korvel_build() {
  korvel_configure "$@"
  cmake --build "$1" -j"$(nproc)"
}

# Build the program of build/release alone and install it into build/release/installed,
# where it keeps the user's files in the data folder as any installed copy does.
KORVEL_PROGRAM="$KORVEL_ROOT/build/release/installed/bin/korvel"
korvel_install_program() {
  local build="$KORVEL_ROOT/build/release"
  korvel_configure "$build" --log-level=WARNING
  cmake --build "$build" --target installable -j"$(nproc)"
  cmake --install "$build" --prefix "$build/installed" >/dev/null
}
