#!/usr/bin/env bash
# The main job: set up, make a release build in build/ and run the zrlss
# command on the embedded example library.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZRLSS_TESTS=OFF >/dev/null
cmake --build build
build/bin/zrlss info
