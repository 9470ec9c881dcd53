# The two set-up commands of the README: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)

# Every Debian package the project needs, to build, test, fuzz and rebuild its resources.
PACOTES := cmake make g++ pkg-config git python3 \
	googletest libgtest-dev libgmock-dev libbenchmark-dev \
	qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n \
	libcairo2-dev libfreetype-dev libtbb-dev fonts-liberation2 ghostscript \
	poppler-utils qpdf xvfb xauth x11-utils \
	clang libclang-rt-14-dev clang-format \
	dpkg-dev file lintian man-db

.PHONY: deps build test bench fuzz run pacote clean

deps:
	@falta=$$(for p in $(PACOTES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -z "$$falta" ]; then echo "deps: todos os pacotes estão instalados"; exit 0; fi; \
	if [ "$$(id -u)" = 0 ]; then SUDO=; elif command -v sudo >/dev/null; then SUDO=sudo; else \
		echo "deps: faltam pacotes e não há root nem sudo. Instale como root: apt-get install $$falta" >&2; exit 1; fi; \
	echo "deps: a instalar $$falta"; \
	$$SUDO apt-get update -q && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -q --no-install-recommends $$falta

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release $(CMAKE_OPCOES)
	cmake --build build -j $(JOBS)

# The test build treats warnings as errors, so CI refuses new ones.
test: CMAKE_OPCOES += -DPALVORIN_WERROR=ON
test: deps build
	cd build && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPALVORIN_SANITIZE=ON -DPALVORIN_BENCH=OFF $(CMAKE_OPCOES)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS)

bench: deps build
	./build/palvorin_bench
	./build/bench_geracao
	./build/palvorin_bench_pdf
	./build/palvorin_bench_janela

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALVORIN_FUZZ=ON -DPALVORIN_TESTS=OFF -DPALVORIN_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzz_dicionario fuzz_receita
	mkdir -p fuzz-corpus fuzz-corpus-receita
	./build-fuzz/fuzz_dicionario -max_total_time=60 -max_len=4096 fuzz-corpus tests/wordlist/fuzz-regressoes
	./build-fuzz/fuzz_receita -max_total_time=60 -max_len=8192 fuzz-corpus-receita fuzz/sementes-receita

# The Debian package build/palvorin_<versão>_<arquitetura>.deb, checked by lintian.
pacote: deps build
	rm -f build/palvorin_*.deb
	cd build && cpack -G DEB
	lintian --fail-on error build/palvorin_*.deb

run: deps build
	./build/palvorin

clean:
	rm -rf build build-asan build-fuzz
