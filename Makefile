# make run   installs what is missing, builds the game and starts it in its run folder.
# make test  installs what is missing, builds everything with sanitizers and runs every test.
# make bench installs what is missing, builds in Release and runs every benchmark.
# make fuzz  builds the fuzz targets with sanitizers and runs each for FUZZ_RUNS mutations.
JOBS ?= $(shell nproc)
# WERROR=ON makes every warning of the release build an error (CI builds it so).
WERROR ?= OFF
FUZZ_RUNS ?= 100000

.PHONY: run test bench fuzz deps build build-test format clean

run: build
	cd build/release/run && ./ostrevale

test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench -j $(JOBS) --target benchmarks
	tools/run-benchmarks.sh build/bench

fuzz: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON
	cmake --build build/test -j $(JOBS) --target fuzz_targets
	cd build/test && ORV_FUZZ_RUNS=$(FUZZ_RUNS) ctest --output-on-failure -j $(JOBS) -L fuzz --timeout 1000000

build: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_BUILD_TESTS=OFF -DORV_WERROR=$(WERROR)
	cmake --build build/release -j $(JOBS)

deps:
	@tools/install-deps.sh

format:
	find engine game app lib tests tools -name '*.[ch]pp' | xargs clang-format -i

clean:
	rm -rf build
