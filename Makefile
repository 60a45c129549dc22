# make run     - install what is missing, build, start the workbench
# make test    - install what is missing, build, run every test through ctest
# make install - install into PREFIX (default /usr/local; DESTDIR is honoured)
# make package - the Debian package, in $(BUILD)/
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
PREFIX     ?= /usr/local
RUNTIME_DIR := /tmp/runtime-$(shell id -u)
TEST_ENV := XDG_RUNTIME_DIR=$(RUNTIME_DIR) QT_QPA_PLATFORM=offscreen
# KAVORA_WERROR=ON (as CI sets it) makes every warning an error.
CMAKE_OPTIONS := $(if $(KAVORA_WERROR),-DKAVORA_WERROR=$(KAVORA_WERROR))
# The sanitizers stop at the first error; Qt's and fontconfig's caches that live until exit are
# not leaks of ours (tools/lsan.supp).
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0

.PHONY: deps configure build run test test-sanitize fuzz fuzz-smoke fuzz-long bench screenshots install package \
        check-package clean

deps:
	@./tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ] || [ -n "$(CMAKE_OPTIONS)" ]; then \
	  cmake -S . -B $(BUILD) -G Ninja $(CMAKE_OPTIONS); fi

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/src/app/kavora2

test: build
	@mkdir -p -m 0700 $(RUNTIME_DIR)
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure -j2

# The core library, the command-line tool and the windows with their tests under AddressSanitizer
# and UndefinedBehaviorSanitizer; the window tests run offscreen.
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DKAVORA_GUI=ON -DKAVORA_SANITIZE=ON $(CMAKE_OPTIONS)
	cmake --build $(ASAN_BUILD) --target sanitizer_tests
	@mkdir -p -m 0700 $(RUNTIME_DIR)
	cd $(ASAN_BUILD) && $(TEST_ENV) $(SANITIZER_ENV) ctest --output-on-failure -j2 -L 'core|gui'

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DKAVORA_GUI=OFF -DKAVORA_FUZZ=ON $(CMAKE_OPTIONS)
	cmake --build $(FUZZ_BUILD)

# A short run of every fuzz target from its seeds and with its dictionary, as CI does it. New
# inputs go to $(FUZZ_BUILD)/corpus/, crashes to $(FUZZ_BUILD)/.
fuzz-smoke: fuzz
	./tools/fuzz-run.sh $(FUZZ_BUILD) smoke $(FUZZ_SECONDS)

# The long runs (millions of executions a target, hours in all), niced; not part of CI.
fuzz-long: fuzz
	nice -n 19 ./tools/fuzz-run.sh $(FUZZ_BUILD) long

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

# Without a DESTDIR the desktop learns of the new MIME type and entry at once (a package leaves this
# to dpkg's triggers).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ]; then \
	  ! command -v update-mime-database > /dev/null || update-mime-database $(PREFIX)/share/mime; \
	  ! command -v update-desktop-database > /dev/null || update-desktop-database -q $(PREFIX)/share/applications; \
	fi

package: build
	rm -f $(BUILD)/kavora2_*.deb
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/kavora2_*.deb

# The package unpacked into a fresh folder (dpkg -x): its files, its dependencies, the sample run by
# the installed kavora2-cli and a start of the installed workbench.
check-package: package
	./tools/check-install.sh --deb $$(ls $(BUILD)/kavora2_*.deb) $(BUILD)/package-root

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
