#!/usr/bin/env bash
# Runs a command beside a private Wayland desktop (private_desktop.sh --wayland -- command):
# sway on its headless backend (one 1920x1080 output, HEADLESS-1, no GPU needed), PipeWire and
# xdg-desktop-portal with the wlr backend (Screenshot) and the gtk one, on a D-Bus session bus of
# their own. swaybar runs hidden, as the tray's StatusNotifierItem host.
#
# sway refuses to run as root, so as root the desktop runs as the unprivileged user `nobody`
# (LUMACAP_SESSION_USER tells the command so: start the programs under test as that user), in
# a PID and mount namespace of its own with a private /tmp: xdg-desktop-portal-wlr writes every
# screenshot to /tmp/out.png, which another desktop must not share, and whatever the desktop
# started (the portals come up through D-Bus activation) ends with it. The command runs as the
# caller, with WAYLAND_DISPLAY, SWAYSOCK, XDG_RUNTIME_DIR, DBUS_SESSION_BUS_ADDRESS and the
# XCURSOR_ variables (a transparent cursor theme) of the desktop. Its exit status is the script's.
set -u
[ "${1:-}" = -- ] && shift
[ $# -gt 0 ] || { echo "usage: private_desktop.sh --wayland -- command [args...]" >&2; exit 2; }

if [ "$(id -u)" = 0 ] && [ -z "${LUMACAP_WAYLAND_NAMESPACE:-}" ]; then
    export LUMACAP_WAYLAND_NAMESPACE=1
    exec unshare --pid --fork --mount --mount-proc --propagation private "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd -P)
if [ -n "${LUMACAP_WAYLAND_NAMESPACE:-}" ]; then
    # A private /tmp; the folders the caller works in there (a clone, the current folder, the
    # installed program) are bound back into it.
    outer=$(mktemp -d /run/lumacap-outer-tmp.XXXXXX) || exit 1
    mount --bind /tmp "$outer" || exit 1
    mount -t tmpfs -o mode=1777 lumacap-tmp /tmp || exit 1
    for keep in "$here" "$(pwd -P)" ${LUMACAP_INSTALL_DIR:+"$LUMACAP_INSTALL_DIR"}; do
        case $keep in
            /tmp/?*)
                top=${keep#/tmp/}
                top=${top%%/*}
                if [ ! -e "/tmp/$top" ]; then
                    mkdir "/tmp/$top" && mount --bind "$outer/$top" "/tmp/$top" || exit 1
                fi
                ;;
        esac
    done
    umount "$outer" && rmdir "$outer"
fi
unset LUMACAP_WAYLAND_NAMESPACE

work=$(mktemp -d)
chmod 755 "$work"
rt=$work/rt
home=$work/home
mkdir -p "$rt" "$home/.config/xdg-desktop-portal-wlr"
chmod 700 "$rt"
. "$here"/started_processes.sh || exit 1

cat >"$work/sway.conf" <<'EOF'
output HEADLESS-1 resolution 1920x1080 position 0 0 bg #336699 solid_color
default_border none
default_floating_border none
gaps inner 0
focus_on_window_activation focus
# The desktop draws the pointer into every screenshot (its cursor is software-drawn), so every
# cursor of the desktop and of its programs is a transparent one: pictures stay exact, and the
# pointer keeps its focus (a hidden cursor loses it, with the clicks that come meanwhile).
seat * xcursor_theme blank 24
xwayland disable
bar {
    mode invisible
    tray_output *
}
EOF
# Only ScreenCast reads it; without it xdg-desktop-portal-wlr would ask which output to share.
printf '[screencast]\nchooser_type=none\n' >"$home/.config/xdg-desktop-portal-wlr/config"

user_env=(PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME="$home"
          XDG_RUNTIME_DIR="$rt" XDG_CONFIG_HOME="$home/.config"
          XDG_DATA_HOME="$home/.local/share" XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
          NO_AT_BRIDGE=1 GTK_A11Y=none LANG=C.UTF-8 XCURSOR_PATH="$work/cursors"
          XCURSOR_THEME=blank XCURSOR_SIZE=24)
as_user=(env -i)
if [ "$(id -u)" = 0 ]; then
    export LUMACAP_SESSION_USER=nobody
    chown -R nobody:nogroup "$rt" "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env -i)
fi

# blank_cursor_theme DIR: an Xcursor theme whose every cursor is one transparent pixel.
blank_cursor_theme() {
    local le name
    mkdir -p "$1/cursors"
    le() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
        $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }
    # File header, one table entry (an image of nominal size 24), the 1 x 1 image.
    { printf Xcur; le 16; le 65536; le 1; le 0xfffd0002; le 24; le 28
      le 36; le 0xfffd0002; le 24; le 1; le 1; le 1; le 0; le 0; le 0; le 0; } >"$1/cursors/left_ptr"
    for name in X_cursor alias all-scroll arrow bd_double_arrow bottom_left_corner \
        bottom_right_corner bottom_side bottom_tee cell circle col-resize context-menu copy cross \
        cross_reverse crossed_circle crosshair default diamond_cross dnd-ask dnd-copy dnd-link \
        dnd-move dnd-no-drop dnd-none dotbox double_arrow draft_large draft_small e-resize \
        ew-resize fd_double_arrow fleur grab grabbing h_double_arrow hand hand1 hand2 help \
        left_ptr_help left_ptr_watch left_side left_tee link ll_angle lr_angle move n-resize \
        ne-resize nesw-resize no-drop not-allowed ns-resize nw-resize nwse-resize openhand pencil \
        pirate plus pointer progress question_arrow right_ptr right_side right_tee row-resize \
        s-resize sb_down_arrow sb_h_double_arrow sb_left_arrow sb_right_arrow sb_up_arrow \
        sb_v_double_arrow se-resize size_all size_bdiag size_fdiag size_hor size_ver split_h \
        split_v sw-resize target tcross text top_left_arrow top_left_corner top_right_corner \
        top_side top_tee ul_angle ur_angle v_double_arrow vertical-text w-resize wait watch xterm \
        zoom-in zoom-out; do
        ln -s left_ptr "$1/cursors/$name"
    done
    printf '[Icon Theme]\nName=blank\n' >"$1/index.theme"
}

# wait_for TEST...: up to 10 s for the test to pass.
wait_for() {
    local i
    for i in $(seq 1 500); do
        "$@" && return 0
        sleep 0.02
    done
    echo "wayland_desktop: gave up waiting for: $*" >&2
    return 1
}

blank_cursor_theme "$work/cursors/blank"

"${as_user[@]}" "${user_env[@]}" dbus-daemon --session --nofork --print-address=3 \
    3>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for grep -qs unix: "$work/bus" || exit 1
bus=$(head -n1 "$work/bus")
user_env+=(DBUS_SESSION_BUS_ADDRESS="$bus")

"${as_user[@]}" "${user_env[@]}" pipewire >"$work/pipewire.log" 2>&1 &
pids+=($!)
wait_for test -S "$rt/pipewire-0" || exit 1

"${as_user[@]}" "${user_env[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
socket_of() { compgen -G "$rt/$1" | head -n1; }
has_socket() { [ -n "$(socket_of "$1")" ]; }
wait_for has_socket 'wayland-[0-9]' || { cat "$work/sway.log" >&2; exit 1; }
wait_for has_socket 'sway-ipc.*.sock' || exit 1
display=$(basename "$(socket_of 'wayland-[0-9]')")
swaysock=$(socket_of 'sway-ipc.*.sock')
user_env+=(WAYLAND_DISPLAY="$display" SWAYSOCK="$swaysock")
wait_for "${as_user[@]}" "${user_env[@]}" swaymsg -t get_outputs >/dev/null 2>&1 || exit 1
"${as_user[@]}" "${user_env[@]}" dbus-update-activation-environment WAYLAND_DISPLAY SWAYSOCK \
    XDG_CURRENT_DESKTOP XDG_SESSION_TYPE NO_AT_BRIDGE GTK_A11Y HOME XDG_RUNTIME_DIR

# Debian 12's xdg-desktop-portal-wlr (0.7.0) may leave a message that reaches it while it starts
# unread until the next one, and the portal's first Screenshot then hangs for 25 s. Started
# before anything talks to it, it is settled by the first request.
"${as_user[@]}" "${user_env[@]}" gdbus call --session -d org.freedesktop.DBus \
    -o /org/freedesktop/DBus -m org.freedesktop.DBus.StartServiceByName \
    org.freedesktop.impl.portal.desktop.wlr 0 >/dev/null
sleep 0.5

export WAYLAND_DISPLAY="$display" SWAYSOCK="$swaysock" XDG_RUNTIME_DIR="$rt"
export DBUS_SESSION_BUS_ADDRESS="$bus" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
export XCURSOR_PATH="$work/cursors" XCURSOR_THEME=blank XCURSOR_SIZE=24
export QT_QPA_PLATFORM=wayland
unset DISPLAY
"$@"
exit $?
