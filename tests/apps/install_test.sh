#!/usr/bin/env bash
# cmake --install puts the program, the XScreenSaver hack description and the
# desktop entry where their users look for them.
# usage: install_test.sh BUILD_DIR
set -uo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
cmake --install "$1" --prefix "$prefix" >/dev/null || failed=1
for file in bin/talvora share/xscreensaver/config/talvora.xml share/applications/talvora.desktop; do
  [ -s "$prefix/$file" ] || { echo "FAILED: $file is not installed"; failed=1; }
done
[ -x "$prefix/bin/talvora" ] || { echo "FAILED: bin/talvora cannot be run"; failed=1; }
# The hack runs as XScreenSaver runs it: its command is "talvora -root".
grep -q '<command arg="-root"/>' "$prefix/share/xscreensaver/config/talvora.xml" ||
  { echo "FAILED: the hack description does not run talvora -root"; failed=1; }
grep -q '^Exec=talvora /s$' "$prefix/share/applications/talvora.desktop" ||
  { echo "FAILED: the desktop entry does not start talvora /s"; failed=1; }
exit "$failed"
