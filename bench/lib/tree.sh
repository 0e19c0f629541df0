# make_tree DIR FILES FOLDERS
# Creates FOLDERS folders below DIR, FOLDERS/10 top folders with 9 subfolders each, and
# FILES/FOLDERS empty files with ASCII names in every one of them. Every fifth top folder and
# its subfolders have Chinese names. FOLDERS must divide FILES and be a multiple of 10.
make_tree() {
    local dir=$1 files=$2 folders=$3
    local per_folder=$((files / folders)) tops=$((folders / 10))
    local extensions=(txt log csv jpg tar.gz)
    local top sub folder name n=0 t s i
    for ((t = 0; t < tops; t++)); do
        if ((t % 5 == 0)); then top="$dir/资料$t" sub=子目录; else top="$dir/dir$t" sub=sub; fi
        for ((s = 0; s < 10; s++)); do
            if ((s == 0)); then folder=$top; else folder="$top/$sub$s"; fi
            mkdir -p "$folder"
            for ((i = 0; i < per_folder; i++)); do
                name="file$n.${extensions[n % ${#extensions[@]}]}"
                : >"$folder/$name"
                n=$((n + 1))
            done
        done
    done
}
