#!/usr/bin/env bash
# Runs a test program as a blind user's desktop would: its own D-Bus session and accessibility bus,
# a scratch X display, and the Debian screen reader (Orca) with speech on. No synthesizer is
# needed: Orca writes each utterance to its debug file ("SPEECH OUTPUT: '...'"), whose path the
# program gets in SIDELINES_SPEECH_LOG.   with_orca.sh PROGRAM [ARGS...]
set -euo pipefail
if [ -z "${SIDELINES_IN_SESSION:-}" ]; then
    exec env SIDELINES_IN_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
fail() { echo "with_orca.sh: $*" >&2; exit 1; }
for tool in Xvfb orca xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done
scratch="$(mktemp -d)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 -p "$scratch/runtime" "$scratch/orca" "$scratch/config" "$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
# Speech goes nowhere: no speech server is reached or started, so none is left running.
export SPEECHD_ADDRESS="unix_socket:$scratch/no-speech-server" SPEECHD_CMD=/bin/false

# A display of its own: Xvfb picks a free number and writes it to the pipe.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 -u "$display_fd" number || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=":$number"

# The accessibility bus, and accessibility switched on as a desktop's settings would.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/atspi.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 \
        && break
    sleep 0.05
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || fail "no accessibility bus"

# Speech only: a braille display is not there, and building its lines costs Orca seconds a step.
cat >"$scratch/orca/user-settings.conf" <<'JSON'
{"general": {"enableSpeech": true, "enableBraille": false, "enableBrailleMonitor": false},
 "profiles": {"default": {"profile": ["Default", "default"], "enableBraille": false}},
 "pronunciations": {}, "keybindings": {}}
JSON
export SIDELINES_SPEECH_LOG="$scratch/orca.out"
# Orca writes its debug file in blocks; started through this, each line reaches the file as it is
# said, so that the test can wait for an utterance instead of for a fixed time.
/usr/bin/python3 - "$scratch/orca" "$SIDELINES_SPEECH_LOG" >"$scratch/orca.log" 2>&1 <<'PY' &
import builtins, runpy, sys
prefs, log = sys.argv[1:3]
plain_open = builtins.open
def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == log:
        kwargs["buffering"] = 1
    return plain_open(file, mode, *args, **kwargs)
builtins.open = open_line_buffered
sys.argv = ["orca", "-u", prefs, "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
pids+=($!)
for _ in $(seq 400); do
    grep -q "ORCA: Starting registry" "$SIDELINES_SPEECH_LOG" 2>/dev/null && break
    kill -0 "${pids[-1]}" 2>/dev/null || fail "Orca ended at its start (another Orca of this user?): $(tail -5 "$scratch/orca.log")"
    sleep 0.05
done
grep -q "ORCA: Starting registry" "$SIDELINES_SPEECH_LOG" || fail "Orca did not start"
status=0
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" || status=$?
[ -z "${SIDELINES_KEEP_SPEECH_LOG:-}" ] || cp "$SIDELINES_SPEECH_LOG" "$SIDELINES_KEEP_SPEECH_LOG"
exit $status
