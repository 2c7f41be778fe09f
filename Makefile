# SPDX-License-Identifier: Apache-2.0
# Harvela — the two everyday commands are `make run` and `make test`.

CMAKE_GENERATOR := -G Ninja
TEST_DIR    := build/test
RELEASE_DIR := build/release
FUZZ_DIR    := build/fuzz
PACKAGE_DIR := build/package
PREFIX      ?= /usr/local

.PHONY: all deps release-config run test bench tables screenshot fuzz clean install uninstall package

all: test

deps:
	@scripts/install-deps.sh

# Debug build with AddressSanitizer + UndefinedBehaviorSanitizer, then every test.
test: deps
	cmake -S . -B $(TEST_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DHARVELA_SANITIZE=ON -DHARVELA_BUILD_UI=ON -DHARVELA_BUILD_TESTS=ON
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && ctest --output-on-failure

# Configured every time (quick when nothing changed), so an old cache never decides.
release-config:
	@cmake -S . -B $(RELEASE_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release -DHARVELA_SANITIZE=OFF -DHARVELA_BUILD_UI=ON -DHARVELA_BUILD_TESTS=OFF -DHARVELA_BUILD_BENCH=ON > /dev/null

run: deps release-config
	cmake --build $(RELEASE_DIR) --target harvela
	@scripts/run.sh $(RELEASE_DIR)

bench: deps release-config
	cmake --build $(RELEASE_DIR)
	@scripts/bench.sh $(RELEASE_DIR)

# Starts the window under Xvfb and saves one PNG per page (and the icon's
# images) into build/release/screenshots/, once as is and once at device
# pixel ratio 2 (page-1@2x.png …).
screenshot: deps release-config
	cmake --build $(RELEASE_DIR) --target harvela_screenshot
	xvfb-run -a -s "-screen 0 1280x800x24" $(RELEASE_DIR)/src/ui/harvela_screenshot $(RELEASE_DIR)/screenshots
	QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1280x800x24" $(RELEASE_DIR)/src/ui/harvela_screenshot $(RELEASE_DIR)/screenshots

clean:
	rm -rf build

# Installs the program, its desktop entry, icons, metadata, manual page and
# notices under PREFIX (default /usr/local); DESTDIR is honoured.
install: deps release-config
	cmake --build $(RELEASE_DIR) --target harvela harvela_desktop_files
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_DIR) --prefix "$(PREFIX)"

# Removes the files the last `make install` put in place (same DESTDIR).
uninstall:
	@test -f $(RELEASE_DIR)/install_manifest.txt || { echo "No $(RELEASE_DIR)/install_manifest.txt: nothing was installed from this clone."; exit 1; }
	sed 's|^|$(DESTDIR)|' $(RELEASE_DIR)/install_manifest.txt | xargs -d '\n' rm -fv --
	sed -n 's|^\(.*/doc/harvela\)/[^/]*$$|$(DESTDIR)\1|p' $(RELEASE_DIR)/install_manifest.txt | sort -u | xargs -r -d '\n' rmdir --ignore-fail-on-non-empty --

# Builds the .deb with Debian's hardening flags into build/package/ and
# checks it with lintian, which fails the target on any error or warning.
package: deps
	cmake -S . -B $(PACKAGE_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release -DHARVELA_SANITIZE=OFF -DHARVELA_BUILD_UI=ON -DHARVELA_BUILD_TESTS=OFF -DHARVELA_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR)
	cd $(PACKAGE_DIR) && rm -f harvela_*.deb && cpack
	lintian --fail-on error,warning --info $(PACKAGE_DIR)/harvela_*.deb

# Regenerates the reviewable table data in data/ from the upstream sources and the rules.
tables: deps
	python3 tools/traditional_tables.py
	python3 tools/martian_table.py

# Builds the libFuzzer targets with clang (the library instrumented too) and
# runs each for FUZZ_SECONDS, starting from its committed corpus in
# fuzz/corpus/. Every target runs even when one finds a fault; inputs that
# break a property land in build/fuzz/findings/, and the run fails at the end.
FUZZ_SECONDS ?= 60
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHARVELA_SANITIZE=ON -DHARVELA_BUILD_UI=OFF -DHARVELA_BUILD_TESTS=OFF -DHARVELA_BUILD_FUZZ=ON
	cmake --build $(FUZZ_DIR)
	@mkdir -p $(FUZZ_DIR)/findings; failed=""; \
	for fuzzer in $(FUZZ_DIR)/fuzz/*_fuzz; do \
	  target=$$(basename $$fuzzer); echo "== $$target"; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$target; \
	  $$fuzzer $(FUZZ_DIR)/corpus/$$target fuzz/corpus/$$target -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -artifact_prefix=$(FUZZ_DIR)/findings/$$target- || failed="$$failed $$target"; \
	done; \
	if [ -n "$$failed" ]; then echo "Fuzz findings in:$$failed (inputs in $(FUZZ_DIR)/findings/)"; exit 1; fi
