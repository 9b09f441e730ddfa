#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Setup and runs every test (component tests on Qt's offscreen
# platform, real-window tests on private Xvfb displays). Extra arguments go to ctest, e.g. -L e2e.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

rc=0
ctest --test-dir build --output-on-failure -j2 --timeout 300 "$@" || rc=$?
exit "$rc"
