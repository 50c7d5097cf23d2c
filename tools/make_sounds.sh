#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Speaks the terms of the built-in knowledge texts into the sound folder of data/.
#
#   data/sound/<term>.mp3      every term of Text10 (whole numbers), in Mandarin
#   data/sound/en/<word>.mp3   every word of the English lists, in American English
#
# Run by hand after a term changes and commit what it writes; the program only
# plays the files. A file that is already there is kept, so a second run writes
# nothing (FORCE=1 makes every file again). Needs the Debian packages espeak-ng
# and lame.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
texts=$root/src/library/texts
out=$root/data/sound
english_lists=(Knowledge6007 Knowledge6008 Knowledge6010 Knowledge6011 Knowledge6012)

# The Mandarin voice that reads Latin letters as English says tone numbers in
# English, so the pinyin voice is used; it reads characters through the same
# dictionary. Where a character has several readings and the dictionary picks
# the wrong one for the term, the term is given in pinyin here.
declare -A pinyin=(
    [奇数]="ji1 shu4"
    [差]="cha1"
)

for tool in espeak-ng lame; do
    command -v "$tool" >/dev/null || { echo "make_sounds: $tool is missing (apt-get install $tool)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The terms of a knowledge text: on each line, the text between "[" and the first "]".
terms_of() {
    sed -n 's/^\[\([^]]*\)\].*/\1/p' "$texts/$1.txt"
}

# speak VOICE TEXT MP3: small files, since the folder ships with the program.
speak() {
    local voice=$1 text=$2 mp3=$3
    if [[ -e $mp3 && -z ${FORCE:-} ]]; then
        return
    fi
    espeak-ng -v "$voice" -s 130 -w "$scratch/say.wav" "$text"
    lame --quiet -m m -b 24 --resample 16 "$scratch/say.wav" "$scratch/say.mp3"
    mv "$scratch/say.mp3" "$mp3"
    echo "wrote ${mp3#"$root"/}"
}

# A term names a file, so it must not leave the folder or hide a file.
check_name() {
    if [[ -z $1 || $1 == *"/"* || $1 == .* ]]; then
        echo "make_sounds: \"$1\" in $2 cannot be a file name" >&2
        exit 1
    fi
}

mkdir -p "$out/en"

while IFS= read -r term; do
    check_name "$term" Text10
    speak cmn-latn-pinyin "${pinyin[$term]:-$term}" "$out/$term.mp3"
done < <(terms_of Text10)

for list in "${english_lists[@]}"; do
    while IFS= read -r word; do
        check_name "$word" "$list"
        speak en-us "$word" "$out/en/$word.mp3"
    done < <(terms_of "$list")
done

du -sh "$out"
