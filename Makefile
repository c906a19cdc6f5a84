# Everything a fresh Debian machine needs: `make run` and `make test` install, build and go.
SHELL := /bin/bash
CMAKE_FLAGS :=
ifeq ($(CI),true)
CMAKE_FLAGS += -DLUNASOMA_WERROR=ON
endif
FUZZ_SECONDS ?= 60
# Limits for every fuzz target: an input that takes seconds or hundreds of megabytes (a key path
# thousands of levels deep did both) is a fault, reported as one.
FUZZ_LIMITS := -rss_limit_mb=512 -timeout=2 -max_len=65536

.PHONY: all deps build run test bench fuzz fuzz-build asan package format format-check clean

all: build

deps:
	@bash tools/install-deps.sh

build: deps
	cmake --preset default $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset default

run: build
	@bash tools/run.sh build/dist

test: build
	ctest --preset default

# A Debian package made from the install rules (bin/lunasoma, help, desktop entry, icons, AppStream).
package: build
	cd build && cpack -G DEB

bench: build
	@for b in build/bench/bench_*; do echo "== $$b"; "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

asan: deps
	cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset asan
	ctest --preset asan

fuzz-build: deps
	cmake --preset fuzz $(CMAKE_FLAGS) >/dev/null
	cmake --build --preset fuzz

fuzz: fuzz-build
	@set -o pipefail; for f in build-fuzz/fuzz/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p build-fuzz/corpus/$$name; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  "$$f" -max_total_time=$(FUZZ_SECONDS) $(FUZZ_LIMITS) -artifact_prefix=build-fuzz/$$name- -print_final_stats=1 build-fuzz/corpus/$$name fuzz/seeds/$$name 2>&1 | tail -n 12 || exit 1; \
	done

# The layout is clang-format's: `make format` rewrites every C++ file in place, and CI runs
# `make format-check`, which changes nothing and fails on any file that is not laid out so.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

format: deps
	@clang-format -i $(FORMAT_FILES)

format-check: deps
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "format-check: every file laid out"

clean:
	rm -rf build build-asan build-fuzz
