# The two commands a new player needs are `make run` and `make test`; the rest serve development.

BUILD_DIR := build
# The version is set once, in project(); the source archive and the package are named for it.
VERSION := $(shell sed -n 's/^project.kriel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
DIST := $(BUILD_DIR)/kriel-$(VERSION).tar.xz
SOURCES := $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps configure build run test test-sanitize fuzz bench install package dist screenshots translations format format-check clean

all: build

deps:
	@scripts/install-deps

configure:
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset default

build: configure
	@cmake --build --preset default

run: deps
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset default --target kriel gamedata
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)."; \
		exit 1; \
	fi
	@$(BUILD_DIR)/kriel

test: deps
	@$(MAKE) --no-print-directory build
	@ctest --preset default

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@test -f build-sanitize/build.ninja || cmake --preset sanitize
	@cmake --build --preset sanitize
	@ctest --preset sanitize

# Each fuzz target for FUZZ_SECONDS seconds, built with clang's libFuzzer and the sanitizers.
FUZZ_SECONDS ?= 60
fuzz: deps
	@scripts/install-deps fuzz
	@test -f build-fuzz/build.ninja || cmake --preset fuzz
	@cmake --build --preset fuzz
	@fuzz/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# The program folder in PREFIX/lib/kriel, the launchers in PREFIX/games and the desktop's files in
# PREFIX/share; PREFIX is /usr/local unless the build was configured otherwise. DESTDIR is honoured.
# Neither this nor package installs anything with apt-get: a packager builds where the build
# dependencies are already present (scripts/install-deps package names them all), and a missing
# one fails the configure or the build as it would anywhere.
install:
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset default --target kriel kriel-skincheck gamedata docfiles
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

# The source of the committed tree, HEAD, as build/kriel-<version>.tar.xz with everything in
# kriel-<version>/. The same commit gives the same bytes: git takes the files' times from the
# commit and their modes from tar.umask, not the builder's, and xz compresses on one thread, as
# more would cut the stream where the thread count says.
dist:
	@test -n "$(VERSION)" || { echo "make dist: no version in CMakeLists.txt's project()"; exit 1; }
	@mkdir -p $(BUILD_DIR)
	@git -c tar.umask=0022 -c tar.tar.xz.command="xz --threads=1" archive --format=tar.xz \
		--prefix=kriel-$(VERSION)/ --output=$(DIST) HEAD
	@echo "$(DIST)"

# A Debian package of the same for /usr, built by debhelper from debian/ with the tests run:
# build/kriel_<version>_<arch>.deb, its -dbgsym package and the source package beside them. It is
# built from the archive of make dist, unpacked in build/kriel-<version>/, so that only committed
# files go in and dpkg-buildpackage leaves its products in build/. A warning from any of the
# checkers fails it as an error does; lintian's infos and pedantic hints are only shown, and the
# ones that do not fit this game are answered in debian/kriel.lintian-overrides. The metainfo and
# the desktop entry checked are the ones packaged.
package: dist
	@if [ -n "$$(git status --porcelain --untracked-files=no)" ]; then \
		echo "make package: the uncommitted changes are left out; the package is of HEAD."; \
	fi
	@rm -rf $(BUILD_DIR)/kriel-$(VERSION) $(BUILD_DIR)/kriel_$(VERSION)[._]* \
		$(BUILD_DIR)/kriel-dbgsym_$(VERSION)_*
	@tar -xf $(DIST) -C $(BUILD_DIR)
	@cd $(BUILD_DIR)/kriel-$(VERSION) && dpkg-buildpackage -us -uc --jobs-try=auto
	@appstreamcli validate --no-net \
		$(BUILD_DIR)/kriel-$(VERSION)/debian/kriel/usr/share/metainfo/*.metainfo.xml
	@report=$$(desktop-file-validate \
		$(BUILD_DIR)/kriel-$(VERSION)/debian/kriel/usr/share/applications/*.desktop); \
		status=$$?; if [ -n "$$report" ]; then echo "$$report"; fi; \
		[ $$status -eq 0 ] && ! echo "$$report" | grep -q ': warning: '
	@lintian --fail-on error,warning --display-info --pedantic \
		$(BUILD_DIR)/kriel_$(VERSION)_*.changes

# Pictures of the six windows in docs/, taken of the game installed on a private X server.
screenshots: deps
	@scripts/install-deps screenshots
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset default --target kriel kriel-skincheck gamedata docfiles
	@scripts/take-screenshots $(BUILD_DIR) docs

bench:
	@scripts/install-deps bench
	@cmake --preset default > /dev/null
	@cmake --build --preset default --target kriel gamedata kriel_micro kriel_pace kriel_selector kriel_floor window_probe
	@python3 bench/run-benchmarks $(BUILD_DIR)

# The catalogues in translations/ brought up to date with the sources' texts by lupdate: new
# texts come in unfinished, translations of texts that stay are kept, and those of texts the
# sources dropped go (git keeps them).
translations: deps
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset default --target update_translations

format:
	@scripts/install-deps format
	@clang-format -i $(SOURCES)

format-check:
	@scripts/install-deps format
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	@rm -rf $(BUILD_DIR) build-sanitize build-fuzz
