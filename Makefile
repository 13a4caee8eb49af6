BUILD_DIR ?= build
APP_DIR := $(BUILD_DIR)/app
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps build run test clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(APP_DIR) && ./PellomarBrevantaLite

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
