# Running and timing one Wine command, and reading what a collection left behind. Expects
# WINEPREFIX from wine_env_start.

# timed OUT COMMAND...
# Runs COMMAND with its output in OUT.out and OUT.err (files, never pipes: Wine's background
# processes can hold a pipe open) and sets ELAPSED_MS to its wall time and STATUS to its exit
# code.
timed() {
    local out=$1
    shift
    local start
    start=$(date +%s%N)
    STATUS=0
    "$@" >"$out.out" 2>"$out.err" </dev/null || STATUS=$?
    ELAPSED_MS=$((($(date +%s%N) - start) / 1000000))
}

# median NUMBER...
median() {
    printf '%s\n' "$@" | sort -n |
        awk '{ v[NR] = $1 }
             END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# distinct NUMBER...: the different values, ascending, joined by "/".
distinct() {
    printf '%s\n' "$@" | sort -nu | paste -sd/
}

# ratio A B: A/B with two decimals.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# seconds MS: milliseconds as seconds with two decimals.
seconds() {
    awk -v ms="$1" 'BEGIN { printf "%.2f", ms / 1000 }'
}

# C:\文件清单.txt on the Linux side.
listing_file() {
    echo "$WINEPREFIX/drive_c/文件清单.txt"
}

remove_listing() {
    rm -f "$(listing_file)"
}

# Number of lines in the listing (each ends in CR LF); 0 when there is none.
listing_lines() {
    if [ -f "$(listing_file)" ]; then wc -l <"$(listing_file)"; else echo 0; fi
}

listing_bytes() {
    if [ -f "$(listing_file)" ]; then stat -c %s "$(listing_file)"; else echo 0; fi
}

# figure FILE NAME: the value of a "NAME value" line that collection_bench printed.
figure() {
    awk -v name="$2" '$1 == name { print $2 }' "$1"
}

# own_ms FILE: of the time RunCollection took, the part not spent waiting for the script, in ms,
# from what collection_bench run printed to FILE.
own_ms() {
    awk '$1 == "run_ms" { run = $2 } $1 == "wait_ms" { wait = $2 }
         END { printf "%.1f", run - wait }' "$1"
}
