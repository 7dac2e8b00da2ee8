#!/usr/bin/env bash
# Runs a command inside a private X desktop and stops exactly what it started, also on failure.
#   private_desktop.sh [--size WxH] [--compositor] [--no-tray] [--no-wm] -- command [args...]
# The desktop is Xvfb on a free display, jwm (task list and system tray) and, on request,
# xcompmgr. The command's exit status is the script's.
set -u

size=1920x1080
compositor=0
wmconfig=jwmrc
wm=1
while [ $# -gt 0 ]; do
    case "$1" in
        --size) size=$2; shift 2 ;;
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
pids=()

stop_all() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        wait "${pids[i]}" 2>/dev/null
    done
    rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
    grep -q '^[0-9]' "$work/display" 2>/dev/null && break
    sleep 0.1
done
display=$(head -n1 "$work/display" 2>/dev/null)
if [ -z "$display" ]; then
    echo "private_desktop: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$display"
export XDG_RUNTIME_DIR="$work"; chmod 700 "$work"

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
