# The user's entry point: `make run` and `make test` install what is missing, configure,
# build, and then start Keldaran or run every test.

# CI builds with warnings as errors.
ifeq ($(CI),true)
PRESET ?= ci
else
PRESET ?= default
endif
BUILD_DIR := build/$(PRESET)
# Seconds each fuzz target runs for in `make fuzz`.
FUZZ_SECONDS ?= 60
# The sanitizer and fuzz builds have their own presets; under CI their warnings are errors too.
WERROR := $(if $(filter true,$(CI)),ON,OFF)

.PHONY: run test asan-build test-asan bench fuzz package screenshots deps build configure clean windows test-windows windows-configure

deps:
	@scripts/install-deps base

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/src/app/keldaran

test: build
	ctest --preset $(PRESET)

# The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer;
# the test preset halts on the first finding and reads scripts/lsan.supp. The same clang build
# holds the libFuzzer targets, so `make test-asan` and `make fuzz` compile our code once between them.
asan-build: deps
	@scripts/install-deps fuzz
	@cmake --preset asan -DKELDARAN_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset asan -j2

test-asan: asan-build
	ctest --preset asan

# Every libFuzzer target for FUZZ_SECONDS each, from a scratch copy of its seed corpus.
fuzz: asan-build
	@scripts/run-fuzzers build/asan $(FUZZ_SECONDS)

# Every benchmark offscreen, then the start-up measurement again on a virtual X display, where
# the window system's own work (mapping, the icon, the first expose) is part of the cost.
bench: build
	@scripts/install-deps bench
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.2; done
	@echo "== $(BUILD_DIR)/bench/startup_bench under Xvfb"
	@QT_QPA_PLATFORM=xcb xvfb-run -a $(BUILD_DIR)/bench/startup_bench --benchmark_filter=none

package: build
	@scripts/install-deps package
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null
	@deb=$$(ls $(BUILD_DIR)/keldaran_*_amd64.deb) && cp "$$deb" . && echo "built $$(basename $$deb)" && scripts/check-package "$$deb"

screenshots: build
	@scripts/install-deps screenshots
	scripts/screenshots $(BUILD_DIR)/src/app/keldaran

# The Windows program, cross-built with MinGW-w64: the Qt for Windows that it needs is built once
# (about half an hour) into ~/.cache/keldaran and reused; `make windows` leaves the portable zip
# and the installer here, `make test-windows` runs the test suite under Wine.
VERSION := $(shell awk '/^project/ { for (i = 1; i < NF; i++) if ($$i == "VERSION") print $$(i + 1) }' CMakeLists.txt)

windows-configure:
	@scripts/install-deps base windows
	@scripts/build-windows-toolchain >/dev/null
	@KELDARAN_WINDOWS_QT=$$(scripts/build-windows-toolchain --prefix) \
	  cmake --preset windows -DKELDARAN_WERROR=$(WERROR) >/dev/null

windows: windows-configure
	@cmake --build --preset windows --target windows_package
	@cp build/windows/keldaran-$(VERSION)-win64.zip build/windows/keldaran-$(VERSION)-setup.exe .
	@ls -l keldaran-$(VERSION)-win64.zip keldaran-$(VERSION)-setup.exe

test-windows: windows-configure
	@cmake --build --preset windows
	ctest --preset windows

clean:
	rm -rf build
