#!/bin/sh
# Builds the EXIF fuzz target with clang++ into the build tree and fuzzes for a while on the
# committed corpus and regression inputs. Exit 77 (skipped) without clang/libFuzzer or Qt's pkg-config.
set -u
src=$1
out=$2
seconds=${3:-60}
cxx=$(command -v clang++ || command -v clang++-14 || true)
[ -n "$cxx" ] || { echo "clang++ not found: skipped"; exit 77; }
qtflags=$(pkg-config --cflags --libs Qt6Core Qt6Gui 2>/dev/null) || { echo "Qt 6 pkg-config missing: skipped"; exit 77; }
mkdir -p "$out/corpus"
probe="$out/probe.cpp"
printf '#include <cstdint>\n#include <cstddef>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t *, size_t) { return 0; }\n' > "$probe"
"$cxx" -fsanitize=fuzzer,address "$probe" -o "$out/probe" 2>/dev/null || { echo "libFuzzer unavailable: skipped"; exit 77; }
binary="$out/fuzz-exif-standalone"
# shellcheck disable=SC2086
"$cxx" -std=c++17 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$src/src" "$src/src/images/ExifHeader.cpp" "$src/src/images/ExifValue.cpp" \
    "$src/src/app/Logging.cpp" "$src/tools/fuzz/fuzz_exif.cpp" $qtflags -o "$binary" || exit 1
exec nice "$binary" -max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=256 -timeout=10 \
    -print_final_stats=1 "$out/corpus" "$src/tools/fuzz/corpus" "$src/tests/images/exif-regressions"
