#!/usr/bin/env bash
# The whole test command: install what is missing, build and run every test,
# then build a second tree under AddressSanitizer and UndefinedBehaviorSanitizer
# and run every test again. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

run_tree() {
  local dir=$1; shift
  echo "== configure $dir"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  echo "== build $dir"
  cmake --build "$dir" -j "$jobs"
  echo "== test $dir"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_tree build
# Leaks inside system libraries we do not own are listed in tests/lsan.supp; ours never are.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  run_tree build-sanitize -DQIRO_SANITIZE=ON
echo "== all tests passed, plain and sanitized"
