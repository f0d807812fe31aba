# Thin wrapper around CMake. `make run` and `make test` are all the set-up a fresh machine needs.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# Where `make install` puts the programs: the user's own tree by default, no root needed.
PREFIX ?= $(HOME)/.local

.PHONY: all deps configure build run test bench shots install package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

run: build
	$(BUILD)/bin/lunetta $(ARGS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-release -j $(JOBS)
	@scripts/bench.sh build-release

shots: build
	@scripts/shots.sh $(BUILD)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack --config CPackConfig.cmake

clean:
	rm -rf $(BUILD) build-release
