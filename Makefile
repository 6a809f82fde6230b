# The two everyday commands: `make run` and `make test`.
.PHONY: run test build deps clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/pelko-morvelt

test: build
	ctest --preset default

clean:
	rm -rf build
