# Shared by run.sh, test.sh and bench.sh: install what is missing, configure and build.
# shellcheck shell=bash

RUN_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libsqlite3-dev
              libxcb1-dev libxcb-randr0-dev libxcb-xinput-dev libxcb-shm0-dev libxcb-damage0-dev
              qt6-qpa-plugins qt6-translations-l10n fonts-liberation qt6-wayland libwayland-dev)
# The Debian package: CPack's dependency computing (dpkg-shlibdeps, file) and the checkers.
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream man-db)
TEST_PACKAGES=(libgtest-dev xvfb jwm xcompmgr xdotool xclip x11-utils imagemagick sqlite3
               poppler-utils dbus-daemon xfce4-settings xserver-xorg-core
               xserver-xorg-video-dummy x11-xserver-utils
               sway pipewire xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
               wl-clipboard wtype grim dbus-bin libglib2.0-bin "${PACKAGE_PACKAGES[@]}")
BENCH_PACKAGES=(libbenchmark-dev xvfb jwm x11-utils x11-apps xclip xdotool dbus-daemon
                sway pipewire xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
                wl-clipboard dbus-bin libglib2.0-bin)

# install_missing PACKAGE...: apt-get install whatever is not installed yet (sudo when not root).
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

# build DIR [cmake options...]: configure (Release) and build in DIR.
build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

# make_package DIR: the Debian package of the build in DIR, made by CPack; prints its path.
make_package() {
    local dir=$1
    rm -f "$dir"/package/lumacap_*.deb
    cpack --config "$dir/CPackConfig.cmake" -B "$dir/package" >/dev/null
    ls "$dir"/package/lumacap_*.deb
}
