#!/usr/bin/env bash
# install-test.sh <build dir>: what a planner's desktop gets from `cmake --install` and from the
# Debian package. Fails with the reason on the first thing that is missing or invalid.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
app=de.musterbau.vorbemessung
sizes=(16 24 32 48 64 128 256)

# The install under a prefix.
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }
prefix=$work/prefix
files=(bin/vorbemessung lib/vorbemessung/libvb_cupsqueue.so "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml"
       "share/icons/hicolor/scalable/apps/$app.svg" "share/mime/packages/$app.xml")
for s in "${sizes[@]}"; do files+=("share/icons/hicolor/${s}x${s}/apps/$app.png"); done
for f in "${files[@]}"; do
    [ -s "$prefix/$f" ] || fail "the install lacks $f"
done
# Each PNG is square at its size: width and height from the IHDR chunk.
for s in "${sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${s}x${s}/apps/$app.png"
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "$png is $w x $h, not $s x $s"
done
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "the desktop entry does not validate"
grep -qx "Exec=vorbemessung %f" "$prefix/share/applications/$app.desktop" || fail "the entry does not start vorbemessung with the file"
grep -qx "MimeType=application/x-vorbemessung-projekt;" "$prefix/share/applications/$app.desktop" ||
    fail "the entry does not open project files"
# The project type: the database built from the install knows the file name and the icon.
update-mime-database "$prefix/share/mime" || fail "the project type does not build into a MIME database"
grep -q '\*\.vorbemessung' "$prefix/share/mime/globs2" || fail "the MIME database does not know *.vorbemessung"
grep -q "application/x-vorbemessung-projekt:$app" "$prefix/share/mime/generic-icons" "$prefix/share/mime/icons" 2>/dev/null ||
    fail "the project type has not the program's icon"
grep -qx "Name=Statische Vorbemessung" "$prefix/share/applications/$app.desktop" || fail "no German name"
grep -qx "Name\[en\]=Static predimensioning" "$prefix/share/applications/$app.desktop" || fail "no English name"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" || fail "the metainfo does not validate"

# The Debian package.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
deb=$(ls "$work"/pkg/*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = vorbemessung ] || fail "the package is not named vorbemessung"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6printsupport6 libqt6svg6 libcups2 fonts-liberation; do
    grep -q "\b$d\b" <<<"$depends" || fail "the package does not depend on $d: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in "${files[@]}"; do
    grep -q "\./usr/$f\$" <<<"$contents" || fail "the package lacks /usr/$f"
done

# The program starts from the unpacked package, shows its menu (it writes the language file
# at start-up) and keeps running until it is told to end.
dpkg-deb -x "$deb" "$work/root"
mkdir -p "$work/home"
HOME="$work/home" QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/vorbemessung" >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ -s "$work/home/.msdos2.ini" ] && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the packaged program ended at start-up"; }
    sleep 0.1
done
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the packaged program did not keep running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -s "$work/home/.msdos2.ini" ] || fail "the packaged program wrote no language file"

# Given a project file, as the desktop does on a double-click, the program opens that project
# (and names it first among those opened last).
project="$work/Muster Nord.vorbemessung"
printf '{\n    "format": "vorbemessung-projekt",\n    "version": 1,\n    "header": {\n        "project": "Muster Nord",\n        "company": "",\n        "creator": ""\n    },\n    "positions": [\n    ]\n}\n' >"$project"
HOME="$work/home" QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/vorbemessung" "$project" >"$work/run2.log" 2>&1 &
pid=$!
# The projects opened last, in the planner's settings.
recent="$work/home/.config/vorbemessung/vorbemessung.ini"
for _ in $(seq 100); do
    grep -qF "$project" "$recent" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/run2.log"; fail "the program ended when given a project"; }
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
grep -qF "zuletzt=$project" "$recent" 2>/dev/null || { cat "$work/run2.log"; fail "the program did not open the project it was given"; }
echo "install, package and start: ok"
