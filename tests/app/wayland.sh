#!/usr/bin/env bash
# PROGRAM as a client of weston, headless at scale 2 in a runtime folder of its own: weston's
# protocol log of the client of app id "wyk-viewer" shows the title, buffers at the output's
# scale and a window that maps (a buffer committed after the first configure was
# acknowledged). With no display to reach, a German message and exit code 1. Without weston
# the compositor checks skip (77), or fail where CI is set.
set -u
status=0
fail() { echo "FAILED: $*"; status=1; }
dir=$(mktemp -d)
trap 'kill ${weston:-} ${viewer:-} 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir/run log=$dir/weston.log
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE QT_SCALE_FACTOR
for call in WAYLAND_DISPLAY=fehlt DISPLAY=:97 "WAYLAND_DISPLAY=fehlt QT_QPA_PLATFORM=wayland" \
    "DISPLAY=:97 QT_QPA_PLATFORM=fehlt"; do
    env $call "$1" >/dev/null 2>"$dir/err"
    code=$?
    [ $code = 1 ] && [ "$(grep -c "Es lässt sich kein Bildschirm öffnen" "$dir/err")" = 1 ] &&
        [ "$(wc -l <"$dir/err")" = 1 ] || fail "$call: exit $code, $(cat "$dir/err")"
done
if ! command -v weston >/dev/null; then
    echo "weston is missing"; [ -z "${CI:-}" ] && [ $status = 0 ] && exit 77; exit 1
fi
weston --backend=headless-backend.so --use-pixman --scale=2 --socket=wyk --idle-time=0 \
    --logger-scopes=proto --log="$log" &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wyk" ] && break; sleep 0.1; done
WAYLAND_DISPLAY=wyk "$1" 2>"$dir/err" &
viewer=$!
# The client's requests to its toplevel's surface, in order, on one line.
seen() {
    local client s rq
    client=$(grep -m 1 'set_app_id("wyk-viewer")' "$log" | grep -o 'client 0x[0-9a-f]*') || return
    # Weston 14 names the client's process too: "client 0x... (PID n) rq".
    rq="$client (\(PID [0-9]+\) )?rq"
    s=$(grep -E -o -m 1 "$rq.*get_xdg_surface\([^)]*\)" "$log" | grep -o 'wl_surface@[0-9]*')
    grep -E "$rq" "$log" | sed -n "s/.*\(set_title(\"[^\"]*\")\|ack_configure\).*/\1/p;
        s/.*$s\.\(set_buffer_scale([0-9]*)\|attach\|commit\).*/\1/p" | uniq | tr '\n' ' '
}
for _ in $(seq 300); do
    [[ "$(seen)" =~ ack_configure\ attach\ commit ]] || ! kill -0 $viewer 2>/dev/null && break
    sleep 0.1
done
mapped='^set_title\("WYK-Viewer"\).*set_buffer_scale\(2\).*ack_configure attach commit'
[[ "$(seen)" =~ $mapped ]] ||
    fail "weston saw no window of app id wyk-viewer titled WYK-Viewer mapped at scale 2: $(seen)"
kill -0 $viewer 2>/dev/null || fail "the viewer ended: $(cat "$dir/err")"
exit $status
