#!/usr/bin/env bash
# talvora on an X display, run as a user and as XScreenSaver run it: full
# screen ends on a key, drawing into a foreign window ends when killed, a
# window of our own has the size asked for, and /c shows the setup dialog. Without a display it runs itself
# under Xvfb. TALVORA_SHOTS=DIR keeps the screenshots.
# usage: talvora_x11_test.sh PATH/TO/talvora PATH/TO/x11_test_window
set -uo pipefail
talvora=$1
test_window=$2
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
shots=${TALVORA_SHOTS:-$work}
mkdir -p "$shots"
children=()
cleanup() {
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
passed=0
failed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
  fi
}

check_range() {  # check_range NAME LOW HIGH ACTUAL
  if [ "$4" -ge "$2" ] && [ "$4" -le "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  expected: %s to %s\n  actual:   %s\n' "$1" "$2" "$3" "$4"
  fi
}

# Exits with the process's status once it has ended, or 124 after SECONDS.
wait_exit() {  # wait_exit PID SECONDS
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -le $deadline ]; do
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null)
    if [ -z "$state" ] || [[ $state == Z* ]]; then
      wait "$1"
      return
    fi
    sleep 0.1
  done
  return 124
}

running() {  # running PID: "yes" while the process lives
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null)
  if [ -n "$state" ] && [[ $state != Z* ]]; then echo yes; else echo no; fi
}

# Pixels of a screenshot that are not black (more than 10% in some channel).
lit_pixels() {  # lit_pixels FILE.png
  convert "$1" -threshold 10% -separate -evaluate-sequence max -format '%[fx:round(mean*w*h)]' info:
}

# Pixels of a screenshot that are the test window's own pure red.
red_pixels() {  # red_pixels FILE.png
  convert "$1" -fill black +opaque 'rgb(255,0,0)' -fill white -opaque 'rgb(255,0,0)' \
    -format '%[fx:round(mean*w*h)]' info:
}

size_of() { identify -format '%wx%h' "$1"; }

store=$work/settings.reg
# The champions slideshow: its first picture, 319 x 200, shows 50 ms after the start, whatever the
# random source draws, so "a frame is shown" never depends on where the balls happen to be.
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talvora\\Talvora Saver]\n"Saver"="4"\n' >"$store"
places=(--store "$store" --drive-c "$work/drive_c" --program-dir "$work")
screen=$(xdotool getdisplaygeometry | tr ' ' x)

# Full screen: the whole screen, a frame within a second, a key ends it.
"$talvora" "${places[@]}" /s &
pid=$!
children+=("$pid")
sleep 1
import -window root "$shots/fullscreen.png"
lit=$(lit_pixels "$shots/fullscreen.png")
check_range "full screen shows a frame within a second" 200 1000000000 "$lit"
window=$(xdotool search --name '^Talvora$' | head -1)
check "full screen covers the screen" "$screen" \
  "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')"
check "full screen runs until input" yes "$(running "$pid")"
xdotool key space
wait_exit "$pid" 3
check "a key ends full screen" 0 "$?"

# A foreign window, each way XScreenSaver or a preview names it: drawn into
# until the saver is killed.
"$test_window" 320 240 >"$work/window-id" &
children+=("$!")
for _ in $(seq 50); do [ -s "$work/window-id" ] && break; sleep 0.1; done
id=$(cat "$work/window-id")
hex=$(printf '0x%x' "$id")
import -window "$id" "$work/before.png"
check "the test window starts red" 76800 "$(red_pixels "$work/before.png")"
while IFS='|' read -r name environment arguments; do
  # shellcheck disable=SC2086
  env $environment "$talvora" "${places[@]}" $arguments &
  pid=$!
  children+=("$pid")
  shot="$shots/window-$name.png"
  for _ in $(seq 30); do
    sleep 0.1
    import -window "$id" "$shot"
    red=$(red_pixels "$shot")
    [ "$red" -lt 100 ] && break
  done
  check "$name: the window keeps its size" 320x240 "$(size_of "$shot")"
  check_range "$name: drawn over the whole window" 0 99 "$red"
  check "$name: runs until killed" yes "$(running "$pid")"
  kill -TERM "$pid"
  wait_exit "$pid" 3
  check "$name: SIGTERM ends it cleanly" 0 "$?"
