# The two commands a new player needs are `make run` and `make test`; the rest serve development.

BUILD_DIR := build
SOURCES := $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps configure build run test test-sanitize fuzz bench install package screenshots format format-check clean

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

# A Debian package of the same, for /usr: build/kriel_<version>_<arch>.deb. A warning from any of
# the checkers fails it as an error does; lintian's infos and pedantic hints are only shown, and
# the ones that do not fit this game are answered in desktop/lintian-overrides.
# The metainfo checked is the one the build wrote from its template, after the build has brought
# it up to date.
package:
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset default --target kriel kriel-skincheck gamedata docfiles
	@appstreamcli validate --no-net $(BUILD_DIR)/desktop/*.metainfo.xml
	@report=$$(desktop-file-validate desktop/*.desktop); status=$$?; \
		if [ -n "$$report" ]; then echo "$$report"; fi; \
		[ $$status -eq 0 ] && ! echo "$$report" | grep -q ': warning: '
	@rm -f $(BUILD_DIR)/kriel_*.deb
	@cd $(BUILD_DIR) && cpack
	@lintian --fail-on error,warning --display-info --pedantic $(BUILD_DIR)/kriel_*.deb

# Pictures of the six windows in docs/, taken of the game installed on a private X server.
screenshots: deps
	@scripts/install-deps screenshots
	@$(MAKE) --no-print-directory configure
	@cmake --build --preset default --target kriel kriel-skincheck gamedata docfiles
	@scripts/take-screenshots $(BUILD_DIR) docs

bench:
	@scripts/install-deps bench
	@cmake --preset default > /dev/null
	@cmake --build --preset default --target kriel gamedata kriel_micro kriel_pace window_probe
	@python3 bench/run-benchmarks $(BUILD_DIR)

format:
	@clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	@rm -rf $(BUILD_DIR) build-sanitize build-fuzz
