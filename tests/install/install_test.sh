#!/usr/bin/env bash
# Installs the build into a scratch prefix, packages it as a .deb, unpacks that
# into a scratch root, and runs the installed tool against the installed factory file.
# The package must be lintian-clean (no error, no warning), and a saved settings file
# must be recognised by its MIME type, with or without the .msr extension.
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
         share/metainfo/org.quorvel.Quorvel.metainfo.xml share/mime/packages/quorvel.xml \
         share/man/man1/quorvel.1.gz share/man/man1/quorvel-cli.1.gz \
         share/doc/quorvel/copyright share/doc/quorvel/changelog.gz; do
    [[ -f $prefix/$f ]] || fail "missing $f"
done
[[ ! -e $prefix/bin/Default.mag ]] || fail "Default.mag must not be installed beside the program"
"$prefix/bin/quorvel-cli" show | grep -qx 'byte.127: 0x80' || fail "installed quorvel-cli show failed"
# Help and version need no display.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quorvel" --help | grep -q '^Usage: quorvel ' \
    || fail "quorvel --help failed without a display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quorvel" --version | grep -qx 'quorvel [0-9.]*' \
    || fail "quorvel --version failed without a display"

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

command -v lintian >/dev/null || fail "lintian is missing (scripts/setup.sh installs it)"
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian reports errors or warnings: $(lintian "$deb" 2>/dev/null)"

# The MIME type as a desktop sees it once the package is installed: xdg-mime asks
# mimetype without a desktop, gio under GNOME; both read shared-mime-info.
for tool in update-mime-database xdg-mime mimetype gio; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
update-mime-database "$root/usr/share/mime"
mkdir -p "$scratch/files"
"$root/usr/bin/quorvel-cli" new "$scratch/files/desk.msr" >/dev/null
"$root/usr/bin/quorvel-cli" new "$scratch/files/M1412224512" >/dev/null
for desktop in "" GNOME; do
    for f in desk.msr M1412224512; do
        type=$(XDG_CURRENT_DESKTOP=$desktop XDG_DATA_HOME="$scratch/data-home" \
               XDG_DATA_DIRS="$root/usr/share:/usr/share" xdg-mime query filetype "$scratch/files/$f")
        [[ $type == application/x-quorvel-settings ]] || fail "xdg-mime (${desktop:-no desktop}) gives '$type' for $f"
    done
done
echo "install test: prefix and package both work ($(basename "$deb"))"
