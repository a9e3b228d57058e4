#!/usr/bin/env bash
# The manual page and the metainfo's newest release carry the version that the
# top entry of debian/changelog gives the build.
set -euo pipefail
root=$1 version=$2
man=$(sed -n '1s/^\.TH .*"prozentrechnung \([^"]*\)".*/\1/p' "$root/dist/prozentrechnung.1")
release=$(grep -m1 -o '<release version="[^"]*"' "$root/dist/de.prozentrechnung.Prozentrechnung.metainfo.xml" | cut -d'"' -f2)
[ "$man" = "$version" ] || { echo "manual page: '$man', changelog: '$version'"; exit 1; }
[ "$release" = "$version" ] || { echo "metainfo: '$release', changelog: '$version'"; exit 1; }
echo "version $version everywhere"
