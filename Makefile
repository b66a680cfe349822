# make run   installs what is missing, builds the game and starts it in its run folder.
# make test  installs what is missing, builds everything with sanitizers and runs every test.
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-test format clean

run: build
	cd build/release/run && ./ostrevale

test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_BUILD_TESTS=OFF
	cmake --build build/release -j $(JOBS)

deps:
	@tools/install-deps.sh

format:
	find engine game app lib tests tools -name '*.[ch]pp' | xargs clang-format -i

clean:
	rm -rf build
