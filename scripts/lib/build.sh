# The build folders and their configure-and-build step. Sourced by
# scripts/common.sh.

BUILD_DIR="${TOLVRIN_BUILD_DIR:-$ROOT/build}"
BUILD_DIR_I686="${BUILD_DIR}-i686"

# configure_and_build BUILD_DIR TOOLCHAIN [targets...]
configure_and_build() {
    local dir="$1" toolchain="$2"
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" >/dev/null
    fi
    local targets=()
    local t
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
