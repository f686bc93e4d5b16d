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
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
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
