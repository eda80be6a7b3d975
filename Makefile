# Entry points: `make test` (every test, sanitized, warnings as errors), `make fuzz`,
# `make demo`, `make bench`, `make format`. Every build first installs the Debian packages that
# are missing (scripts/install-deps.sh, silent when none is), so that a fresh machine needs
# nothing else.
JOBS ?= $(shell nproc)
TEST_BUILD ?= build/asan
RELEASE_BUILD ?= build/release
FUZZ_BUILD ?= build/fuzz
FUZZ_SECONDS ?= 60


.PHONY: deps test tsan fuzz release demo bench format format-check clean

deps:
	@bash scripts/install-deps.sh --quiet

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVANTREL_SANITIZE=ON -DVANTREL_WERROR=ON
	cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)

# The concurrent-rendering tests under ThreadSanitizer.
TSAN_BUILD ?= build/tsan
tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_TSAN=ON \
	  -DVANTREL_WERROR=ON -DVANTREL_BUILD_BENCH=OFF -DVANTREL_BUILD_EXAMPLES=OFF
	cmake --build $(TSAN_BUILD) --target concurrency_tests -j$(JOBS)
	cd $(TSAN_BUILD) && ctest --output-on-failure -R '^ConcurrentRendering'
# libFuzzer with AddressSanitizer and UBSan, in a clang build of its own; each target runs for
# FUZZ_SECONDS from its seed corpus.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVANTREL_SANITIZE=ON -DVANTREL_FUZZ=ON -DVANTREL_BUILD_BENCH=OFF \
	  -DVANTREL_BUILD_EXAMPLES=OFF
	cmake --build $(FUZZ_BUILD) --target fuzz_targets -j$(JOBS)
	scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DVANTREL_WERROR=ON \
	  -DVANTREL_BUILD_TESTS=OFF
	cmake --build $(RELEASE_BUILD) -j$(JOBS)

RENDER = @$(RELEASE_BUILD)/src/tools/render/vantrel-render --quiet
demo: release
	$(RELEASE_BUILD)/examples/demo out/demo
	$(RENDER) examples/data/vibration.csv -o out/demo/vibration.png && echo out/demo/vibration.png
	$(RENDER) examples/data/sweep.tsv --log-x --log-y -o out/demo/sweep.png \
	  && echo out/demo/sweep.png
	$(RENDER) examples/data/measurement.json -o out/demo/measurement.png \
	  && echo out/demo/measurement.png
	$(RELEASE_BUILD)/examples/live out/live 1

bench: release
	@for b in $(RELEASE_BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf build out
