#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for a bounded time: `bash fuzz/run.sh [SECONDS]`, 60 s per
# target by default. Exits non-zero when a target crashes or a sanitizer reports; the
# input that did it is left in build-fuzz/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: bash fuzz/run.sh [SECONDS]   (seconds per target, default 60)" >&2
  exit 2
fi

packages=(clang libclang-rt-14-dev cmake ninja-build qt6-base-dev libgl-dev libcanberra-dev libxcb1-dev)
bash scripts/install-packages.sh "${packages[@]}"

build_dir=build-fuzz
targets=(fuzz_http_response fuzz_seconds_field)
[ -f "$build_dir/build.ninja" ] || cmake --preset fuzz
cmake --build --preset fuzz

# Longest input tried per target: an answer head is refused past 200 bytes in the fuzz
# build, a seconds field holds a short line.
declare -A max_len=([fuzz_http_response]=2048 [fuzz_seconds_field]=64)

# ASan's default 256 MB quarantine of freed memory lets the resident size creep past
# libFuzzer's 2 GB limit in long runs; a smaller one still catches use after free.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=64}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
failed=()
for target in "${targets[@]}"; do
  # New inputs go to the working corpus in the build tree; the committed seeds stay as they are.
  corpus="$build_dir/corpus/$target"
  crashes="$build_dir/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  log="$build_dir/$target.log"
  echo "== $target: ${seconds} s (log: $log)"
  status=0
  "$build_dir/fuzz/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "!! $target failed (exit $status):"
    grep -E -A30 'ERROR: |runtime error|fuzz_[a-z_]+: ' "$log" | head -40 || tail -40 "$log"
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $build_dir/crashes/)"
  exit 1
fi
echo "Fuzzing: no crash, no sanitizer report."
