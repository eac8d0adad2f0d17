#!/usr/bin/env bash
# Builds the Debian package of a build tree (cpack -G DEB) and checks its
# file list (dpkg-deb -c, scripts/installed-files.txt under /usr), its
# control fields (dpkg-deb -f), its changelog's version, that its removal
# takes the Temp folder of a run as root, and that Debian's checkers find
# neither an error nor a warning: lintian on the package,
# desktop-file-validate on its desktop entry, appstreamcli on its AppStream
# metadata. With an output folder the package is kept there.
# Usage: scripts/check-package.sh <build folder> [<output folder>]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
output=${2:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1); then
    cat "$work/cpack.log" >&2
    exit 1
fi
package=$(find "$work" -maxdepth 1 -name 'tarvex_*.deb' | head -n 1)
[[ -n "$package" ]] || { echo "FAIL: cpack made no tarvex_*.deb" >&2; exit 1; }

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

contents=$(dpkg-deb -c "$package")
while read -r file; do
    grep -q " \./usr/$file\( -> .*\)\?$" <<< "$contents" || fail "not in the package: /usr/$file"
done < "$here/installed-files.txt"
grep -q " \./usr/bin/tarvex -> \.\./lib/tarvex/tarvex$" <<< "$contents" || fail "/usr/bin/tarvex is not a link to ../lib/tarvex/tarvex"

field() { dpkg-deb -f "$package" "$1"; }
version=$(sed -n 's/^FileVersion=//p' "$here/../resources/tarvex.version" | head -n 1)
[[ "$(field Package)" == tarvex ]] || fail "Package: $(field Package)"
[[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version), the project's is $version"
[[ -n "$(field Maintainer)" ]] || fail "no Maintainer"
[[ "$(field Description)" == "editor for the 32-bit flag words of INI files"* ]] || fail "Description: $(field Description)"
for library in libqt6widgets6 libqt6svg6 libc6 qt6-translations-l10n; do
    [[ "$(field Depends)" == *"$library"* ]] || fail "Depends lacks $library: $(field Depends)"
done

dpkg-deb -x "$package" "$work/root"
changelog=$(zcat "$work/root/usr/share/doc/tarvex/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[[ "$changelog" == "$version" ]] || fail "the changelog's latest version is $changelog, the package's $version"

# Removing the package takes the Temp folder that a run as root made in the program folder.
dpkg-deb -e "$package" "$work/control"
mkdir -p "$work/root/usr/lib/tarvex/Temp/left"
DPKG_ROOT="$work/root" sh "$work/control/prerm" remove || fail "prerm remove failed"
[[ ! -e "$work/root/usr/lib/tarvex/Temp" ]] || fail "removing the package leaves /usr/lib/tarvex/Temp behind"
[[ -e "$work/root/usr/lib/tarvex/tarvex" ]] || fail "prerm removed the program"

# Each checker's own verdict, and any line of an error or a warning in its output.
check() {
    local name=$1 pattern=$2
    shift 2
    local report
    if ! report=$("$@" 2>&1) || grep -Eq "$pattern" <<< "$report"; then
        echo "$report" >&2
        fail "$name"
    fi
}
check lintian '^[EW]: ' lintian --fail-on error,warning "$package"
check desktop-file-validate '(error|warning): ' \
    desktop-file-validate "$work/root/usr/share/applications/io.github.tarvex.Tarvex.desktop"
check appstreamcli '^[EW]: ' \
    appstreamcli validate --no-net "$work/root/usr/share/metainfo/io.github.tarvex.Tarvex.metainfo.xml"
((failed == 0)) || exit 1

if [[ -n "$output" ]]; then
    mkdir -p "$output"
    cp "$package" "$output/"
    echo "$output/$(basename "$package")"
fi
echo "package $(basename "$package"): file list, control fields, lintian, desktop entry and AppStream metadata ok"
