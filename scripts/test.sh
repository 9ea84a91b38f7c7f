#!/usr/bin/env bash
# Sets up (packages, configure, build, a CUPS queue with a virtual PDF printer) and runs
# every test on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
QUILTERA_TEST_PRINT_QUEUE=$(scripts/print-queue.sh)
export QUILTERA_TEST_PRINT_QUEUE
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure
