#!/bin/sh
# Rebuilds the applet class files from the sources in this folder and copies
# them to resources/applet. Works from any current directory; set JAVAC to
# use another compiler than the javac on the PATH.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
target="$here/../resources/applet"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# -Xlint:-options hides only the note that newer JDKs print about the old --release.
"${JAVAC:-javac}" --release 8 -encoding UTF-8 -Xlint:all -Xlint:-options -Werror -d "$out" \
    "$here/Face.java" "$here/Matrix3D.java" "$here/OOGL_OFF.java" "$here/Viewer41.java"

classes=$(cd "$out" && ls | tr '\n' ' ')
if [ "$classes" != "Face.class Matrix3D.class OOGL_OFF.class Viewer41.class " ]; then
    echo "build.sh: expected exactly four class files, got: $classes" >&2
    exit 1
fi

mkdir -p "$target"
cp "$out"/*.class "$target/"
echo "build.sh: updated $(cd "$target" && pwd)"
