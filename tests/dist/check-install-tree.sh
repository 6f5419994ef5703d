#!/usr/bin/env bash
# Installs the build into a temporary root, as the Debian package does, and checks that
# every file lands where the desktop, man and bash-completion look for it, and nothing
# else is installed.
#   check-install-tree.sh BUILD-FOLDER APP-ID VERSION
set -euo pipefail
build=$1 app_id=$2 version=$3

root=$(mktemp -d)
user=$(mktemp -d)
trap 'rm -rf "$root" "$user"' EXIT
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
  share/doc/vantprocess/changelog.gz share/doc/vantprocess/copyright
  share/man/man1/vant-dbcreator.1.gz share/man/man1/vantctl.1.gz share/man/man1/vantprocess.1.gz
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
for program in vantprocess vantctl vant-dbcreator; do
  page=$(zcat "$usr/share/man/man1/$program.1.gz")
  grep -q "^\.TH ${program^^} \"1\" .* \"$program $version\"" <<<"$page" || fail "$program.1 has no version $version"
  for option in $("$usr/bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$page" || fail "$program.1 does not mention $option"
  done
done

# vantctl's page gives the login options once, not once more for each command.
[ "$(zcat "$usr/share/man/man1/vantctl.1.gz" | grep -c 'password\\-file\\fR F')" = 1 ] ||
  fail "vantctl.1 does not give the login options exactly once"

# This version's release notes: the changelog's first entry and the metadata's release.
zcat "$usr/share/doc/vantprocess/changelog.gz" | head -n1 | grep -q "^vantprocess ($version) " ||
  fail "the changelog does not begin with version $version"
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
sed -n "/<release version=\"$version\"/,/<\/release>/p" "$metainfo" | grep -q "<li>" ||
  fail "the metadata has no release notes for version $version"

# An installed program writes its log into the user's state folder, never beside itself,
# even where it could (root may write /usr/bin). A missing version table is logged.
as_user() {
  env HOME="$user" XDG_STATE_HOME="$user/state" VANT_SETTINGS="$user/settings.conf" VANTCTL_PASSWORD=vant "$@"
}
as_user "$usr/bin/vant-dbcreator" --demo --server "$user/db" >/dev/null || fail "vant-dbcreator --demo failed"
sqlite3 "$user/db/vantdemo.db" "drop table QRX_PRODUCT_CONFIG"
! as_user "$usr/bin/vantctl" --user Admin check >/dev/null 2>&1 || fail "vantctl check passed without its version table"
[ -z "$(find "$usr" -name vantlog.txt)" ] || fail "a program wrote its log beside itself"
grep -qx "ErrForm : frmDB    ErrEvent : CheckDBVersion"$'\r' "$user/state/vant/vantlog.txt" ||
  fail "no log entry in the user's state folder"

if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" >/dev/null || {
    appstreamcli validate-tree --no-net "$root"
    fail "appstreamcli validate-tree"
  }
fi

[ "$failures" -eq 0 ] && echo "installed tree complete"
exit $((failures > 0))
