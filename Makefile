# The two entry points: `make demo` runs the main job, `make test` every test.
JOBS ?= 2
BUILD := build
ASAN_BUILD := build-asan

.PHONY: all deps build build-asan demo test clean dist bench fuzz

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPLIX_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)

# Translates and builds examples/hello.bas with plix, then runs it under Wine,
# or natively where this host cannot run 32-bit programs.
demo: build
	@bash scripts/demo.sh $(BUILD)

# Each run ends with the count of skipped tests and their reasons; then the
# fuzz target runs for two minutes and fails on any finding.
test: build build-asan
	@bash scripts/run-tests.sh $(BUILD) $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 bash scripts/run-tests.sh $(ASAN_BUILD) $(JOBS)
	@bash scripts/fuzz.sh $(TEST_FUZZ_SECONDS)

# Coverage-guided fuzzing of the translator (build-fuzz/, clang):
# `make fuzz` for ten minutes, `make fuzz FUZZ_SECONDS=3600` for longer.
TEST_FUZZ_SECONDS ?= 120
FUZZ_SECONDS ?= 600
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

# The Windows distribution: dist/plix/ (bin/plix.exe, BasicInclude, BasicLibs,
# README, examples) and dist/plix.zip.
dist: build
	@bash scripts/make-dist.sh $(BUILD) dist

# The translation benchmark (a Release build in build-bench/): MB/s and peak
# memory for generated programs of growing size, and TinyCC compiling the
# large one's C twin in the same run.
bench: deps
	@bash scripts/bench.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench build-fuzz build-fuzz-fast
