# The two commands of the README. Each one installs what a fresh Debian 12
# machine lacks, builds, and then starts the program or runs every test.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# How long `make fuzz` runs each target; `make test` gives each a short run.
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 25
FUZZ_TARGETS = duefile localeformat htmltemplate xlsxtemplate

.PHONY: run test test-asan test-fuzz build deps test-deps bench fuzz format check install package

run: build
	./$(BUILD)/bin/tallyvane $(ARGS)

test: test-deps
	./scripts/check-format.sh
	./scripts/check-layers.sh .
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) test-asan
	$(MAKE) test-fuzz

# Each fuzz target briefly, where clang is there to build them.
test-fuzz:
	@if command -v clang++ >/dev/null 2>&1; then \
		$(MAKE) fuzz FUZZ_SECONDS=$(FUZZ_TEST_SECONDS); \
	else \
		echo "fuzz: clang++ not found, the fuzz targets were skipped"; \
	fi

# The libFuzzer targets under fuzz/, each run for FUZZ_SECONDS on its seed
# corpus and dictionary. Inputs that fail land in $(FUZZ_BUILD)/crashes/.
fuzz: test-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYVANE_FUZZ=ON \
		-DTALLYVANE_BUILD_TESTS=OFF -DTALLYVANE_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: test-deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DENABLE_SANITIZERS=ON -DTALLYVANE_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/setup-deps.sh

test-deps:
	./scripts/setup-deps.sh --with-test-tools

# Installs under PREFIX (default /usr/local); DESTDIR works as usual.
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# One .deb per program in $(BUILD)/, checked with lintian where it is installed.
package: build
	cd $(BUILD) && cpack -G DEB
	if command -v lintian >/dev/null; then lintian --fail-on error $(BUILD)/*.deb; fi

bench: test-deps build
	for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; $$b; done

format:
	find src tests bench dist fuzz -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | xargs clang-format -i

# The checks that need no build: formatting and the direction of includes.
check:
	./scripts/check-format.sh
	./scripts/check-layers.sh .
