#!/usr/bin/env bash
# Sets everything up, builds the 64-bit programs and runs select-target on a demo
# shortcut under Wine: prints the command line it gave Explorer, then lets Wine's own
# Explorer show it and saves a screenshot of the virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --workflow --preset win64
xvfb-run -a -s "-screen 0 1024x768x24" python3 scripts/demo.py
