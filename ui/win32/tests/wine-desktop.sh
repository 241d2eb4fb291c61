#!/bin/sh
# Starts the desktop keeper under Wine, its output sent away, and waits until
# the desktop is up:  wine-desktop.sh WINE_RUN KEEPER.exe READY_FILE
wine_run=$1 keeper=$2 ready=$3
# Without a display there are no windows to test: nothing to keep.
[ -n "$DISPLAY" ] || exit 0
rm -f "$ready"
# No window manager runs on the test display: Wine draws the windows' frames
# itself instead of waiting, each time a window closes, for a window manager
# to answer.
"$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 </dev/null
"$wine_run" "$keeper" "Z:$ready" >/dev/null 2>&1 </dev/null &
for _ in $(seq 600); do
    [ -e "$ready" ] && exit 0
    sleep 0.1
done
echo "wine-desktop.sh: the desktop did not start within 60 s" >&2
exit 1
