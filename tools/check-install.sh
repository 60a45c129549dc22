#!/bin/sh
# Checks an installation of the workbench in a fresh folder, made one of two ways:
#   tools/check-install.sh --install BUILD_DIR DEST   cmake --install of a build into DEST/usr
#   tools/check-install.sh --deb PACKAGE.deb DEST      the Debian package unpacked with dpkg -x
# Then: every file is in place; the desktop entry, the metainfo and the MIME type pass their
# validators; the installed kavora2-cli runs the installed sample program as expected; and the
# installed workbench starts (offscreen) and seeds the user's own program folder.
set -eu
mode=$1 source=$2 dest=$3
here=$(cd "$(dirname "$0")/.." && pwd)
app_id=jp.kavora.Kavora2

fail() { echo "check-install: $*" >&2; exit 1; }

rm -rf "$dest"
mkdir -p "$dest"
case $mode in
  --install) cmake --install "$source" --prefix "$dest/usr" > "$dest/install.log" ;;
  --deb)
    depends=$(dpkg-deb -f "$source" Depends)
    echo "Depends: $depends"
    for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-ipafont-gothic; do
      echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed"
    done
    dpkg -x "$source" "$dest" ;;
  *) fail "unknown mode $mode" ;;
esac
prefix=$dest/usr

for file in bin/kavora2 bin/kavora2-cli share/kavora2/初期ファイル.txt share/kavora2/KvTemp.txt \
            share/kavora2/Kavora2.htm share/applications/$app_id.desktop \
            share/icons/hicolor/scalable/apps/$app_id.svg share/metainfo/$app_id.metainfo.xml \
            share/mime/packages/$app_id.xml; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
for file in bin/kavora2 bin/kavora2-cli; do
  [ -x "$prefix/$file" ] || fail "$file is not executable"
done

desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$app_id.metainfo.xml"
cp -r "$prefix/share/mime" "$dest/mime"
update-mime-database "$dest/mime" > "$dest/mime.log" 2>&1 || { cat "$dest/mime.log" >&2; fail "update-mime-database refused the MIME type"; }
grep -q '^50:text/x-kavora2-program:\*\.cs2$' "$dest/mime/globs2" || fail "*.cs2 is not text/x-kavora2-program"

"$prefix/bin/kavora2-cli" run "$prefix/share/kavora2/初期ファイル.txt" > "$dest/sample-run.txt" 2> /dev/null
cmp "$dest/sample-run.txt" "$here/packaging/sample-run.expected" || fail "the sample program printed something else"

# The workbench in a fresh home: it must come up and copy the shipped files into its data folder.
home=$dest/home
mkdir -p "$home" "$home/runtime"
chmod 0700 "$home/runtime"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/kavora2" > "$dest/kavora2.log" 2>&1 &
pid=$!
seeded=$home/.local/share/Kavora2
waited=0
while :; do
  if ! kill -0 "$pid" 2> /dev/null; then
    cat "$dest/kavora2.log" >&2
    fail "the installed workbench ended on its own at start"
  fi
  [ "$waited" -ge 3 ] && [ -f "$seeded/初期ファイル.txt" ] && break
  [ "$waited" -ge 60 ] && { kill "$pid"; fail "the installed workbench did not seed $seeded"; }
  sleep 1
  waited=$((waited + 1))
done
kill "$pid"
wait "$pid" 2> /dev/null || true
for name in 初期ファイル.txt KvTemp.txt Kavora2.htm; do
  cmp "$seeded/$name" "$prefix/share/kavora2/$name" || fail "$name was not seeded"
done
echo "check-install: $mode installation in $dest is complete and works"
