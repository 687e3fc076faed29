# make run         installs what is missing, builds and opens the window
# make test        installs what is missing, builds and runs the whole suite
# make test-asan   the suite under AddressSanitizer and UndefinedBehaviorSanitizer
# make fuzz        the number-text fuzzer for FUZZ_SECONDS (default 60)
# make package     the .deb, in build/
# make format      formats the sources; make format-check tells what it would change
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# Warnings are errors in CI.
WERROR ?= $(if $(CI),ON,OFF)
# What a fresh Debian machine needs: the toolchain, Qt 6 Widgets and Test,
# COIN-OR's LP solver for the cutting plans (found through pkg-config),
# libxlsxwriter for the workbooks exported for spreadsheets, Wine's metric-compatible Tahoma, and the tools the package checks use.
DEBS := cmake g++ make pkg-config qt6-base-dev coinor-libclp-dev libxlsxwriter-dev fonts-wine dpkg-dev desktop-file-utils appstream
# What the suite needs besides: pdftotext reads the job sheet's PDF back; the
# window is drawn under qt6ct's platform theme and checked in a real X server
# (Xvfb, xprop); and it runs under a comma locale (tests/CMakeLists.txt),
# which the C library has only once it is generated from the locales
# package's sources; unzip reads an exported workbook back.
TEST_DEBS := locales poppler-utils qt6ct xvfb x11-utils unzip
TEST_LOCALES := de_DE.UTF-8
FORMAT_DEBS := clang-format
FUZZ_DEBS := clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
SOURCES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: all deps test-deps build run test test-asan fuzz package format format-check clean

all: build

# Installs those of the Debian packages in $(1) that are missing.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(DEBS))

# Generates those of $(TEST_LOCALES) (name.CHARMAP) that the C library lacks.
test-deps: deps
	$(call install_missing,$(TEST_DEBS))
	@there() { [ "$$(LC_ALL=$$1 locale charmap 2>/dev/null)" = "$${1#*.}" ]; }; \
	for l in $(TEST_LOCALES); do \
		there $$l && continue; \
		echo "Generating locale $$l"; \
		$(SUDO) localedef -i $${l%%.*} -c -f $${l#*.} $$l; \
		there $$l || { echo "could not generate locale $$l" >&2; exit 1; }; \
	done

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DMSWEIGHT_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/src/msweight

test: build test-deps
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

test-asan: test-deps
	cmake --preset asan -DMSWEIGHT_WERROR=$(WERROR)
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

fuzz: deps
	$(call install_missing,$(FUZZ_DEBS))
	fuzz/run.sh $(FUZZ_SECONDS)

package: build
	cd $(BUILD) && cpack -G DEB

format:
	$(call install_missing,$(FORMAT_DEBS))
	clang-format -i $(SOURCES)

format-check:
	$(call install_missing,$(FORMAT_DEBS))
	clang-format --dry-run -Werror $(SOURCES)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
