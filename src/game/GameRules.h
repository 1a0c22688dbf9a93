tree HEAD:

.ci/
.clang-format
.gitignore
CMakeLists.txt
README.md
bench/
resources/
scripts/
src/
tests/
