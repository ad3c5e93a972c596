# make run   - install what is missing, build, start Tolvani
# make test  - the same with the test tools, then the whole test suite, headless
# make bench - the same with the test tools, then the benchmarks
# make sanitize - the whole test suite under AddressSanitizer and UBSan
# make deb   - the same with the packaging tools, then the Debian package, linted
# make fuzz  - the dictionary fuzz target on small files for FUZZ_SECONDS (clang, libFuzzer)
# make fuzz-large - the same from the bundled dictionary, on files of megabytes

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# make run builds the program alone; the test targets add the tests, the
# benchmarks and the dictionary builder, whose packages only they install.
PROGRAM_ONLY = -DBUILD_TESTING=OFF -DTOLVANI_BUILD_BENCH=OFF -DTOLVANI_BUILD_TOOLS=OFF
EVERYTHING = -DBUILD_TESTING=ON -DTOLVANI_BUILD_BENCH=ON -DTOLVANI_BUILD_TOOLS=ON

.PHONY: all deps test-deps configure build build-all run test bench sanitize deb fuzz-prepare fuzz fuzz-large clean

all: build

deps:
	scripts/install-deps

test-deps:
	scripts/install-deps --test

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(PROGRAM_ONLY)

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

build-all: test-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(EVERYTHING)
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/tolvani

test: build-all
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

bench: build-all
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

# The package is made from the program-only build, after its tools are
# installed: cpack refuses to make it without them.
deb: build
	scripts/install-deps --deb
	rm -f $(BUILD_DIR)/tolvani_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error $(BUILD_DIR)/tolvani_*.deb

# Sanitized builds keep Q_ASSERT on (a debug build) but optimise a little,
# and stop at the first finding so it fails the test that made it.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0

sanitize: test-deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DBUILD_TESTING=ON -DTOLVANI_BUILD_BENCH=OFF
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure --parallel $(JOBS)

# The fuzzer works on copies of the seeds (and of earlier crashes) in its
# build folder, so what it finds never lands in the repository's folders.
# make fuzz spends its time on files of a few KiB, over a thousand a second;
# make fuzz-large starts from the bundled dictionary and a line one byte
# over the loader's limit as well, and reaches files of megabytes, each of
# which takes seconds. It reads the small run's findings but keeps its own,
# and is the run that replays an earlier crash over 4 KiB whole.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
# Dozens of lines, and every field and line-break rule, fit in 4 KiB.
FUZZ_MAX_LEN ?= 4096
# Room for the bundled dictionary (1.2 MB) and for lines far past the
# loader's line limit.
FUZZ_LARGE_MAX_LEN ?= 4194304
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
FUZZ_ASAN = halt_on_error=1:detect_leaks=1
FUZZER = UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	$(FUZZ_DIR)/fuzz/dictionary_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	-print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/artifacts/

fuzz-prepare:
	scripts/install-deps --fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
	  -DTOLVANI_BUILD_FUZZ=ON -DBUILD_TESTING=OFF -DTOLVANI_BUILD_BENCH=OFF -DTOLVANI_BUILD_TOOLS=OFF
	cmake --build $(FUZZ_DIR) --parallel $(JOBS) --target dictionary_fuzzer
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/corpus-large $(FUZZ_DIR)/artifacts
	cp fuzz/seeds/* $(FUZZ_DIR)/corpus/
	[ ! -d fuzz/regressions ] || find fuzz/regressions -type f -exec cp {} $(FUZZ_DIR)/corpus/ \;

# A small input allocates some 30 KB, so 64 MiB of freed memory held back
# still catches a use after free across a thousand inputs, in half the
# resident memory of the default 256.
fuzz: fuzz-prepare
	ASAN_OPTIONS=$(FUZZ_ASAN):quarantine_size_mb=64 $(FUZZER) -max_len=$(FUZZ_MAX_LEN) $(FUZZ_DIR)/corpus

fuzz-large: fuzz-prepare
	cp data/Complete.dic $(FUZZ_DIR)/corpus-large/bundled.dic
	head -c 65537 /dev/zero | tr '\0' m > $(FUZZ_DIR)/corpus-large/line-over-the-limit.dic
	ASAN_OPTIONS=$(FUZZ_ASAN) $(FUZZER) -max_len=$(FUZZ_LARGE_MAX_LEN) $(FUZZ_DIR)/corpus-large $(FUZZ_DIR)/corpus

clean:
	rm -rf $(BUILD_DIR)
