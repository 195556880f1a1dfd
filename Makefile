# The two entry points of the README: `make run` and `make test`.
PRESET := default
BUILD_DIR := build/$(PRESET)
SANITIZE_DIR := build/sanitize
JOBS := $(shell nproc)
# Without -noreset the X server resets each time its last client leaves and
# refuses connections meanwhile: a test that polls with short-lived xdotool
# processes while the program starts could see the program fail to connect.
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset"
AS_ROOT := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps configure build translations run test test-sanitize test-debian13 bench-debian13 deb deb-check bench screenshots tidy clean

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

# The README's set-up, `make test` and the package check of the current
# commit in a clean Debian 13 root, and the benchmark there (needs root; the
# root is made once and kept, see tools/debian13.sh).
test-debian13:
	$(AS_ROOT) tools/debian13.sh test deb-check

bench-debian13:
	$(AS_ROOT) tools/debian13.sh bench $(if $(QUICK),QUICK=1)

# A Debian package whose run-time dependencies come from the linked libraries.
deb: build
	rm -f $(BUILD_DIR)/kestrin_*.deb
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
	@cmake --build --preset $(PRESET) -j $(JOBS) --target kestrin-bench minimal-dialog plain-launcher
	$(XVFB) $(if $(shell command -v dbus-run-session),dbus-run-session --) \
	  $(BUILD_DIR)/bench/kestrin-bench $(if $(QUICK),--quick) \
	  $(BUILD_DIR)/kestrin $(BUILD_DIR)/bench/minimal-dialog $(BUILD_DIR)/bench/plain-launcher

# The README's pictures, taken under a private Xvfb into docs/screenshots.
screenshots: build
	@cmake --build --preset $(PRESET) -j $(JOBS) --target kestrin-screenshots
	tools/take-screenshots.sh $(BUILD_DIR) docs/screenshots

# Static analysis of our own sources with the checks in .clang-tidy.
tidy: build
	tools/run-clang-tidy.sh $(BUILD_DIR)

clean:
	rm -rf build
