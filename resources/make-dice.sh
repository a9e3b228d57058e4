#!/usr/bin/env bash
# Writes the six die faces dice-1.svg .. dice-6.svg (40 x 40): a dark blue face
# with rounded corners and yellow pips. The corners stay transparent; the image
# list that holds the faces puts them on white.
# Usage: ./make-dice.sh  (writes into the folder of this script)
set -euo pipefail
cd "$(dirname "$0")"

# Pip centres on a 3 x 3 grid: columns and rows at 11, 20 and 29.
declare -A pips=(
  [1]="20,20"
  [2]="29,11 11,29"
  [3]="29,11 20,20 11,29"
  [4]="11,11 29,11 11,29 29,29"
  [5]="11,11 29,11 20,20 11,29 29,29"
  [6]="11,11 11,20 11,29 29,11 29,20 29,29"
)

for n in 1 2 3 4 5 6; do
  {
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40" viewBox="0 0 40 40">'
    echo '<rect x="0.5" y="0.5" width="39" height="39" rx="7" fill="#1b2a7a" stroke="#0c1548"/>'
    echo '<rect x="2.5" y="2.5" width="35" height="35" rx="5.5" fill="none" stroke="#2c40a8"/>'
    for p in ${pips[$n]}; do
      echo "<circle cx=\"${p%,*}\" cy=\"${p#*,}\" r=\"3.8\" fill=\"#ffd200\" stroke=\"#c79a00\" stroke-width=\"0.8\"/>"
    done
    echo '</svg>'
  } > "dice-$n.svg"
done
