# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# make run   installs what is missing, builds and starts Glyphory
# make test  installs what is missing, builds and runs every test headless
# make package  builds the Debian package $(BUILD)/glyphory_<version>_<arch>.deb
# make bench    start-up, search and preview timings against large font collections

BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ pkg-config qt6-base-dev libfontconfig-dev libgl-dev fonts-dejavu-core \
            clang-format desktop-file-utils appstream
EXTRA_PACKAGES ?=
BENCH_PACKAGES := xvfb python3 python3-xlib python3-fonttools time fontconfig \
                  fonts-dejavu-core
BENCH_BUILD    ?= build-bench
BENCH_ARGS     ?=

.PHONY: all deps configure build run test package bench clean format

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    if [ "$$(id -u)" = 0 ]; then \
	        echo "Installing:$$missing"; \
	        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	    else \
	        echo "Some packages are missing. Install them with:"; \
	        echo "    sudo apt-get install$$missing"; \
	        exit 1; \
	    fi; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/glyphory

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD) && cpack -G DEB

# Not part of test: it takes minutes and its figures depend on the machine.
bench: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)" EXTRA_PACKAGES=
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target glyphory glyphory_floor glyphory_searchbench
	/usr/bin/python3 bench/bench.py --build $(BENCH_BUILD) $(BENCH_ARGS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
