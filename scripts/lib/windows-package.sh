# The Windows installer and the signing of the Windows files, shared by scripts/package and
# scripts/test-package (sourced after lib/common.sh).

RIGVET_WXS="$RIGVET_ROOT/res/windows/rigvet.wxs"

# The installer's upgrade code, the same for every version; the WiX source holds it.
rigvet_msi_upgrade_code() {
    sed -n 's/^<?define UpgradeCode = "\([0-9A-F-]*\)" ?>$/\1/p' "$RIGVET_WXS"
}

# The product code of VERSION: a name-based UUID of the version under the upgrade code, so each
# version has its own (as a major upgrade needs) and a rebuild of one version keeps it.
rigvet_msi_product_code() {
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$(rigvet_msi_upgrade_code)" "$1"
}

# Writes the Windows guide for VERSION to OUT as Windows text, with the codes of that version.
rigvet_windows_guide() {
    sed -e "s/@VERSION@/$1/g" -e "s/@PRODUCT_CODE@/$(rigvet_msi_product_code "$1")/g" \
        -e "s/@UPGRADE_CODE@/$(rigvet_msi_upgrade_code)/g" -e 's/$/\r/' \
        "$RIGVET_ROOT/res/windows/README-Windows.txt" >"$2"
}

# Builds the MSI OUT of VERSION (a.b.c.d) from FOLDER, which holds rigvet.exe, rigvet-cli.exe,
# README-Windows.txt, LICENSE.txt and THIRD-PARTY-NOTICES.txt. wixl takes file paths relative
# to the current folder.
rigvet_make_msi() {
    local folder="$1" version="$2" out="$3" major minor patch
    IFS=. read -r major minor patch _ <<<"$version"
    wixl -a x64 -D Version="$version" -D NextRelease="$major.$minor.$((patch + 1))" \
        -D ProductCode="$(rigvet_msi_product_code "$version")" \
        -D SourceDir="$(realpath --relative-to=. "$folder")" \
        -D IconFile="$(realpath --relative-to=. "$RIGVET_ROOT/res/rigvet.ico")" \
        -o "$out" "$RIGVET_WXS"
}

# True when the Windows files are to be signed: RIGVET_SIGN_CERT and RIGVET_SIGN_KEY name the PEM
# certificate (with its chain) and key. Says in one line when they are not; stops the script
# when only one is set or a file cannot be read.
rigvet_signing_wanted() {
    if [ -z "${RIGVET_SIGN_CERT:-}" ] && [ -z "${RIGVET_SIGN_KEY:-}" ]; then
        echo "scripts/package: RIGVET_SIGN_CERT and RIGVET_SIGN_KEY are not set: the Windows programs and the MSI are not signed" >&2
        return 1
    fi
    local file
    for file in "${RIGVET_SIGN_CERT:-}" "${RIGVET_SIGN_KEY:-}"; do
        if [ -z "$file" ] || [ ! -r "$file" ]; then
            echo "scripts/package: signing needs both RIGVET_SIGN_CERT and RIGVET_SIGN_KEY, readable PEM files" >&2
            exit 1
        fi
    done
}

# Signs FILE in place (Authenticode, SHA-256), time-stamped by RIGVET_SIGN_TIMESTAMP_URL (an
# RFC 3161 server) when it is set, the only network use of the packaging. osslsigncode runs
# without a terminal, so an encrypted key fails at once instead of waiting for a pass phrase.
rigvet_sign() {
    local file="$1" timestamp=()
    [ -z "${RIGVET_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$RIGVET_SIGN_TIMESTAMP_URL")
    rm -f "$file.signed"
    timeout 300 setsid -w osslsigncode sign -certs "$RIGVET_SIGN_CERT" -key "$RIGVET_SIGN_KEY" \
        -h sha256 -n Rigvet "${timestamp[@]}" -in "$file" -out "$file.signed" >&2 &&
        mv "$file.signed" "$file"
}
