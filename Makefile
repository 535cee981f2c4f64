# The two everyday commands: `make run` starts the player under Wine, `make test` runs every test.
.PHONY: all setup build build-host build-win64 build-win32 build-fuzz test test-host test-fuzz test-win run screenshot bench clean

all: build

setup:
	@bash scripts/setup.sh

build: setup build-host build-win64 build-win32

build-host:
	@cmake --preset host >/dev/null
	@cmake --build --preset host

build-win64:
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64

build-fuzz:
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

test-fuzz:
	ctest --preset fuzz --no-tests=ignore

build-win32:
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32

test: build build-fuzz
	@$(MAKE) --no-print-directory test-host test-fuzz test-win

test-host:
	ctest --preset host

# Windows-side and end-to-end tests share one Wine session (Xvfb, PulseAudio null sink).
test-win:
	bash scripts/wine-session.sh run ctest --preset win64

run: setup build-win64
	bash scripts/run-player.sh

screenshot: setup build-win64
	bash scripts/screenshot.sh docs/main-window.png
	bash scripts/screenshot.sh docs/folder-chooser.png chooser
	bash scripts/screenshot.sh docs/schedule-panel.png schedule
	bash scripts/screenshot.sh docs/tray-menu.png tray
	bash scripts/screenshot.sh docs/setup-window.png setup

bench: build
	bash bench/run-all.sh

clean:
	rm -rf build
