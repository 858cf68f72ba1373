#!/bin/bash
# A second, fresh build of the shipped targets from the same sources, in
# another folder and without the compiler cache, gives the same bytes as the
# build the packages came from: every program and DLL, and the x64 zip.
# 64-bit only, to keep the cost to one build: both toolchains take the same
# link options.
#   reproducible_build_test.sh CMAKE SOURCE_DIR TOOLCHAIN_FILE BUILD_TYPE BIN_DIR X64_ZIP
set -u
cmake="$1"
source_dir="$2"
toolchain="$3"
build_type="$4"
first_bin="$5"
first_zip="$6"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export CCACHE_DISABLE=1

"$cmake" -S "$source_dir" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE="$build_type" -DTOLVRIN_BUILD_TESTS=OFF >/dev/null || exit 1
"$cmake" --build "$work/build" -j2 >/dev/null || exit 1
"$source_dir/scripts/package" zip "$work/build/bin" "$work/second.zip" || exit 1

failures=0
shipped=$(cd "$work/build/bin" && find . -type f \( -name '*.exe' -o -name '*.dll' \) | LC_ALL=C sort)
[ -n "$shipped" ] || { echo "FAILED: the second build made no program"; failures=1; }
for file in $shipped; do
    if cmp "$first_bin/$file" "$work/build/bin/$file"; then
        echo "ok: $file is the same in both builds"
    else
        echo "FAILED: $file differs between the builds"
        failures=$((failures + 1))
    fi
done
if cmp "$first_zip" "$work/second.zip"; then
    echo "ok: the x64 zip is the same"
else
    echo "FAILED: the x64 zip differs"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
