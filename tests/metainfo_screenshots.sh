#!/usr/bin/env bash
# Every screenshot of the metainfo names a picture of the gallery by its path in
# the repository, and the default one comes first.
set -euo pipefail
root=$1
metainfo=$root/dist/de.prozentrechnung.Prozentrechnung.metainfo.xml
mapfile -t shots < <(grep -o '<image>[^<]*</image>' "$metainfo" | sed -E 's#<image>https://[^/]+/##; s#</image>##')
[ "${#shots[@]}" -gt 0 ] || { echo "no screenshots"; exit 1; }
for path in "${shots[@]}"; do
  [ -f "$root/$path" ] || { echo "missing: $path"; exit 1; }
done
grep -m1 -E '<screenshot( |>)' "$metainfo" | grep -q 'type="default"' || { echo "first screenshot is not the default"; exit 1; }
echo "${#shots[@]} screenshots, all in the repository"
