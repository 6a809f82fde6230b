# The two everyday commands: `make run` and `make test`; `make package` builds and checks the .deb.
.PHONY: run test build deps clean package

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/pelko-morvelt

test: build
	ctest --preset default

package:
	@scripts/install-deps.sh package
	@cmake --preset package >/dev/null
	@cmake --build --preset package
	@rm -f build-package/*.deb
	@cpack --preset package
	packaging/check-package.sh build-package/*.deb build-package/tests/x11probe

clean:
	rm -rf build build-package
