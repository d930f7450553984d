# The two commands of the README, `make run` and `make test`, and `make package`
# for the Debian package.
BUILD ?= build
# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
CMAKE_FLAGS := -G Ninja
ifdef CI
CMAKE_FLAGS += -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
endif
CTEST := QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: run test build sanitize-build deps package soak bench mutants

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SANITIZE_BUILD)/build.ninja: | deps
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DZARVEK_SANITIZE=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

sanitize-build: deps $(SANITIZE_BUILD)/build.ninja
	cmake --build $(SANITIZE_BUILD)

run: build
	./$(BUILD)/zarvek

test: build sanitize-build
	cd $(BUILD) && $(CTEST)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) $(CTEST)

package: build
	cmake --build $(BUILD) --target package

# A million random actions per score mode and cards mode under the sanitizers;
# `make soak SEED=s ACTIONS=n` replays a run (the seed is printed at the start).
ACTIONS ?= 1000000
soak: sanitize-build
	$(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ./$(SANITIZE_BUILD)/tests/soak/soak \
		$(if $(SEED),--seed $(SEED)) --actions $(ACTIONS)

# Start-up, memory and wake-ups against a bare window, and the engine's costs.
bench: build
	@bash scripts/install-deps.sh bench
	bash scripts/bench.sh $(BUILD)

# How many deliberate faults in the rules and the records the tests catch.
mutants: deps
	@bash scripts/install-deps.sh mutants
	python3 scripts/mutants.py --seed $(or $(SEED),7) --count $(or $(COUNT),64) src/engine src/records
