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

.PHONY: run test test-asan bench fuzz package screenshots deps build configure clean

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

package: build
	@scripts/install-deps package
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null
	@deb=$$(ls $(BUILD_DIR)/keldaran_*_amd64.deb) && cp "$$deb" . && echo "built $$(basename $$deb)" && scripts/check-package "$$deb"

screenshots: build
	@scripts/install-deps screenshots
	scripts/screenshots $(BUILD_DIR)/src/keldaran

clean:
	rm -rf build
