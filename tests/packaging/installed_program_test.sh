#!/usr/bin/env bash
# Installs the build into a scratch prefix, moves the prefix elsewhere (an installed program finds
# its files relative to itself), then runs the installed runner on an installed example and starts
# the installed desktop program offscreen with a scratch home: it must find its shipped files and
# write only into the user's data folder.
#   installed_program_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$scratch/stage" cmake --install "$build" --prefix /usr >/dev/null
mv "$scratch/stage/usr" "$scratch/moved"
prefix=$scratch/moved
data=$prefix/share/quorvane
example="$data/examples/First Order Lag.vqe"

for file in bin/quorvane bin/quorvane-run share/man/man1/quorvane.1.gz share/man/man1/quorvane-run.1.gz \
    share/applications/org.quorvane.Quorvane.desktop share/metainfo/org.quorvane.Quorvane.metainfo.xml \
    share/mime/packages/quorvane.xml share/icons/hicolor/scalable/apps/quorvane.svg \
    share/icons/hicolor/48x48/apps/quorvane.png share/bash-completion/completions/quorvane-run \
    "share/quorvane/Quorvane Manual.pdf" "share/quorvane/Quorvane Function Blocks.pdf" \
    "share/quorvane/Quorvane Examples Help.pdf" share/quorvane/sounds/drag.wav; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ "$(ls "$data/examples"/*.vqe | wc -l)" -eq 10 ] || fail "the ten example models are not installed"

export ASAN_OPTIONS=detect_leaks=0
mkdir "$scratch/work"
cd "$scratch/work"
"$prefix/bin/quorvane-run" "$example" --csv rows.csv 2>runner.err || fail "the runner failed: $(cat runner.err)"
[ "$(wc -l <rows.csv)" -gt 10 ] || fail "the runner wrote no rows"

installed=$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)
mkdir "$scratch/home"
HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache \
  QT_QPA_PLATFORM=offscreen "$prefix/bin/quorvane" --screenshot "$scratch/shot.png" "$example" 2>desktop.err ||
  fail "the desktop program failed: $(cat desktop.err)"
[ -s "$scratch/shot.png" ] || fail "no picture of the main window"
user=$scratch/data/Quorvane
grep -qx "message: creating $user/Examples" desktop.err || fail "the first start did not announce $user/Examples"
[ "$(ls "$user/Examples"/*.vqe | wc -l)" -eq 10 ] || fail "the shipped examples were not copied"
[ -f "$user/Examples/Packing Slip.pck" ] || fail "no packing slip"
grep -qF "$example" "$user/NelqueStor.dat" || fail "the example loaded is not in the recent-file list"
[ "$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)" = "$installed" ] || fail "the program wrote into its prefix"
[ -z "$(ls -A "$scratch/home")" ] || fail "the program wrote into the home folder: $(ls -A "$scratch/home")"
[ "$(ls -A "$scratch/data")" = Quorvane ] || fail "the program wrote beside its data folder"
echo "installed program passed"