done <<CASES
window-id-decimal|-u XSCREENSAVER_WINDOW|-window-id $id
window-id-hex|-u XSCREENSAVER_WINDOW|-window-id $hex
xscreensaver-window|XSCREENSAVER_WINDOW=$hex|-root
module-preview|-u XSCREENSAVER_WINDOW|/p $id
CASES

# A window of our own, of the size asked for.
"$talvora" "${places[@]}" --window=640x480 &
pid=$!
children+=("$pid")
window=$(timeout 10 xdotool search --sync --name '^Talvora$' | head -1)
sleep 1
check "--window opens a window of the size asked for" 640x480 \
  "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')"
import -window "$window" "$shots/window.png"
lit=$(lit_pixels "$shots/window.png")
check_range "--window shows a frame" 50 1000000000 "$lit"
kill -TERM "$pid"
wait_exit "$pid" 3
check "closing the window ends it" 0 "$?"

# The setup dialog: a borderless window of the dialog's outer frame, centred, named for the task
# bar, with the credits drawn over it. The store is the default one under XDG_CONFIG_HOME.
config=$work/config
default_store=$config/talvora/settings.reg
dialog_places=(--drive-c "$work/drive_c" --program-dir "$work")
setup_title='Vudavev Arura Talvora - Rizeda98 Screen Saver'
# The setup's client area is 591 x 305, the credits' 382 x 258, each in a frame 3 pixels wide
# with 22 above the client area; the credits lie centred over the setup.
setup_size=597x330
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
setup_x=$(((screen_width - 597) / 2))
setup_y=$(((screen_height - 330) / 2))
credits_x=$((setup_x + (597 - 388) / 2))
credits_y=$((setup_y + (330 - 283) / 2))

# Navy pixels of the window below its own caption bar: a dialog's caption drawn over it.
navy_below_caption() {  # navy_below_caption FILE.png
  convert "$1" -crop "597x300+$setup_x+$((setup_y + 30))" +repage \
    -fill black +opaque 'rgb(0,0,128)' -fill white -opaque 'rgb(0,0,128)' \
    -format '%[fx:round(mean*w*h)]' info:
}
stored_saver() {  # stored_saver: "yes" when the default store holds a Saver value
  if grep -q '^"Saver"=' "$default_store" 2>/dev/null; then echo yes; else echo no; fi
}

XDG_CONFIG_HOME=$config "$talvora" "${dialog_places[@]}" /c &
pid=$!
children+=("$pid")
window=$(timeout 10 xdotool search --sync --name "^$setup_title\$" | head -1)
sleep 1
check "/c opens the setup dialog's window" "$setup_title" "$(xdotool getwindowname "$window")"
check "/c: the window is the dialog's outer frame" "$setup_size" \
  "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')"
check "/c: the window is centred" "$setup_x,$setup_y" \
  "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')"
import -window root "$shots/setup.png"
check_range "/c: only the setup dialog shows" 0 49 "$(navy_below_caption "$shots/setup.png")"
xdotool key Escape
sleep 1
import -window root "$shots/setup-credits.png"
check_range "/c: Escape opens the credits over the setup" 2000 100000 \
  "$(navy_below_caption "$shots/setup-credits.png")"
# The credits' close box: 16 x 14 pixels, 5 below the window's top and 21 left of its right.
xdotool mousemove $((credits_x + 388 - 13)) $((credits_y + 12)) click 1
sleep 1
import -window root "$shots/setup-closed.png"
check_range "/c: the close box closes the credits" 0 49 \
  "$(navy_below_caption "$shots/setup-closed.png")"
check "/c: the setup stays" yes "$(running "$pid")"
# Cancelar: centred at (433, 298) in the window.
xdotool mousemove $((setup_x + 433)) $((setup_y + 298)) click 1
wait_exit "$pid" 3
check "/c: Cancelar ends it" 0 "$?"
check "/c: Cancelar stores nothing" no "$(stored_saver)"

XDG_CONFIG_HOME=$config "$talvora" "${dialog_places[@]}" /c &
pid=$!
children+=("$pid")
timeout 10 xdotool search --sync --name "^$setup_title\$" >/dev/null
sleep 1
xdotool key Return
wait_exit "$pid" 3
check "/c: Return is OK and ends it" 0 "$?"
check "/c: OK stores the choices" yes "$(stored_saver)"
"$talvora" -window-id nonsense 2>/dev/null
check "a bad window id is a usage error" 2 "$?"

echo "talvora_x11: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
