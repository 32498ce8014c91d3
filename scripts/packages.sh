# The Debian packages each command needs, sourced by ./run and ./test.
# shellcheck shell=bash
BUILD_PACKAGES=(g++ cmake ninja-build make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format qt6-base-private-dev
  at-spi2-core python3-pyatspi xvfb xauth dbus-x11)
PACKAGE_PACKAGES=(dpkg-dev desktop-file-utils appstream)
