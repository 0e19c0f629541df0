# scale_bench FILES...
# One collection through the program's own code path (collection_bench run) per tree size, 20
# files per folder. Prints the listing's lines and bytes, the wall time and the program's peak
# memory for each size, and how much each grew per tenfold step.
scale_bench() {
    local out=$WINE_ENV_DIR/out rows=$WINE_ENV_DIR/out/scale-rows
    mkdir -p "$out"
    : >"$rows"
    # The first Wine start of a prefix is slower; keep it out of the smallest size's time.
    timed "$out/warmup" wine cmd /c exit

    local files folders tree lines
    for files in "$@"; do
        folders=$((files / 20)) tree="D:\\tree$files"
        echo "Creating $files files in $folders folders under $tree ..."
        make_tree "$DRIVE_D/tree$files" "$files" "$folders"
        remove_listing
        echo "Collecting $tree ..."
        timed "$out/scale" wine "$BENCH_EXE" run "$tree"
        [ "$STATUS" -eq 0 ] || echo "warning: the run for $files files reported no listing" >&2
        lines=$(listing_lines)
        [ "$lines" -eq "$files" ] || echo "warning: $lines lines in the listing of $files files" >&2
        echo "$files $folders $lines $(listing_bytes) $ELAPSED_MS" \
            "$(figure "$out/scale.out" peak_working_set)" \
            "$(figure "$out/scale.out" peak_pagefile_usage)" >>"$rows"
        remove_listing
        rm -rf "$DRIVE_D/tree$files"
    done

    echo
    echo "Collections through the program, one run per size (wall time of the wine process)"
    awk '
        BEGIN {
            printf "%8s %8s %8s %12s %10s %12s %18s\n", "files", "folders", "lines", "bytes",
                   "wall s", "peak WS KiB", "peak pagefile KiB"
        }
        {
            printf "%8d %8d %8d %12d %10.2f %12d %18d\n", $1, $2, $3, $4, $5 / 1000,
                   $6 / 1024, $7 / 1024
            for (i = 1; i <= 7; i++) { row[NR, i] = $i }
        }
        END {
            if (NR < 2) exit
            print ""
            printf "%-17s %8s %12s %10s %12s %18s\n", "growth per x10", "lines", "bytes",
                   "wall", "peak WS", "peak pagefile"
            for (r = 2; r <= NR; r++) {
                printf "%-17s", row[r - 1, 1] " -> " row[r, 1]
                printf " %8.2f %12.2f %10.2f", row[r, 3] / row[r - 1, 3],
                       row[r, 4] / row[r - 1, 4], row[r, 5] / row[r - 1, 5]
                printf " %12.3f %18.3f\n", row[r, 6] / row[r - 1, 6],
                       row[r, 7] / row[r - 1, 7]
            }
        }' "$rows"
}
