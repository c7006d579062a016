# The two commands of the README: `make run` and `make test`. Everything else is for developers.
BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
PKG_BUILD ?= build-pkg
FUZZ_SECONDS ?= 60
MONKEY_EVENTS ?= 20000
MONKEY_SEED ?= 1
MONKEY_PROJECT ?= all
EXAMPLE ?= examples/ccontrols/Demo.twp

.PHONY: all deps build test run sanitize monkey fuzz bench package clean

all: build

deps:
	bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

run: build
	bash scripts/run-example $(BUILD) $(EXAMPLE)

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTW_SANITIZE=ON -DTW_BENCH=OFF
	cmake --build $(SAN_BUILD)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 ctest --output-on-failure -j2

# Random clicks, drags, typing and keys on the designer's windows under the sanitizers, MONKEY_EVENTS
# events on each project (MONKEY_PROJECT: ccontrols, ptoolbox, new or all) from MONKEY_SEED.
monkey: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTW_SANITIZE=ON -DTW_BENCH=OFF
	cmake --build $(SAN_BUILD) --target test_monkey
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(SAN_BUILD)/ui-runtime \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  src/ui/test_monkey --project $(MONKEY_PROJECT) --seed $(MONKEY_SEED) --events $(MONKEY_EVENTS)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_FUZZ=ON -DTW_SANITIZE=ON -DTW_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
	cmake --build $(FUZZ_BUILD) --target fuzzers
	bash scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	bash scripts/install-deps bench
	for b in $(BUILD)/bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	python3 bench/compare-uic $(BUILD)
	bash bench/compare-qt-start $(BUILD)

# The Debian package, from an optimised build of the shipped programs only (stripped by CPack): $(PKG_BUILD)/tarnowick_*.deb.
# -O2 as the tested builds: -O3 brings false -Wrestrict warnings out of GCC 12's string code.
package: deps
	cmake -S . -B $(PKG_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_BENCH=OFF $(PKG_CMAKE_ARGS)
	cmake --build $(PKG_BUILD) --target tw_shipped
	cd $(PKG_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(PKG_BUILD)
