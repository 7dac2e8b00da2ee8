#!/usr/bin/env bash
# Runs a command inside a private X desktop and stops exactly what it started, also on failure.
#   private_desktop.sh [--size WxH] [--dpi N] [--scale F] [--monitors LAYOUT] [--compositor]
#                      [--no-tray] [--no-wm] -- command [args...]
#   private_desktop.sh --wayland -- command [args...]
# The desktop is Xvfb on a free display, jwm (task list and system tray) and, on request,
# xcompmgr. --dpi sets Xft.dpi (xrdb -merge; 144 is a common high density), --scale sets
# QT_SCALE_FACTOR for the command. --monitors makes several monitors, which Xvfb cannot: Xorg
# with the dummy driver (as root) and one RandR monitor per WxH+X+Y, separated by commas, the
# one marked * primary (else the first); for example
#   --monitors '1280x1024+0+0,1024x768+1280+128*'
# (different heights, the primary one on the right). The command's exit status is the script's.
# --wayland makes a private Wayland desktop instead (wayland_desktop.sh beside this script).
set -u

if [ "${1:-}" = --wayland ]; then
    shift
    [ "${1:-}" = -- ] && shift
    exec "$(dirname "$0")/wayland_desktop.sh" "$@"
fi

size=1920x1080
compositor=0
wmconfig=jwmrc
wm=1
dpi=
scale=
monitors=
while [ $# -gt 0 ]; do
    case "$1" in
        --size) size=$2; shift 2 ;;
        --dpi) dpi=$2; shift 2 ;;
        --scale) scale=$2; shift 2 ;;
        --monitors) monitors=$2; shift 2 ;;
        --compositor) compositor=1; shift ;;
        --no-tray) wmconfig=jwmrc-no-tray; shift ;;
        --no-wm) wm=0; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [options] -- command [args...]" >&2; exit 2; }

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
. "$here"/started_processes.sh

# xorg_config W H: the dummy driver's configuration for a W x H framebuffer.
xorg_config() {
    local w=$1 h=$2
    sed -e "s/@WIDTH@/$w/g" -e "s/@HEIGHT@/$h/g" -e "s/@VIDEORAM@/$((w * h * 4 / 1024 + 4096))/" \
        -e "s/@HSTART@/$((w + 96))/" -e "s/@HEND@/$((w + 296))/" -e "s/@HTOTAL@/$((w + 596))/" \
        -e "s/@VSTART@/$((h + 3))/" -e "s/@VEND@/$((h + 10))/" -e "s/@VTOTAL@/$((h + 39))/" \
        "$here/xorg-dummy.conf"
}

if [ -n "$monitors" ]; then
    IFS=, read -r -a layout <<<"$monitors"
    width=0 height=0 primary=0
    for i in "${!layout[@]}"; do
        m=${layout[i]}
        [[ $m == *'*' ]] && primary=$i
        IFS='x+' read -r mw mh mx my <<<"${m%'*'}"
        [ $((mx + mw)) -gt $width ] && width=$((mx + mw))
        [ $((my + mh)) -gt $height ] && height=$((my + mh))
    done
    xorg_config "$width" "$height" >"$work/xorg.conf"
    Xorg -displayfd 3 -config "$work/xorg.conf" -noreset -nolisten tcp -logfile "$work/xorg.log" \
        3>"$work/display" >"$work/server.log" 2>&1 &
else
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" \
        >"$work/server.log" 2>&1 &
fi
pids+=($!)
for _ in $(seq 1 100); do
    grep -q '^[0-9]' "$work/display" 2>/dev/null && break
    sleep 0.1
done
display=$(head -n1 "$work/display" 2>/dev/null)
if [ -z "$display" ]; then
    echo "private_desktop: the X server did not start" >&2
    cat "$work/server.log" >&2
    exit 1
fi
export DISPLAY=":$display"
export XDG_RUNTIME_DIR="$work"; chmod 700 "$work"
# An X11 session of its own, whatever session the script was started from.
unset WAYLAND_DISPLAY
export XDG_SESSION_TYPE=x11

if [ -n "$monitors" ]; then
    # set_monitor I NAME OUTPUT: monitor I of the layout (96 dots per inch) on the output.
    set_monitor() {
        local mw mh mx my
        IFS='x+' read -r mw mh mx my <<<"${layout[$1]%'*'}"
        xrandr --setmonitor "$2" "$mw/$((mw * 254 / 960))x$mh/$((mh * 254 / 960))+$mx+$my" "$3" \
            >/dev/null
    }
    for i in "${!layout[@]}"; do
        [ "$i" = "$primary" ] || set_monitor "$i" "M$i" none
    done
    # The primary monitor takes the server's one output, which makes it Qt's primary screen.
    set_monitor "$primary" "*M$primary" DUMMY0
fi
if [ -n "$dpi" ]; then
    echo "Xft.dpi: $dpi" | xrdb -merge
fi
if [ -n "$scale" ]; then
    export QT_SCALE_FACTOR="$scale"
fi

if [ "$wm" = 1 ]; then
    jwm -f "$here/$wmconfig" >"$work/jwm.log" 2>&1 &
    pids+=($!)
    # jwm is ready once it has set the window manager's check window on the root.
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
if [ "$compositor" = 1 ]; then
    xcompmgr -n >"$work/xcompmgr.log" 2>&1 &
    pids+=($!)
    # xcompmgr claims the compositing selection as it starts; give it that moment.
    sleep 0.5
fi

"$@"
status=$?
exit $status
