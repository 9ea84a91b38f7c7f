#!/usr/bin/env bash
# Sets up (packages, configure, build, a CUPS queue with a virtual PDF printer, the desktop
# and packaging validators) and runs every test on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/install-packages.sh desktop-file-utils appstream dpkg-dev file man-db
QUILTERA_TEST_PRINT_QUEUE=$(scripts/print-queue.sh)
export QUILTERA_TEST_PRINT_QUEUE
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure
