#!/usr/bin/env bash
# Installing: `cmake --install` into a temporary prefix lays out the program folder,
# the launcher and the icon; the desktop file is valid; the installed launcher
# starts the program under Xvfb with a window manager from a per-user copy, where
# the run's files are written and the installed folder stays untouched; `cpack -G
# DEB` packs the folder under /opt and the launcher and icon under /usr/share.
# Usage: install.sh <build dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
build=$1
dir=$(mktemp -d /tmp/lexavo-install-XXXXXX)
trap 'stop_display; rm -rf "$dir"' EXIT
fail() { echo "e2e install: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }

prefix=$dir/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
folder=$prefix/opt/lexavo
for f in lexavo pomocnik lexavo-launcher lexavo.svg dictionary-data-licence.txt \
         angcze.nfo angcze.dt1 angcze.dt2 czeang.dt2 nemcze.dt2 czenem.dt2; do
    [ -f "$folder/$f" ] || fail "$f is not installed"
done
desktop=$prefix/usr/share/applications/lexavo.desktop
[ -f "$prefix/usr/share/icons/hicolor/scalable/apps/lexavo.svg" ] || fail "no icon"
desktop-file-validate "$desktop" || fail "the desktop file is not valid"
grep -qx "Exec=$folder/lexavo-launcher" "$desktop" || fail "the desktop file runs $(grep ^Exec "$desktop")"
chmod -R a-w "$folder"  # as under /opt: nothing may be written there

# The launcher as the desktop runs it, for a user with a home of their own.
export HOME=$dir/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
user_dir=$HOME/.local/share/lexavo
program_command=$folder/lexavo-launcher
start_display
start_program
type_text "house"
keys Return
close_program
[ -f "$user_dir/lexavo.ini" ] || fail "no lexavo.ini in $user_dir"
grep -q "House" "$user_dir/minule.txt" || fail "the history was not kept in $user_dir"
[ ! -e "$folder/lexavo.ini" ] && [ ! -e "$folder/minule.txt" ] || fail "written into $folder"
[ -L "$user_dir/angcze.dt2" ] || fail "the dictionaries are not linked"
# The assistant is copied beside the program, so that it reads the user's files.
[ -f "$user_dir/pomocnik" ] && [ ! -L "$user_dir/pomocnik" ] || fail "the assistant is not copied"
# A second start runs the same copy (not copied again) and writes there too.
before=$(stat -c %Y "$user_dir/lexavo")
sleep 1
start_program
close_program
[ "$(stat -c %Y "$user_dir/lexavo")" = "$before" ] || fail "the program was copied again"
[ ! -e "$folder/lexavo.ini" ] || fail "written into $folder"
chmod -R u+w "$folder"

# The package.
(cd "$build" && cpack -G DEB -B "$dir/package" >/dev/null)
deb=$(ls "$dir"/package/lexavo_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./opt/lexavo/lexavo ./opt/lexavo/pomocnik ./opt/lexavo/lexavo-launcher ./opt/lexavo/angcze.dt2 \
         ./usr/share/applications/lexavo.desktop ./usr/share/icons/hicolor/scalable/apps/lexavo.svg; do
    grep -qx "$f" <<<"$contents" || fail "$f is not in the package"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/lexavo.desktop |
    grep -qx "Exec=/opt/lexavo/lexavo-launcher" || fail "the package's launcher path is wrong"
echo "e2e install: passed"
