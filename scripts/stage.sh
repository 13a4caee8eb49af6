#!/usr/bin/env bash
# Completes the program directory next to the built executable. A directory without a database is a
# fresh installation: it gets the installer's marker and an initial settings file. User data (settings,
# database, marker) already there is never touched.
set -eu
res=$1; app=$2
mkdir -p "$app"
cp -f "$res/Style.plm" "$app/Style.plm"
if [ -d "$res/Templates" ]; then
    mkdir -p "$app/Templates"
    cp -rf "$res/Templates/." "$app/Templates/"
fi
if [ ! -e "$app/PellomarBrevantaLite.mdb" ] && [ ! -e "$app/PellomarBrevantaLite.ini" ]; then
    : > "$app/install.tmp"
    printf '[Preferences]\r\nFirstRun=1\r\n' > "$app/PellomarBrevantaLite.ini"
fi
