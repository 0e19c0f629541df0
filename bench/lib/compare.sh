# compare_bench RUNS
# The same 5,000-file collection four ways, alternating, RUNS rounds:
#   (a) the program's own code path: collection_bench run
#   (b) the identical script file run by cmd alone
#   (c) cmd's own recursive listing, as a floor for walking the tree
#   (d) the identical script file started as RunCollection starts it (hidden, in a console of
#       its own), without the rest of the program: splits (a)/(b) into what the program's code
#       adds, (a)/(d), and what cmd's own console costs, (d)/(b)
# Prints the wall times, their medians and the ratios.
compare_bench() {
    local runs=$1
    local files=5000 folders=250
    local tree='D:\tree' script='D:\bench.bat' out=$WINE_ENV_DIR/out
    mkdir -p "$out"

    echo "Creating $files files in $folders folders under $tree ..."
    make_tree "$DRIVE_D/tree" $files $folders
    timed "$out/script" wine "$BENCH_EXE" script "$tree" "$script"
    [ "$STATUS" -eq 0 ] || { echo "collection_bench could not write $script" >&2; return 1; }
    # The first Wine start of a prefix is slower, and the first walk fills the file cache.
    timed "$out/warmup" wine cmd /c dir /s /b "$tree" '>nul'

    local -a a=() b=() c=() d=() inside=() own=() lines_a=() lines_b=() lines_d=()
    local round variant
    for ((round = 0; round < runs; round++)); do
        # Each round starts with the next variant, so that none always runs first.
        local order=(a b d c a b d)
        for variant in "${order[@]:round % 4:4}"; do
            remove_listing
            case $variant in
                a)
                    timed "$out/a" wine "$BENCH_EXE" run "$tree"
                    [ "$STATUS" -eq 0 ] || echo "warning: (a) reported no listing" >&2
                    a+=("$ELAPSED_MS") inside+=("$(figure "$out/a.out" run_ms)")
                    own+=("$(own_ms "$out/a.out")")
                    lines_a+=("$(listing_lines)")
                    ;;
                b)
                    timed "$out/b" wine cmd /c "$script"
                    b+=("$ELAPSED_MS") lines_b+=("$(listing_lines)")
                    ;;
                c)
                    timed "$out/c" wine cmd /c dir /s /b "$tree" '>nul'
                    c+=("$ELAPSED_MS")
                    ;;
                d)
                    timed "$out/d" wine "$BENCH_EXE" launch "$script"
                    d+=("$ELAPSED_MS") lines_d+=("$(listing_lines)")
                    ;;
            esac
            if ((round == 0)) && [ -f "$(listing_file)" ]; then
                cp "$(listing_file)" "$out/listing-$variant"
            fi
            echo "  round $((round + 1)) ($variant): $(seconds "$ELAPSED_MS") s"
        done
    done
    remove_listing

    local ma mb mc md
    ma=$(median "${a[@]}") mb=$(median "${b[@]}") mc=$(median "${c[@]}") md=$(median "${d[@]}")
    echo
    echo "Collection of $files files in $folders folders, $runs rounds," \
        "wall time of the wine process"
    printf '%-42s %8s %7s  %s\n' variant "median s" lines "each round, s"
    compare_row "(a) program: RunCollection" "$ma" "$(distinct "${lines_a[@]}")" "${a[@]}"
    compare_row "(b) cmd /c $script (same script)" "$mb" "$(distinct "${lines_b[@]}")" "${b[@]}"
    compare_row "(c) cmd /c dir /s /b $tree >nul" "$mc" - "${c[@]}"
    compare_row "(d) ExecuteAndWait $script alone" "$md" "$(distinct "${lines_d[@]}")" "${d[@]}"
    compare_row "    (a) inside the program, RunCollection" "$(median "${inside[@]}")" - \
        "${inside[@]}"
    echo "(a) inside the program, not waiting for cmd: median $(median "${own[@]}") ms," \
        "each round:" "${own[@]}"
    echo
    echo "(a)/(b) = $(ratio "$ma" "$mb")    (a)/(c) = $(ratio "$ma" "$mc")"
    echo "(a)/(d) = $(ratio "$ma" "$md")    (d)/(b) = $(ratio "$md" "$mb")"
    if cmp -s "$out/listing-a" "$out/listing-b" && cmp -s "$out/listing-a" "$out/listing-d"; then
        echo "Listings of (a), (b) and (d): byte for byte identical"
    else
        echo "Listings of (a), (b) and (d): DIFFERENT"
    fi
}

# compare_row LABEL MEDIAN_MS LINES MS...
compare_row() {
    local label=$1 median_ms=$2 lines=$3
    shift 3
    local each="" ms
    for ms in "$@"; do each+=" $(seconds "$ms")"; done
    printf '%-42s %8s %7s %s\n' "$label" "$(seconds "$median_ms")" "$lines" "$each"
}
