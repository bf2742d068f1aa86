#!/usr/bin/env bash
# Builds everything and runs every test: the full build with the Qt application, then
# the plain-C++ tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure --timeout 900 -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_WITH_QT=OFF -DRV_BUILD_BENCH=OFF \
  -DRV_SANITIZE=address,undefined
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --timeout 900 -j "$jobs")

# The list reader's and the list routines' tests again on each narrower vector path this
# processor has (the run above took the widest; the tests that go through every level
# themselves are left out), so that every path is checked under the sanitizers.
for level in sse2 avx2; do
  RV_VECTOR_LEVEL=$level ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    build-asan/tests/test_platform --gtest_brief=1 --gtest_filter='TextFile*:-*OnEveryVectorLevel'
  RV_VECTOR_LEVEL=$level ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    build-asan/tests/test_listdata --gtest_brief=1 --gtest_filter='ListFile*:ByteScan*:Search*:CancelledRoutines*:'\
'CreditWalk*:PassRecords.Mixed*:PassRecords.RecordStarts*:PassRecords.PassingFromInside*:PassRecords.Titles*:-SearchEngine*'
done

# The search engine's thread tests again under ThreadSanitizer.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_WITH_QT=OFF -DRV_BUILD_BENCH=OFF -DRV_SANITIZE=thread
cmake --build build-tsan -j "$jobs" --target test_listdata test_documents
(cd build-tsan && GTEST_FILTER='SearchEngine*:SearchDocuments*' TSAN_OPTIONS=halt_on_error=1 \
  ctest --output-on-failure --timeout 900 -R '^(listdata|documents)$')

# The search thread's window tests under ThreadSanitizer. Qt itself is not instrumented,
# so tests/gui/tsan-qt.supp keeps its internals out of the report; what crosses between
# our threads goes through standard mutexes, which the sanitizer sees.
cmake -S . -B build-tsan-gui -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_BUILD_BENCH=OFF -DRV_SANITIZE=thread
cmake --build build-tsan-gui -j "$jobs" --target tst_SearchRun
QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 suppressions=$(pwd)/tests/gui/tsan-qt.supp" \
  timeout 900 build-tsan-gui/tests/tst_SearchRun

# The views' link menus under AddressSanitizer: a rebuild while a popup menu is open
# must leave its command nothing freed to work on.
cmake -S . -B build-asan-gui -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRV_BUILD_BENCH=OFF -DRV_SANITIZE=address,undefined
cmake --build build-asan-gui -j "$jobs" --target tst_LinkMenus
# Qt keeps allocations until the process ends; leaks are checked in the plain-C++ run.
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  timeout 900 build-asan-gui/tests/tst_LinkMenus
