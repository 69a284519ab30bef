# Two commands: `make run` starts the drum machine, `make test` runs every test.
# Both install what is missing first. `make run-editor` starts the kit editor.

JOBS ?= $(shell nproc)
RUN_DIR := build/run
TEST_DIR := build/test
TSAN_DIR := build/tsan
GEN := -G Ninja

FUZZ_DIR := build/fuzz
# Seconds each fuzz target runs for; FUZZ_JOBS targets run side by side;
# FUZZ_TARGETS names some targets to run (all of them when empty).
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 4
FUZZ_TARGETS ?=

.PHONY: run run-editor test test-threads deps configure-run build-run build-test bench fuzz clean

deps:
	@./tools/install-deps.sh

configure-run: deps
	@[ -f $(RUN_DIR)/build.ninja ] || cmake -S . -B $(RUN_DIR) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Only the programs and what they need (libraries, tools, the program
# folder's data): the tests and benchmarks are not built for a run.
build-run: configure-run
	@cmake --build $(RUN_DIR) -j $(JOBS) --target programs

run: build-run
	@./tools/start-program.sh $(RUN_DIR)/program

run-editor: build-run
	@./tools/start-program.sh $(RUN_DIR)/program prj_padwerk_help

build-test: deps
	@[ -f $(TEST_DIR)/build.ninja ] || cmake -S . -B $(TEST_DIR) $(GEN) -DCMAKE_BUILD_TYPE=Debug -DDRUMS_SANITIZE=ON -DDRUMS_BENCH=OFF
	@cmake --build $(TEST_DIR) -j $(JOBS)

test: build-test
	@cd $(TEST_DIR) && ctest -j $(JOBS) --output-on-failure --timeout 300
	@$(MAKE) --no-print-directory test-threads

# The threaded tests once more under ThreadSanitizer: a build of only the
# platform libraries and that one executable.
test-threads: deps
	@[ -f $(TSAN_DIR)/build.ninja ] || cmake -S . -B $(TSAN_DIR) $(GEN) -DCMAKE_BUILD_TYPE=Debug -DDRUMS_TSAN=ON -DDRUMS_BENCH=OFF
	@cmake --build $(TSAN_DIR) -j $(JOBS) --target threads_tests
	@cd $(TSAN_DIR) && ctest -R '^threads$$' --output-on-failure --timeout 600

bench: configure-run
	@cmake --build $(RUN_DIR) -j $(JOBS) --target benches
	@for b in $(RUN_DIR)/bench/*_bench; do [ -x "$$b" ] && "$$b"; done; true

# Not part of `make test`, which only replays each target's seeds and
# regression inputs: fuzzing needs clang and takes as long as it is given.
fuzz:
	@./tools/install-deps.sh fuzz
	@[ -f $(FUZZ_DIR)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(GEN) \
	  -DCMAKE_BUILD_TYPE=Debug -DDRUMS_FUZZ=ON -DDRUMS_BENCH=OFF
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@./tools/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_TARGETS)

clean:
	rm -rf build
