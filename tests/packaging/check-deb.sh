#!/usr/bin/env bash
# Inspects the Debian package: check-deb.sh DEB BUILD_DIR
# Its name, version and architecture, run-time dependencies on the shared
# libraries' packages and no development packages, stripped executables,
# and its files: unpacked, they must form a complete installed tree under /usr.
set -uo pipefail
deb="$1"; build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=/dev/null
source "$build/packaging/expected.sh"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = kestrany ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "version '$(field Version)', expected $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture '$(field Architecture)'"
depends="$(field Depends)"
# The package names of the dependencies, one a line, without their versions.
depended="$(sed 's/([^)]*)//g; s/,/\n/g; s/ //g' <<<"$depends")"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qxF "$library" <<<"$depended" || fail "Depends lacks $library: $depends"
done
if grep -q -- '-dev' <<<"$depends"; then fail "Depends names a development package: $depends"; fi

unpacked="$(mktemp -d "${TMPDIR:-/tmp}/kestrany-deb-XXXXXX")"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
[ -z "$(find "$unpacked" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside /usr"
for program in bin/kestrany bin/kestrany-calc libexec/kestrany/kestrany-calc-sheet; do
  sections="$(readelf -S "$unpacked/usr/$program")"
  if grep -q '\.debug_info' <<<"$sections"; then fail "$program is not stripped"; fi
  if grep -q '\.comment' <<<"$sections"; then fail "$program keeps its .comment section"; fi
done
bash "$here/check-tree.sh" "$unpacked/usr" "$build" || fail "unpacked tree"

echo "Package:        $(field Package) $(field Version) $(field Architecture)"
echo "Depends:        $depends"
echo "Recommends:     $(field Recommends)"
echo "Installed-Size: $(field Installed-Size) KiB"
echo "File size:      $(stat -c %s "$deb") bytes ($deb)"
echo "Files:"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print "  " $6}'
if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed" >&2; exit 1; fi
echo "package OK"
