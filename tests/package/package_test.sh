#!/usr/bin/env bash
# package_test.sh BUILD CMAKE CPACK: runs the command-line tool from a tree installed out of BUILD
# into a temporary prefix, then builds the Debian package from BUILD and checks what it holds.
set -euo pipefail
build=$1 cmake=$2 cpack=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Installed elsewhere than the configured prefix, the tool still finds its language files.
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
"$work/prefix/bin/rpx41c-cli" new "$work/site.dat" --model MDL1B --code 0x23 || fail "installed new"
"$work/prefix/bin/rpx41c-cli" show "$work/site.dat" >"$work/installed.txt" || fail "installed show"
"$build/cli/rpx41c-cli" show "$work/site.dat" >"$work/built.txt"
[ "$(wc -l <"$work/built.txt")" -gt 20 ] || fail "show printed too little"
cmp -s "$work/built.txt" "$work/installed.txt" || fail "the installed show differs from the built one"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack"
}
deb=$(echo "$work"/deb/rpx41c_*.deb)
[ -f "$deb" ] || fail "no package in $work/deb"
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for path in bin/rpx41c bin/rpx41c-cli bin/rpx41c-sim \
    share/rpx41c/Common.lng share/rpx41c/Rpx41c.lng share/rpx41c/help/6.html \
    share/icons/hicolor/48x48/apps/rpx41c.png share/icons/hicolor/256x256/apps/rpx41c.png \
    share/icons/hicolor/scalable/apps/rpx41c.svg share/applications/rpx41c.desktop \
    share/mime/packages/rpx41c.xml \
    share/man/man1/rpx41c.1.gz share/man/man1/rpx41c-cli.1.gz share/man/man1/rpx41c-sim.1.gz; do
    grep -qx "./usr/$path" "$work/contents" || fail "the package lacks /usr/$path"
done
[ "$(dpkg-deb -f "$deb" Package)" = rpx41c ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6serialport6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/rpx41c-cli.1.gz | gzip -d >"$work/cli.1"
for section in COMMANDS "EXIT STATUS" EXAMPLES; do
    grep -qx ".SH $section" "$work/cli.1" || fail "the rpx41c-cli manual page lacks $section"
done
