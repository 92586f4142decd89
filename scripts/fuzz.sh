#!/usr/bin/env bash
# Fuzzing: builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for a while.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 300); TARGETs by name (default all of fuzz/).
# Each run starts from the target's seed corpus (fuzz/corpus/TARGET, never
# written to) and grows a work corpus in build-fuzz/corpus/TARGET; findings
# land in build-fuzz/findings/TARGET/. A run with findings fails the script.
# The ordinary test run only replays the seed corpora, with gcc; clang is
# installed here, for fuzzing alone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if ! command -v clang++ >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends clang
fi

seconds=${1:-300}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZRLSS_FUZZ=ON -DZRLSS_TESTS=OFF -DZRLSS_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"${FUZZ_JOBS:-2}" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/findings/$t"
  echo "fuzz: $t for ${seconds} s"
  if ! build-fuzz/bin/"$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
      -rss_limit_mb=2048 -artifact_prefix="build-fuzz/findings/$t/" \
      "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"build-fuzz/findings/$t.log" 2>&1; then
    echo "fuzz: $t FOUND something: see build-fuzz/findings/$t.log"
    failed=1
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "build-fuzz/findings/$t.log" || true
done
exit $failed
