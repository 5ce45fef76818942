# The two commands: `make run` starts the app, `make test` runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test clean

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

clean:
	@rm -rf $(BUILD_DIR)
