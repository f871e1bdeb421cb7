# The two everyday commands, `make run` and `make test`, over the CMake presets.
.PHONY: run test package bench dump-content deps format clean fuzz windows test-windows web test-web \
	serve-web bench-web

deps:
	@scripts/install-deps

run: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release --target zor
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ] && [ -z "$${QT_QPA_PLATFORM:-}" ]; then \
		echo "zor: no display found; start it on a desktop, or without one as: xvfb-run build/release/app/zor" >&2; \
		exit 1; \
	fi
	@build/release/app/zor

test:
	@scripts/install-deps test
	@cmake --workflow --preset test

# The Debian source and binary packages, built as Debian builds them (the tests run during the
# build), from a copy of the tree as git sees it in build/release/zor-<version>; the packages land
# in build/release, and lintian inspects them: an error or a warning fails.
package:
	@scripts/install-deps package
	@rm -rf build/release/zor-* build/release/zor_*
	@version=$$(dpkg-parsechangelog -SVersion) && mkdir -p build/release/zor-$$version && \
		git ls-files -z --cached --others --exclude-standard | \
		tar --null -T - -cf - | tar -xf - -C build/release/zor-$$version && \
		cd build/release/zor-$$version && dpkg-buildpackage --no-sign
	@lintian --fail-on error,warning --display-info build/release/zor_*.changes

# Windows: the zip and the installer in build/windows, and the tests under Wine. Qt for Windows
# is built once, the first time, into a cache outside the checkout (scripts/build-qt-windows).
windows:
	@scripts/install-deps windows
	@scripts/windows build

test-windows:
	@scripts/install-deps windows
	@scripts/windows test

# Web browsers: build/web, ready for any static web server, and the tests in headless Chromium.
# Built with Debian 13's emscripten (on other hosts in a Debian 13 system that debootstrap makes),
# against a Qt built once into the cache (scripts/build-qt-web).
web:
	@scripts/install-deps web
	@scripts/web build

test-web:
	@scripts/install-deps web
	@scripts/web test

serve-web:
	@scripts/web serve

bench-web:
	@scripts/install-deps web
	@scripts/web bench

bench:
	@scripts/install-deps bench
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench --target benchmarks
	@cmake --build --preset bench --target run-benchmarks
	@cmake --build --preset bench --target run-startup

# Standard output carries the table only; everything else goes to standard error.
dump-content: deps
	@cmake --preset release >&2
	@cmake --build --preset release --target dump-content >&2
	@build/release/tools/dump-content

# A minute of libFuzzer on the answer check, over a copy of the corpus kept in build/fuzz so that
# new inputs never touch the repository; crashing inputs go to build/fuzz/artifacts.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@mkdir -p build/fuzz/corpus build/fuzz/artifacts
	@cp tests/fuzz/corpus/* build/fuzz/corpus/
	@build/fuzz/tests/fuzz/fuzz_answer -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build/fuzz/artifacts/ \
		build/fuzz/corpus

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build
