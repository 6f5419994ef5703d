#!/usr/bin/env bash
# Installs the build into a temporary root, as the Debian package does, and checks that
# every file lands where the desktop, man and bash-completion look for it, and nothing
# else is installed.
#   check-install-tree.sh BUILD-FOLDER APP-ID VERSION
set -euo pipefail
build=$1 app_id=$2 version=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

icon_sizes=(16 22 24 32 48 64 128 256)
expected=(
  bin/vant-dbcreator bin/vantctl bin/vantprocess
  share/applications/$app_id.desktop
  share/bash-completion/completions/vantctl
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/man/man1/vant-dbcreator.1.gz share/man/man1/vantctl.1.gz
  share/metainfo/$app_id.metainfo.xml
)
for size in "${icon_sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
installed=$(cd "$usr" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$installed"))"
stray=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "installed outside /usr: $stray"

for program in vantprocess vantctl vant-dbcreator; do
  [ -x "$usr/bin/$program" ] || fail "$program is not executable"
  answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/$program" --version) || fail "$program --version failed"
  [ "$answer" = "$program $version" ] || fail "$program --version says '$answer'"
done

# Each PNG is as large as its folder says (the width and height of the PNG header).
for size in "${icon_sizes[@]}"; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$png" ] || continue
  dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dimensions" = "${size}x${size}" ] || fail "$png is $dimensions"
done

# The desktop entry starts an installed program and names the installed icon.
entry=$usr/share/applications/$app_id.desktop
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$usr/bin/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"

# The manual pages describe each program's options as its --help does.
for program in vantctl vant-dbcreator; do
  page=$(zcat "$usr/share/man/man1/$program.1.gz")
  grep -q "^\.TH ${program^^} \"1\" .* \"$program $version\"" <<<"$page" || fail "$program.1 has no version $version"
  for option in $("$usr/bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$page" || fail "$program.1 does not mention $option"
  done
done

if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" >/dev/null || {
    appstreamcli validate-tree --no-net "$root"
    fail "appstreamcli validate-tree"
  }
fi

[ "$failures" -eq 0 ] && echo "installed tree complete"
exit $((failures > 0))
