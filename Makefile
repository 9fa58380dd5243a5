# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, makes the content, starts the game
#   make test  the same set-up, then every test
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps configure build run test clean

all: build

deps:
	@bash tools/install-deps.sh

test-deps:
	@bash tools/install-deps.sh --test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMINAMORI_WERROR=ON > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/minamori

test: test-deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
