#!/bin/sh
# Without a display the program must say why it cannot open its window and end
# with a failure code, neither aborting nor running without a window.
program="$1"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" 2>&1)
status=$?
echo "$output"
if [ "$status" -eq 0 ] || [ "$status" -ge 128 ]; then
    echo "expected a plain failure code, got $status"
    exit 1
fi
echo "$output" | grep -q "kelvaro: cannot open the main window" || {
    echo "expected the reason on standard error"
    exit 1
}
