#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it as Debian does (lintian: no error, no
# warning) and its AppStream metainfo, unpacks it into a clean folder and runs what it installed:
# korvant-cli's catalogue list, a design as CSV and as JSON and its ACR table, the input file type
# recognised by its first line, the bash completion, korvant's help without a display, korvant up
# to its title screen on the offscreen platform, and the manual in place.
#   tools/package_check.sh [build dir]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
korvant_install_missing "${korvant_package_check_packages[@]}"

build=$(realpath "${1:-build}")
(cd "$build" && rm -f korvant_*.deb && cpack -G DEB)
package=$(ls "$build"/korvant_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
echo "== package $(basename "$package")"
dpkg-deb -f "$package" Package Version Depends

# Informational tags are shown; an error or a warning fails the check. The package's overrides
# (usr/share/lintian/overrides/korvant) say why each tag they keep does not apply.
lintian --fail-on error,warning --display-level ">=info" "$package"

dpkg -x "$package" "$root"
cli=$root/usr/bin/korvant-cli
[[ -f $root/usr/share/metainfo/org.example.korvant.metainfo.xml ]]
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.korvant.metainfo.xml"

thickness=$("$cli" --mix 34,62)
echo "installed korvant-cli: $thickness in"
[[ $thickness =~ ^[0-9]+\.[0-9]$ ]]
# The catalogue list and the ACR table: a heading and a row per aircraft of the catalogue.
catalogue_lines=$(wc -l <"$root/usr/share/korvant/fly.dll")
list_lines=$("$cli" --list-aircraft | wc -l)
acr_lines=$("$cli" --acr 2>/dev/null | wc -l)
echo "installed korvant-cli --list-aircraft, --acr: $list_lines, $acr_lines lines" \
  "for $catalogue_lines catalogue lines"
[[ $list_lines -eq $catalogue_lines && $acr_lines -eq $catalogue_lines ]]
"$cli" --list-aircraft | grep -q '^34,'
# A design as JSON: its document, status and thickness, the same as the CSV's.
"$cli" --mix 34,62 --format json | jq -e --arg caption "$thickness" \
  '.document == "design" and .exitStatus.code == 0 and .units == "English"
   and .design.thicknessCaption == $caption and .design.thickness > 4'
"$cli" --version

# An input data file under a name without its extension is known by its first line.
XDG_DATA_DIRS="$root/usr/share" update-mime-database "$root/usr/share/mime"
"$cli" --mix 34,62 --save "$root/design.inp" >/dev/null 2>&1
cp "$root/design.inp" "$root/design copy"
for file in "$root/design.inp" "$root/design copy"; do
  type=$(XDG_DATA_HOME="$root/none" XDG_DATA_DIRS="$root/usr/share:/usr/share" \
    gio info -a standard::content-type "$file" | sed -n 's/.*standard::content-type: //p')
  echo "$(basename "$file"): $type"
  [[ $type == application/x-korvant-input ]]
done

# The bash completion registers itself for korvant-cli.
bash -c 'source "$1" && complete -p korvant-cli' _ "$root/usr/share/bash-completion/completions/korvant-cli"

QT_QPA_PLATFORM=offscreen timeout 60 "$root/usr/bin/korvant" --quit-after-start
"$root/usr/bin/korvant" --version
DISPLAY= "$root/usr/bin/korvant" --help | head -1
grep -q "korvant-cli" "$root/usr/share/korvant/manual/index.html"
test -f "$root/usr/share/korvant/manual/window.png"
echo "installed package works"
