#!/usr/bin/env bash
# Fails when an #include runs back up the layers, and names each such include. The layers, top down:
#   app        may include pages, framework and device
#   pages      may include framework and device
#   device     may include framework
#   framework  includes nothing of the other layers
# A quoted include is resolved next to the including file first, then from the top of the tree,
# then from device/ (where tillcore.h is found by its bare name); a header configured at build time
# counts where its template (NAME.in) lies.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
    [app]="app pages framework device"
    [pages]="pages framework device"
    [device]="device framework"
    [framework]="framework"
)

layer_of() { # a path inside the tree -> its top folder
    local path
    path=$(realpath -m --relative-to=. "$1")
    echo "${path%%/*}"
}

bad=0
checked=0
for layer in app pages device framework; do
    while IFS= read -r -d '' file; do
        while IFS= read -r include; do
            checked=$((checked + 1))
            if [ -e "$(dirname "$file")/$include" ]; then
                target=$(layer_of "$(dirname "$file")/$include")
            elif [ -e "$include" ]; then
                target=$(layer_of "$include")
            elif [ -e "device/$include" ]; then
                target=device
            elif [ -e "$include.in" ]; then # a header the build configures from a template
                target=$(layer_of "$include")
            else
                echo "unresolved include: $file includes \"$include\""
                bad=1
                continue
            fi
            if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
                echo "layer violation: $file ($layer) includes \"$include\" ($target)"
                bad=1
            fi
        done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
    done < <(find "$layer" \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
done
[ "$bad" -eq 0 ] && echo "layers: $checked includes of app, pages, device and framework point down"
exit "$bad"
