# The two entry points of the README: `make run` and `make test`.
PRESET := default
BUILD_DIR := build/$(PRESET)
SANITIZE_DIR := build/sanitize
JOBS := $(shell nproc)
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"

.PHONY: deps configure build translations run test test-sanitize deb deb-check bench screenshots tidy clean

deps:
	@tools/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

# Brings every translations/kestrin_*.ts up to date with the texts in the
# code and the layouts; a new language starts as an empty kestrin_<lang>.ts.
translations: configure
	@cmake --build --preset $(PRESET) --target update_translations

run: build
	$(BUILD_DIR)/kestrin

# Unit tests run on Qt's offscreen platform; the end-to-end tests need a real
# X server, so the whole suite runs inside a private Xvfb.
test: build
	$(XVFB) ctest --preset $(PRESET) -j $(JOBS)

# The same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, in a build folder of its own.
test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	$(XVFB) ctest --preset sanitize -j $(JOBS)

# A Debian package whose run-time dependencies come from the linked libraries.
deb: build
	cd $(BUILD_DIR) && cpack -G DEB

# Installs that package with dpkg, starts the installed program under Xvfb,
# then removes the package again (needs root or sudo).
deb-check: deb
	tools/check-deb.sh $(BUILD_DIR)/kestrin_*.deb

# Not a test: prints timings and memory figures for the real program, in
# about six minutes. `make bench QUICK=1` takes a shorter look (fewer runs
# and cycles, 5 s idle instead of 30 s). A private session bus, where there is
# one to start, lets accessibility reach an AT-SPI bus as on a desktop.
bench: build
	@cmake --build --preset $(PRESET) -j $(JOBS) --target kestrin-bench minimal-dialog
	$(XVFB) $(if $(shell command -v dbus-run-session),dbus-run-session --) \
	  $(BUILD_DIR)/bench/kestrin-bench $(if $(QUICK),--quick) \
	  $(BUILD_DIR)/kestrin $(BUILD_DIR)/bench/minimal-dialog

# The README's pictures, taken under a private Xvfb into docs/screenshots.
screenshots: build
	@cmake --build --preset $(PRESET) -j $(JOBS) --target kestrin-screenshots
	tools/take-screenshots.sh $(BUILD_DIR) docs/screenshots

# Static analysis of our own sources with the checks in .clang-tidy.
tidy: build
	tools/run-clang-tidy.sh $(BUILD_DIR)

clean:
	rm -rf build
