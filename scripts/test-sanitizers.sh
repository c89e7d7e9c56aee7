#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (the sanitize preset) and runs it headless. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
[ -f build-asan/build.ninja ] || cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
