#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a clean folder and runs what it
# installed: korvant-cli on the bundled catalogue with a small mix and its ACR table, korvant's
# help without a display, korvant up to its title screen on the offscreen platform, and the manual
# in place.
#   tools/package_check.sh [build dir]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
(cd "$build" && rm -f korvant_*.deb && cpack -G DEB)
package=$(ls "$build"/korvant_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
echo "== package $(basename "$package")"
dpkg-deb -f "$package" Package Version Depends

thickness=$("$root/usr/bin/korvant-cli" --mix 34,62)
echo "installed korvant-cli: $thickness in"
[[ $thickness =~ ^[0-9]+\.[0-9]$ ]]
# The ACR table of the installed catalogue: a heading and a row per aircraft.
acr_lines=$("$root/usr/bin/korvant-cli" --acr 2>/dev/null | wc -l)
catalogue_lines=$(wc -l <"$root/usr/share/korvant/fly.dll")
echo "installed korvant-cli --acr: $acr_lines lines for $catalogue_lines catalogue lines"
[[ $acr_lines -eq $catalogue_lines ]]
"$root/usr/bin/korvant-cli" --version
QT_QPA_PLATFORM=offscreen timeout 60 "$root/usr/bin/korvant" --quit-after-start
"$root/usr/bin/korvant" --version
DISPLAY= "$root/usr/bin/korvant" --help | head -1
grep -q "korvant-cli" "$root/usr/share/korvant/manual/index.html"
test -f "$root/usr/share/korvant/manual/window.png"
echo "installed package works"
