#!/bin/sh
# check_exports.sh OBJDUMP BIN_DIR TABLE: the export tables objdump reads from the four
# media libraries hold exactly the ordinals and names of TABLE ("library ordinal name").
set -eu
objdump=$1 bin=$2 table=$3
status=0
for library in $(cut -d' ' -f1 "$table" | sort -u); do
  expected=$(awk -v l="$library" '$1 == l {print $2, $3}' "$table" | sort -n)
  # "Ordinal Base N" precedes the name table, whose lines "[ i] Name" give ordinal N + i.
  actual=$("$objdump" -p "$bin/$library" | awk '
    /Ordinal Base/ { base = $NF }
    /^\[Ordinal\/Name Pointer\] Table/ { names = 1; next }
    names && /^[[:space:]]*\[/ { gsub(/[][]/, " "); print base + $1, $2; next }
    names { names = 0 }' | sort -n)
  if [ "$expected" != "$actual" ]; then
    echo "$library: exports differ"
    echo "expected:"; echo "$expected"
    echo "objdump:"; echo "$actual"
    status=1
  fi
done
[ $status -eq 0 ] && echo "exports match"
exit $status
