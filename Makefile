# Two commands for everyone:  make run   and   make test
BUILD      ?= build
ASAN_BUILD ?= build-asan
TYPE       ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
# make test WERROR=ON: compiler warnings fail the build (CI does this).
WERROR     ?= OFF

.PHONY: run test deps build test-asan shots-deps clean build-options

run: build
	./$(BUILD)/brindlewharf

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) -DBRINDLEWHARF_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite once more, compiled with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLEWHARF_SANITIZE=ON -DBRINDLEWHARF_WERROR=$(WERROR)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The builds a packager or a player may choose: the benchmarks without the tests here; the tests
# without the benchmarks are the sanitizer build (test-asan builds no benchmarks), and neither is
# the package's build.
build-options: deps
	cmake -S . -B build-notests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLEWHARF_TESTS=OFF -DBRINDLEWHARF_WERROR=$(WERROR)
	cmake --build build-notests -j $(JOBS)

# The statistics-file reader, then the statistics window showing the same bytes, under libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer for 30 seconds each (fuzz/run.sh N for longer);
# a crash fails the target.
.PHONY: fuzz
fuzz:
	@scripts/install-deps.sh fuzz
	fuzz/run.sh 30

shots-deps:
	@scripts/install-deps.sh shots

# The house formatting (.clang-format) of every C++ file, checked without changing any.
.PHONY: format-check
format-check:
	@scripts/install-deps.sh check
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Refreshes resources/translations/*.ts from the texts in the sources and the layouts; the
# translator then fills in what is new (Qt Linguist, or any editor). plurals_en.ts holds only the
# English singular and plural of the texts that count something ("%n Hand(s)").
LUPDATE ?= $(shell qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)/lupdate
.PHONY: translations
translations: deps
	$(LUPDATE) -I . -locations none -no-obsolete game platform decks stats help coach history table \
	  resources/layouts -ts resources/translations/brindlewharf_*.ts
	$(LUPDATE) -I . -locations none -no-obsolete -pluralonly -source-language en -target-language en \
	  game platform decks stats help coach history table -ts resources/translations/plurals_en.ts

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-notests build-nobench

# --- Debian package --------------------------------------------------------------------------
# make package: brindlewharf_<version>_<arch>.deb in this folder, built with Debian's hardening
# flags; install it with  apt-get install ./brindlewharf_*.deb
PKG_BUILD ?= build-pkg

.PHONY: package
package:
	@scripts/install-deps.sh game
	@scripts/install-deps.sh package
	DEB_BUILD_MAINT_OPTIONS=hardening=+all; export DEB_BUILD_MAINT_OPTIONS; \
	cmake -S . -B $(PKG_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
	  -DBRINDLEWHARF_BENCH=OFF -DBRINDLEWHARF_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PKG_BUILD) -j $(JOBS) --target brindlewharf sound_module desktop_data
	cd $(PKG_BUILD) && cpack -D CPACK_OUTPUT_FILE_PREFIX="$(CURDIR)"
