# Front door to the CMake presets. The tables land in results/.
# Each target first installs, from Debian's packages, what it needs and the
# machine lacks: command:package pairs are probed by command, bare package
# names (libraries) with dpkg.
BUILD_TOOLS := cmake:cmake ninja:ninja-build g++:g++
TEST_TOOLS := libgtest-dev gnuplot:gnuplot-nox
BENCH_TOOLS := libbenchmark-dev
PLOT_TOOLS := gnuplot:gnuplot-nox
CHECK_TOOLS := clang++:clang clang-format:clang-format clang-tidy:clang-tidy
PACKAGE_TOOLS := file:file dpkg-shlibdeps:dpkg-dev
INSTALL_CHECK_TOOLS := groff:groff-base
FRESH_TOOLS := debootstrap:debootstrap
ENSURE := @scripts/ensure-tools
PROGRAMS := build/programs/bin

.PHONY: run test build plot accuracy package bench sanitize lint check-repro check-no-fma \
	check-install check-fresh clean

# The two programs alone: no test, benchmark or plotting tool is needed.
run:
	$(ENSURE) "make run" $(BUILD_TOOLS)
	cmake --preset programs
	cmake --build --preset programs --target korvane miretta
	mkdir -p results
	cd results && ../$(PROGRAMS)/korvane && ../$(PROGRAMS)/miretta

# The tests draw the figures, so a build for testing needs gnuplot too.
build:
	$(ENSURE) "make test" $(BUILD_TOOLS) $(TEST_TOOLS)
	cmake --preset release
	cmake --build --preset release

test: build
	ctest --preset release

# The figures in docs/, from the tables and the accuracy study's output
# (run first when results/ does not hold it yet).
plot:
	$(ENSURE) "make plot" $(PLOT_TOOLS)
	[ -f results/validation.txt ] && [ -f results/miretta-accuracy.tsv ] || $(MAKE) accuracy
	scripts/plot results docs

# The error of every printed number of both tables, measured again from
# ladders of steps: results/*-accuracy.tsv and a summary.
accuracy: run
	cmake --build --preset programs --target accuracy
	$(PROGRAMS)/accuracy results

# The Debian package of the two programs and their manual pages, in
# build/programs/package/.
package: run
	$(ENSURE) "make package" $(PACKAGE_TOOLS)
	cd build/programs && cpack

bench:
	$(ENSURE) "make bench" $(BUILD_TOOLS) $(BENCH_TOOLS)
	cmake --preset bench
	cmake --build --preset bench
	build/bench/bin/korvane_bench

sanitize:
	$(ENSURE) "make sanitize" $(BUILD_TOOLS) $(TEST_TOOLS)
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

lint: build
	$(ENSURE) "make lint" $(CHECK_TOOLS)
	scripts/lint

check-repro:
	$(ENSURE) "make check-repro" $(BUILD_TOOLS) $(CHECK_TOOLS)
	scripts/check-repro

# The suite again with the maths library's non-FMA code paths, after showing
# that they are really taken.
check-no-fma: build
	scripts/check-no-fma

# The programs installed into a scratch prefix and extracted from the
# package write the tables of the build; the manual pages are lint-clean.
check-install: package
	$(ENSURE) "make check-install" $(INSTALL_CHECK_TOOLS)
	scripts/check-install

# make run and make test on a fresh Debian 12 root with build-essential and
# git; its tables must equal those of make run here.
check-fresh: run
	$(ENSURE) "make check-fresh" $(FRESH_TOOLS)
	scripts/check-fresh

clean:
	rm -rf build results
