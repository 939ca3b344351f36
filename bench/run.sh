#!/usr/bin/env bash
# The benchmarks: how fast the organiser and the viewer start, close, idle and load a large note,
# beside a bare Qt window measured in the same run. Builds what it needs, starts a private X
# display (Xvfb with openbox, as the desktop tests do), runs every measurement ROUNDS times
# interleaved, and prints a table of medians and ratios, also written to
# build/default/bench/results/.
#
#   bash bench/run.sh [ROUNDS]          (default 15; the viewer scans and notes take fewer)
#
# Windows are timed from outside: bench_mapwait waits for the MapNotify of the program's window.
set -euo pipefail

rounds=${1:-15}
few=$(((rounds + 2) / 3))
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/default
bench=$build/bench
dist=${ZIMPA_BENCH_DIST:-$build/dist}

cd "$root"
cmake --preset default > /dev/null
cmake --build --preset default -j "${JOBS:-6}" --target Zimpa Viewer zimpa_dist bench_window \
    bench_mkdata bench_organiser bench_mapwait > /dev/null

work=$(mktemp -d /tmp/zimpa-bench.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The display: Xvfb names a free display itself; openbox manages the windows.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$work/display" \
    > "$work/xvfb.log" 2>&1 &
pids+=($!)
read -r number < "$work/display"
export DISPLAY=:$number
cat > "$work/openbox-rc.xml" << 'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
</openbox_config>
EOF
openbox --config-file "$work/openbox-rc.xml" > "$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
    sleep 0.1
done

# The programs see what a desktop login gives them, and nothing of the caller's desktop.
unset WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR \
    SESSION_MANAGER XDG_CURRENT_DESKTOP DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 HOME=$work
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program folders: as delivered, full tables, due reminders, notes.
folder() { cp -r "$dist" "$work/$1"; }
folder delivered
folder full && "$bench/bench_mkdata" full "$work/full"
for n in 1 10 50; do folder "due$n" && "$bench/bench_mkdata" due "$work/due$n" "$n"; done
for note in small large; do
    folder "note-$note"
    "$bench/bench_mkdata" due "$work/note-$note" 1
    cp "$work/note-$note/time.list" "$work/note-$note/memo.list"
done
printf 'Bev\xe1s\xe1rl\xe1s: keny\xe9r\r\n' > "$work/note-small/memo/1"
"$bench/bench_mkdata" rtf "$work/note-large/memo/1" 5000000

# One run in its own runtime folder (the organiser runs once per session) and its own copy of
# the program folder, so that no run sees what another wrote; prints bench_mapwait's figures.
measure() { # measure <folder> <program> [mapwait options --] [arguments]
    local source=$1 program=$2
    shift 2
    XDG_RUNTIME_DIR=$(mktemp -d "$work/runtime.XXXXXX")
    export XDG_RUNTIME_DIR
    local here
    here=$(mktemp -d "$work/run.XXXXXX")
    cp -r "$work/$source/." "$here"
    [[ $program == /* ]] || program=$here/$program
    local options=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    (cd "$here" && "$bench/bench_mapwait" "${options[@]}" -- "$program" "$@")
    rm -rf "$here" "$XDG_RUNTIME_DIR"
}
record() { echo "$2" >> "$work/$1.values"; } # record <measure> <value>

echo "Display $DISPLAY; $rounds rounds, interleaved." >&2
for round in $(seq "$rounds"); do
    record start-bare "$(measure delivered "$bench/bench_window" | cut -d' ' -f1)"
    record start-delivered "$(measure delivered Zimpa | cut -d' ' -f1)"
    record start-full "$(measure full Zimpa | cut -d' ' -f1)"
    record close-delivered "$(measure delivered Zimpa --close -- | cut -d' ' -f3)"
    record close-full "$(measure full Zimpa --close -- | cut -d' ' -f3)"
    rm -rf "$work/closing" && cp -r "$work/full" "$work/closing"
    read -r tables settings < <("$bench/bench_organiser" close "$work/closing")
    record write-tables "$tables"
    record write-settings "$settings"
    echo "round $round of $rounds" >&2
done
for round in $(seq "$few"); do
    for n in 1 10 50; do
        read -r first last < <(measure "due$n" Viewer --windows "$n" -- -S)
        record "scan$n-first" "$first"
        record "scan$n-all" "$last"
    done
    record viewer-note-small "$(measure note-small Viewer -- -D memo/1 |
        cut -d' ' -f1)"
    record viewer-note-large "$(measure note-large Viewer -- -D memo/1 |
        cut -d' ' -f1)"
    for note in small large; do
        record "organiser-note-$note" "$("$bench/bench_organiser" note "$work/note-$note" |
            cut -d' ' -f1)"
    done
    echo "viewer and note round $round of $few" >&2
done

# Idle: the four side by side for a minute.
echo "idle minute" >&2
idle=(delivered:Zimpa full:Zimpa due1:Viewer note-large:Viewer)
idlers=()
for entry in "${idle[@]}"; do
    name=${entry%%:*} program=${entry#*:}
    arguments=()
    [ "$program" = Viewer ] && arguments=(-D "$([ "$name" = due1 ] && echo time/1 || echo memo/1)")
    measure "$name" "$program" --idle 60 -- "${arguments[@]}" \
        > "$work/idle-$name-$program.out" &
    idlers+=($!)
done
wait "${idlers[@]}"

median() { sort -g "$work/$1.values" | awk '{ v[NR] = $1 } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

results=$bench/results
mkdir -p "$results"
out=$results/$(date +%Y%m%d-%H%M).md
{
    echo "Run $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, $(uname -m); medians of $rounds rounds" \
        "($few for the viewer scans and notes), interleaved."
    echo
    echo "| measure | median | ratio |"
    echo "|---|---:|---|"
    bare=$(median start-bare)
    delivered=$(median start-delivered)
    full=$(median start-full)
    echo "| start to mapped window: bare Qt window | $bare ms | 1.00 |"
    echo "| start: organiser, delivered tables | $delivered ms | $(ratio "$delivered" "$bare") x bare |"
    echo "| start: organiser, full tables | $full ms | $(ratio "$full" "$bare") x bare," \
        "$(ratio "$full" "$delivered") x delivered |"
    cd=$(median close-delivered) cf=$(median close-full)
    echo "| close request to end: delivered tables | $cd ms | |"
    echo "| close request to end: full tables | $cf ms | $(ratio "$cf" "$cd") x delivered |"
    wt=$(median write-tables) ws=$(median write-settings)
    echo "| close, full tables: writing the five tables | $wt ms | |"
    echo "| close: writing Zimpa.ini (17 keys) | $ws ms | $(ratio "$ws" "$wt") x tables |"
    for n in 1 10 50; do
        first=$(median "scan$n-first") all=$(median "scan$n-all")
        echo "| Viewer -S, $n due: first window / all windows | $first / $all ms |" \
            "$(ratio "$first" "$bare") x bare / $(ratio "$all" "$n") ms per window |"
    done
    vs=$(median viewer-note-small) vl=$(median viewer-note-large)
    echo "| Viewer -D note: small / 5 MB RTF (start to window) | $vs / $vl ms |" \
        "$(ratio "$vl" "$vs") x small |"
    os=$(median organiser-note-small) ol=$(median organiser-note-large)
    echo "| organiser Betölt note: small / 5 MB RTF (until drawn) | $os / $ol ms |" \
        "$(ratio "$ol" "$os") x small |"
    for entry in "${idle[@]}"; do
        name=${entry%%:*} program=${entry#*:}
        read -r _ _ cpu wakeups < "$work/idle-$name-$program.out"
        declare "idle_${name//-/_}=$cpu"
        compared=""
        [ "$name" = full ] && compared=", $(ratio "$cpu" "$idle_delivered") x delivered"
        echo "| idle minute: $program, $name: processor time / wake-ups | $cpu ms / $wakeups |" \
            "$(ratio "$cpu" 600) % of one core$compared |"
    done
} | tee "$out"
echo "Written to $out" >&2
