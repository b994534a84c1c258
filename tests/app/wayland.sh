#!/usr/bin/env bash
# PROGRAM MODEL under weston, headless at scale 2: its protocol log shows a window of app id
# "wyk-viewer", titled by the model, mapped at scale 2. With no display to reach: a German
# message and exit code 1. Without weston: skip (77), fail under CI.
set -u
source "$(dirname "$0")/../support/gemeinsam.sh"
dir=$(mktemp -d)
trap 'kill ${weston:-} ${viewer:-} 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir/run log=$dir/weston.log
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE QT_SCALE_FACTOR
for call in WAYLAND_DISPLAY=fehlt DISPLAY=:97 "DISPLAY=:97 QT_QPA_PLATFORM=fehlt"; do
    env $call "$1" >/dev/null 2>"$dir/err"
    check "$call: exit code" 1 $?
    check "$call: stderr but for the details" "wyk-viewer: Es lässt sich kein Bildschirm öffnen" \
        "$(sed 's/ (QT_QPA_PLATFORM=.*//' "$dir/err")"
done
command -v weston >/dev/null || skip "weston is missing"
weston --backend=headless-backend.so --use-pixman --scale=2 --socket=wyk --idle-time=0 \
    --logger-scopes=proto --log="$log" &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wyk" ] && break; sleep 0.1; done
WAYLAND_DISPLAY=wyk "$1" "$2" 2>"$dir/err" &
viewer=$!
# The client's requests to its window's surface, in order, on one line.
seen() {
    local client s rq
    client=$(grep -m 1 'set_app_id("wyk-viewer")' "$log" | grep -o 'client 0x[0-9a-f]*') || return
    # Weston 14 adds the process: "client 0x... (PID n) rq".
    rq="$client (\(PID [0-9]+\) )?rq"
    s=$(grep -E -o -m 1 "$rq.*get_xdg_surface\([^)]*\)" "$log" | grep -o 'wl_surface@[0-9]*')
    grep -E "$rq" "$log" | sed -n "s/.*\(set_title(\"[^\"]*\")\|ack_configure\).*/\1/p;
        s/.*$s\.\(set_buffer_scale([0-9]*)\|attach\|commit\).*/\1/p" | uniq | tr '\n' ' '
}
for _ in $(seq 300); do
    [[ "$(seen)" =~ ack_configure\ attach\ commit ]] || ! kill -0 $viewer 2>/dev/null && break
    sleep 0.1
done
mapped='set_buffer_scale\(2\).*set_title\("haus.wyk – WYK-Viewer"\).*ack_configure attach commit'
[[ "$(seen)" =~ $mapped ]] && ok=yes || ok="no: $(seen)"
check "weston's log: a window titled haus.wyk – WYK-Viewer mapped at scale 2" yes "$ok"
kill -0 $viewer 2>/dev/null || check "the viewer running" yes "no: $(cat "$dir/err")"
exit $status
