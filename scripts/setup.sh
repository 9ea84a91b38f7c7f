#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and
# builds Quiltera into build/. Safe to run again: it only does what is left to do.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake ninja-build g++ pkg-config qt6-base-dev qt6-image-formats-plugins libgl-dev \
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libjpeg-dev libpodofo-dev libheif-dev libpoppler-qt6-dev libturbojpeg0-dev qt6-svg-dev libcups2-dev libgtest-dev \
  libbenchmark-dev xvfb xauth poppler-utils

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
