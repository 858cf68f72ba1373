#!/bin/bash
# Fresh builds of the shipped targets of both architectures from the same
# sources, in other folders and without the compiler cache, give the same
# bytes as the builds the packages came from: every program and DLL, both
# zips, and the installer made from them (with the same NSIS).
#   reproducible_build_test.sh CMAKE SOURCE_DIR BUILD_TYPE BIN_DIR PACKAGES_DIR VERSION
# The 32-bit build the packages came from is BIN_DIR's build folder + "-i686".
set -u
cmake="$1"
source_dir="$2"
build_type="$3"
first_bin="$4"
packages="$5"
version="$6"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export CCACHE_DISABLE=1
failures=0

compare() {
    if cmp -s "$2" "$3"; then
        echo "ok: $1 is the same in both builds"
    else
        echo "FAILED: $1 differs between the builds"
        failures=$((failures + 1))
    fi
}

declare -A first_bins=([x64]="$first_bin" [x86]="$(dirname "$first_bin")-i686/bin")
declare -A toolchains=([x64]=toolchain-x86_64-w64-mingw32.cmake [x86]=toolchain-i686-w64-mingw32.cmake)
for arch in x64 x86; do
    "$cmake" -S "$source_dir" -B "$work/$arch" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/${toolchains[$arch]}" \
        -DCMAKE_BUILD_TYPE="$build_type" -DTOLVRIN_BUILD_TESTS=OFF >/dev/null || exit 1
    "$cmake" --build "$work/$arch" -j2 >/dev/null || exit 1
    shipped=$(cd "$work/$arch/bin" && find . -type f \( -name '*.exe' -o -name '*.dll' \) | LC_ALL=C sort)
    [ -n "$shipped" ] || { echo "FAILED: the second $arch build made no program"; failures=$((failures + 1)); }
    for file in $shipped; do
        compare "$arch $file" "${first_bins[$arch]}/$file" "$work/$arch/bin/$file"
    done
    "$source_dir/scripts/package" zip "$work/$arch/bin" "$work/$arch.zip" || exit 1
    compare "the $arch zip" "$packages/TolvrinShutdown-$version-$arch.zip" "$work/$arch.zip"
done
"$source_dir/scripts/package" installer "$work/x64/bin" "$work/x86/bin" "$work/second-installer.exe" || exit 1
compare "the installer" "$packages/TolvrinShutdown-$version-setup.exe" "$work/second-installer.exe"
[ "$failures" -eq 0 ]
