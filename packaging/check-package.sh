#!/usr/bin/env bash
# Checks the .deb as a user's machine meets it, without installing it: unpacked into a scratch folder, it
# passes lintian and the desktop entry and AppStream validators, its menu entry starts the binary and shows
# the icon it ships, it depends on the package of every library the binary links, and the unpacked binary
# brings up its main window under a window manager.
# Usage: check-package.sh PACKAGE.deb X11PROBE
set -euo pipefail
deb=$(realpath "$1")
probe=$(realpath "$2")
. "$(dirname "$0")/../tests/e2e/lib.sh"
root=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

echo "== lintian"
said=$(lintian --fail-on error,warning --display-info --display-experimental --pedantic "$deb" 2>&1) || failed=1
grep -v 'root privileges' <<<"$said" || true
[ -z "${failed:-}" ] || e2e_fail "lintian finds errors or warnings in $deb"

echo "== desktop-file-validate, appstreamcli validate-tree --no-net"
entry=$(echo "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$entry"
appstreamcli validate-tree --no-net "$root"

# The entry's own keys, not those of its actions.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$entry"; }
binary=$root/usr/bin/$(key Exec)
[ -x "$binary" ] || e2e_fail "the menu entry starts \"$(key Exec)\", which the package does not ship in /usr/bin"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$(key Icon).svg" ] ||
    e2e_fail "the menu entry shows the icon \"$(key Icon)\", which the package does not ship"

echo "== dependencies"
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | awk '{ print $1 }')
libdir=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in $(objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }'); do
    owner=$(dpkg -S "*/$libdir/$lib" | head -n 1 | cut -d: -f1)
    grep -qxF "$owner" <<<"$depends" || e2e_fail "the binary links $lib from $owner, but the package does not depend on it"
done

echo "== start under Xvfb and openbox"
e2e_start_display
e2e_start "$binary"
[ "${win_w}x$win_h" = 691x429 ] || e2e_fail "the client area is ${win_w}x$win_h, not 691x429"
# On X11 the desktop ties the running window to its menu entry by the window's class.
xprop -id "$main" WM_CLASS | grep -qF ", \"$(key StartupWMClass)\"" ||
    e2e_fail "the window's class is $(xprop -id "$main" WM_CLASS), not the menu entry's $(key StartupWMClass)"
e2e_quit "$main"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, checked"
