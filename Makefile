# Entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, makes the content, starts the game
#   make test  the same set-up, then every test (the web page's too)
#   make web   the game as a web page in build-web/, from the same sources
#   make package  the Debian package, build/minamori_<version>_amd64.deb
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
WEB_DIR ?= build-web
JOBS ?= $(shell nproc)
# Many tests wait on a window, a browser or a timed run: one test more than
# the cores keeps the cores busy.
TEST_JOBS ?= $(shell expr $(JOBS) + 1)
# Emscripten's optimizer runs on Node and looks for Debian's acorn there.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: all deps test-deps web-deps package-deps configure build content web package run test clean

all: build

deps:
	@bash tools/install-deps.sh

test-deps:
	@bash tools/install-deps.sh --test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMINAMORI_WERROR=ON > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

web-deps:
	@bash tools/install-deps.sh --web

# The page packs the pictures, sounds, music and fonts the desktop build makes,
# and serves its screenshots.
content: configure
	@cmake --build $(BUILD_DIR) --target minamori-content-files minamori-web-fonts \
	  minamori-screenshots -j $(JOBS)

web: web-deps content
	@$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_DIR) -DCMAKE_BUILD_TYPE=Release \
	  -DMINAMORI_WERROR=ON -DMINAMORI_NATIVE_BUILD=$(abspath $(BUILD_DIR)) > /dev/null
	@$(EMSCRIPTEN_ENV) cmake --build $(WEB_DIR) -j $(JOBS)

package-deps:
	@bash tools/install-deps.sh --package

package: package-deps build
	@cd $(BUILD_DIR) && cpack -G DEB

run: build
	$(BUILD_DIR)/minamori

test: test-deps build web package
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(TEST_JOBS)

clean:
	rm -rf $(BUILD_DIR) $(WEB_DIR)
