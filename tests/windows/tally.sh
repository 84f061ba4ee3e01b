# Sourced by the Windows checks: each check says PASS or FAIL as it goes, and the script ends with
# the count on a line of its own ("7 passed, 0 failed"); the first failure ends it.
passed=0
fail() {
    echo "FAIL: $*"
    echo "$passed passed, 1 failed"
    exit 1
}
pass() {
    echo "PASS: $*"
    passed=$((passed + 1))
}
all_passed() { echo "$passed passed, 0 failed"; }
