# make run  - install what is missing, build, start the workbench
# make test - install what is missing, build, run every test through ctest
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
RUNTIME_DIR := /tmp/runtime-$(shell id -u)
TEST_ENV := XDG_RUNTIME_DIR=$(RUNTIME_DIR) QT_QPA_PLATFORM=offscreen

.PHONY: deps configure build run test test-sanitize fuzz fuzz-smoke bench screenshots clean

deps:
	@./tools/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/src/app/kavora2

test: build
	@mkdir -p -m 0700 $(RUNTIME_DIR)
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure -j2

# The core library and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@[ -f $(ASAN_BUILD)/build.ninja ] || cmake -S . -B $(ASAN_BUILD) -G Ninja -DKAVORA_GUI=OFF -DKAVORA_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j2 -L core

fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DKAVORA_GUI=OFF -DKAVORA_FUZZ=ON
	cmake --build $(FUZZ_BUILD)

# A short run of every fuzz target, as CI does it.
fuzz-smoke: fuzz
	@for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; \
	  echo "== $$f"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 > $$f.log 2>&1; status=$$?; \
	  tail -n 12 $$f.log; [ $$status -eq 0 ] || exit 1; \
	done

# Speed figures: the executor, run control, the whole command-line tool, the editor and the window's run.
bench: build
	./$(BUILD)/bench/bench_executor
	./$(BUILD)/bench/bench_run
	./bench/bench_cli.sh $(BUILD)/src/app/kavora2-cli
	@[ ! -x $(BUILD)/bench/bench_editor ] || $(TEST_ENV) ./$(BUILD)/bench/bench_editor
	@[ ! -x $(BUILD)/bench/bench_gui_run ] || $(TEST_ENV) ./$(BUILD)/bench/bench_gui_run
	@[ ! -x $(BUILD)/bench/bench_find_replace ] || $(TEST_ENV) ./$(BUILD)/bench/bench_find_replace

# Pictures of the real window under Xvfb (edit, assemble and run mode, the console, the trace options) into docs/.
screenshots: build
	./tools/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
