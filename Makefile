# SPDX-FileCopyrightText: 2026 The Glyphory developers
# SPDX-License-Identifier: MIT
#
# make run   installs what is missing, builds and starts Glyphory
# make test  installs what is missing, builds and runs every test headless, then
#            again built with AddressSanitizer and UndefinedBehaviorSanitizer
# make package  builds the Debian package $(BUILD)/glyphory_<version>_<arch>.deb
# make bench    start-up, search, preview and About timings against large font collections
#               (Debian's font packages among them: downloads about 1.4 GB once)

BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
# What building and running the program needs; the tests need the rest too, among
# them four window managers and a Wayland compositor that `make run` leaves alone.
RUN_PACKAGES  := cmake make g++ pkg-config qt6-base-dev libfontconfig-dev libgl-dev libxcb1-dev \
                 fonts-dejavu-core fonts-liberation2 fonts-wine qt6-gtk-platformtheme qt6-wayland
TEST_PACKAGES := qt6-base-private-dev fonts-urw-base35 xfonts-terminus \
                 fonts-dejavu-extra fonts-inter-variable fonts-misaki fonts-alee fonts-wqy-microhei \
                 clang-format desktop-file-utils appstream \
                 xvfb xauth x11-utils openbox xdotool dbus mutter kwin-x11 kwin-style-breeze xfwm4 \
                 sway wtype wl-clipboard jq fontconfig
PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)
EXTRA_PACKAGES ?=
BENCH_PACKAGES := xvfb python3 python3-xlib python3-fonttools time fontconfig \
                  fonts-dejavu-core
BENCH_BUILD    ?= build-bench
BENCH_ARGS     ?=
ASAN_BUILD     ?= build-asan
FUZZ_PACKAGES  := clang libclang-rt-14-dev llvm
FUZZ_BUILD     ?= build-fuzz
FUZZ_TARGETS   := maillink prefixsearch
FUZZ_SECONDS   ?= 60
FUZZ_ARGS      ?=

# Any sanitizer report stops the program that made it with an abort, so the test
# it ran under fails; children such as the built program started by a test inherit
# the options. QtTest's crash handler is kept out of the way of the reports.
SANITIZER_ENV := \
    ASAN_OPTIONS=abort_on_error=1:halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=abort_on_error=1:halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/sanitizers/lsan.supp:print_suppressions=0 \
    QTEST_DISABLE_CRASH_HANDLER=1

.PHONY: all deps configure build run test test-asan package bench fuzz clean format

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

run:
	@$(MAKE) --no-print-directory deps PACKAGES="$(RUN_PACKAGES)"
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target glyphory
	$(BUILD)/glyphory

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DGLYPHORY_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD) && cpack -G DEB

# Not part of test: it takes minutes and its figures depend on the machine.
bench: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)" EXTRA_PACKAGES=
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target glyphory glyphory_floor glyphory_searchbench glyphory_fakeuser
	/usr/bin/python3 bench/bench.py --build $(BENCH_BUILD) $(BENCH_ARGS)

# Not part of test: each target runs for FUZZ_SECONDS. New inputs go to the build
# folder; the committed seeds in fuzz/corpus are only read.
fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)" EXTRA_PACKAGES=
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DGLYPHORY_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/crashes && \
	    echo "Fuzzing $$t for $(FUZZ_SECONDS) s" && \
	    $(SANITIZER_ENV) $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	        -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/crashes/$$t- $(FUZZ_ARGS) \
	        $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
