#!/usr/bin/env bash
# Checks an installed Kestrany tree: check-tree.sh PREFIX BUILD_DIR
# Every expected file and nothing else, the desktop entry and the AppStream
# metainfo validated by their tools, the PNG icons at their sizes, the
# manual page readable, and the installed kestrany-calc answering. What is
# expected (version, icon sizes) comes from BUILD_DIR/packaging/expected.sh.
set -uo pipefail
prefix="$1"
# shellcheck source=/dev/null
source "$2/packaging/expected.sh"
read -r -a sizes <<<"$icon_sizes"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cd "$prefix"
desktop=(share/applications/*.desktop)
metainfo=(share/metainfo/*.metainfo.xml)
[ ${#desktop[@]} -eq 1 ] && [ -f "${desktop[0]}" ] || fail "one desktop entry expected: ${desktop[*]}"
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "one metainfo file expected: ${metainfo[*]}"
id="$(basename "${desktop[0]}" .desktop)"

expected=(bin/kestrany bin/kestrany-calc libexec/kestrany/kestrany-calc-sheet "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          share/icons/hicolor/scalable/apps/kestrany.svg share/man/man1/kestrany.1.gz share/man/man1/kestrany-calc.1.gz
          share/kestrany/README share/doc/kestrany/copyright share/doc/kestrany/changelog.gz
          share/lintian/overrides/kestrany)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/kestrany.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f -printf '%P\n' | sort) >&2 \
  || fail "installed files differ from the expected list (< expected, > installed)"
[ -d share/kestrany ] || fail "no share/kestrany folder for an installed language file"
for program in bin/kestrany bin/kestrany-calc libexec/kestrany/kestrany-calc-sheet; do [ -x "$program" ] || fail "$program is not executable"; done

desktop-file-validate "share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=kestrany' "share/applications/$id.desktop" || fail "desktop entry does not start kestrany"
grep -qx 'Icon=kestrany' "share/applications/$id.desktop" || fail "desktop entry does not name the icon"
appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net . || fail "appstreamcli validate-tree"
grep -q "<release version=\"$version\"" "share/metainfo/$id.metainfo.xml" || fail "metainfo lacks release $version"

for size in "${sizes[@]}"; do
  png="share/icons/hicolor/${size}x${size}/apps/kestrany.png"
  # The PNG header's width and height, big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x${h}"
done

for page in kestrany kestrany-calc; do
  man="share/man/man1/$page.1.gz"
  gzip -t "$man" || fail "$man is not gzip"
  zcat "$man" | head -1 | grep -q "^\.TH ${page^^} 1 .*$version" || fail "$man: title or version"
  if command -v man >/dev/null; then
    warnings="$(man --warnings -l "$man" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "$man warnings: $warnings"
  fi
done
zcat share/doc/kestrany/changelog.gz | head -1 | grep -q "^kestrany ($version) " || fail "changelog lacks $version"

out="$(bin/kestrany-calc --version)" || fail "kestrany-calc --version status"
[ "$out" = "kestrany-calc $version" ] || fail "kestrany-calc --version printed '$out'"
out="$(LC_ALL=C bin/kestrany-calc --gears 40,40 --pitch-mm 1.5 | tr -d '\r' | tail -1)"
[ "$out" = "1; 40; ; ; 40; 0.0; 1.5; 16.9333; " ] || fail "installed kestrany-calc calculated '$out'"

# The translator's template, written without a window or a display.
template="$(mktemp "${TMPDIR:-/tmp}/kestrany-template-XXXXXX")"
env -u DISPLAY -u WAYLAND_DISPLAY bin/kestrany --write-language-template "$template" 2>/dev/null \
  || fail "kestrany --write-language-template status"
for line in '[frmMain]' 'btnCalc=Calculate!' '[frmChart]' '[frmAbout]' '[frmPrint]' 'caption=Preview'; do
  grep -qxF "$line" "$template" || fail "the language template lacks '$line'"
done
rm -f "$template"

if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed" >&2; exit 1; fi
echo "installed tree OK: ${#expected[@]} files under $prefix"
