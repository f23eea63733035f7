#!/bin/sh
# Makes the golden data files of this folder with the command-line tool, one per model: channels
# with tones, some feature bytes and an embedded message. Run it again only when they must change:
#   tests/data/make_golden_files.sh build/cli/rpx41c-cli
set -eu
cli=$1
here=$(dirname "$0")

golden() { # MODEL RANGE-CODE MHZ: channels at MHZ.0125, MHZ.5, ...
    file=$here/$1.dat
    rm -f "$file"
    "$cli" new "$file" --model "$1" --code "$2"
    "$cli" set "$file" 1 rx="$3.0125" tx="$3.0125" decode=67.0 encode=67.0 power=1 wide=1 scan=1
    "$cli" set "$file" 2 rx="$3.5" tx="$3.75" decode=D023N encode=D023N power=0 wide=0
    "$cli" set "$file" 3 rx="$3.25" tx="$3.3" encode=100.0 scan=1 option=1
    "$cli" set "$file" 4 rx="$3.9" tx="$3.9" decode=D754I
    # Optional features, key assignment, scan, a DTMF autodial code of four digits.
    "$cli" poke "$file" A0 0 1 0 1 2 0 7
    "$cli" poke "$file" 240 1 2 3 0 5
    "$cli" poke "$file" 260 2 8 8 1
    "$cli" poke "$file" F0 1 2 3 4
    "$cli" poke "$file" 1A0 4
    # The embedded message "GOLDEN" and the model string on its second line.
    "$cli" poke "$file" 300 47 4F 4C 44 45 4E
    "$cli" poke "$file" 320 $(printf %s "$1" | od -An -tx1)
}

golden MDL1A 21 140
golden MDL1B 11 150
golden MDL2A 51 410
golden MDL2B 31 460
# Only the extended variants have a second group of channels, shown while a key switches groups.
for model in MDL1B MDL2B; do
    mhz=$([ $model = MDL1B ] && echo 160 || echo 470)
    "$cli" poke "$here/$model.dat" 245 B
    "$cli" set "$here/$model.dat" 5 rx="$mhz.1" tx="$mhz.1" decode=88.5 encode=88.5
    "$cli" set "$here/$model.dat" 8 rx="$mhz.2" tx="$mhz.2" encode=D023N power=1
done
