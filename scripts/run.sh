#!/usr/bin/env bash
# Sets up (packages, configure, build) and starts Quiltera.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/quiltera "$@"
