#!/usr/bin/env bash
# The desktop entry and the AppStream metadata as installed must pass their validators, and the
# file type must be well-formed shared-mime-info.
#   desktop_files_test.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail
source=$1
build=$2
desktop-file-validate "$source/assets/desktop/org.quorvane.Quorvane.desktop"
appstreamcli validate --no-net --pedantic "$build/desktop/org.quorvane.Quorvane.metainfo.xml"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages"
cp "$source/assets/desktop/quorvane-mime.xml" "$scratch/mime/packages/quorvane.xml"
update-mime-database "$scratch/mime" >/dev/null 2>&1
grep -q "application/x-quorvane-simulation" "$scratch/mime/globs2"
