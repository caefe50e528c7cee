# The README's commands. Every target installs what is missing first (make deps).
SHELL := /bin/bash
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
SOAK_EVENTS ?= 100000

# Debian packages the build, the tests, the benchmarks and the Windows check need.
DEPS_PACKAGES := cmake make g++ clang libclang-rt-14-dev pkg-config libgtest-dev libgmock-dev \
  libbenchmark-dev python3 python3-networkx libsdl2-dev libcairo2-dev libfreetype-dev libx11-dev \
  fonts-dejavu-core \
  xvfb xauth x11-apps imagemagick mingw-w64

ifeq ($(CI),true)
WERROR := ON
else
WERROR ?= OFF
endif

CMAKE_COMMON := -DGRAFURI_WERROR=$(WERROR)

.PHONY: all deps build run test sanitize fuzz bench soak windows format clean

all: build

deps:
	@missing=""; for p in $(DEPS_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	  else \
	    echo "Missing packages. Run:"; echo "  sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

build/release/CMakeCache.txt:
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release $(CMAKE_COMMON)

build: deps build/release/CMakeCache.txt
	cmake --build build/release -j $(JOBS)

run: build
	./build/release/bin/grafuri

test: deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_COMMON)
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS) -LE long

sanitize: deps
	cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DGRAFURI_SANITIZE=ON $(CMAKE_COMMON)
	cmake --build build/sanitize -j $(JOBS)
	cd build/sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) -LE long

fuzz: deps
	cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DGRAFURI_FUZZ=ON -DGRAFURI_TESTS=OFF $(CMAKE_COMMON)
	cmake --build build/fuzz -j $(JOBS)
	mkdir -p build/fuzz/corpus
	./build/fuzz/bin/fuzz_graph_reader build/fuzz/corpus fuzz/seeds -max_total_time=$(FUZZ_SECONDS) -max_len=4096

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGRAFURI_BENCH=ON -DGRAFURI_TESTS=OFF $(CMAKE_COMMON)
	cmake --build build/bench -j $(JOBS)
	for b in build/bench/bin/bench_*; do echo "== $$b"; $$b; done

# The monkey runs under the sanitizers; the arc geometry sweep (millions of pure-arithmetic
# comparisons, nothing a sanitizer would add to) runs in the optimised test build.
soak: deps
	cmake -S . -B build/soak -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DGRAFURI_SANITIZE=ON $(CMAKE_COMMON)
	cmake --build build/soak -j $(JOBS)
	cd build/soak && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 SOAK_EVENTS=$(SOAK_EVENTS) \
	  ctest --output-on-failure -L long -E arc_geometry
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_COMMON)
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -L long -R arc_geometry

windows: deps
	cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DGRAFURI_TESTS=OFF $(CMAKE_COMMON)
	cmake --build build/windows -j $(JOBS)
	cp build/windows/bin/grafuri.exe grafuri.exe

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build grafuri.exe
