#!/usr/bin/env bash
# Times pekto-calc --all over a data folder of employee files (the target
# is more than 2,000 files per second). The files are written as the main
# mask saves them: 1465 quoted value lines, amounts in cents.
# Usage: tools/dev/time_calc_all.sh [pekto-calc] [files]
set -euo pipefail
calc=${1:-build/release/tools/pekto-calc}
count=${2:-10000}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
awk -v n="$count" -v dir="$folder" 'BEGIN {
  for (i = 0; i < n; i++) {
    file = sprintf("%s/E%05d.050", dir, i);
    pay = (1500 + (i * 37) % 4000) * 100 + i % 100;
    for (line = 0; line < 1465; line++) v[line] = "";
    v[0] = sprintf("%d", i % 16 + 1);  v[2] = sprintf("%d", i % 6 + 1);  v[3] = "01";
    v[6] = "1";  v[7] = "1";  v[8] = "1";  v[9] = "1630";
    v[10] = "05061980";  v[11] = sprintf("E%05d", i);  v[13] = pay;  v[14] = "30";
    v[15] = pay;  v[16] = "30";  v[17] = pay;  v[32] = "1";  v[43] = "3";
    v[46] = "160";  v[47] = "044";  v[80] = sprintf("%02d2%d", i % 12 + 1, i % 5);
    for (line = 0; line < 1465; line++) printf "\"%s\"\r\n", v[line] > file;
    close(file);
  }
}'
echo "$(ls "$folder" | wc -l) employee files"
start=$(date +%s.%N)
"$calc" --all "$folder" > "$folder.out" || true
end=$(date +%s.%N)
seconds=$(echo "$end - $start" | bc)
echo "pekto-calc --all: $seconds s, $(echo "$count / $seconds" | bc) files/s"
echo "results: $(grep -c '"result"' "$folder.out"), errors: $(grep -c '"error"' "$folder.out" || true)"
rm -f "$folder.out"
