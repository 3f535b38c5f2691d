# The two commands: `make run` and `make test`. See README.md.
.PHONY: all run test bench fuzz native windows clean

all: native windows

run:
	@bash scripts/run.sh

test:
	@bash scripts/test.sh

bench:
	@bash scripts/bench.sh

# Every fuzz target (or those in FUZZ_TARGETS) for FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz:
	@bash scripts/deps.sh fuzz
	@bash scripts/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The portable core, its tests and benchmarks: needs no Wine, MinGW or X.
native:
	@bash scripts/deps.sh native
	cmake --preset native
	cmake --build --preset native -j $$(nproc)

# lumbrel.exe for both Windows architectures (build/dist: 32-bit, build/dist64: 64-bit).
windows:
	@bash scripts/deps.sh run
	cmake --preset windows
	cmake --build --preset windows -j $$(nproc)
	cmake --preset windows64
	cmake --build --preset windows64 -j $$(nproc)

clean:
	rm -rf build
