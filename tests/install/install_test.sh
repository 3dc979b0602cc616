#!/usr/bin/env bash
# Installs the build into a scratch prefix, packages it as a .deb, unpacks that
# into a scratch root, and runs the installed tool against the installed factory file.
# bash-completion must find the shell completion where the package puts it.
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
app_id=org.quorvel.quorvel
desktop_file=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
icon_sizes=(16 22 24 32 48 64 128 256)
completions=(share/bash-completion/completions/quorvel-cli share/zsh/vendor-completions/_quorvel-cli
             share/fish/vendor_completions.d/quorvel-cli.fish)
for f in bin/quorvel bin/quorvel-cli share/quorvel/Default.mag "$desktop_file" "$metainfo" \
         share/icons/hicolor/scalable/apps/quorvel.svg share/mime/packages/quorvel.xml \
         share/quorvel/translations/quorvel_{de,es,fr}.qm \
         share/man/man1/quorvel.1.gz share/man/man1/quorvel-cli.1.gz \
         share/doc/quorvel/copyright share/doc/quorvel/changelog.gz "${completions[@]}"; do
    [[ -f $prefix/$f ]] || fail "missing $f"
done
[[ ! -e $prefix/bin/Default.mag ]] || fail "Default.mag must not be installed beside the program"
"$prefix/bin/quorvel-cli" show | grep -qx 'byte.127: 0x80' || fail "installed quorvel-cli show failed"
# Help and version need no display.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quorvel" --help | grep -q '^Usage: quorvel ' \
    || fail "quorvel --help failed without a display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quorvel" --version | grep -qx 'quorvel [0-9.]*' \
    || fail "quorvel --version failed without a display"

# Every launcher size, drawn from the SVG: a PNG of exactly that size.
check_icons() {
    local base=$1 size dimensions
    for size in "${icon_sizes[@]}"; do
        local png=$base/share/icons/hicolor/${size}x${size}/apps/quorvel.png
        [[ -f $png ]] || fail "missing the ${size}x${size} icon in $base"
        # Width and height, big-endian, in the PNG header's IHDR chunk.
        [[ $(head -c 8 "$png" | od -An -c | tr -d ' ') == '211PNG\r\n032\n' ]] || fail "$png is no PNG"
        dimensions=$(od -An -tu1 -j16 -N8 "$png" |
                     awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }')
        [[ $dimensions == "${size}x${size}" ]] || fail "$png is $dimensions"
    done
}
check_icons "$prefix"

for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
desktop_problems=$(desktop-file-validate "$prefix/$desktop_file" 2>&1) || fail "desktop file: $desktop_problems"
[[ -z $desktop_problems ]] || fail "desktop file: $desktop_problems"
# Nothing at all reported, not even a pedantic note.
appstream=$(appstreamcli validate --no-net --pedantic --no-color "$prefix/$metainfo" 2>&1) \
    || fail "AppStream metadata: $appstream"
if grep -qE '^[EWIP]: ' <<<"$appstream"; then fail "AppStream metadata: $appstream"; fi
# The component is the desktop file, by name, with the same categories.
component=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$prefix/$metainfo")
[[ $component == "$app_id" ]] || fail "component id '$component' is not the desktop file's name '$app_id'"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo" \
    || fail "the metadata does not launch $app_id.desktop"
desktop_categories=$(sed -n 's/^Categories=//p' "$prefix/$desktop_file" | tr ';' '\n' | sed '/^$/d' | sort)
metainfo_categories=$(sed -n 's:.*<category>\(.*\)</category>.*:\1:p' "$prefix/$metainfo" | sort)
[[ $desktop_categories == "$metainfo_categories" ]] \
    || fail "categories differ: desktop file '$desktop_categories', metadata '$metainfo_categories'"

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
check_icons "$root/usr"
for lang in de es fr; do
    [[ -f $root/usr/share/quorvel/translations/quorvel_$lang.qm ]] || fail "package lacks the $lang translation"
done

# The post-install step applies the udev rule to a reader already plugged in, and is
# harmless where udev does not run (as in this container) or udevadm is missing.
control=$scratch/control
dpkg-deb -e "$deb" "$control"
[[ -x $control/postinst ]] || fail "package has no post-install step"
grep -q 'udevadm control --reload-rules' "$control/postinst" || fail "postinst does not reload the udev rules"
grep -q 'udevadm trigger' "$control/postinst" || fail "postinst does not trigger the reader"
mkdir -p "$scratch/stand-ins"
printf '#!/bin/sh\necho "$@" >>"%s"\nexit 1\n' "$scratch/udevadm-calls" >"$scratch/stand-ins/udevadm"
chmod +x "$scratch/stand-ins/udevadm"
for path in "$scratch/stand-ins:$PATH" "/nonexistent"; do
    PATH=$path /bin/sh "$control/postinst" configure || fail "postinst failed with PATH=$path"
done
if [[ ! -d /run/udev && -e $scratch/udevadm-calls ]]; then
    fail "postinst ran udevadm without a running udev: $(cat "$scratch/udevadm-calls")"
fi
"$root/usr/bin/quorvel-cli" show | grep -qx 'keyboard-terminator: CR' || fail "packaged quorvel-cli show failed"
for f in "${completions[@]}"; do
    [[ -f $root/usr/$f ]] || fail "package lacks $f"
done
# bash-completion finds the packaged script by the command's name, as on the first Tab.
bash_completion=/usr/share/bash-completion/bash_completion
[[ -f $bash_completion ]] || fail "bash-completion is missing (scripts/setup.sh installs it)"
loaded=$(XDG_DATA_DIRS=$root/usr/share bash -c 'source "$1"; _completion_loader quorvel-cli; complete -p quorvel-cli' \
         bash "$bash_completion")
[[ $loaded == 'complete -F _quorvel_cli quorvel-cli' ]] || fail "bash-completion does not load the packaged script: $loaded"
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
