# Front door to the CMake presets. The tables land in results/.
BUILD_TOOLS := cmake:cmake ninja:ninja-build g++:g++
PLOT_TOOLS := gnuplot:gnuplot-nox
CHECK_TOOLS := clang++:clang clang-format:clang-format clang-tidy:clang-tidy
RELEASE := build/release/bin

.PHONY: tools build run test plot bench sanitize lint check-repro clean

tools:
	@scripts/ensure-tools $(BUILD_TOOLS)

# The tests draw the figures, so a build for testing needs gnuplot too.
build: tools
	@scripts/ensure-tools $(PLOT_TOOLS)
	cmake --preset release
	cmake --build --preset release

run: tools
	cmake --preset release
	cmake --build --preset release --target korvane miretta
	mkdir -p results
	cd results && ../$(RELEASE)/korvane && ../$(RELEASE)/miretta

test: build
	ctest --preset release

plot:
	@scripts/ensure-tools $(PLOT_TOOLS)
	scripts/plot results docs

bench: tools
	cmake --preset bench
	cmake --build --preset bench
	build/bench/bin/korvane_bench

clean:
	rm -rf build results

sanitize: tools
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

lint: build
	@scripts/ensure-tools $(CHECK_TOOLS)
	scripts/lint

check-repro: tools
	@scripts/ensure-tools $(CHECK_TOOLS)
	scripts/check-repro
