# The Debian packages each command needs, sourced by ./run and ./test.
# shellcheck shell=bash
BUILD_PACKAGES=(g++ cmake ninja-build make)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format)
