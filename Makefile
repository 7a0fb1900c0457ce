MAKEFLAGS += --no-print-directory
# make        builds build/setup.exe
# make run    installs what is missing, builds, and starts setup.exe under Wine
# make test   installs what is missing, builds, and runs every test
BUILD ?= build
WINDOWS ?= win2k

.PHONY: all deps configure run test clean

all: configure
	cmake --build $(BUILD) --target setup -j2

deps:
	scripts/install-deps

configure:
	cmake -S . -B $(BUILD) >/dev/null

run: deps all
	scripts/run-setup $(WINDOWS) $(BUILD)/setup.exe

test: deps configure
	cmake --build $(BUILD) -j2
	scripts/with-xvfb ctest --test-dir $(BUILD) --output-on-failure -j2

clean:
	rm -rf $(BUILD)
