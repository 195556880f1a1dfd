# The two entry points of the README: `make run` and `make test`.
PRESET := default
BUILD_DIR := build/$(PRESET)
JOBS := $(shell nproc)

.PHONY: deps configure build run test clean

deps:
	@tools/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	$(BUILD_DIR)/kestrin

# Unit tests run on Qt's offscreen platform; the end-to-end tests need a real
# X server, so the whole suite runs inside a private Xvfb.
test: build
	xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
	  ctest --preset $(PRESET) -j $(JOBS)

clean:
	rm -rf build
