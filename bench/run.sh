#!/usr/bin/env bash
# The benchmarks: how fast the organiser and the viewer start, switch pages, print, load large
# notes, close and idle, beside a bare Qt window measured in the same rounds. Builds what it
# needs, starts a private X display (Xvfb with openbox, as the desktop tests do), runs every
# measurement ROUNDS times interleaved, and prints a table of medians with their [min..max],
# also written to build/default/bench/results/.
#
#   bash bench/run.sh [--display N] [ROUNDS]    (default 15; notes and scans take a third)
#
# The display is one that is free, or number N when given; a display that is in use is never
# taken over. ZIMPA_BENCH_BUILD=<build folder> measures the programs of another build (its dist/
# and bench/ folders, already built), such as one of the code before a change.
#
# Windows are timed from outside: bench_mapwait waits for the MapNotify of the program's window
# and pings it every 2 ms (_NET_WM_PING), which shows every freeze of its user-interface thread.
# A ratio is taken in each round between two measures of that round, so a slow moment of the
# machine weighs on both sides.
set -euo pipefail

display=""
if [ "${1:-}" = "--display" ]; then
    display=${2:?--display needs a number}
    shift 2
fi
rounds=${1:-15}
few=$(((rounds + 2) / 3))
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZIMPA_BENCH_BUILD:-$root/build/default}
bench=$build/bench
dist=$build/dist

if [ -z "${ZIMPA_BENCH_BUILD:-}" ]; then
    cd "$root"
    cmake --preset default > /dev/null
    cmake --build --preset default -j "${JOBS:-6}" --target Zimpa Viewer zimpa_dist \
        bench_window bench_mkdata bench_organiser bench_mapwait > /dev/null
fi

