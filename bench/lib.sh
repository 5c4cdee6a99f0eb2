# What the bench scripts share: how they fail, how they read their options, and the X server they
# run under. Source it first:  source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
#
# It sets `root` (the repository) and `build` (the build folder the script defaults to, which it
# may change before parse_options). Bash only.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
script_arguments=()

# Prints "<script>: message" on standard error and ends the script with status 1.
die() {
    echo "$(basename "$0" .sh): $*" >&2
    exit 1
}

# parse_options OPTION=VARIABLE... -- ARGUMENTS...
# Stores the value of each "--OPTION VALUE" among the arguments into VARIABLE; an unknown option
# or a missing value ends the script. A folder given with --build must exist and becomes absolute.
parse_options() {
    local -A variable_of=()
    while [[ $1 != -- ]]; do
        variable_of[${1%%=*}]=${1#*=}
        shift
    done
    shift
    script_arguments=("$@")
    local known
    known=$(printf -- '--%s\n' "${!variable_of[@]}" | sort | paste -s -d ' ')
    while [[ $# -gt 0 ]]; do
        local name=${1#--}
        [[ $1 == --* && -n ${variable_of[$name]:-} ]] ||
            die "unknown option $1 (options: $known)"
        [[ $# -ge 2 ]] || die "missing value after $1"
        printf -v "${variable_of[$name]}" '%s' "$2"
        [[ $name != build ]] || build=$(cd "$2" 2> /dev/null && pwd) || die "no folder $2"
        shift 2
    done
}

# require_built HINT FILE...: each file must exist, or the script ends telling how to build it.
require_built() {
    local hint=$1 file
    shift
    for file in "$@"; do
        [[ -e $file ]] || die "$file is missing; build it first: $hint"
    done
}

# require_commands COMMAND...: each command must be on the PATH.
require_commands() {
    local command
    for command in "$@"; do
        command -v "$command" > /dev/null || die "$command is missing: tools/install-deps.sh test"
    done
}

# Runs the script again, with the same arguments, inside an X server of its own, unless it already
# runs in one that this function started.
run_under_xvfb() {
    [[ -z ${VYN_BENCH_UNDER_XVFB:-} ]] || return 0
    command -v xvfb-run > /dev/null || die "xvfb-run is missing (Debian package xvfb)"
    VYN_BENCH_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" \
        "${script_arguments[@]}"
}
