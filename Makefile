# Two commands set a fresh Debian 12 machine up: `make run` and `make test`.
# Everything else here is for developers.

BUILD      ?= build
ASAN_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
DEMO_BUILD ?= build-demo
DEMO_PORT  ?= 8765
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
CTEST_ARGS ?=
FUZZ_TIME  ?= 60

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test test-sanitize bench screenshots fuzz demo format clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program is a desktop window: without a display there is nothing to show it on.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: Omenwise is a desktop program and needs a desktop session (DISPLAY or WAYLAND_DISPLAY is unset)."; \
	  echo "make run: on a machine without a display, 'make screenshots' renders every window to PNG files in $(BUILD)/screenshots/."; \
	  exit 1; \
	fi
	env -u QT_QPA_PLATFORM $(BUILD)/shell/omenwise

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DOMENWISE_SANITIZE=ON -DOMENWISE_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	$(MAKE) fuzz FUZZ_TIME=15
	cd $(ASAN_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; "$$b" || exit 1; done

# libFuzzer over the calendar engine under ASan and UBSan, for FUZZ_TIME seconds.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DOMENWISE_FUZZ=ON $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) --target fuzz_engine -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(FUZZ_BUILD)/fuzz/fuzz_engine -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	  $(FUZZ_BUILD)/corpus

screenshots: build
	$(BUILD)/tools/screenshots $(BUILD)/screenshots
	@echo "screenshots: PNG files in $(BUILD)/screenshots/"

# Both promotion panes rotating, fed by a promotion server on loopback.
demo: deps
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make demo: the demo shows the program's window and needs a desktop session (DISPLAY or WAYLAND_DISPLAY is unset)."; \
	  exit 1; \
	fi
	cmake -S . -B $(DEMO_BUILD) -DOMENWISE_BUILD_TESTS=OFF -DOMENWISE_BUILD_BENCH=OFF \
	  -DOMENWISE_PROMO_SERVER=http://127.0.0.1:$(DEMO_PORT) $(CMAKE_ARGS)
	cmake --build $(DEMO_BUILD) -j $(JOBS) --target omenwise omen_webengine
	env -u QT_QPA_PLATFORM ./scripts/demo $(DEMO_BUILD)/shell/omenwise $(DEMO_PORT) $(DEMO_BUILD)/demo

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEMO_BUILD)
