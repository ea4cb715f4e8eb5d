#!/usr/bin/env bash
# CI: every file of the picture corpus loaded into a cover and printed to a PDF file under valgrind's
# memcheck, which sees inside Qt where AddressSanitizer cannot. Fails on any memcheck error, and when the
# corpus tests did not run (no corpus, or skipped).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KAVRELLO_BUILD_DIR:-build-tests}
scripts/deps.sh valgrind

status=0
out=$(QT_QPA_PLATFORM=offscreen valgrind --error-exitcode=99 --num-callers=30 \
    --suppressions=.ci/memcheck.supp "$build/bin/kavrello_tests" --gtest_filter='CorpusTest.*' 2>&1) ||
    status=$?
grep -v '^qt\.gui\.imageio\|^libpng \|^QPainter::\|Warning: invalid file descriptor -1' <<<"$out" || true
if [ "$status" -ne 0 ]; then
    echo "memcheck found errors, or a corpus test failed (exit status $status)" >&2
    exit 1
fi
if ! grep -q '^\[  PASSED  \] [1-9][0-9]* test' <<<"$out" || grep -q 'SKIPPED' <<<"$out"; then
    echo "the corpus tests did not run" >&2
    exit 1
fi
