# The two everyday commands, `make run` and `make test`, over the CMake presets.
.PHONY: run test bench dump-content deps format clean

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

test: deps
	@cmake --workflow --preset test

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release --target benchmarks
	@cmake --build --preset release --target run-benchmarks

# Standard output carries the table only; everything else goes to standard error.
dump-content: deps
	@cmake --preset release >&2
	@cmake --build --preset release --target dump-content >&2
	@build/release/tools/dump-content

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build
