# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the quick start. Everything they need is installed by scripts/install-deps.sh.
BUILD ?= build
JOBS  ?= $(shell nproc)
# A compiler cache, when installed, makes a second build from a fresh clone take seconds. The
# libraries use a precompiled header, which the cache takes only with these allowances.
CCACHE_PCH := CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
LAUNCHER := $(if $(shell command -v ccache),"-DCMAKE_CXX_COMPILER_LAUNCHER=env;$(CCACHE_PCH);ccache" -DCMAKE_C_COMPILER_LAUNCHER=ccache)

.PHONY: run test build deps asan bench fuzz coverage clean package

run: build
	cd $(BUILD) && ./wupple

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps.sh

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer. Undefined
# behaviour ends the suite with its report, as a memory error or a leak does; otherwise it would be
# printed and the suite passed.
asan: deps
	@[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWUPPLE_SANITIZE=ON $(LAUNCHER)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

# In-process measurements first, then the whole game as a process on a virtual X server with a window
# manager: start-up and memory against a bare Qt window, and idle clock ticks of all threads.
bench: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench/wupple-bench
	@WUPPLE_EXTRA_TOOLS=1 scripts/install-deps.sh
	bench/desktop-bench.sh $(BUILD)

# libFuzzer on the settings file, the word-list text and the import of words, FUZZ_SECONDS per
# target; an input that takes over 10 s counts as a hang. New inputs go to
# build-fuzz/corpus; `make test` replays the corpus kept in fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz:
	@WUPPLE_FUZZ_TOOLS=1 scripts/install-deps.sh
	@[ -f build-fuzz/build.ninja ] || CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWUPPLE_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	for t in ini words import; do \
	  mkdir -p build-fuzz/corpus/$$t && \
	  build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 -dict=fuzz/$$t.dict \
	    build-fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

# Which lines of the program the whole suite runs (gcovr): a summary per file, and the annotated
# sources in build-coverage/coverage/index.html. Counters left by the generators at build time are
# cleared first. The kill test is left out: its helper dies mid-write and under a file-size limit,
# which cuts the counter files short.
coverage:
	@WUPPLE_COVERAGE_TOOLS=1 scripts/install-deps.sh
	@[ -f build-coverage/build.ninja ] || cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_C_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
	cmake --build build-coverage -j $(JOBS)
	find build-coverage -name '*.gcda' -delete
	cd build-coverage && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest -j $(JOBS) -E tst_kill_during_save
	mkdir -p build-coverage/coverage
	gcovr -r . build-coverage --filter '(common|i18n|settings|vocabulary|sound|about|game)/' --filter 'main\.cpp' \
	  --html-details build-coverage/coverage/index.html --print-summary

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-coverage

# The Debian package, build/wupple_<version>_<arch>.deb (see README: Installing).
package: build
	cmake --build $(BUILD) --target package
