# Configures and builds one build folder the way scripts/run and scripts/test do.
# velunka_build DIR BUILD_TYPE [CMAKE_ARGS...]
velunka_build() {
  local dir=$1 type=$2
  shift 2
  mkdir -p "$dir"
  cmake -S . -B "$dir" -G Ninja -Wno-dev \
    -DCMAKE_BUILD_TYPE="$type" \
    -DCMAKE_INSTALL_PREFIX="$PWD/$dir/stage" \
    -DVELUNKA_WERROR=ON \
    "$@" >"$dir/configure.log" 2>&1 || { cat "$dir/configure.log" >&2; return 1; }
  cmake --build "$dir" -j "$(nproc)"
}
