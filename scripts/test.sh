#!/usr/bin/env bash
# Sets everything up and runs all tests: the host unit tests under the sanitizers, the
# 32-bit build's checks, and the 64-bit programs end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --workflow --preset host
cmake --workflow --preset fuzz
cmake --workflow --preset win32
ctest --preset win32
cmake --workflow --preset win64
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64
