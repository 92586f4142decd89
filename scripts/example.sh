#!/usr/bin/env bash
# The main job: set up, make a release build in build/ and run the zrlss
# command on the embedded example library: the module's handshake, then the
# flush end plate standard from a list of values and against its macro.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZRLSS_TESTS=OFF >/dev/null
cmake --build build
build/bin/zrlss info
echo
echo "== End Plate: IPE 300 on HEB 240, 150 kN, bolts 8.8, S235 =="
build/bin/zrlss evaluate "End Plate" \
  --set Beam="IPE 300" Column="HEB 240" Shear=150 BoltGrade=8.8 SteelFy=235
echo
echo "== End Plate against its macro (Macros/End Plate.json) =="
build/bin/zrlss evaluate "End Plate" \
  --macro "examples/library/Macros/End Plate.json" --key EndPlateFlushDefault0001