work=$(mktemp -d /tmp/zimpa-bench.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The display: Xvfb names a free one itself, or takes the one given and ends when it is in use;
# either way it tells its number once it accepts clients.
mkfifo "$work/display"
Xvfb ${display:+":$display"} -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
if ! read -r number < "$work/display"; then
    echo "bench: no display${display:+ :$display} (in use?)" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
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
plain_sizes=(20 40 100)
notes=(small large line20 "${plain_sizes[@]/#/plain}")
for note in "${notes[@]}"; do
    folder "note-$note"
    "$bench/bench_mkdata" due "$work/note-$note" 1
    cp "$work/note-$note/time.list" "$work/note-$note/memo.list"
done
printf 'Bev\xe1s\xe1rl\xe1s: keny\xe9r\r\n' > "$work/note-small/memo/1"
"$bench/bench_mkdata" rtf "$work/note-large/memo/1" 5000000
for size in "${plain_sizes[@]}"; do
    "$bench/bench_mkdata" lines "$work/note-plain$size/memo/1" "${size}000000"
done
"$bench/bench_mkdata" line "$work/note-line20/memo/1" 20000000

# One run in its own runtime folder (the organiser runs once per session) and its own copy of
# the program folder, so that no run sees what another wrote; prints bench_mapwait's pairs.
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
    (cd "$here" && "$bench/bench_mapwait" "${options[@]}" -- "$program" "$@") || true
    rm -rf "$here" "$XDG_RUNTIME_DIR"
}
organiser() { measure "$2" "$bench/bench_organiser" "${@:3}" -- "$1" .; } # <scenario> <folder> ...
field() { tr ' ' '\n' <<< "$2" | sed -n "s/^$1=//p" | head -1; }         # field <name> <pairs>
record() { [ -n "$2" ] && echo "$2" >> "$work/$1.values" || true; }     # record <measure> <value>
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b }'; }
# record <measure> and the ratios of the round: record_with <measure> <value> [<over> <value>]...
record_with() {
    local name=$1 value=$2
    record "$name" "$value"
    shift 2
    while [ $# -ge 2 ]; do
        [ -n "$value" ] && [ -n "$2" ] && record "$name-over-$1" "$(ratio "$value" "$2")"
        shift 2
    done
}

echo "Display $DISPLAY; $rounds rounds, interleaved; load $(cut -d' ' -f1-3 /proc/loadavg)." >&2
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
pages=(Feladatok Feljegyzések Névnapok Ünnepek Időpontok)
for round in $(seq "$rounds"); do
    bare=$(field map "$(measure delivered "$bench/bench_window")")
    text=$(field map "$(measure delivered "$bench/bench_window" -- text)")
    delivered=$(field map "$(measure delivered Zimpa)")
    full=$(field map "$(measure full Zimpa)")
    record start-bare "$bare"
    record_with start-text "$text" bare "$bare"
    record_with start-delivered "$delivered" bare "$bare" text "$text"
    record_with start-full "$full" bare "$bare" delivered "$delivered"
    cd=$(field close "$(measure delivered Zimpa --close --)")
    cf=$(field close "$(measure full Zimpa --close --)")
    record close-delivered "$cd"
    record_with close-full "$cf" delivered "$cd"
    rm -rf "$work/closing" && cp -r "$work/full" "$work/closing"
    writes=$("$bench/bench_organiser" close "$work/closing")
    record write-tables "$(field tables "$writes")"
    record write-settings "$(field settings "$writes")"
    switched=$(organiser pages full --actions ${#pages[@]})
    for i in "${!pages[@]}"; do record "page-${pages[$i]}" "$(field "freeze$((i + 1))" "$switched")"; done
    record print-names "$(field freeze1 "$(organiser print full --actions 1)")"
    echo "round $round of $rounds" >&2
done
for round in $(seq "$few"); do
    for n in 1 10 50; do
        scan=$(measure "due$n" Viewer --windows "$n" -- -S)
        record "scan$n-first" "$(field map "$scan")"
        record "scan$n-all" "$(field last "$scan")"
    done
    small=$(field map "$(measure note-small Viewer -- -D memo/1)")
    shown=$(measure note-large Viewer --watch 4000 -- -D memo/1)
    record viewer-note-small "$small"
    record_with viewer-note-large "$(field map "$shown")" small "$small"
    record viewer-note-large-freeze "$(field freeze "$shown")"
    record viewer-note-large-close "$(field close "$(measure note-large Viewer --close-after 300 \
        -- -D memo/1)")"
    loaded=$(organiser note note-large --actions 1)
    record organiser-note-large "$(field load "$loaded")"
    record organiser-note-large-freeze "$(field freeze1 "$loaded")"
    record organiser-note-large-close "$(field close "$(organiser note note-large --actions 1 \
        --close-after 300)")"
    echo "viewer and note round $round of $few" >&2
done
# The plain-text notes of 60-character lines: served while loading, the close ending the load;
# and one of a single line of 20 MB, which no editor lays out in pieces.
for size in "${plain_sizes[@]}"; do
    times=$few
    [ "$size" -gt 20 ] && times=1
    for _ in $(seq "$times"); do
        viewed=$(measure "note-plain$size" Viewer --close-after 1000 -- -D memo/1)
        record "viewer-plain$size-map" "$(field map "$viewed")"
        record "viewer-plain$size-freeze" "$(field freeze "$viewed")"
        record "viewer-plain$size-close" "$(field close "$viewed")"
        loading=$(organiser note "note-plain$size" --actions 1 --close-after 1000)
        record "organiser-plain$size-freeze" "$(field freeze1 "$loading")"
        record "organiser-plain$size-close" "$(field close "$loading")"
    done
    echo "plain note of $size MB" >&2
done
for _ in $(seq "$few"); do
    viewed=$(measure note-line20 Viewer --watch 3000 -- -D memo/1)
    record viewer-line20-map "$(field map "$viewed")"
    record viewer-line20-freeze "$(field freeze "$viewed")"
    record organiser-line20-freeze "$(field freeze1 "$(organiser note note-line20 --actions 1)")"
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
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# The median of a measure and its [min..max] over the rounds, in whole milliseconds or, for a
# ratio, with two decimals; "-" when no round gave one.
spread() { # spread <measure> [printf format]
    [ -s "$work/$1.values" ] || { echo "-"; return; }
    sort -g "$work/$1.values" | awk -v f="${2:-%.0f}" '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        if (NR == 1) printf f, m
        else printf f " [" f ".." f "]", m, v[1], v[NR] }'
}

results=$bench/results
mkdir -p "$results"
out=$results/$(date +%Y%m%d-%H%M).md
{
    echo "Run $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, $(uname -m), load average" \
        "$load_before at the start, $load_after at the end; medians of $rounds rounds ($few for" \
        "the notes and scans), [min..max] over them; ratios taken round by round."
    echo
    echo "| measure | ms, median [min..max] | ratio, median [min..max] |"
    echo "|---|---|---|"
    row() { echo "| $1 | $2 | ${3:-} |"; }
    ratio_of() { spread "$1-over-$2" %.2f; }
    row "start to mapped window: bare Qt window" "$(spread start-bare)"
    row "start to mapped window: the bare window with one line of text" "$(spread start-text)" \
        "$(ratio_of start-text bare) x bare"
    row "start: organiser, delivered tables" "$(spread start-delivered)" \
        "$(ratio_of start-delivered bare) x bare; $(ratio_of start-delivered text) x text"
    row "start: organiser, full tables" "$(spread start-full)" \
        "$(ratio_of start-full bare) x bare; $(ratio_of start-full delivered) x delivered"
    row "close request to end: delivered tables" "$(spread close-delivered)"
    row "close request to end: full tables" "$(spread close-full)" \
        "$(ratio_of close-full delivered) x delivered"
    row "close, full tables: writing the five tables" "$(spread write-tables)"
    row "close: writing Zimpa.ini (17 keys)" "$(spread write-settings)"
    for page in "${pages[@]}"; do
        row "page switch to \"$page\", full tables: longest freeze" "$(spread "page-$page")"
    done
    row "printing 1024 followed name days: longest freeze" "$(spread print-names)"
    for n in 1 10 50; do
        row "Viewer -S, $n due: first window / all windows" \
            "$(spread "scan$n-first") / $(spread "scan$n-all")"
    done
    row "Viewer -D note: small, start to window" "$(spread viewer-note-small)"
    row "Viewer -D 5 MB RTF note: start to window" "$(spread viewer-note-large)" \
        "$(ratio_of viewer-note-large small) x small"
    row "Viewer -D 5 MB RTF note: longest freeze in the 4 s after the window" \
        "$(spread viewer-note-large-freeze)"
    row "Viewer -D 5 MB RTF note: close 300 ms after the window, to the end" \
        "$(spread viewer-note-large-close)"
    row "organiser, loading the 5 MB RTF note (Betölt): until settled" \
        "$(spread organiser-note-large)"
    row "organiser, loading the 5 MB RTF note: longest freeze" \
        "$(spread organiser-note-large-freeze)"
    row "organiser, loading the 5 MB RTF note: close 300 ms in, to the end" \
        "$(spread organiser-note-large-close)"
    for size in "${plain_sizes[@]}"; do
        row "Viewer -D $size MB plain note (lines): window / freeze / close 1 s in" \
            "$(spread "viewer-plain$size-map") / $(spread "viewer-plain$size-freeze") / $(spread \
                "viewer-plain$size-close")"
        row "organiser, loading the $size MB plain note: freeze / close 1 s in" \
            "$(spread "organiser-plain$size-freeze") / $(spread "organiser-plain$size-close")"
    done
    row "Viewer -D 20 MB note of one line: window / longest freeze in 3 s" \
        "$(spread viewer-line20-map) / $(spread viewer-line20-freeze)"
    row "organiser, loading the 20 MB note of one line: longest freeze" \
        "$(spread organiser-line20-freeze)"
    for entry in "${idle[@]}"; do
        name=${entry%%:*} program=${entry#*:}
        pairs=$(cat "$work/idle-$name-$program.out")
        cpu=$(field cpu "$pairs") wakeups=$(field wakeups "$pairs")
        row "idle minute: $program, $name: processor time / wake-ups" "$cpu / $wakeups" \
            "$(awk -v c="$cpu" 'BEGIN { printf "%.2f %% of one core", c / 600 }')"
    done
} | tee "$out"
echo "Written to $out" >&2
