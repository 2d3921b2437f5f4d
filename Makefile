# Pelvaro: `make play` builds the game and its data and starts it (English; `make play LANG=de` for the German
# build); `make test` builds the test programs and runs the whole test suite, window tests
# included (it starts its own X server with Xvfb). Each command builds only what it needs.

BUILD := build
JOBS ?= 2
# Only a LANG given on the command line chooses the build; the LANG of the
# environment is the locale and is not meant here.
ifeq ($(origin LANG),command line)
GAME_LANG := $(if $(filter de,$(LANG)),de,en)
else
GAME_LANG := en
endif

BUILD_PACKAGES := cmake g++ make pkg-config liballegro4-dev libcairo2-dev libfreetype-dev fonts-dejavu-core freepats googletest libgtest-dev
TEST_PACKAGES := xvfb xdotool x11-apps imagemagick

# Installing: `make install` (PREFIX=/usr/local, DESTDIR honoured), `make
# uninstall` with the same two, `make deb` for build/pelvaro_<version>_<arch>.deb.
PREFIX ?= /usr/local
PACKAGE_TOOLS := dpkg-dev

.PHONY: play run test build configure deps test-deps bench soak asan clean install uninstall deb gallery web test-web

# What the game needs (CMake's `all`): the two programs and the data they read.
GAME_TARGETS := game_de game_en data

# The build's program started beside its data, in the build folder: it reads build/data and keeps the player's
# files in build/player. The game's own end (Quit, a closed window, the story's end: status 1) is no error here;
# every other status (2, 3, 4: a failure) is passed on.
START_GAME = cd $(BUILD) && { ./game_$(GAME_LANG); status=$$?; [ $$status = 1 ] || exit $$status; }

# A play builds the program of the language played and the data; `make build` builds both programs.
play: configure
	cmake --build $(BUILD) -j$(JOBS) --target game_$(GAME_LANG) data
	@$(START_GAME)

# The game already built, started as `make play` starts it.
run:
	@$(START_GAME)

build: configure
	cmake --build $(BUILD) -j$(JOBS) --target $(GAME_TARGETS)

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Prints, at its end, the count of tests and the time of each stage.
test: deps test-deps
	@tests/make_test.sh $(BUILD) $(JOBS)

# Every picture of the game, headless, into build/gallery/index.html.
gallery: configure
	cmake --build $(BUILD) -j$(JOBS) --target gallery

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	cd $(BUILD)/data && for b in ../bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true
	bench/idle_cpu.sh $(BUILD)/game_en $(BUILD)/data || true

# Seeded random runs, each finished by the scripted player, and a close of the window at every moment of the
# story's scenes: `make soak SEEDS=50`, `make soak SEED=7` replays one seed and prints its actions. The soak's
# clock moves 9 ms a read; `make soak SEED=7 SOAK_STEP_MS=3` replays a seed of `make test`, which moves 3.
SEEDS ?= 200
ACTIONS ?= 300
soak: build
	cmake --build $(BUILD) -j$(JOBS) --target soak
	cd $(BUILD)/data && SOAK_SEED=$(SEED) SOAK_JOBS=$(JOBS) ../tests/soak $(SEEDS) $(ACTIONS)

asan: deps test-deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DPELVARO_SANITIZE=ON
	cmake --build $(BUILD)-asan -j$(JOBS) --target test_programs
	# The game keeps its start-up pictures and sounds until the process ends,
	# and the tests stop whole runs of it halfway: leaks are not what this looks for.
	cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(JOBS) -L headless

# The game in a web page: $(BUILD)/web/index.html (serve the folder, e.g. `python3 -m http.server -d build/web`).
# The data is drawn by the native build first; Allegro comes from Debian's source, built with Debian's emscripten.
web: configure
	cmake --build $(BUILD) -j$(JOBS) --target data
	@tools/make-web.sh $(BUILD) $(JOBS)

# The web page played in a headless Chromium (Debian's chromium, chromium-driver and python3-selenium).
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium
test-web: web
	@./tools/install-packages $(WEB_TEST_PACKAGES)
	/usr/bin/python3 tests/web/web_test.py $(BUILD)/web

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

test-deps:
	@./tools/install-packages $(TEST_PACKAGES)

# The install holds the desktop icons too, which the game itself does not need.
install: build
	cmake --build $(BUILD) -j$(JOBS) --target icons
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

uninstall:
	@packaging/uninstall.sh $(BUILD) "$(DESTDIR)$(PREFIX)"

deb: build
	@./tools/install-packages $(PACKAGE_TOOLS)
	cmake --build $(BUILD) -j$(JOBS) --target icons
	@packaging/make-deb.sh $(BUILD) $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-asan
