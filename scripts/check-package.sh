#!/usr/bin/env bash
# Builds the Debian package of a build tree (cpack -G DEB) and checks its
# file list (dpkg-deb -c, scripts/installed-files.txt under /usr) and its
# control fields (dpkg-deb -f). With an output folder the package is kept there.
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
version=$(sed -n 's/^project(Tarvex VERSION \([0-9.]*\).*/\1/p' "$here/../CMakeLists.txt")
[[ "$(field Package)" == tarvex ]] || fail "Package: $(field Package)"
[[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version), the project's is $version"
[[ -n "$(field Maintainer)" ]] || fail "no Maintainer"
[[ "$(field Description)" == "editor for the 32-bit flag words of INI files"* ]] || fail "Description: $(field Description)"
for library in libqt6widgets6 libqt6svg6 libc6 qt6-translations-l10n; do
    [[ "$(field Depends)" == *"$library"* ]] || fail "Depends lacks $library: $(field Depends)"
done
((failed == 0)) || exit 1

if [[ -n "$output" ]]; then
    mkdir -p "$output"
    cp "$package" "$output/"
    echo "$output/$(basename "$package")"
fi
echo "package $(basename "$package"): file list and control fields ok"
