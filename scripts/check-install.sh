#!/usr/bin/env bash
# Installs a build tree into a temporary DESTDIR under the prefix /usr and
# checks what lands there: every file of scripts/installed-files.txt, the
# bin/ link, the desktop entry (desktop-file-validate), the manual pages'
# word for the header tarvex-include writes, and that the
# installed program, started through its link on the offscreen platform
# from a read-only folder (as an ordinary user when run as root), stays up.
# Usage: scripts/check-install.sh <build folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr > "$stage/install.log"
root="$stage/usr"

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

while read -r file; do
    [[ -e "$root/$file" ]] || fail "not installed: $file"
done < "$here/installed-files.txt"
[[ -x "$root/lib/tarvex/tarvex" ]] || fail "lib/tarvex/tarvex is not executable"
[[ "$(readlink "$root/bin/tarvex")" == "../lib/tarvex/tarvex" ]] || fail "bin/tarvex is not the link ../lib/tarvex/tarvex"
desktop-file-validate "$root/share/applications/io.github.tarvex.Tarvex.desktop" || fail "desktop-file-validate"
# The manual pages name the header the installed tarvex-include writes, and tarvex(1) refers to it.
printf '[ACCESS]\r\nFLAGS=$00000000,bf;x\r\n' > "$stage/myapp_v2.ini"
header=$(cd "$stage" && "$root/bin/tarvex-include" --form c myapp_v2.ini ACCESS FLAGS)
zcat "$root/share/man/man1/tarvex-include.1.gz" | grep -qF "writes $(basename "$header")" ||
    fail "tarvex-include(1) does not name the header it writes, $header"
zcat "$root/share/man/man1/tarvex.1.gz" | grep -qF ".BR tarvex-include (1)" || fail "tarvex(1) does not refer to tarvex-include(1)"
((failed == 0)) || exit 1

# Installed programs live in folders their users cannot write to.
chmod 755 "$stage"
chmod -R a-w "$root/lib/tarvex"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
log="$stage/run.log"
"${as_user[@]}" env QT_QPA_PLATFORM=offscreen HOME=/nonexistent "$root/bin/tarvex" > "$log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2> /dev/null; then
    wait "$pid" || true
    cat "$log" >&2
    fail "the installed program did not stay up"
    exit 1
fi
kill "$pid"
wait "$pid" 2> /dev/null || true
[[ ! -e "$root/lib/tarvex/Temp" ]] || fail "a Temp folder appeared in the read-only program folder"
chmod -R u+w "$root/lib/tarvex"
((failed == 0)) || exit 1
echo "install layout, desktop entry and start-up: ok"
