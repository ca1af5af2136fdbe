# Raccourcis : « make run » pour lancer Ostrelle, « make check » pour les essais.
# La construction elle-même est confiée à CMake (préréglage « defaut », dossier build/).

CONSTRUCTION := build
PARALLELE    := 2

.PHONY: all run check bench build configure deps clean install package

all: build

deps:
	scripts/install-deps

# On ne reconfigure que si Ninja n'a pas encore de fichier de construction ;
# ensuite CMake se relance tout seul quand un CMakeLists.txt change.
configure: deps
	@if [ ! -f $(CONSTRUCTION)/build.ninja ]; then cmake --preset defaut; fi

build: configure
	cmake --build $(CONSTRUCTION) --parallel $(PARALLELE)

# Le programme prend son propre dossier pour dossier de travail (données à côté).
run: build
	cd $(CONSTRUCTION)/Ostrelle && ./ostrelle

check: build
	export QT_QPA_PLATFORM=offscreen && ctest --test-dir $(CONSTRUCTION) --output-on-failure

bench: build
	@if [ -x scripts/bench ]; then scripts/bench; else echo "Pas de scripts/bench : rien à mesurer."; fi

# Installe les deux programmes, leur bibliothèque et leurs données sous PREFIX ; DESTDIR pose le
# tout dans un dossier de travail (make install DESTDIR=/tmp/essai).
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(CONSTRUCTION) --prefix "$(PREFIX)"

# Le paquet Debian de tout ce que « make install » pose, préfixe /usr : build/ostrelle_2.1_<arch>.deb,
# à installer avec « apt install ./build/ostrelle_2.1_amd64.deb ».
package: build
	cmake --build $(CONSTRUCTION) --target package

clean:
	rm -rf $(CONSTRUCTION)
