# make run   : install missing Debian packages, build, start the main window
# make test  : install missing Debian packages, build with sanitizers, run every test
# make bench : release build, then the benchmarks
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
TESTBUILD := build/test

.PHONY: all deps build run test bench clean format

all: build

deps:
	@sh tools/install-deps tools/debian-packages.txt --no-install-recommends

$(RELEASE)/build.ninja: CMakeLists.txt
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release

$(TESTBUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(TESTBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAUDRIN_SANITIZE=ON

build: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS)

run: build
	./$(RELEASE)/src/app/taudrin

test: deps $(TESTBUILD)/build.ninja
	cmake --build $(TESTBUILD) -j $(JOBS) --target all benchmarks
	# A test that fails is run once more; its first failure stays in the output, to be looked into.
	cd $(TESTBUILD) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:2

bench: build
	cmake --build $(RELEASE) -j $(JOBS) --target benchmarks
	@# Every benchmark runs, so one that fails does not hide the results of those after it.
	@failed=""; \
	for b in $$(find $(RELEASE)/benchmarks -maxdepth 1 -type f -name 'bench_*' -perm -u+x | sort); do \
		echo "== $$b"; ./$$b || failed="$$failed $${b##*/}"; \
	done; \
	if [ -n "$$failed" ]; then echo "failed:$$failed"; exit 1; fi

format:
	find src tests benchmarks -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
