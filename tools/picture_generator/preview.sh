#!/usr/bin/env bash
# Contact sheets of every picture and the windows painted from them, with captions, for review:
#   tools/picture_generator/preview.sh [output directory, default build/pictures-preview]
# Needs ImageMagick. Nothing it writes belongs in the repository.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="$(realpath -m "${1:-$repo/build/pictures-preview}")"
build="${DUSK_GENERATOR_BUILD:-$repo/build/generator}"
pics="$repo/resources/pictures"
mkdir -p "$out/tmp/tiles"

cmake -S "$repo/tools/picture_generator" -B "$build" >/dev/null
cmake --build "$build" >/dev/null
"$build/mock_windows" "$pics" "$out/tmp"

font=DejaVu-Sans; bold=DejaVu-Sans-Bold
[ -f /usr/share/wine/fonts/tahoma.ttf ] && font=/usr/share/wine/fonts/tahoma.ttf
[ -f /usr/share/wine/fonts/tahomabd.ttf ] && bold=/usr/share/wine/fonts/tahomabd.ttf

declare -A caption=([Blue]='#00479D' [Green]='#0D6D11' [Black]='#FEFEFE' [Yellow]='#7F2D00' [Red]='#B40000')

# text FILE FONT SIZE COLOUR X Y TEXT: one line with its top left at (X, Y).
text() { convert "$1" -font "$2" -pointsize "$3" -fill "$4" -gravity NorthWest -annotate "+$5+$6" "$7" "$1"; }
# centred FILE FONT SIZE COLOUR LEFT TOP WIDTH HEIGHT TEXT: centred in a box.
centred() {
    local w; w=$(convert -font "$2" -pointsize "$3" label:"$9" -format %w info:)
    text "$1" "$2" "$3" "$4" $(( $5 + ($7 - w) / 2 )) $(( $6 + ($8 - $3 - 3) / 2 )) "$9"
}

for skin in Blue Green Black Yellow Red; do
    f="$out/countdown_$skin.png"; cp "$out/tmp/countdown_$skin.png" "$f"
    text "$f" "$bold" 12 white 8 5 "Tolvane Dusk Relay"
    text "$f" "$bold" 11 '#FF8040' 100 36 "Time before shutdown:"
    centred "$f" "$bold" 12 "${caption[$skin]}" $((210 + 6)) $((155 - 1)) 135 33 "Cancel Task"

    f="$out/notice_$skin.png"; cp "$out/tmp/notice_$skin.png" "$f"
    text "$f" "$bold" 13 white 8 5 "Tolvane Dusk Relay"
    convert "$f" \( -size 294x37 -background none -font "$font" -pointsize 12 -fill black \
        caption:"The program will run in the background. You can double-click its icon on the taskbar to restore it." \) \
        -geometry +55+38 -composite "$f"
    text "$f" "$font" 12 '#434343' 35 190 "Do not prompt me in the future?"
    centred "$f" "$bold" 11 "${caption[$skin]}" $((259 + 1)) $((180 - 1)) 90 33 "OK"

    f="$out/main_$skin.png"; cp "$out/tmp/main_$skin.png" "$f"
    text "$f" "$bold" 13 white 31 8 "Tolvane Dusk Relay"
    centred "$f" "$bold" 13 black 12 $((35 + 2)) 128 31 "Dusk Relay"
    centred "$f" "$bold" 12 white 127 $((35 + 2)) 128 31 "Our Products"
    centred "$f" "$bold" 12 white 242 $((35 + 2)) 128 31 "Vimbly"
    y=225; for t in "Shut down" "Log off" "Stand by" "Hibernate"; do
        text "$f" "$bold" 11 '#666666' $((20 + 57 + 18)) "$y" "$t"; y=$((y + 53))
    done
    text "$f" "$bold" 12 '#00479D' $((20 + 35)) $((72 + 116)) "  Task  "
    text "$f" "$bold" 12 '#00479D' $((20 + 305)) $((72 + 116)) "  Time  "
    text "$f" "$font" 19 '#116CBF' $((20 + 120)) $((72 + 12)) "Dusk Relay"
    text "$f" "$bold" 12 '#00479D' $((20 + 60)) $((72 + 380)) "Please set a task."
    centred "$f" "$bold" 12 "${caption[$skin]}" $((515 + 8)) $((444 - 1)) 135 33 "Start Task"
    centred "$f" "$bold" 12 "${caption[$skin]}" $((365 + 8)) $((444 - 1)) 135 33 "Cancel Task"
done

montage "$out"/countdown_*.png -tile 2x -geometry +6+6 -background '#6B7380' "$out/windows_countdown.png"
montage "$out"/notice_*.png -tile 2x -geometry +6+6 -background '#6B7380' "$out/windows_notice.png"
convert "$out/tmp"/blink_*.png -append -scale 200% "$out/sheet_blink.png"

# Contact sheets by family: every picture magnified on a checkerboard, labelled with its stem.
sheet() {  # sheet NAME SCALE COLUMNS GLOB...
    local name=$1 scale=$2 columns=$3; shift 3
    local tiles=()
    for f in "$@"; do
        local stem; stem=$(basename "$f" .png)
        local size; size=$(identify -format "%[fx:w*$scale/100]x%[fx:h*$scale/100]" "$f")
        convert -size "$size" pattern:checkerboard \( "$f" -scale "$scale%" \) -composite "$out/tmp/tiles/$stem.png"
        tiles+=("$out/tmp/tiles/$stem.png")
    done
    montage -label '%t' "${tiles[@]}" -tile "${columns}x" -geometry +4+4 -pointsize 10 -background '#9AA3AE' \
        "$out/sheet_$name.png"
}
cd "$pics"
sheet frames 800 5 imgBKBlue.png imgBKGreen.png imgBKBlack.png imgBKYellow.png imgBKRed.png
sheet corners 100 5 imgBK*2.png
for list in imgListTab XImageButtonPicList1 imgListOK imgListLanguage; do sheet "$list" 200 4 "$list"_*.png; done
sheet chrome 400 11 imgListMin_*.png imgListMax_*.png imgListRestore_*.png imgListClose_*.png
sheet checkboxes 800 6 XCheckBoxPicList1_*.png
sheet checkboxes2 800 6 XCheckBoxPicList2_*.png
sheet countdown 200 5 jishi_*.png
sheet small 400 5 task_*.png tishi_info.png app_icon_16.png
sheet tray 300 1 tishi_tray_area.png
sheet main 400 9 imgBKWhite*.png ImageList3_*.png btnSkin*.png
sheet main_large 300 2 main_*.png
sheet tray_menu 600 8 ImageList2_*.png LwVclPopupMenuPicList2_*.png
echo "preview in $out"
