# The two everyday commands: `make run` and `make test`. Optional: `make package` builds and checks the
# .deb, `make soak` plays a million random events under sanitizers, `make bench` measures a Release build,
# `make golden` writes the windows' snapshots afresh, `make format` formats the C++ files as `make test` checks them,
# `make mutants` breaks rules one at a time and shows which test catches each.
.PHONY: run test build golden format deps clean package soak bench mutants

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

# Writes tests/golden/ from the program as it is now; review the change with git diff before committing it.
golden: build
	PELKO_GOLDEN=write ctest --test-dir build -R '^test_golden$$' --output-on-failure

# Formats every tracked C++ file with clang-format, the check that `make test` runs.
format: deps
	@cmake -DSOURCE_DIR=$(CURDIR) -DFIX=ON -P tests/format.cmake

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

# A million events of random play under AddressSanitizer and UndefinedBehaviorSanitizer, a third for each
# seed, after the program was ended from outside in the middle of a roll; SEED=n replays that one seed,
# EVENTS=n sets the events per seed.
SEEDS = $(or $(SEED),11 12 13)
SANITIZE = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp
soak: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan --target soak pelko-morvelt x11probe
	$(if $(SEED),,$(SANITIZE) tests/e2e/faults.sh build-asan/pelko-morvelt build-asan/tests/x11probe)
	@cd build-asan/tests && for seed in $(SEEDS); do \
	    QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts $(SANITIZE) ./soak --seed $$seed --events $(or $(EVENTS),333334) || exit 1; done

# Optional: the Release build measured beside a bare Qt program, one table (takes about three minutes).
bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	bench/bench.sh build-release

# Optional: each scripted breakage of tests/mutants.txt in a scratch copy, and the test that must catch it;
# MUTANT=text runs only the lines that contain it.
mutants: deps
	scripts/mutants.sh $(MUTANT)

clean:
	rm -rf build build-package build-asan build-release
