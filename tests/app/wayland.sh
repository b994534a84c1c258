#!/usr/bin/env bash
# The windows as a client of a real Wayland compositor: weston, headless, its output at scale 2,
# in a runtime folder of its own. Weston's protocol log shows what it received from the client
# that named itself "wyk-viewer": the title, a window that maps (a buffer attached and
# committed after the first configure was acknowledged) and its buffers drawn at the output's
# scale. Where no display can be reached the program says so in German and exits with 1.
# Usage: wayland.sh PROGRAM. Without weston it skips (77), or fails where CI is set.
set -u
status=0
fail() { echo "FAILED: $*"; status=1; }
dir=$(mktemp -d)
trap 'kill "${weston:-}" "${viewer:-}" 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE QT_SCALE_FACTOR

# No compositor behind the name, no X server, or no plugin of the platform named.
for call in "WAYLAND_DISPLAY=fehlt" "DISPLAY=:97" "WAYLAND_DISPLAY=fehlt QT_QPA_PLATFORM=wayland" \
    "DISPLAY=:97 QT_QPA_PLATFORM=fehlt"; do
    env $call "$1" >/dev/null 2>"$dir/err"
    code=$?
    [ $code = 1 ] && grep -q "Es lässt sich kein Bildschirm öffnen" "$dir/err" &&
        [ "$(wc -l <"$dir/err")" = 1 ] || fail "$call: exit $code, $(cat "$dir/err")"
done

if ! command -v weston >/dev/null; then
    echo "weston is missing: the compositor checks do not run"
    [ -n "${CI:-}" ] && exit 1
    [ $status = 0 ] && exit 77 || exit 1
fi
log=$dir/weston.log
weston --backend=headless-backend.so --use-pixman --scale=2 --socket=wyk --idle-time=0 \
    --logger-scopes=proto --log="$log" &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wyk" ] && break; sleep 0.1; done
WAYLAND_DISPLAY=wyk "$1" 2>"$dir/err" &
viewer=$!

# The requests of the viewer's client to its toplevel, in order, as one line.
seen() {
    local client surface
    client=$(grep -m 1 'set_app_id("wyk-viewer")' "$log" | grep -o 'client 0x[0-9a-f]*')
    [ -n "$client" ] || return
    surface=$(grep "$client rq" "$log" | grep -o -m 1 'get_xdg_surface([^)]*)' |
        grep -o 'wl_surface@[0-9]*')
    grep "$client rq" "$log" | grep -o "set_title(\"[^\"]*\")\|ack_configure\|\
$surface\.set_buffer_scale([0-9]*)\|$surface\.attach(wl_buffer\|$surface\.commit()" |
        sed "s/$surface\.//; s/(wl_buffer//" | uniq | tr '\n' ' '
}
for _ in $(seq 300); do
    [[ "$(seen)" =~ ack_configure.*attach\ commit ]] && break
    kill -0 $viewer 2>/dev/null || break
    sleep 0.1
done
line=$(seen)
[[ "$line" =~ ^set_title\(\"WYK-Viewer\"\).*set_buffer_scale\(2\).*ack_configure.*attach\ commit ]] ||
    fail "weston saw no window of app id wyk-viewer titled WYK-Viewer mapped at scale 2: $line"
kill -0 $viewer 2>/dev/null || fail "the viewer ended: $(cat "$dir/err")"
exit $status
