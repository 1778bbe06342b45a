# Sourced by scripts/test.sh and the monkey: how the sanitized build reports. Every report stops
# the program with a stack; LeakSanitizer leaves out only the system libraries' leaks named in
# lsan.supp beside this file. A value already in the environment is kept.
dossier_sanitizers=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$dossier_sanitizers/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
unset dossier_sanitizers
