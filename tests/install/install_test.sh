#!/usr/bin/env bash
# Installs the build into a scratch prefix, packages it as a .deb, unpacks that
# into a scratch root, and runs the installed tool against the installed factory file.
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "install test: $*" >&2; exit 1; }

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quorvel bin/quorvel-cli share/quorvel/Default.mag share/applications/quorvel.desktop \
         share/icons/hicolor/scalable/apps/quorvel.svg share/icons/hicolor/64x64/apps/quorvel.png \
         share/metainfo/org.quorvel.Quorvel.metainfo.xml share/man/man1/quorvel-cli.1; do
    [[ -f $prefix/$f ]] || fail "missing $f"
done
[[ ! -e $prefix/bin/Default.mag ]] || fail "Default.mag must not be installed beside the program"
"$prefix/bin/quorvel-cli" show | grep -qx 'byte.127: 0x80' || fail "installed quorvel-cli show failed"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/quorvel.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml" >/dev/null \
        || appstreamcli validate --no-net "$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml"
fi

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
root_bin=$prefix/bin/quorvel
for lib in libqt6widgets6 $(ldd "$root_bin" 2>/dev/null | grep -o "libhidapi[a-z-]*" | head -1); do
    grep -q "$lib" <<<"$depends" || fail "package does not depend on $lib: $depends"
done
root=$scratch/root
dpkg-deb -x "$deb" "$root"
[[ -f $root/usr/share/quorvel/Default.mag ]] || fail "package lacks Default.mag"
[[ -f $root/usr/lib/udev/rules.d/70-quorvel.rules ]] || fail "package lacks the udev rule"
"$root/usr/bin/quorvel-cli" show | grep -qx 'keyboard-terminator: CR' || fail "packaged quorvel-cli show failed"
cmp -s "$root/usr/share/quorvel/Default.mag" "$source/data/Default.mag" || fail "packaged Default.mag differs"
echo "install test: prefix and package both work ($(basename "$deb"))"
