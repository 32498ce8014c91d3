# The Debian packages each command needs, sourced by ./run and ./test.
# shellcheck shell=bash
# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n holds Qt's own.
# libsqlite3-dev is the history's database.
BUILD_PACKAGES=(g++ cmake ninja-build make qt6-base-dev libfontconfig-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libsqlite3-dev)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format qt6-base-private-dev
  at-spi2-core python3-pyatspi xvfb xauth dbus-x11)
PACKAGE_PACKAGES=(dpkg-dev desktop-file-utils appstream)
