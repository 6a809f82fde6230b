# The two everyday commands: `make run` and `make test`.
.PHONY: run test build deps clean bench

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/pelko-morvelt

test: build
	ctest --preset default

# Optional: the Release build measured beside a bare Qt program, one table (takes about three minutes).
bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	bench/bench.sh build-release

clean:
	rm -rf build build-release
