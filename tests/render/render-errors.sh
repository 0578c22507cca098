#!/bin/sh
# The renderer's error paths: each must print one clear line and exit non-zero,
# and a good render must write a WAV file. $1 is the gatevox-render program.
set -u
render="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect_failure ()
{
    pattern="$1"; shift
    if out=$("$render" "$@" 2>&1); then
        echo "FAIL (exit 0): $*"; failures=$((failures + 1)); return
    fi
    if ! printf '%s\n' "$out" | grep -q -- "$pattern"; then
        echo "FAIL (message '$out' lacks '$pattern'): $*"; failures=$((failures + 1)); return
    fi
    if [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ]; then
        echo "FAIL (more than one line: '$out'): $*"; failures=$((failures + 1)); return
    fi
    echo "ok: $pattern"
}

# A WAV header for a file with the given channel count and no samples.
wav_header ()
{
    channels=$1
    printf 'RIFF\044\000\000\000WAVEfmt \020\000\000\000\001\000'
    printf "\\$(printf '%03o' "$channels")\\000"
    printf '\200\273\000\000\000\167\001\000\004\000\020\000data\000\000\000\000'
}

printf 'this is not audio\n' > "$work/text.wav"
wav_header 6 > "$work/six.wav"

expect_failure "no such file" -i "$work/missing.wav" -o "$work/out.wav"
expect_failure "not an audio file" -i "$work/text.wav" -o "$work/out.wav"
expect_failure "6 channels" -i "$work/six.wav" -o "$work/out.wav"
expect_failure "folder does not exist" -l 0.1 -o "$work/no/such/folder/out.wav"
expect_failure "is the input" -i "$work/text.wav" -o "$work/text.wav"
expect_failure "unknown option" --frobnicate 3
expect_failure "no such file" -s "$work/missing.xml" -l 0.1 -o "$work/out.wav"
expect_failure "is not XML" -s "$work/text.wav" -l 0.1 -o "$work/out.wav"
printf '<SomethingElse a="1"/>\n' > "$work/other.xml"
expect_failure "neither a host state nor a preset" -s "$work/other.xml" -l 0.1 -o "$work/out.wav"
expect_failure "positive number" -t -5
expect_failure "needs a value" -o

if "$render" -l 0.5 -o "$work/demo.wav" > /dev/null 2>&1 && [ -s "$work/demo.wav" ]; then
    echo "ok: demo render"
else
    echo "FAIL: demo render"; failures=$((failures + 1))
fi

# The demo's output processed again, as an input file: it must not be touched.
before=$(cksum < "$work/demo.wav")
if "$render" -i "$work/demo.wav" -o "$work/again.wav" > /dev/null 2>&1 && [ -s "$work/again.wav" ] \
   && [ "$(cksum < "$work/demo.wav")" = "$before" ]; then
    echo "ok: input render"
else
    echo "FAIL: input render"; failures=$((failures + 1))
fi

exit $failures
