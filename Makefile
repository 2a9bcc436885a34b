# The two commands of the README: `make run` and `make test`. Both install
# missing Debian packages first, then configure and build with the dev preset.
# `make install PREFIX=DIR` installs that build; `make package` builds the
# Debian package from a release build of its own.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# Kills of the worker in `make crashtest`.
KILLS ?= 300
# Seconds each fuzz target runs in `make fuzz`; FUZZ_TARGETS picks some of them,
# FUZZ_SEED fixes the random seed (a new one each run when empty) and
# FUZZ_RUNS, when set, runs each target that many inputs instead of seconds.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
FUZZ_SEED ?=
FUZZ_RUNS ?=

.PHONY: all deps configure build test run install package asan crashtest release fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake --preset dev >/dev/null

build: configure
	@cmake --build --preset dev -j $(JOBS)

test: build
	@cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run-quillmark.sh build/bin/quillmark

install: build
	@cmake --install build --prefix $(PREFIX)

package: deps
	@cmake --preset package >/dev/null
	@cmake --build --preset package -j $(JOBS)
	@cd build-package && cpack -G DEB

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Kills a worker saving through the entry screens KILLS times at random
# moments and checks the company file after each kill (tools/crashloop).
crashtest: build
	@build/bin/crashloop --kills $(KILLS)

release: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

# libFuzzer targets (clang) in build-fuzz/; findings' inputs go in build-fuzz/findings/.
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@FUZZ_SEED=$(FUZZ_SEED) FUZZ_RUNS=$(FUZZ_RUNS) bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf build build-asan build-release build-package build-fuzz
