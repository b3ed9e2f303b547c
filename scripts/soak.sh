#!/usr/bin/env bash
# Long self-play: GAMES games (200 by default) between computer seats of every player count and a
# mix of levels under short think budgets, with moves forced at random. Fails on a crash, a hang
# or a leak (in a sanitizer build, or with SOAK_VALGRIND=1 under valgrind).
#
#   scripts/soak.sh [GAMES]
#
# Environment:
#   HALMORA_CLI      the halmora-cli to run (default build/tools/halmora-cli)
#   SOAK_SEED        first seed (default 1); each run of games takes the next
#   SOAK_BUDGET_MS   think budget per move (default: 2, 5 and 10 ms in turn)
#   SOAK_FORCE       percent of searched moves forced (default 25)
#   SOAK_MAX_MOVES   moves after which a game is given up (default 1500)
#   SOAK_GAME_SECONDS  wall time after which a game is given up (default 120)
#   SOAK_VALGRIND=1  run every game under valgrind's leak checker
set -uo pipefail
cd "$(dirname "$0")/.."

games="${1:-200}"
if ! [[ "$games" =~ ^[0-9]+$ ]] || (( games < 1 )); then
    echo "usage: scripts/soak.sh [GAMES]" >&2
    exit 2
fi
cli="${HALMORA_CLI:-build/tools/halmora-cli}"
if [[ ! -x "$cli" ]]; then
    echo "soak: no halmora-cli at $cli (build first or set HALMORA_CLI)" >&2
    exit 2
fi
seed="${SOAK_SEED:-1}"
force="${SOAK_FORCE:-25}"
max_moves="${SOAK_MAX_MOVES:-1500}"
game_seconds="${SOAK_GAME_SECONDS:-120}"

runner=()
if [[ "${SOAK_VALGRIND:-0}" == 1 ]]; then
    runner=(valgrind --quiet --leak-check=full --error-exitcode=1)
fi
# A sanitizer build reports leaks at exit and fails with its own exit code.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

# Every player count, each with two mixes of levels.
configs=(
    "Yellow=novice,Red=master"
    "Yellow=advanced,Blue=novice,Orange=master"
    "Purple=master,Blue=average,Orange=expert,Green=novice"
    "Yellow=novice,Purple=average,Blue=advanced,Red=expert,Orange=master,Green=novice"
    "Purple=expert,Orange=average"
    "Yellow=master,Blue=expert,Orange=average"
    "Purple=novice,Blue=advanced,Orange=average,Green=master"
    "Yellow=master,Purple=expert,Blue=novice,Red=average,Orange=advanced,Green=expert"
)
budgets=(2 5 10)

log_dir=$(mktemp -d "${TMPDIR:-/tmp}/halmora-soak-XXXXXX")
trap 'rm -rf "$log_dir"' EXIT

started=$SECONDS
failed=0
played=0
finished=0
move_cap=0
time_cap=0
other=0
blocked=0
forced=0
for (( i = 0; i < ${#configs[@]}; ++i )); do
    n=$(( games / ${#configs[@]} + (i < games % ${#configs[@]} ? 1 : 0) ))
    (( n == 0 )) && continue
    budget="${SOAK_BUDGET_MS:-${budgets[i % ${#budgets[@]}]}}"
    run_seed=$(( seed + i ))
    # A game stops by itself within its wall-time cap; a run past every cap is hung.
    limit=$(( n * (game_seconds + 30) ))
    out="$log_dir/run$i.out"
    err="$log_dir/run$i.err"
    args=(selfplay --seats "${configs[i]}" --games "$n" --seed "$run_seed" --budget-ms "$budget"
          --opening 2 --force-percent "$force" --max-moves "$max_moves"
          --max-seconds "$game_seconds" --report on)
    timeout -k 10 "$limit" "${runner[@]}" "$cli" "${args[@]}" >"$out" 2>"$err"
    code=$?
    what=""
    if (( code == 124 || code == 137 )); then
        what="hang: still running after $limit s"
    elif (( code > 128 )); then
        what="crash: killed by signal $(( code - 128 ))"
    elif grep -qE "LeakSanitizer|AddressSanitizer|runtime error:|definitely lost|indirectly lost|possibly lost" "$err"; then
        what="leak or memory error"
    elif (( code != 0 )); then
        what="exit code $code"
    elif ! grep -q "^unfinished: " "$out"; then
        what="no summary"
    fi
    if [[ -n "$what" ]]; then
        echo "soak: FAILED ($what): $cli ${args[*]}" >&2
        tail -n 40 "$out" "$err" >&2
        failed=1
        continue
    fi
    played=$(( played + n ))
    finished=$(( finished + $(grep -c "| places " "$out") ))
    read -r mc tc ot bl fm < <(sed -nE \
        's/^unfinished: move cap ([0-9]+), time cap ([0-9]+), other ([0-9]+); ended with nobody able to move ([0-9]+); forced moves ([0-9]+)$/\1 \2 \3 \4 \5/p' "$out")
    move_cap=$(( move_cap + mc )); time_cap=$(( time_cap + tc )); other=$(( other + ot ))
    blocked=$(( blocked + bl )); forced=$(( forced + fm ))
    echo "soak: ${configs[i]} at $budget ms: $n games, $(grep -c "| places " "$out") finished"
    grep -B1 "^  why: " "$out" | grep -v "^--$" | sed 's/^/  /'
done

elapsed=$(( SECONDS - started ))
echo "soak: $played of $games games in $elapsed s: $finished finished" \
     "($blocked of them ended with nobody able to move), $(( played - finished )) unfinished" \
     "(move cap $move_cap, time cap $time_cap, other $other); $forced moves forced"
if (( failed )); then
    echo "soak: FAILED" >&2
    exit 1
fi
echo "soak: no crash, hang or leak"
