# The two commands: `make run` starts the app, `make test` runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=

ASAN_DIR ?= build-asan
# AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails the test that met it.
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=86 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=86

# Backgrounds drawn by an earlier `make build` are copied, not drawn again under the sanitizers.
ASAN_BACKGROUNDS = $(if $(wildcard $(BUILD_DIR)/bggen.stamp),-DPICTOVIA_BACKGROUNDS_FROM=$(abspath $(BUILD_DIR)),-UPICTOVIA_BACKGROUNDS_FROM)

.PHONY: all deps configure build run test test-asan deb clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_ARGS)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@cd $(BUILD_DIR)/bin && ./pictovia

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The tests under both sanitizers in their own build; the fuzz run has its own sanitizers.
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_ARGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPICTOVIA_FUZZ=OFF \
		-DPICTOVIA_BENCH=OFF -DPICTOVIA_TOOLS=OFF $(ASAN_BACKGROUNDS) \
		"-DCMAKE_CXX_FLAGS=$(SANITIZERS)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZERS)"
	@$(SANITIZER_ENV) cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS) -E '^fuzz_'

# The Debian package of the installed tree: $(BUILD_DIR)/pictovia_<version>_<architecture>.deb.
deb: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_DIR)
