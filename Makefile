# The user's entry point: `make run` and `make test` install what is missing, configure,
# build, and then start Keldaran or run every test.

# CI builds with warnings as errors.
ifeq ($(CI),true)
PRESET ?= ci
else
PRESET ?= default
endif
BUILD_DIR := build/$(PRESET)
FUZZ_SECONDS ?= 60

.PHONY: run test test-asan bench fuzz deps build configure clean screenshots

deps:
	@scripts/install-deps base

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD_DIR)/src/keldaran

test: build
	ctest --preset $(PRESET)

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.2; done

screenshots: build
	@scripts/install-deps screenshots
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/tools/keldaran_screenshots docs 12 250

clean:
	rm -rf build
